// The frame the URL line commands share: every line of the input view is visited once,
// from the first to the last, and the view's text is rebuilt from the lines.
#pragma once

#include "text/line_list.h"
#include "urls/url_result.h"

namespace skorlin::urls {

// Runs change(line) on every line of viewText; change edits the line in place and returns
// true when its text changed. The caption is "Готово.".
// The result is JoinLines of the changed lines, built as the lines go: each line is
// copied into one reused buffer, changed there and appended, so a long list costs no
// allocation per line and no list of lines beside the text.
template <typename ChangeLine>
UrlResult ChangeEachLine(text::TextView viewText, ChangeLine change) {
  UrlResult result;
  result.text.reserve(viewText.size() + viewText.size() / 16 + 2);
  text::Text line;
  text::ForEachLine(viewText, [&](text::TextView view) {
    line.assign(view);
    if (change(line)) ++result.counter;
    result.text += line;
    result.text += U"\r\n";
  });
  result.changed = result.counter > 0;
  result.caption = kDoneCaption;
  return result;
}

}  // namespace skorlin::urls
