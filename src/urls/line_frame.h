// SPDX-License-Identifier: GPL-3.0-or-later
// The frame the URL line commands share: every line of the input view is visited once,
// from the first to the last, and written to a text::LineWriter.
#pragma once

#include <string>
#include <string_view>

#include "text/command_result.h"
#include "text/huge_pages.h"
#include "text/line_list.h"
#include "text/line_writer.h"
#include "urls/url_captions.h"

namespace skorlin::urls {

// Runs change(line) on every line of viewText (UTF-8); change edits the line in place and
// returns true when its text changed, which the counter counts. The caption is "Готово.".
// Each line is copied into one reused buffer, changed there and written to out: no
// allocation per line and no list of lines beside the text. A writer that keeps the text
// whole is sized at once for what the lines may grow by (growth bytes at most; more makes
// it move).
template <typename ChangeLine>
text::CommandResult ChangeEachLine(std::string_view viewText, text::LineWriter& out, ChangeLine change,
                                   std::size_t growth = 0) {
  long counter = 0;
  out.ReserveFor(viewText, growth);
  std::string line;
  text::ForEachLine(viewText, [&](std::string_view view) {
    line.assign(view);
    if (change(line)) ++counter;
    out.Add(line);
  });
  return text::DoneWriting(viewText, out, counter, kDoneCaption);
}

// An upper bound of the number of lines of a text.
inline std::size_t LineCountBound(std::string_view viewText) {
  return text::WholeTextSizeBound(viewText) - viewText.size();
}

// The result of a command that found nothing to work on: the view stays as it was, its
// lines given as they are.
inline text::CommandResult NothingToDo(std::string_view viewText, const char* caption) {
  text::CommandResult result;
  result.form = text::Form::kLines;
  result.lines = text::SplitLines(viewText);
  result.outcome = text::Outcome::kNothingToDo;
  result.caption = caption;
  return result;
}

}  // namespace skorlin::urls
