// SPDX-License-Identifier: GPL-3.0-or-later
// "Разбить абзацы": long lines broken into paragraphs of irregular length, each ending at a
// sentence mark found after a random position between the two lengths of the settings.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "lines/line_command.h"
#include "lines/random.h"
#include "text/text.h"

namespace skorlin::lines {

// The paragraph lengths of the two settings fields: their text when the program is new,
// and what a field gives when its text is not a number.
inline constexpr int kDefaultParagraphMin = 250;
inline constexpr int kDefaultParagraphMax = 400;

// The number a settings field holds: an optional sign and decimal digits, nothing else,
// within the signed 32-bit range; nothing for any other text.
std::optional<int> ReadParagraphLength(text::TextView field);
// The same, with fallback for a text that is not such a number.
int ParseParagraphLength(text::TextView field, int fallback);

struct ParagraphLimits {
  int min = kDefaultParagraphMin;
  int max = kDefaultParagraphMax;
};
// Both fields read on their own: a field that is not a number falls back to 250 or 400.
ParagraphLimits ReadParagraphLimits(text::TextView minField, text::TextView maxField);

// The position (1-based) of the last character of the first paragraph of s, or 0 when s
// has no break: the first ".", "!" or "?" at or after a random start from min to max − 1
// (min when they are equal), extended over the sentence marks and lower-case Cyrillic
// letters that follow it directly, so that "...", "?!" and "т.е." stay whole. Draws one
// value from the generator; with min below 1 or above max it draws nothing and gives 0.
std::size_t FindSentenceBreak(text::TextView s, int min, int max, RandomGenerator& random);

// Splits every line longer than max characters, from the last line to the first:
// paragraphs are cut at FindSentenceBreak while what remains is longer than max, the
// blanks at the start of each following paragraph are dropped, and the remainder
// (possibly empty) becomes the last paragraph. Every line draws one value, and every
// further break one more. With min below 1 or above max nothing is split and nothing is
// drawn. No counter, no caption. Only the lines longer than max are decoded.
CommandResult SplitParagraphs(std::string_view text, int min, int max, RandomGenerator& random);

}  // namespace skorlin::lines
