// SPDX-License-Identifier: GPL-3.0-or-later
// A line under change, with a gap at the place of the last change.
#include "format/edit_line.h"

#include <algorithm>
#include <utility>

#include "text/toolkit.h"

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
  const auto from = static_cast<std::size_t>(std::max<Pos>(start, 1) - 1);
  const auto length = static_cast<std::size_t>(Length());
  if (from >= length || sub.size() > length - from) return 0;
  // The text before the gap, the places where a match would span the gap, then the text
  // after it: in that order the first match found is the leftmost one.
  const text::TextView before(buffer_.data(), gapBegin_);
  if (from < gapBegin_) {
    const std::size_t found = text::FindStr(sub, before, from + 1);
    if (found != 0) return static_cast<Pos>(found);
    const std::size_t spanFrom = std::max(from, gapBegin_ >= sub.size() ? gapBegin_ - sub.size() + 1 : 0);
    for (std::size_t p = spanFrom; p < gapBegin_ && p + sub.size() <= length; ++p) {
      std::size_t k = 0;
      while (k < sub.size() && At(static_cast<Pos>(p + k + 1)) == sub[k]) ++k;
      if (k == sub.size()) return static_cast<Pos>(p + 1);
    }
  }
  const text::TextView after(buffer_.data() + gapEnd_, buffer_.size() - gapEnd_);
  const std::size_t found = text::FindStr(sub, after, std::max(from, gapBegin_) - gapBegin_ + 1);
  return found == 0 ? 0 : static_cast<Pos>(gapBegin_ + found);
}

void EditLine::Set(Pos p, text::Char c) {
  if (p < 1 || p > Length()) return;
  const auto index = static_cast<std::size_t>(p - 1);
  buffer_[index < gapBegin_ ? index : index + (gapEnd_ - gapBegin_)] = c;
}

}  // namespace skorlin::format
