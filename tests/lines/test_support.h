// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the line-command tests.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "lines/line_command.h"
#include "text/encoding.h"
#include "text/line_list.h"
#include "text/line_writer.h"
#include "text/text.h"

namespace skorlin::lines::testing {

// Lines (UTF-8) joined with CR LF after each: the whole text of a view holding them.
inline std::string ViewText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text::AppendLine(text, line);
  return text;
}

inline std::vector<std::string> LinesOf(std::string_view t) {
  std::vector<std::string> lines;
  for (const std::string_view line : text::SplitLines(t)) lines.emplace_back(line);
  return lines;
}

// A text as a command takes it: UTF-8.
inline std::string U8(text::TextView t) { return text::ToUtf8(t); }

// What run(writer) writes to a writer that hands its lines on with LF breaks, as
// skorlin-cli writes them.
template <typename Run>
std::string WrittenWithLf(Run run) {
  std::string written;
  text::LineWriter lf("\n", [&written](std::string_view bytes) { written += bytes; });
  run(lf);
  lf.Finish();
  return written;
}

// A view's text (CR LF after every line) with LF breaks instead.
inline std::string WithLfBreaks(std::string_view viewText) {
  std::string lf;
  text::ForEachLine(viewText, [&lf](std::string_view line) { lf.append(line).push_back('\n'); });
  return lf;
}

// Collects the progress captions a command shows.
struct CaptionLog {
  std::vector<std::string> captions;
  Progress Callback() {
    return [this](const std::string& caption) { captions.push_back(caption); };
  }
};

// Random lines from a small alphabet, so that repeats, empty lines, lines of blanks and
// lines that are the tail of other lines are frequent; now and then a character outside
// Windows-1251.
inline text::Lines RandomLines(std::mt19937& rng, std::size_t maxLines, std::size_t maxLength) {
  static const text::Text kAlphabet = U"ab  A\t\u00a0я₽🙂";
  std::uniform_int_distribution<std::size_t> lineCount(0, maxLines);
  std::uniform_int_distribution<std::size_t> lineLength(0, maxLength);
  std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
  std::bernoulli_distribution common(0.7);
  text::Lines lines(lineCount(rng));
  for (text::Text& line : lines) {
    const std::size_t length = lineLength(rng);
    for (std::size_t i = 0; i < length; ++i) {
      // Mostly a, b and spaces: short lines repeat and end one another.
      line += common(rng) ? kAlphabet[pick(rng) % 4] : kAlphabet[pick(rng)];
    }
  }
  return lines;
}

// The lines as a view's text written with mixed line breaks, sometimes without a final one.
inline text::Text RawText(std::mt19937& rng, const text::Lines& lines) {
  static const text::TextView kBreaks[] = {U"\r\n", U"\n", U"\r"};
  std::uniform_int_distribution<int> pick(0, 2);
  text::Text t;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    t += lines[i];
    const bool last = i + 1 == lines.size();
    // A last line that is empty needs its break, or the view would not hold it.
    if (!last || lines[i].empty() || pick(rng) != 0) t += kBreaks[pick(rng)];
  }
  return t;
}

}  // namespace skorlin::lines::testing
