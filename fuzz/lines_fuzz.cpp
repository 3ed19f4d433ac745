// SPDX-License-Identifier: GPL-3.0-or-later
// Every line command on any text with options taken from the input: the fast commands
// against their literal definitions (text, counter and captions), and what no command may
// do: lose, invent or reorder lines it should keep.
// Byte 0: the command; byte 1: how the text is read, the collation, and whether the
// commands also run on the bytes as they are (UTF-8 or not); bytes 2-5: the generator's
// seed; then the command's own option bytes; the rest is the view's text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "lines/duplicates.h"
#include "lines/literal_lines.h"
#include "lines/ordering.h"
#include "lines/paragraphs.h"
#include "lines/random.h"
#include "lines/whitespace.h"
#include "text/line_list.h"
#include "text/utf8.h"

namespace {

using namespace skorlin;
using lines::CommandResult;
using text::Lines;
using text::Text;

// Inputs the quadratic literal versions still check quickly.
constexpr std::size_t kLiteralLimit = 3000;

struct Captions {
  std::vector<std::string> all;
  lines::Progress Callback() {
    return [this](const std::string& caption) { all.push_back(caption); };
  }
};

// The percentage a caption shows ("Мешаем: 40%", "Пробелы: 40% 17"), or -1.
long long PercentOf(const std::string& caption) {
  const std::size_t sign = caption.rfind('%');
  if (sign == std::string::npos) return -1;
  std::size_t start = sign;
  while (start > 0 && caption[start - 1] >= '0' && caption[start - 1] <= '9') --start;
  return start == sign ? -1 : std::stoll(caption.substr(start, sign - start));
}

void CheckPercentsAtMost100(const Captions& captions, const std::string& final) {
  for (const std::string& c : captions.all) FUZZ_CHECK(PercentOf(c) >= 0 && PercentOf(c) <= 100);
  FUZZ_CHECK(PercentOf(final) == 100);
}

// Every result is a view's whole text: each line followed by CR LF.
void CheckWhole(const CommandResult& r) { FUZZ_CHECK(text::WholeText(r.text) == r.text); }

// The lines of a result, as characters.
Lines LinesOf(const CommandResult& r) { return text::SplitLines(text::DecodeUtf8(r.text)); }

Lines Sorted(Lines lines) {
  std::sort(lines.begin(), lines.end());
  return lines;
}

// The same lines in another order.
void CheckPermutation(const CommandResult& r, const Lines& before) {
  FUZZ_CHECK(Sorted(LinesOf(r)) == Sorted(before));
}

Text WithoutBlanks(const Lines& lines) {
  Text out;
  for (const Text& line : lines)
    for (const text::Char c : line)
      if (!text::IsBlank(c)) out.push_back(c);
  return out;
}

const lines::LineCollator& Collator(bool russian) {
  static const lines::LineCollator ru("ru_RU");
  static const lines::LineCollator root("C");
  return russian ? ru : root;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace lt = lines::testing;
  fuzzing::FuzzInput in(data, size);
  const std::uint8_t command = in.Byte();
  const std::uint8_t mode = in.Byte();
  const std::uint32_t seed = in.Uint32();
  const std::string_view minField = in.Piece(16);
  const std::string_view maxField = in.Piece(16);
  const std::string_view rawBytes = in.Rest();
  // The commands take UTF-8 and are checked against the literal definitions on characters.
  const std::string utf8 = fuzzing::Utf8Of(rawBytes, (mode & 0x80) != 0);
  const Text raw = text::DecodeUtf8(utf8);
  const Lines before = text::SplitLines(raw);
  const auto U8 = [](text::TextView t) { return text::ToUtf8(t); };
  const bool literal = raw.size() <= kLiteralLimit;
  const lines::LineCollator& collator = Collator((mode & 1) != 0);

  Captions captions;
  switch (command % 16) {
    case 0: {
      const CommandResult r = lines::TrimLineBlanks(utf8, captions.Callback());
      CheckWhole(r);
      for (const Text& line : LinesOf(r))
        FUZZ_CHECK(line.empty() || (!text::IsBlank(line.front()) && !text::IsBlank(line.back())));
      if (literal) {
        const lt::LiteralRun expected = lt::LiteralTrim(before);
        FUZZ_CHECK(r.text == U8(expected.text) && r.counter == expected.counter);
        FUZZ_CHECK(captions.all == lt::Rationed(expected, 0, false));
      }
      CheckPercentsAtMost100(captions, r.caption);
      break;
    }
    case 1: {
      const CommandResult r = Joined(lines::DeleteEmptyLines(utf8, captions.Callback()));
      CheckWhole(r);
      if (literal) {
        const lt::LiteralRun expected = lt::LiteralDeleteEmpty(before);
        FUZZ_CHECK(r.text == U8(expected.text) && r.counter == expected.counter);
        FUZZ_CHECK(captions.all == lt::Rationed(expected, 0, false));
      }
      CheckPercentsAtMost100(captions, r.caption);
      break;
    }
    case 2: {
      const CommandResult r = lines::DeleteDoubleSpaces(utf8, captions.Callback());
      CheckWhole(r);
      FUZZ_CHECK(r.text.find("  ") == std::string::npos);
      if (literal) {
        const lt::LiteralRun expected = lt::LiteralDeleteDoubleSpaces(text::JoinLines(before));
        FUZZ_CHECK(r.text == U8(expected.text) && r.counter == expected.counter);
        FUZZ_CHECK(captions.all == lt::Rationed(expected, 1, expected.counter > 0));
      }
      break;
    }
    case 3:
    case 4:
    case 5:
    case 6: {
      const Text whole = text::JoinLines(before);
      CommandResult r;
      lt::LiteralRun expected;
      if (command % 16 == 3) {
        r = Joined(lines::DeleteDuplicateLines(utf8, captions.Callback()));
        if (literal) expected = lt::LiteralDeleteDuplicates(whole);
      } else if (command % 16 == 4) {
        r = Joined(lines::DeleteAllDuplicateLines(utf8, captions.Callback()));
        if (literal) expected = lt::LiteralDeleteAllDuplicates(whole);
      } else {
        const bool html = command % 16 == 6;
        r = Joined(lines::DeleteUniqueLines(utf8, html ? lines::View::kHtml : lines::View::kInput,
                                            captions.Callback()));
        if (literal) expected = lt::LiteralDeleteUnique(whole, html);
      }
      CheckWhole(r);
      if (literal)
        FUZZ_CHECK(r.text == U8(expected.text) && r.counter == expected.counter &&
                   captions.all == expected.captions);
      break;
    }
    case 7: {
      const CommandResult r = Joined(lines::SortLines(utf8, collator));
      CheckWhole(r);
      CheckPermutation(r, before);
      const text::LineViews after = text::SplitLines(r.text);
      for (std::size_t i = 1; i < after.size(); ++i)
        FUZZ_CHECK(collator.CompareLinesLocale(after[i - 1], after[i]) <= 0);
      break;
    }
    case 8: {
      const CommandResult r = Joined(lines::MirrorSortLines(utf8, collator, captions.Callback()));
      CheckWhole(r);
      CheckPermutation(r, before);
      const Lines after = LinesOf(r);
      for (std::size_t i = 1; i < after.size(); ++i) {
        const Text a(after[i - 1].rbegin(), after[i - 1].rend());
        const Text b(after[i].rbegin(), after[i].rend());
        FUZZ_CHECK(collator.CompareLinesLocale(U8(a), U8(b)) <= 0);
      }
      CheckPercentsAtMost100(captions, r.caption);
      break;
    }
    case 9: {
      const CommandResult r = Joined(lines::SortLinesByLength(utf8));
      CheckWhole(r);
      CheckPermutation(r, before);
      const Lines after = LinesOf(r);
      for (std::size_t i = 1; i < after.size(); ++i) FUZZ_CHECK(after[i - 1].size() <= after[i].size());
      break;
    }
    case 10: {
      const CommandResult r = Joined(lines::InvertLines(utf8));
      FUZZ_CHECK(r.text == U8(text::JoinLines(Lines(before.rbegin(), before.rend()))));
      break;
    }
    case 11:
    case 12: {
      const bool derived = command % 16 == 12;
      lines::RandomGenerator random(seed);
      const CommandResult r = Joined(lines::ShuffleLines(
          utf8, random, derived ? lines::View::kFormatted : lines::View::kInput, captions.Callback()));
      FUZZ_CHECK(r.text == U8(text::JoinLines(lt::LiteralShuffle(before, seed, derived))));
      CheckPercentsAtMost100(captions, r.caption);
      break;
    }
    case 13:
    case 14: {
      // The settings fields as typed, or small limits that make many paragraphs.
      lines::ParagraphLimits limits{1 + static_cast<int>(seed % 64), 0};
      limits.max = limits.min + static_cast<int>((seed >> 8) % 64);
      if (command % 16 == 13) {
        limits = lines::ReadParagraphLimits(fuzzing::BytesAsText(minField), fuzzing::BytesAsText(maxField));
      }
      lines::RandomGenerator random(seed);
      const CommandResult r = lines::SplitParagraphs(utf8, limits.min, limits.max, random);
      CheckWhole(r);
      const Lines after = LinesOf(r);
      // Only the blanks that opened a paragraph go.
      FUZZ_CHECK(WithoutBlanks(after) == WithoutBlanks(before));
      FUZZ_CHECK(after.size() >= before.size());
      if (literal && limits.min >= 1 && limits.min <= limits.max) {
        lt::LiteralRandom literalRandom{seed};
        FUZZ_CHECK(r.text == U8(text::JoinLines(
                                 lt::LiteralSplitParagraphs(before, limits.min, limits.max, literalRandom))));
        FUZZ_CHECK(random.Seed() == literalRandom.seed);
      }
      break;
    }
    default: {
      const int fallback = static_cast<int>(seed);
      const int parsed = lines::ParseParagraphLength(fuzzing::BytesAsText(minField), fallback);
      // A number is only ever read from signs and digits.
      if (parsed != fallback) {
        for (const char c : minField) FUZZ_CHECK((c >= '0' && c <= '9') || c == '+' || c == '-');
      }
      lines::RandomGenerator random(seed);
      const std::size_t at =
          lines::FindSentenceBreak(raw, static_cast<int>(mode % 32), static_cast<int>(mode % 32) + 3, random);
      FUZZ_CHECK(at <= raw.size());
      if (at > 0)
        FUZZ_CHECK(raw[at - 1] == U'.' || raw[at - 1] == U'!' || raw[at - 1] == U'?' ||
                   text::IsCyrLower(raw[at - 1]));
      break;
    }
  }
  // Bytes that are no UTF-8 at all: nothing is read outside them, and every result is
  // still a whole text.
  if ((mode & 0x40) != 0) {
    lines::RandomGenerator random(seed);
    for (const CommandResult& r :
         {lines::TrimLineBlanks(rawBytes), lines::DeleteDoubleSpaces(rawBytes, captions.Callback()),
          Joined(lines::DeleteUniqueLines(rawBytes, lines::View::kHtml, captions.Callback())),
          Joined(lines::MirrorSortLines(rawBytes, collator)), Joined(lines::SortLinesByLength(rawBytes)),
          lines::SplitParagraphs(rawBytes, 1 + static_cast<int>(seed % 8), 9, random)}) {
      CheckWhole(r);
    }
  }
  return 0;
}
