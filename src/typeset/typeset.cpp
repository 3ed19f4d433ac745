// SPDX-License-Identifier: GPL-3.0-or-later
// Typesetting a whole text: paragraph by paragraph, each line normalized, its quotes paired
// with those of its paragraph, then typeset by the line rules in their order.
#include "typeset/typeset.h"

#include <span>
#include <utility>
#include <vector>

#include "format/normalize_line.h"
#include "format/token_stand_ins.h"
#include "text/char_diff.h"
#include "text/line_chunks.h"
#include "text/line_list.h"
#include "text/utf8.h"
#include "typeset/character_writer.h"
#include "typeset/line_rules.h"
#include "typeset/look_alikes.h"
#include "typeset/quote_pairing.h"

namespace skorlin::typeset {
namespace {

// The no-break spaces a text may already hold: the plain one and the narrow one.
bool IsNoBreakSpace(text::Char c) { return c == U'\u00A0' || c == U'\u202F'; }
// What the normalizer trims from a line, once no-break spaces are read as spaces.
bool IsBlankOrNoBreak(text::Char c) { return text::IsBlank(c) || IsNoBreakSpace(c); }

// What a line is to typesetting, judged on the line as it was typed.
enum class LineKind {
  kRussian,  // Russian text: every rule
  kProse,    // prose in another language: the dashes and the ellipsis
  kOther,    // code, or signs: left to the normalizer
};

// A line as the normalizer is to read it: the characters typesetting writes for a line of
// its kind read as the plain ones they come from (a dash between spaces as a hyphen, "…" as
// three periods, and in Russian text "©" before a year as "(c)"), and a no-break space as a
// space. The normalizer's rules were written for the plain characters, and so a typeset
// line reads to them as the line it was typeset from; a character the rules would not write
// back stays as it is. A dash that opens speech, which the normalizer leaves alone, stays
// too, and so does an en dash. noBreak gets, for each character of the result, the no-break
// space it stands for (0 for the others).
text::Text PlainForNormalizer(const text::Text& line, LineKind kind, text::Text& noBreak) {
  text::Text plain;
  plain.reserve(line.size() + 8);
  noBreak.clear();
  const auto at = [&line](std::size_t i) { return i < line.size() ? line[i] : text::Char{0}; };
  const auto put = [&](text::TextView chars, text::Char from) {
    plain.append(chars);
    noBreak.append(chars.size(), from);
  };
  const bool dashes = kind != LineKind::kOther;
  const bool signs = kind == LineKind::kRussian;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const text::Char c = line[i];
    const bool spaceBefore = i == 0 || line[i - 1] == U' ' || IsNoBreakSpace(line[i - 1]);
    const bool spaceAfter = i + 1 == line.size() || at(i + 1) == U' ' || IsNoBreakSpace(at(i + 1));
    if (IsNoBreakSpace(c)) {
      put(U" ", c);
    } else if (dashes && c == U'—' && i > 0 && spaceBefore && spaceAfter) {
      put(U"-", 0);
    } else if (dashes && c == U'…') {
      put(U"...", 0);
    } else if (signs && c == U'©' &&
               (text::IsDigit(at(i + 1)) || (at(i + 1) == U' ' && text::IsDigit(at(i + 2))))) {
      put(U"(c)", 0);
    } else {
      put(text::TextView(&c, 1), 0);
    }
  }
  return plain;
}

// Whether a line holds a character that PlainForNormalizer may read as another.
bool HoldsTypesetCharacters(text::TextView line) {
  for (const text::Char c : line) {
    if (IsNoBreakSpace(c) || c == U'—' || c == U'…' || c == U'©') return true;
  }
  return false;
}

// The line normalized, read as PlainForNormalizer reads it. Where the normalizer keeps a
// space that stands for a no-break space, the no-break space comes back (a text typeset by
// hand keeps the no-break spaces it has); the rest typesetting writes anew.
void Normalize(text::Text& line, LineKind kind) {
  if (!HoldsTypesetCharacters(line)) {
    format::NormalizeLineInPlace(line);
    return;
  }
  text::Text noBreak;
  const text::Text plain = PlainForNormalizer(line, kind, noBreak);
  line = plain;
  format::NormalizeLineInPlace(line);
  std::size_t before = 0;
  std::size_t after = 0;
  for (const text::EditRun& run : text::DiffCharacters(plain, line)) {
    if (run.op == text::EditOp::kKeep) {
      for (std::size_t k = 0; k < run.count; ++k) {
        if (noBreak[before + k] != 0 && line[after + k] == U' ') line[after + k] = noBreak[before + k];
      }
    }
    if (run.op != text::EditOp::kInsert) before += run.count;
    if (run.op != text::EditOp::kDelete) after += run.count;
  }
}

// Letters of the wrong alphabet mended, outside the protected tokens; whether any was.
bool FixLetters(text::Text& line) {
  // Most lines hold no word of letters of both alphabets, and have nothing to mend.
  if (!HasMixedWord(line)) return false;
  const format::TokenStandIns tokens(line);
  const bool changed = FixLookAlikeLetters(line);
  tokens.PutBack(line);
  return changed;
}

// The line normalized with its letters of the wrong alphabet mended: first, since the
// normalizer's rules read them, and again after it, since it may cut a word in two
// ("кoфеN5" becomes "кoфе № 5"), as long as that mends any (a few rounds at most).
void NormalizeWithLetters(text::Text& line, LineKind kind) {
  constexpr int kRounds = 3;
  FixLetters(line);
  for (int round = 0; round < kRounds; ++round) {
    Normalize(line, kind);
    if (!FixLetters(line)) return;
  }
}

// Whether a line is Russian text: a Cyrillic letter stands in it outside the strings in
// straight quotes, or, where all its Russian is quoted (speech: "Правда?" - "Правда."),
// nothing outside them is Latin or a sign of code. Code with Russian strings
// (puts("Ошибка");) and lines in other languages are no Russian text, and Russian
// typesetting leaves them as they are.
bool IsRussianText(text::TextView line) {
  // A quote left without its pair in the line begins no string.
  std::size_t quotes = 0;
  for (const text::Char c : line) quotes += c == U'"' ? 1 : 0;
  bool quoted = false;
  bool russianQuoted = false;
  bool foreignOutside = false;
  std::size_t seen = 0;
  for (const text::Char c : line) {
    if (c == U'"' && ++seen <= quotes - quotes % 2) quoted = !quoted;
    if (text::IsCyr(c)) {
      if (!quoted) return true;
      russianQuoted = true;
    } else if (!quoted &&
               (text::IsLatin(c) || text::TextView(U"(){}[];=<>_").find(c) != text::TextView::npos)) {
      foreignOutside = true;
    }
  }
  return russianQuoted && !foreignOutside;
}

// Whether a line of another language is prose, which takes the dashes and the ellipsis:
// no sign of code stands in it.
bool IsProse(text::TextView line) { return line.find_first_of(U";{}=<>|\\") == text::TextView::npos; }

// The start of a line drawn with three hyphens or more, as a tree of folders is ("--- Задачи"),
// and the blank after it, taken off the line: it is no dash of speech, and comes back as it
// was. Empty for other lines.
text::Text TakeDrawnStart(text::Text& line) {
  std::size_t begin = 0;
  while (begin < line.size() && text::IsBlank(line[begin])) ++begin;
  std::size_t end = begin;
  while (end < line.size() && line[end] == U'-') ++end;
  if (end - begin < 3 || end == line.size() || line[end] != U' ') return {};
  text::Text drawing = line.substr(begin, end - begin + 1);
  line.erase(0, end + 1);
  return drawing;
}

LineKind KindOf(text::TextView line) {
  return IsRussianText(line) ? LineKind::kRussian : IsProse(line) ? LineKind::kProse : LineKind::kOther;
}

// The line normalized, and what it is to typesetting. The kind is judged on the line as
// normalized with every character typesetting writes read as the plain one, which is the
// line it was typeset from when it was typeset before; a line that is not Russian text is
// then normalized keeping the characters the rules would not write back for it ("© 2024"
// in a line of code stays).
LineKind NormalizeForKind(text::Text& line) {
  if (!HoldsTypesetCharacters(line)) {
    NormalizeWithLetters(line, LineKind::kRussian);
    return KindOf(line);
  }
  text::Text probe = line;
  NormalizeWithLetters(probe, LineKind::kRussian);
  const LineKind kind = KindOf(probe);
  if (kind == LineKind::kRussian) {
    line = std::move(probe);
  } else {
    NormalizeWithLetters(line, kind);
  }
  return kind;
}

// Typesets one paragraph (a run of non-empty lines) in place.
void TypesetParagraph(std::span<text::Text> lines) {
  std::vector<format::TokenStandIns> standIns;
  standIns.reserve(lines.size());
  std::vector<text::Text> drawnStarts(lines.size());
  std::vector<LineKind> kinds(lines.size());
  std::vector<std::size_t> russian;  // the lines of Russian text
  for (std::size_t i = 0; i < lines.size(); ++i) {
    drawnStarts[i] = TakeDrawnStart(lines[i]);
    kinds[i] = NormalizeForKind(lines[i]);
    standIns.emplace_back(lines[i]);
    if (kinds[i] == LineKind::kRussian) russian.push_back(i);
  }
  // The quotations of the Russian lines are paired together.
  std::vector<text::Text> prose;
  prose.reserve(russian.size());
  for (const std::size_t i : russian) prose.push_back(std::move(lines[i]));
  PairQuotes(prose);
  for (std::size_t k = 0; k < russian.size(); ++k) lines[russian[k]] = std::move(prose[k]);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (kinds[i] != LineKind::kOther) {
      const unsigned signs = SignsOf(lines[i]);
      for (const LineRule& rule : kLineRules) {
        const bool serves = kinds[i] == LineKind::kRussian || rule.everyLanguage;
        if (serves && (rule.needs == kAnyLine || (rule.needs & signs) != 0)) rule.apply(lines[i]);
      }
    }
    standIns[i].PutBack(lines[i]);
    lines[i].insert(0, drawnStarts[i]);
  }
}

