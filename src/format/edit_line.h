// SPDX-License-Identifier: GPL-3.0-or-later
// A line changed character by character by a pass that walks along it (the character scan
// from the end to the start, other passes from the start to the end). The line keeps a gap
// at the place of its last change, so an insertion or deletion costs the distance from the
// previous one, not the length of the rest of the line. Reading a position outside the line
// gives kNoChar.
#pragma once

#include <cstddef>

#include "format/line_access.h"
#include "text/text.h"

namespace skorlin::format {

class EditLine {
 public:
  // Takes over the storage of s.
  explicit EditLine(text::Text&& s);
  // The line as it now stands; the EditLine is empty afterwards.
  text::Text Release();

  Pos Length() const { return static_cast<Pos>(buffer_.size() - (gapEnd_ - gapBegin_)); }
  text::Char At(Pos p) const {
    if (p < 1 || p > Length()) return kNoChar;
    const auto index = static_cast<std::size_t>(p - 1);
    return buffer_[index < gapBegin_ ? index : index + (gapEnd_ - gapBegin_)];
  }
  // Inserts c so that it stands at p (1 to Length() + 1).
  void Insert(Pos p, text::Char c);
  void Erase(Pos p);
  void Set(Pos p, text::Char c);

  // The 1-based position of the first occurrence of sub that begins at start or later; 0 if
  // none (as FindStr on the line as it now stands).
  Pos Find(text::TextView sub, Pos start) const;

  // The characters before the gap, at positions 1 to Front().size(): read directly by a
  // walk that stays left of every change it makes.
  text::TextView Front() const { return {buffer_.data(), gapBegin_}; }

 private:
  void MoveGapTo(std::size_t index);

  text::Text buffer_;
  std::size_t gapBegin_ = 0;
  std::size_t gapEnd_ = 0;
};

inline Pos Length(const EditLine& s) { return s.Length(); }
inline text::Char At(const EditLine& s, Pos p) { return s.At(p); }
inline void InsertAt(EditLine& s, Pos p, text::Char c) { s.Insert(p, c); }
inline void DeleteAt(EditLine& s, Pos p) { s.Erase(p); }
inline void SetAt(EditLine& s, Pos p, text::Char c) { s.Set(p, c); }

}  // namespace skorlin::format
