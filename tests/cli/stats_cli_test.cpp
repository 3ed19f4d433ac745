// SPDX-License-Identifier: GPL-3.0-or-later
// skorlin-cli stats: the panel's seven texts and the JSON counts for the input as a view
// holds it.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "cli/run_cli.h"

namespace skorlin::cli::testing {
namespace {

// The seven texts, one a line, with LF breaks.
std::string Panel(const std::vector<std::string>& labels) {
  std::string out;
  for (const std::string& label : labels) out += label + "\n";
  return out;
}

TEST(CliStats, PrintsTheSevenLabelsOfAChange) {
  struct Case {
    std::vector<std::string> args;
    std::string input;
    std::vector<std::string> labels;
  } cases[] = {
      {{}, "", {"Строк: 1", "Слов: 0", "Букв: 0", "Знаков: 0", "С пробелами: 0", "Цена: 0", "Цена: 0"}},
      {{},
       "a\n\n\nb",
       {"Строк: 2 (4)", "Слов: 2", "Букв: 2", "Знаков: 2", "С пробелами: 2", "Цена: 0", "Цена: 0"}},
      {{},
       "a\n",
       {"Строк: 1 (2)", "Слов: 1", "Букв: 1", "Знаков: 1", "С пробелами: 1", "Цена: 0", "Цена: 0"}},
      {{},
       "a  b",
       {"Строк: 1", "Слов: 2", "Букв: 2", "Знаков: 2", "С пробелами: 3 (4)", "Цена: 0", "Цена: 0"}},
      // Lone CR and LF end lines once the text is in a view.
      {{},
       "a\nb\rc",
       {"Строк: 3", "Слов: 3", "Букв: 3", "Знаков: 3", "С пробелами: 3", "Цена: 0", "Цена: 0"}},
      {{},
       "  \t\n",
       {"Строк: 1 (2)", "Слов: 0", "Букв: 0", "Знаков: 0", "С пробелами: 0", "Цена: 0", "Цена: 0"}},
      {{"--decimal-separator", ","},
       "Привет, мир-2 _x -- y",
       {"Строк: 1", "Слов: 4", "Букв: 11", "Знаков: 17", "С пробелами: 21", "Цена: 0,01", "Цена: 0,02"}},
      {{"--decimal-separator", ","},
       std::string(1000, 'x'),
       {"Строк: 1", "Слов: 1", "Букв: 1000", "Знаков: 1000", "С пробелами: 1000", "Цена: 0,8", "Цена: 0,8"}},
      {{"--decimal-separator", ","},
       std::string(1001, 'x'),
       {"Строк: 1", "Слов: 1", "Букв: 1001", "Знаков: 1001 (1 k)", "С пробелами: 1001", "Цена: 0,8",
        "Цена: 0,8"}},
      {{"--decimal-separator", ",", "--rate", "0.8"},
       std::string(2000, '7'),
       {"Строк: 1", "Слов: 1", "Букв: 0", "Знаков: 2000 (2 k)", "С пробелами: 2000", "Цена: 1,6",
        "Цена: 1,6"}},
      {{"--decimal-separator", ".", "--rate", "0,7"},
       std::string(1350, 'x') + "  " + std::string(650, 'x'),
       {"Строк: 1", "Слов: 2", "Букв: 2000", "Знаков: 2000 (2 k)", "С пробелами: 2001 (2002)", "Цена: 1.4",
        "Цена: 1.4"}},
      {{"--decimal-separator", ".", "--rate", "0,7"},
       std::string(650, 'x'),
       {"Строк: 1", "Слов: 1", "Букв: 650", "Знаков: 650", "С пробелами: 650", "Цена: 0.46", "Цена: 0.46"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"stats"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun run = RunCli(args, c.input);
    EXPECT_EQ(run.exitCode, 0) << c.input.substr(0, 30);
    EXPECT_EQ(run.out, Panel(c.labels)) << c.input.substr(0, 30);
    EXPECT_EQ(run.err, "");
  }
}

TEST(CliStats, ARateThatIsNoNumberIsWrongUsage) {
  for (const std::string rate : {"", " ", "abc", "1e400", "-1e309",
                                 "\xE2\x88\x92"
                                 "5",
                                 "1,2,3", "inf", "nan"}) {
    const CliRun run = RunCli({"stats", "--rate", rate}, std::string(5000, 'x'));
    EXPECT_EQ(run.exitCode, 2) << rate;
    EXPECT_TRUE(run.out.empty()) << rate << ": " << run.out;
    EXPECT_NE(run.err.find("'--rate' takes a number such as 0,8 or 1.5, not '" + rate + "'"),
              std::string::npos)
        << run.err;
  }
}

TEST(CliStats, JsonGivesTheCountsAndBothPrices) {
  const CliRun run = RunCli({"stats", "--json", "--decimal-separator", ",", "--rate", "0,7"},
                            "a  b\r\n\r\n" + std::string(650, 'x') + "\r\n");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(
      run.out,
      "{\"LineCount\": 2, \"AllLineCount\": 4, \"WordCount\": 3, \"LetterCount\": 652, \"CharCount\": 652, "
      "\"SpacedCount\": 653, \"SpacedAllCount\": 654, \"CharPrice\": 0.46, \"SpacedPrice\": 0.46}\r\n");
  const CliRun empty = RunCli({"stats", "--json"}, "");
  EXPECT_TRUE(std::regex_search(empty.out, std::regex("\"CharPrice\": 0, \"SpacedPrice\": 0\\}")));
}

TEST(CliStats, Windows1251InputIsCountedAndAnsweredInIt) {
  // "Ёж и ёлка" in Windows-1251.
  const std::string input = "\xA8\xE6 \xE8 \xB8\xEB\xEA\xE0";
  const CliRun run = RunCli({"stats"}, input);
  EXPECT_EQ(run.exitCode, 0);
  // "Слов: 3" and "Букв: 7" in Windows-1251.
  EXPECT_NE(run.out.find("\xD1\xEB\xEE\xE2: 3\n"), std::string::npos);
  EXPECT_NE(run.out.find("\xC1\xF3\xEA\xE2: 7\n"), std::string::npos);
}

// stats reads its input in blocks of 1 MB: what lies across a block's end counts as in one
// text, from a file (which is read again from its start when it turns out to be Windows-1251)
// and from a pipe (which is read both ways at once) alike.
TEST(CliStats, CountsAcrossItsBlocksAsInOneText) {
  constexpr std::size_t kBlock = std::size_t{1} << 20;
  const std::string filler(kBlock - 1, 'a');
  const struct Case {
    const char* name;
    std::string input;
    std::string reference;  // UTF-8 with the same counts, read in one block
  } cases[] = {
      {"CR at a block's end, LF at the next one's start", filler + "\r\nb", "a\r\nb"},
      {"a character across the blocks", filler + "\xD0\xB6 b", "a\xD0\xB6 b"},
      {"a lone CR at a block's end", filler + "\rb", "a\rb"},
      // Valid UTF-8 up to a character cut at the very end: Windows-1251, every byte counted.
      {"UTF-8 cut at the end", filler + "\xD0\xB6\xD0", "a\xD0\xA0\xC2\xB6\xD0\xA0"},
      {"a byte that is no UTF-8 in the second block", filler + "a\r\n\xFF", "aa\r\n\xD1\x8F"},
  };
  TempDir dir;
  for (const Case& c : cases) {
    const std::string file = dir.Write("input.txt", c.input);
    const CliRun fromFile = RunCli({"stats", "--json", file});
    const CliRun fromPipe = RunCli({"stats", "--json"}, c.input);
    const CliRun reference = RunCli({"stats", "--json"}, c.reference);
    ASSERT_EQ(fromFile.exitCode, 0) << c.name << fromFile.err;
    EXPECT_EQ(fromFile.out, fromPipe.out) << c.name;
    // The filler adds kBlock - 2 letters and characters to the reference's "a".
    const std::regex letters("\"LetterCount\": ([0-9]+)");
    std::smatch big;
    std::smatch small;
    ASSERT_TRUE(std::regex_search(fromFile.out, big, letters)) << fromFile.out;
    ASSERT_TRUE(std::regex_search(reference.out, small, letters)) << reference.out;
    EXPECT_EQ(std::stoul(big[1]), std::stoul(small[1]) + kBlock - 2) << c.name;
    const auto lines = [](const std::string& json) { return json.substr(0, json.find("\"WordCount\"")); };
    EXPECT_EQ(lines(fromFile.out), lines(reference.out)) << c.name;
  }
}

}  // namespace
}  // namespace skorlin::cli::testing
