// SPDX-License-Identifier: GPL-3.0-or-later
// The duplicate commands: their cases, and the hashing versions against the scans that
// search the rest of the text for every line.
#include "lines/duplicates.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "lines/literal_lines.h"
#include "lines/test_support.h"

namespace skorlin::lines::testing {
namespace {

using ::testing::ElementsAre;

enum class Command { kDuplicates, kAll, kUnique, kUniqueHtml };

CommandResult RunFast(Command command, std::string_view t, const Progress& progress = {}) {
  switch (command) {
    case Command::kDuplicates:
      return Joined(DeleteDuplicateLines(t, progress));
    case Command::kAll:
      return Joined(DeleteAllDuplicateLines(t, progress));
    case Command::kUnique:
      return Joined(DeleteUniqueLines(t, View::kInput, progress));
    case Command::kUniqueHtml:
      return Joined(DeleteUniqueLines(t, View::kHtml, progress));
  }
  return {};
}

LiteralRun RunLiteral(Command command, const text::Text& whole) {
  switch (command) {
    case Command::kDuplicates:
      return LiteralDeleteDuplicates(whole);
    case Command::kAll:
      return LiteralDeleteAllDuplicates(whole);
    case Command::kUnique:
      return LiteralDeleteUnique(whole, false);
    case Command::kUniqueHtml:
      return LiteralDeleteUnique(whole, true);
  }
  return {};
}

TEST(DuplicateCommands, Cases) {
  struct Case {
    Command command;
    std::vector<std::string> in, out;
    long counter;
  } cases[] = {
      {Command::kDuplicates, {"b", "a", "b", "A", "a", "b"}, {"b", "a", "A"}, 3},
      {Command::kDuplicates, {"x", "x ", "x"}, {"x", "x "}, 1},
      {Command::kDuplicates, {"a", "", "b", ""}, {"a", "", "b"}, 1},
      {Command::kDuplicates, {"ab", "b", "b"}, {"ab", "b"}, 1},
      {Command::kDuplicates, {"b", "ab", "b"}, {"b", "ab"}, 1},
      {Command::kDuplicates, {}, {}, 0},
      {Command::kAll, {"b", "a", "b", "c", "b", "a"}, {"c"}, 3},
      {Command::kAll, {"", "x", ""}, {"x"}, 1},
      {Command::kAll, {"a", "a"}, {}, 1},
      {Command::kAll, {"x", "x "}, {"x", "x "}, 0},
      {Command::kAll, {"ab", "b", "b"}, {"ab"}, 1},
      {Command::kUnique, {"a", "b", "a", "c"}, {"a", "a"}, 2},
      {Command::kUnique, {"a", "", "b"}, {""}, 2},
      {Command::kUnique, {"x", "x "}, {}, 2},
      {Command::kUnique, {"ab", "b", "b"}, {"b", "b"}, 1},
      {Command::kUnique, {}, {}, 0},
      {Command::kUniqueHtml, {"a", "b", "a"}, {"a", "a", ""}, 1},
      {Command::kUniqueHtml, {"", ""}, {"", "", ""}, 0},
      {Command::kUniqueHtml, {}, {""}, 0},
      // Characters of four bytes, and lines that differ only in their last byte.
      {Command::kDuplicates, {"😀", "😀", "😁"}, {"😀", "😁"}, 1},
      {Command::kAll, {"ж😀", "😀", "ж😀"}, {"😀"}, 1},
  };
  for (const Case& c : cases) {
    const CommandResult r = RunFast(c.command, ViewText(c.in));
    EXPECT_EQ(LinesOf(r.text), c.out) << static_cast<int>(c.command) << " " << ::testing::PrintToString(c.in);
    EXPECT_EQ(r.counter, c.counter) << ::testing::PrintToString(c.in);
  }
}

TEST(DuplicateCommands, Captions) {
  CaptionLog log;
  const CommandResult r = Joined(DeleteDuplicateLines(ViewText({"a", "a", "a", "a", "a"}), log.Callback()));
  EXPECT_EQ(r.caption, "Дубли: 100% 4...");
  // "a" CR LF is all that is left: after it the position, 4, lies past the end (4 × 100 / 3).
  EXPECT_THAT(log.captions, ElementsAre("Дубли: 0%", "Дубли: 0%0", "Дубли: 133% 4"));

  CaptionLog all;
  EXPECT_EQ(Joined(DeleteAllDuplicateLines(ViewText({"a", "a"}), all.Callback())).caption,
            "Все дубли: 100% 1...");
  // Everything gone: position 3 against the 2 characters of the added line break.
  EXPECT_THAT(all.captions, ElementsAre("Все дубли: 0%", "Все дубли: 0%0", "Все дубли: 150% 1"));

  CaptionLog unique;
  EXPECT_EQ(Joined(DeleteUniqueLines(ViewText({"abcd"}), View::kInput, unique.Callback())).caption,
            "Уник: 100% 1...");
  EXPECT_THAT(unique.captions, ElementsAre("Уник: 0%", "Уник: 0%0", "Уник: 100% 1"));

  // A text of 6 characters: the last caption shows 117% before the final one.
  CaptionLog six;
  Joined(DeleteDuplicateLines(ViewText({"abcd"}), six.Callback()));
  EXPECT_EQ(six.captions.back(), "Дубли: 117% 0");

  // With no view (the settings tab) a command runs on the empty text: counter 0.
  EXPECT_EQ(Joined(DeleteUniqueLines("", View::kInput)).caption, "Уник: 100% 0...");
}

TEST(DuplicateCommands, SameAsTheScansOnGeneratedLists) {
  std::mt19937 rng(2024);
  int withRepeats = 0;
  for (int round = 0; round < 1500; ++round) {
    const std::size_t maxLines = round % 10 == 0 ? 300 : 25;
    const text::Text raw = RawText(rng, RandomLines(rng, maxLines, round % 3 + 1));
    const text::Text whole = text::JoinLines(text::SplitLines(raw));
    for (const Command command :
         {Command::kDuplicates, Command::kAll, Command::kUnique, Command::kUniqueHtml}) {
      CaptionLog log;
      const CommandResult fast = RunFast(command, U8(raw), log.Callback());
      const LiteralRun literal = RunLiteral(command, whole);
      ASSERT_EQ(fast.text, U8(literal.text)) << "command " << static_cast<int>(command) << " round " << round;
      ASSERT_EQ(fast.counter, literal.counter)
          << "command " << static_cast<int>(command) << " round " << round;
      ASSERT_EQ(log.captions, literal.captions)
          << "command " << static_cast<int>(command) << " round " << round;
      // Given as lines, the result knows whether it changes a view without its text.
      const std::string view = U8(whole);
      const CommandResult onView = RunFast(command, view);
      ASSERT_EQ(onView.changed, text::ChangesView(view, onView.text))
          << "command " << static_cast<int>(command) << " round " << round;
      if (command == Command::kDuplicates && literal.counter > 0) ++withRepeats;
    }
  }
  EXPECT_GT(withRepeats, 1000);  // the generated lists do repeat lines
}

TEST(DuplicateCommands, AboutAHundredCaptionsForALongList) {
  std::vector<std::string> lines;
  for (int i = 0; i < 100000; ++i) lines.push_back(std::to_string(i % 70000));
  CaptionLog log;
  const CommandResult r = Joined(DeleteDuplicateLines(ViewText(lines), log.Callback()));
  EXPECT_EQ(r.counter, 30000);
  EXPECT_LE(log.captions.size(), 110U);
}

}  // namespace
}  // namespace skorlin::lines::testing
