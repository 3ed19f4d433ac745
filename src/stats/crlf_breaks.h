// A text with its line breaks as a view holds them.
#pragma once

#include "text/text.h"

namespace skorlin::stats {

// Every line break of any kind (CR LF, a lone CR, a lone LF; LF CR is two breaks) becomes
// CR LF; nothing else changes, and no break is added at the end.
text::Text WithCrLfBreaks(text::TextView text);

}  // namespace skorlin::stats
