// SPDX-License-Identifier: GPL-3.0-or-later
// Where a command that rewrites lines puts them, one at a time, each followed by a line
// break: either kept whole (the text a view holds, CR LF after every line) or handed on in
// pieces of whole lines as the buffer fills, with the break the writer was made with (so
// skorlin-cli writes a command's output while the command runs, and never holds it whole).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "text/command_result.h"

namespace skorlin::text {

class LineWriter {
 public:
  // Receives a piece of the output: whole lines, each with its break.
  using Flush = std::function<void(std::string_view bytes)>;

  // Keeps every line, each followed by CR LF.
  LineWriter() = default;
  // Hands the lines on to flush, each followed by lineBreak, in pieces of about kPieceBytes.
  LineWriter(std::string_view lineBreak, Flush flush);

  // Whether the lines are kept whole (and Take gives them) rather than handed on.
  bool KeepsWhole() const { return !flush_; }
  // When the lines are kept whole, room for the lines of viewText each followed by CR LF
  // and growth bytes more: the text grows into it once.
  void ReserveFor(std::string_view viewText, std::size_t growth = 0);

  // Appends line and the break.
  void Add(std::string_view line) {
    buffer_.append(line);
    buffer_.append(break_);
    if (buffer_.size() >= kPieceBytes && flush_) HandOn();
  }
  // Appends line, lets edit change the copy in place (edit(std::string& buffer, from), where
  // the line begins at from and runs to the buffer's end, may shorten or lengthen it) and
  // appends the break.
  template <typename Edit>
  void AddEdited(std::string_view line, Edit&& edit) {
    const std::size_t from = buffer_.size();
    buffer_.append(line);
    edit(buffer_, from);
    buffer_.append(break_);
    if (buffer_.size() >= kPieceBytes && flush_) HandOn();
  }

  // Hands on what is left; the lines kept whole stay.
  void Finish() {
    if (flush_ && !buffer_.empty()) HandOn();
  }
  // The text of the lines kept whole.
  std::string Take() { return std::move(buffer_); }

  static constexpr std::size_t kPieceBytes = std::size_t{256} << 10;

 private:
  void HandOn();

  std::string break_ = "\r\n";
  Flush flush_;
  std::string buffer_;
};

// The result of a command that wrote its lines to writer: the text the writer kept whole,
// or none when it handed them on (Form::kWritten; whether they change a view is then not
// known, and changed stays false).
CommandResult DoneWriting(std::string_view viewText, LineWriter& writer, long counter, std::string caption);

}  // namespace skorlin::text
