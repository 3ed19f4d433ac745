// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/line_writer.h"

#include "text/huge_pages.h"
#include "text/line_list.h"

namespace skorlin::text {

LineWriter::LineWriter(std::string_view lineBreak, Flush flush)
    : break_(lineBreak), flush_(std::move(flush)) {
  // A piece, and the longest line that may take it past its size, without moving.
  buffer_.reserve(2 * kPieceBytes);
}

void LineWriter::ReserveFor(std::string_view viewText, std::size_t growth) {
  if (KeepsWhole()) ReserveLarge(buffer_, WholeTextSizeBound(viewText) + growth);
}

void LineWriter::HandOn() {
  flush_(buffer_);
  buffer_.clear();
}

CommandResult DoneWriting(std::string_view viewText, LineWriter& writer, long counter, std::string caption) {
  if (writer.KeepsWhole()) return Done(viewText, writer.Take(), counter, std::move(caption));
  CommandResult result;
  result.form = Form::kWritten;
  result.counter = counter;
  result.caption = std::move(caption);
  return result;
}

}  // namespace skorlin::text
