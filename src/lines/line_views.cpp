// The whole text of a view, its lines joined again.
#include "lines/line_views.h"

namespace skorlin::lines {

text::Text WholeText(text::TextView text) { return JoinLineViews(SplitLineViews(text)); }

}  // namespace skorlin::lines
