// SPDX-License-Identifier: GPL-3.0-or-later
#include "urls/line_frame.h"

#include <gtest/gtest.h>

#include <random>

#include "text/line_list.h"
#include "urls/cut_urls.h"
#include "urls/http_prefix.h"

namespace skorlin::urls {
namespace {

using text::Text;

// The frame as the commands are defined: split the view into lines, change each, join.
struct LiteralRun {
  std::string text;
  long counter = 0;
};
LiteralRun LiteralChangeEachLine(text::TextView viewText, bool (*change)(std::string&)) {
  LiteralRun run;
  text::Lines lines = text::SplitLines(viewText);
  for (Text& line : lines) {
    std::string utf8 = text::ToUtf8(line);
    if (change(utf8)) ++run.counter;
    line = text::FromUtf8(utf8);
  }
  run.text = text::ToUtf8(text::JoinLines(lines));
  return run;
}

// A view's text (CR LF after every line, no other CR or LF) with LF breaks.
std::string WithLfBreaks(const std::string& viewText) {
  std::string lf;
  text::ForEachLine(viewText, [&lf](std::string_view line) { lf.append(line).push_back('\n'); });
  return lf;
}

// Texts built from pieces that matter to the frame and to the cutting rules: every kind of
// line break (LF CR being two), a NUL, empty lines, slashes, http: in both cases, and
// characters of two and four bytes.
Text RandomView(std::mt19937& random) {
  static const Text pieces[] = {U"\r\n", U"\n",      U"\r",          U"\n\r", U"",
                                U"/",    U"http://", U"HTTP:",       U"host", U"ж",
                                U"a/b/", U" \t ",    Text(1, U'\0'), U"x.ru", U"😀"};
  std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1);
  std::uniform_int_distribution<int> count(0, 24);
  Text view;
  for (int n = count(random); n > 0; --n) view += pieces[piece(random)];
  return view;
}

TEST(ChangeEachLineTest, GivesWhatSplittingChangingAndJoiningGives) {
  bool (*const changes[])(std::string&) = {CutToDomain, CutToFolder, CutToFileName, AddHttpPrefix,
                                           RemoveHttpPrefix};
  std::mt19937 random(2026);
  for (int round = 0; round < 3000; ++round) {
    const Text view = RandomView(random);
    const std::string utf8 = text::ToUtf8(view);
    // A view's own text: every line followed by CR LF.
    const std::string whole = text::WholeText(utf8);
    for (auto change : changes) {
      text::LineWriter kept;
      const text::CommandResult fast = ChangeEachLine(utf8, kept, change);
      const LiteralRun literal = LiteralChangeEachLine(view, change);
      ASSERT_EQ(fast.text, literal.text) << utf8;
      ASSERT_EQ(fast.counter, literal.counter) << utf8;
      text::LineWriter keptAgain;
      ASSERT_EQ(ChangeEachLine(whole, keptAgain, change).changed, literal.counter > 0) << utf8;
      // Handed on with LF breaks as skorlin-cli writes them: the same lines.
      std::string handedOn;
      text::LineWriter lf("\n", [&handedOn](std::string_view bytes) { handedOn += bytes; });
      const text::CommandResult written = ChangeEachLine(utf8, lf, change);
      lf.Finish();
      ASSERT_EQ(written.form, text::Form::kWritten);
      ASSERT_EQ(handedOn, WithLfBreaks(literal.text)) << utf8;
    }
  }
}

}  // namespace
}  // namespace skorlin::urls
