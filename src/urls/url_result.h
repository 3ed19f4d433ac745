// What a URL command gives back to the window or the command line.
#pragma once

#include <string>

#include "text/text.h"

namespace skorlin::urls {

// Final captions of the URL commands (UTF-8).
inline constexpr char kDoneCaption[] = "Готово.";
inline constexpr char kNoUrlsCaption[] = "URLs не найдены";
inline constexpr char kEmptyClipboardCaption[] = "Буфер обмена пуст";

// The outcome of one URL command on the input view. The URL commands show no progress
// captions while they run, only the final one.
struct UrlResult {
  // The view's whole text after the command: JoinLines of its lines (CR LF after each).
  // When the command changed nothing this is the view's text as it stood.
  text::Text text;
  // Whether the view is to be replaced by text. False when the command leaves the view as
  // it stood; the line commands set it when some line changed, "Оставить URLs" whenever it
  // found a URL (the view is replaced then, even by the same lines).
  bool changed = false;
  // Whether the command could do its work: false for "URLs не найдены" and for an empty
  // clipboard, where the view is left exactly as it was.
  bool done = true;
  // The line commands count the lines whose text changed; "Оставить URLs" counts the
  // URLs kept.
  int counter = 0;
  // The final caption for the window's title bar (UTF-8).
  std::string caption;
};

}  // namespace skorlin::urls
