#include "urls/insert_links.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "text/line_list.h"
#include "urls/line_frame.h"

namespace skorlin::urls {
namespace {

constexpr text::TextView kOpening = U"<a href=\"";
constexpr text::TextView kMiddle = U"\">";
constexpr text::TextView kClosing = U"</a>";

bool IsBlankLine(text::TextView line) {
  return std::all_of(line.begin(), line.end(), [](text::Char c) { return text::IsBlank(c); });
}

// Wraps every non-blank line into a link; addressFromView says whether the view line is
// the address (anchors from the clipboard) or the link text (addresses from the clipboard).
UrlResult InsertLinks(text::TextView viewText, text::TextView clipboardText, bool addressFromView) {
  const text::Lines clipboard = text::SplitLines(clipboardText);
  if (clipboard.empty()) {
    UrlResult result;
    result.text = text::JoinLines(text::SplitLines(viewText));
    result.done = false;
    result.caption = kEmptyClipboardCaption;
    return result;
  }
  std::size_t k = 0;
  return ChangeEachLine(viewText, [&](text::Text& line) {
    if (IsBlankLine(line)) return false;
    const text::Text& other = clipboard[k];
    k = (k + 1 == clipboard.size()) ? 0 : k + 1;
    const text::Text& address = addressFromView ? line : other;
    const text::Text& caption = addressFromView ? other : line;
    text::Text link;
    link.reserve(kOpening.size() + address.size() + kMiddle.size() + caption.size() + kClosing.size());
    link.append(kOpening).append(address).append(kMiddle).append(caption).append(kClosing);
    line = std::move(link);
    return true;
  });
}

}  // namespace

UrlResult InsertUrls(text::TextView viewText, text::TextView clipboardText) {
  return InsertLinks(viewText, clipboardText, false);
}

UrlResult InsertAnchors(text::TextView viewText, text::TextView clipboardText) {
  return InsertLinks(viewText, clipboardText, true);
}

}  // namespace skorlin::urls
