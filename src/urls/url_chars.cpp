#include "urls/url_chars.h"

#include "text/toolkit.h"

namespace skorlin::urls {

bool IsHttpAddress(text::TextView line) { return text::FindStrNoCase(U"http:", line, 1) > 0; }

}  // namespace skorlin::urls
