#include "urls/http_prefix.h"

#include <cstddef>

#include "text/toolkit.h"
#include "urls/line_frame.h"
#include "urls/url_chars.h"

namespace skorlin::urls {
namespace {

constexpr text::TextView kHttpPrefix = U"http://";

// True when the line begins with "http://", compared as FindStrNoCase compares.
bool StartsWithHttpPrefix(text::TextView line) {
  return text::FindStrNoCase(kHttpPrefix, line.substr(0, kHttpPrefix.size()), 1) == 1;
}

}  // namespace

bool AddHttpPrefix(text::Text& line) {
  if (IsHttpAddress(line)) return false;
  line.insert(0, kHttpPrefix);
  return true;
}

bool RemoveHttpPrefix(text::Text& line) {
  // Only a leading "http://" is removed: cutting seven characters from a line that holds
  // "http:" somewhere else would destroy its text ('см. http://host' would become
  // 'p://host').
  if (!StartsWithHttpPrefix(line)) return false;
  text::DeleteRange(line, 1, static_cast<std::ptrdiff_t>(kHttpPrefix.size()));
  return true;
}

UrlResult AddHttp(text::TextView viewText) { return ChangeEachLine(viewText, AddHttpPrefix); }

UrlResult RemoveHttp(text::TextView viewText) { return ChangeEachLine(viewText, RemoveHttpPrefix); }

}  // namespace skorlin::urls
