// SPDX-License-Identifier: GPL-3.0-or-later
// What every command of the window gives back, whichever subsystem it belongs to, and the
// progress captions it shows while it runs. Each front end has one adapter for it.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace skorlin::text {

// Receives each progress caption (UTF-8) while a command runs; may be empty.
using Progress = std::function<void(const std::string& caption)>;

enum class Outcome {
  kDone,            // the command did its work
  kNothingToDo,     // it found nothing to work on ("URLs не найдены", an empty clipboard):
                    // the text is the view's as it stood and the caption says why
  kLibraryMissing,  // the declension library could not be loaded: the message says where
                    // it was looked for
  kLibraryError,    // the library failed at line failedLine: the message says how
};

// How a command gives its new text.
enum class Form {
  kText,     // text: the view's new whole text
  kLines,    // lines: views into the text the command was given, which must outlive them
  kWritten,  // the lines went to the text::LineWriter the command was given as it made them
};

// A command's result. A command takes the view's text (UTF-8, line breaks of any kind)
// and gives the view's new whole text, every line followed by CR LF: as that text, or,
// when it only picks or reorders the lines of its text, as the list of those lines (no
// text is built: skorlin-cli writes them out, the window joins them). With no view to work
// on (the settings tab) the window runs a command on the empty text for its captions.
struct CommandResult {
  Form form = Form::kText;
  std::string text;                     // UTF-8, for kText
  std::vector<std::string_view> lines;  // for kLines, each followed by CR LF in the view
  bool changed = false;                 // whether the view's text is to be replaced by text
  long counter = 0;                     // what the command counted (lines changed, lines deleted, spaces
                                        // removed, URLs kept); 0 for the commands that count nothing
  std::string caption;                  // the final caption (UTF-8); empty for the commands that show none
  Outcome outcome = Outcome::kDone;
  std::string message;         // UTF-8: what went wrong, for the library's outcomes
  std::size_t failedLine = 0;  // the 0-based line at which the command stopped
};

// Whether text, written into a view holding viewText, changes it: a view's whole text
// always ends with a line break, so viewText with one CR LF more is no change.
inline bool ChangesView(std::string_view viewText, std::string_view text) {
  if (text == viewText) return false;
  return !(text.size() == viewText.size() + 2 && text.starts_with(viewText) && text.ends_with("\r\n"));
}

// ChangesView(viewText, the lines each followed by CR LF), without building that text.
bool LinesChangeView(std::string_view viewText, const std::vector<std::string_view>& lines);

// The result of a command that did its work, as a list of lines.
CommandResult DoneByLines(std::string_view viewText, std::vector<std::string_view> lines, long counter,
                          std::string caption);

// A result given by lines turned into one given by its text, as a view holds it: the
// lines each followed by CR LF. Any other result stays as it is.
CommandResult Joined(CommandResult result);

// The result of a command that did its work.
inline CommandResult Done(std::string_view viewText, std::string text, long counter, std::string caption) {
  CommandResult result;
  result.changed = ChangesView(viewText, text);
  result.text = std::move(text);
  result.counter = counter;
  result.caption = std::move(caption);
  return result;
}

// What a command that could not be done tells the user: the message of the declension
// library's outcomes, with the line it failed at; empty for a command that was done.
inline std::string FailureMessage(const CommandResult& result) {
  switch (result.outcome) {
    case Outcome::kLibraryMissing:
      return result.message;
    case Outcome::kLibraryError:
      return result.message + " (line " + std::to_string(result.failedLine + 1) + ")";
    case Outcome::kDone:
    case Outcome::kNothingToDo:
      break;
  }
  return {};
}

}  // namespace skorlin::text
