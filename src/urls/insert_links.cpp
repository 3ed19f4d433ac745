// SPDX-License-Identifier: GPL-3.0-or-later
#include "urls/insert_links.h"

#include <cstddef>
#include <string>

#include "text/utf8.h"
#include "urls/line_frame.h"

namespace skorlin::urls {
namespace {

constexpr std::string_view kOpening = "<a href=\"";
constexpr std::string_view kMiddle = "\">";
constexpr std::string_view kClosing = "</a>";

// What the links add to a text kept whole: the pieces, and the clipboard lines in turn.
std::size_t Growth(std::string_view viewText, const text::LineViews& clipboard) {
  std::size_t nonBlank = 0;
  text::ForEachLine(viewText,
                    [&nonBlank](std::string_view line) { nonBlank += text::IsBlankUtf8(line) ? 0 : 1; });
  std::size_t cycle = 0;
  for (const std::string_view line : clipboard) cycle += line.size();
  std::size_t growth =
      nonBlank * (kOpening.size() + kMiddle.size() + kClosing.size()) + nonBlank / clipboard.size() * cycle;
  for (std::size_t j = 0; j < nonBlank % clipboard.size(); ++j) growth += clipboard[j].size();
  return growth;
}

// Wraps every non-blank line into a link; addressFromView says whether the view line is
// the address (anchors from the clipboard) or the link text (addresses from the clipboard).
text::CommandResult InsertLinks(std::string_view viewText, std::string_view clipboardText,
                                bool addressFromView, text::LineWriter& out) {
  const text::LineViews clipboard = text::SplitLines(clipboardText);
  if (clipboard.empty()) return NothingToDo(viewText, kEmptyClipboardCaption);
  const std::size_t growth = out.KeepsWhole() ? Growth(viewText, clipboard) : 0;
  std::size_t k = 0;
  std::string link;
  return ChangeEachLine(
      viewText, out,
      [&](std::string& line) {
        if (text::IsBlankUtf8(line)) return false;
        const std::string_view other = clipboard[k];
        k = (k + 1 == clipboard.size()) ? 0 : k + 1;
        const std::string_view address = addressFromView ? std::string_view(line) : other;
        const std::string_view caption = addressFromView ? other : std::string_view(line);
        link.clear();
        link.append(kOpening).append(address).append(kMiddle).append(caption).append(kClosing);
        line.swap(link);
        return true;
      },
      growth);
}

}  // namespace

text::CommandResult InsertUrls(std::string_view viewText, std::string_view clipboardText,
                               text::LineWriter& out) {
  return InsertLinks(viewText, clipboardText, false, out);
}

text::CommandResult InsertAnchors(std::string_view viewText, std::string_view clipboardText,
                                  text::LineWriter& out) {
  return InsertLinks(viewText, clipboardText, true, out);
}

}  // namespace skorlin::urls
