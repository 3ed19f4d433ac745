// SPDX-License-Identifier: GPL-3.0-or-later
// A line under change, with a gap at the place of the last change.
#include "format/edit_line.h"

#include <algorithm>
#include <utility>

namespace skorlin::format {

// The gap starts empty at the end; the first insertion makes room.
EditLine::EditLine(text::Text&& s)
    : buffer_(std::move(s)), gapBegin_(buffer_.size()), gapEnd_(buffer_.size()) {}

text::Text EditLine::Release() {
  const auto length = static_cast<std::size_t>(Length());
  MoveGapTo(length);
  buffer_.resize(length);
  gapBegin_ = gapEnd_ = 0;
  return std::move(buffer_);
}

void EditLine::MoveGapTo(std::size_t index) {
  if (index < gapBegin_) {
    const std::size_t count = gapBegin_ - index;
    std::move_backward(buffer_.begin() + static_cast<std::ptrdiff_t>(index),
                       buffer_.begin() + static_cast<std::ptrdiff_t>(gapBegin_),
                       buffer_.begin() + static_cast<std::ptrdiff_t>(gapEnd_));
    gapBegin_ -= count;
    gapEnd_ -= count;
  } else if (index > gapBegin_) {
    const std::size_t count = index - gapBegin_;
    std::move(buffer_.begin() + static_cast<std::ptrdiff_t>(gapEnd_),
              buffer_.begin() + static_cast<std::ptrdiff_t>(gapEnd_ + count),
              buffer_.begin() + static_cast<std::ptrdiff_t>(gapBegin_));
    gapBegin_ += count;
    gapEnd_ += count;
  }
}

void EditLine::Insert(Pos p, text::Char c) {
  if (p < 1 || p > Length() + 1) return;
  if (gapBegin_ == gapEnd_) {
    // No room: the gap grows to the size of the line, at the same place.
    const std::size_t oldSize = buffer_.size();
    const std::size_t grow = oldSize + 8;
    buffer_.resize(oldSize + grow);
    std::move_backward(buffer_.begin() + static_cast<std::ptrdiff_t>(gapEnd_),
                       buffer_.begin() + static_cast<std::ptrdiff_t>(oldSize), buffer_.end());
    gapEnd_ += grow;
  }
  MoveGapTo(static_cast<std::size_t>(p - 1));
  buffer_[gapBegin_++] = c;
}

void EditLine::Erase(Pos p) {
  if (p < 1 || p > Length()) return;
  MoveGapTo(static_cast<std::size_t>(p - 1));
  ++gapEnd_;
}

Pos EditLine::Find(text::TextView sub, Pos start) const {
  if (sub.empty()) return 0;
  const auto size = static_cast<Pos>(sub.size());
  for (Pos p = std::max<Pos>(start, 1); p + size - 1 <= Length(); ++p) {
    Pos k = 0;
    while (k < size && At(p + k) == sub[static_cast<std::size_t>(k)]) ++k;
    if (k == size) return p;
  }
  return 0;
}

void EditLine::Set(Pos p, text::Char c) {
  if (p < 1 || p > Length()) return;
  const auto index = static_cast<std::size_t>(p - 1);
  buffer_[index < gapBegin_ ? index : index + (gapEnd_ - gapBegin_)] = c;
}

}  // namespace skorlin::format
