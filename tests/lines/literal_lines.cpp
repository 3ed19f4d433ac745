// SPDX-License-Identifier: GPL-3.0-or-later
#include "lines/literal_lines.h"

#include <cmath>
#include <utility>

#include "text/line_list.h"
#include "text/toolkit.h"

namespace skorlin::lines::testing {

using text::Text;

namespace {

const Text kCrLf = U"\r\n";

std::string Caption(const std::string& label, std::int64_t percent, long counter) {
  return label + std::to_string(percent) + "% " + std::to_string(counter);
}

// Progress of the duplicate scans: a caption whenever the percentage grows.
struct GrowingCaptions {
  LiteralRun& run;
  std::string label;
  std::int64_t shown = 0;
  void Step(std::size_t from, std::size_t length, long counter) {
    const std::int64_t p = length == 0 ? 100 : LiteralPercent(from, length);
    if (p > shown) {
      run.captions.push_back(Caption(label, p, counter));
      run.percents.push_back(p);
      shown = p;
    }
  }
};

void StartCaptions(LiteralRun& run, const std::string& label) {
  run.captions = {label + "0%", label + "0%0"};
  run.percents = {-1, -1};
}

}  // namespace

std::int64_t LiteralPercent(std::uint64_t part, std::uint64_t whole) {
  if (whole == 0) return 0;
  return static_cast<std::int64_t>(
      std::nearbyint(static_cast<double>(part) * 100.0 / static_cast<double>(whole)));
}

LiteralRun LiteralTrim(const text::Lines& lines) {
  LiteralRun run;
  text::Lines out = lines;
  const std::size_t n = out.size();
  for (std::size_t i = 0; i < n; ++i) {
    Text line = out[i];
    text::TrimBlanks(line);
    if (line.size() != out[i].size()) {
      out[i] = line;
      ++run.counter;
    }
    if (i % 100 == 0) {
      const std::int64_t p = LiteralPercent(i, n - 1);
      run.captions.push_back(Caption("Пробелы: ", p, run.counter));
      run.percents.push_back(p);
    }
  }
  run.text = text::JoinLines(out);
  return run;
}

LiteralRun LiteralDeleteEmpty(const text::Lines& lines) {
  LiteralRun run;
  text::Lines out = lines;
  const std::size_t n = out.size();
  for (std::size_t i = n; i-- > 0;) {
    if (out[i].empty()) {
      out.erase(out.begin() + static_cast<std::ptrdiff_t>(i));
      ++run.counter;
    }
    if (i % 100 == 0) {
      const std::int64_t p = LiteralPercent(i, n - 1);
      run.captions.push_back(Caption("Пустые: ", p, run.counter));
      run.percents.push_back(p);
    }
  }
  run.text = text::JoinLines(out);
  return run;
}

LiteralRun LiteralDeleteDoubleSpaces(Text t) {
  LiteralRun run;
  run.captions = {"Дв. пробелы: 0%"};
  run.percents = {-1};
  const std::size_t length = t.size();
  std::size_t p = text::FindStr(U"  ", t, 1);
  while (p > 0) {
    text::DeleteRange(t, static_cast<std::ptrdiff_t>(p), 1);
    ++run.counter;
    p = text::FindStr(U"  ", t, p);
    if (p % 5 == 0) {
      const std::int64_t percent = LiteralPercent(p, length);
      run.captions.push_back(Caption("Пробелы: ", percent, run.counter));
      run.percents.push_back(percent);
    }
  }
  run.text = t;
  return run;
}

LiteralRun LiteralDeleteDuplicates(Text t) {
  LiteralRun run;
  StartCaptions(run, "Дубли: ");
  GrowingCaptions progress{run, "Дубли: "};
  std::size_t from = 1;
  while (from < t.size()) {
    const std::size_t e = text::FindStr(kCrLf, t, from);
    const Text line = t.substr(from - 1, e - from);
    const Text needle = kCrLf + line + kCrLf;
    std::size_t p = text::FindStr(needle, t, e);
    while (p > 0) {
      text::DeleteRange(t, static_cast<std::ptrdiff_t>(p), static_cast<std::ptrdiff_t>(needle.size() - 2));
      ++run.counter;
      p = text::FindStr(needle, t, p);
    }
    from = e + 2;
    progress.Step(from, t.size(), run.counter);
  }
  run.text = t;
  return run;
}

LiteralRun LiteralDeleteAllDuplicates(Text t) {
  LiteralRun run;
  StartCaptions(run, "Все дубли: ");
  GrowingCaptions progress{run, "Все дубли: "};
  t = kCrLf + t;
  std::size_t from = 3;
  while (from < t.size()) {
    const std::size_t e = text::FindStr(kCrLf, t, from);
    const Text line = t.substr(from - 1, e - from);
    const Text needle = kCrLf + line + kCrLf;
    if (text::FindStr(needle, t, e) == 0) {
      from = e + 2;
    } else {
      text::DeleteRange(t, static_cast<std::ptrdiff_t>(from), static_cast<std::ptrdiff_t>(e - from + 2));
      std::size_t p = text::FindStr(needle, t, 1);
      while (p > 0) {
        text::DeleteRange(t, static_cast<std::ptrdiff_t>(p), static_cast<std::ptrdiff_t>(needle.size() - 2));
        ++run.counter;
        p = text::FindStr(needle, t, p);
      }
    }
    progress.Step(from, t.size(), run.counter);
  }
  if (t.size() >= 2 && t.compare(0, 2, kCrLf) == 0) t.erase(0, 2);
  run.text = t;
  return run;
}

LiteralRun LiteralDeleteUnique(Text t, bool htmlView) {
  LiteralRun run;
  StartCaptions(run, "Уник: ");
  GrowingCaptions progress{run, "Уник: "};
  if (htmlView) t += kCrLf;
  std::size_t from = 1;
  while (from < t.size()) {
    const std::size_t e = text::FindStr(kCrLf, t, from);
    const Text line = t.substr(from - 1, e - from);
    const Text framed = kCrLf + t + kCrLf;
    const Text needle = kCrLf + line + kCrLf;
    if (text::FindStr(needle, framed, e + 2) > 0) {
      from = e + 2;
    } else if (text::FindStr(needle, framed, 1) == from) {
      text::DeleteRange(t, static_cast<std::ptrdiff_t>(from), static_cast<std::ptrdiff_t>(line.size() + 2));
      ++run.counter;
    } else {
      from = e + 2;
    }
    progress.Step(from, t.size(), run.counter);
  }
  run.text = t;
  return run;
}

std::vector<std::string> Rationed(const LiteralRun& run, std::size_t alwaysShownAtStart, bool keepLast) {
  std::vector<std::string> kept;
  std::int64_t last = -1;
  const std::size_t end =
      keepLast && run.captions.size() > alwaysShownAtStart ? run.captions.size() - 1 : run.captions.size();
  for (std::size_t i = 0; i < end; ++i) {
    if (i < alwaysShownAtStart) {
      kept.push_back(run.captions[i]);
    } else if (run.percents[i] != last) {
      kept.push_back(run.captions[i]);
      last = run.percents[i];
    }
  }
  if (end < run.captions.size()) kept.push_back(run.captions.back());
  return kept;
}

text::Lines LiteralSplitParagraphs(text::Lines lines, int min, int max, LiteralRandom& random) {
  const auto findBreak = [&](const Text& s) -> std::size_t {
    const std::size_t start =
        static_cast<std::size_t>(min) + random.Next(static_cast<std::uint32_t>(max - min));
    const std::size_t d = text::FindStr(U".", s, start);
    const std::size_t e = text::FindStr(U"!", s, start);
    const std::size_t q = text::FindStr(U"?", s, start);
    std::size_t pos = 0;
    for (const std::size_t candidate : {d, e, q}) {
      if (candidate > 0 && (pos == 0 || candidate < pos)) pos = candidate;
    }
    if (pos == 0) return 0;
    const auto runOn = [](text::Char c) {
      const int code = text::Cp1251Code(c);
      return c == U'.' || c == U'!' || c == U'?' || code == 184 || (code >= 224 && code <= 255);
    };
    while (pos < s.size() && runOn(s[pos])) ++pos;  // s[pos] is the character at pos + 1
    return pos;
  };
  for (std::size_t i = lines.size(); i-- > 0;) {
    Text s = lines[i];
    std::size_t pos = findBreak(s);
    if (pos > 0 && s.size() > static_cast<std::size_t>(max)) {
      Text out;
      while (pos > 0 && s.size() > static_cast<std::size_t>(max)) {
        if (!out.empty()) out += kCrLf;
        out += s.substr(0, pos);
        text::DeleteRange(s, 1, static_cast<std::ptrdiff_t>(pos));
        text::TrimLeadingBlanks(s);
        pos = findBreak(s);
      }
      out += kCrLf + s;
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
      // The inserted text becomes one line per part; an empty remainder is a line too.
      text::Lines parts;
      std::size_t begin = 0;
      for (std::size_t at = out.find(kCrLf); at != Text::npos; at = out.find(kCrLf, begin)) {
        parts.push_back(out.substr(begin, at - begin));
        begin = at + 2;
      }
      parts.push_back(out.substr(begin));
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i), parts.begin(), parts.end());
    }
  }
  return lines;
}

text::Lines LiteralShuffle(text::Lines lines, std::uint32_t seed, bool derived, std::uint32_t* finalSeed) {
  LiteralRandom random{seed};
  const auto n = static_cast<std::uint32_t>(lines.size());
  if (!derived) {
    for (std::uint32_t b = 0; b < n; ++b) std::swap(lines[b], lines[random.Next(n)]);
  } else {
    for (std::uint32_t b = 0; b + 1 < n;) {
      std::swap(lines[b], lines[random.Next(n)]);
      b += 1 + random.Next(3);
    }
  }
  if (finalSeed != nullptr) *finalSeed = random.seed;
  return lines;
}

}  // namespace skorlin::lines::testing