// Whether a line holds nothing but blanks, which the normalizer trims away: such a line ends
// a paragraph.
bool IsBlankLine(text::TextView line) {
  for (const text::Char c : line) {
    if (!IsBlankOrNoBreak(c)) return false;
  }
  return true;
}

// Typesets lines in place, paragraph by paragraph; a blank line becomes empty.
void TypesetLines(std::span<text::Text> lines) {
  std::size_t begin = 0;
  while (begin < lines.size()) {
    if (IsBlankLine(lines[begin])) {
      lines[begin].clear();
      ++begin;
      continue;
    }
    std::size_t end = begin + 1;
    while (end < lines.size() && !IsBlankLine(lines[end])) ++end;
    TypesetParagraph(lines.subspan(begin, end - begin));
    begin = end;
  }
}

// The lines of text trimmed of blanks and no-break spaces at both ends (a no-break space at
// either end of the text would only come out as a blank line).
text::Lines TrimmedLines(text::TextView text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (end > 0 && IsBlankOrNoBreak(text[end - 1])) --end;
  while (begin < end && IsBlankOrNoBreak(text[begin])) ++begin;
  text::Lines lines = text::SplitLines(text.substr(begin, end - begin));
  // A NUL ends the text, and may leave blank lines before it at the end.
  while (!lines.empty() && IsBlankLine(lines.back())) lines.pop_back();
  return lines;
}

