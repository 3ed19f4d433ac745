// The frame the URL line commands share: every line of the input view is visited once,
// from the first to the last, and the view's text is rebuilt from the lines.
#pragma once

#include "text/line_list.h"
#include "urls/url_result.h"

namespace skorlin::urls {

// Runs change(line) on every line of viewText; change edits the line in place and returns
// true when its text changed. The caption is "Готово.".
template <typename ChangeLine>
UrlResult ChangeEachLine(text::TextView viewText, ChangeLine change) {
  text::Lines lines = text::SplitLines(viewText);
  UrlResult result;
  for (text::Text& line : lines) {
    if (change(line)) ++result.counter;
  }
  result.text = text::JoinLines(lines);
  result.changed = result.counter > 0;
  result.caption = kDoneCaption;
  return result;
}

}  // namespace skorlin::urls