// The bytes of the blank or no-break space that starts (ends) UTF-8 text, 0 if none: a
// character of code 0 to 32 is one byte of the same value, the no-break spaces are C2 A0
// and E2 80 AF.
constexpr std::string_view kNoBreak = "\xC2\xA0";
constexpr std::string_view kNarrowNoBreak = "\xE2\x80\xAF";
std::size_t LeadingBlankBytes(std::string_view utf8) {
  if (!utf8.empty() && text::IsBlankByte(utf8.front())) return 1;
  if (utf8.starts_with(kNoBreak)) return kNoBreak.size();
  return utf8.starts_with(kNarrowNoBreak) ? kNarrowNoBreak.size() : 0;
}
std::size_t TrailingBlankBytes(std::string_view utf8) {
  if (!utf8.empty() && text::IsBlankByte(utf8.back())) return 1;
  if (utf8.ends_with(kNoBreak)) return kNoBreak.size();
  return utf8.ends_with(kNarrowNoBreak) ? kNarrowNoBreak.size() : 0;
}

// UTF-8 text trimmed as TrimmedLines trims.
std::string_view TrimUtf8(std::string_view utf8) {
  while (const std::size_t blank = TrailingBlankBytes(utf8)) utf8.remove_suffix(blank);
  while (const std::size_t blank = LeadingBlankBytes(utf8)) utf8.remove_prefix(blank);
  return utf8;
}

}  // namespace

text::Text Typeset(text::TextView text) {
  text::Lines lines = TrimmedLines(text);
  TypesetLines(lines);
  return text::JoinLines(lines);
}

format::FormattedViewBytes TypesetViewUtf8(text::TextView text, bool withChanges) {
  const text::Lines input = TrimmedLines(text);
  text::Lines lines = input;
  format::FormattedViewBytes views[2];
  const auto work = [&](std::size_t first, std::size_t last, std::size_t run) {
    TypesetLines(std::span(lines).subspan(first, last - first));
    format::FormattedViewBytes& view = views[run];
    for (std::size_t i = first; i < last; ++i) {
      const std::size_t lineStart = view.utf8.size();
      text::AppendUtf8(view.utf8, lines[i]);
      view.utf8 += "\r\n";
      if (withChanges && input[i] != lines[i])
        text::AppendUtf8CharChanges(input[i], lines[i], lineStart, view.changes);
    }
  };
  // The quotes of a paragraph are paired together: the text is cut only before a blank line.
  const std::size_t runs = text::WorkInTwoRuns(
      lines.size(), [&lines](std::size_t i) { return lines[i].size(); },
      [&lines](std::size_t i) { return IsBlankLine(lines[i]); }, work);
  if (runs == 2) format::AppendView(views[0], std::move(views[1]));
  return std::move(views[0]);
}

std::string TypesetFromUtf8(std::string_view utf8) {
  text::LineViews lines = text::SplitLines(TrimUtf8(utf8));
  while (!lines.empty() && IsBlankLine(text::DecodeUtf8(lines.back()))) lines.pop_back();
  // The quotes of a paragraph are paired together: the text is cut only before a blank line.
  const auto cutsParagraphs = [&lines](std::size_t i) { return text::IsBlankUtf8(lines[i]); };
  return text::WorkOnLines(
      lines,
      [&lines](std::size_t first, std::size_t last, std::string& out) {
        text::Lines run;
        run.reserve(last - first);
        for (std::size_t i = first; i < last; ++i) run.push_back(text::DecodeUtf8(lines[i]));
        TypesetLines(run);
        for (const text::Text& line : run) {
          text::AppendUtf8(out, line);
          out += "\r\n";
        }
      },
      cutsParagraphs);
}

}  // namespace skorlin::typeset
