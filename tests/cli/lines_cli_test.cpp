// SPDX-License-Identifier: GPL-3.0-or-later
// The line commands through skorlin-cli: results, captions, seeds and usage errors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/run_cli.h"

namespace skorlin::cli::testing {
namespace {

TEST(CliLines, EachCommandGivesItsResultAndCaption) {
  struct Case {
    std::vector<std::string> args;
    std::string input, expected, caption;
  } cases[] = {
      {{"trim"}, " a\nb\nc\t\n", "a\nb\nc\n", "Пробелы: 100% 2\n"},
      {{"trim"}, "   \n\xC2\xA0\n", "\n\xC2\xA0\n", "Пробелы: 100% 1\n"},
      {{"delete-empty"}, "a\n\n\nb\n \n", "a\nb\n \n", "Пустые: 100% 2\n"},
      {{"collapse-spaces"}, "a   b  c\nx \t y\n", "a b c\nx \t y\n", "Дв. пробелы: 100% 3\n"},
      {{"dedupe"}, "b\na\nb\nA\na\nb\n", "b\na\nA\n", "Дубли: 100% 3...\n"},
      {{"dedupe"}, "ab\nb\nb\nx\nx \n", "ab\nb\nx\nx \n", "Дубли: 100% 1...\n"},
      {{"dedupe"}, "a\n\nb\n\n", "a\n\nb\n", "Дубли: 100% 1...\n"},
      {{"delete-repeated"}, "b\na\nb\nc\nb\na\n", "c\n", "Все дубли: 100% 3...\n"},
      {{"delete-repeated"}, "\nx\n\n", "x\n", "Все дубли: 100% 1...\n"},
      {{"delete-repeated"}, "a\na\n", "", "Все дубли: 100% 1...\n"},
      {{"delete-unique"}, "a\nb\na\nc\n", "a\na\n", "Уник: 100% 2...\n"},
      {{"delete-unique"}, "a\n\nb\n", "\n", "Уник: 100% 2...\n"},
      {{"sort", "--locale", "ru_RU"}, "б\nА\nв\nа\n", "а\nА\nб\nв\n", ""},
      {{"sort", "--locale", "ru_RU"}, "abc\nABC\n", "ABC\nabc\n", ""},
      {{"sort", "--locale", "ru_RU"}, "ABC\nabc\n", "abc\nABC\n", ""},
      {{"sort-mirror", "--locale", "ru_RU"}, "кот\nрот\nслон\n", "слон\nкот\nрот\n", "Зерк. сорт. 100%\n"},
      {{"sort-length"}, "ccc\na\nbb\n", "a\nbb\nccc\n", ""},
      {{"sort-length"}, "x\ny\nz\n", "z\ny\nx\n", ""},
      {{"invert"}, "a\nb\nc\nd\n", "d\nc\nb\na\n", ""},
      {{"invert"}, "a\n", "a\n", ""},
      {{"shuffle", "--seed", "0"}, "a\nb\nc\nd\n", "c\na\nd\nb\n", "Мешаем: 100%\n"},
      {{"shuffle", "--seed", "0", "--derived"}, "a\nb\n", "a\nb\n", "Мешаем: 100%\n"},
      {{"shuffle", "--seed", "0", "--derived"}, "a\n", "a\n", "Мешаем: 100%\n"},
      {{"split-paragraphs", "--min", "10", "--max", "10"},
       "Aaaa bbbb. Cccc dddd. Eeee.\n",
       "Aaaa bbbb.\nCccc dddd.\nEeee.\n",
       ""},
      {{"split-paragraphs", "--min", "10", "--max", "10", "--seed", "5"},
       "Aaaa bbbb т.е. cc dd eeee ffff.\n",
       "Aaaa bbbb т.е.\ncc dd eeee ffff.\n\n",
       ""},
      {{"split-paragraphs", "--min", "10", "--max", "10"},
       "Aaaa bbbb cc! dd ee\n",
       "Aaaa bbbb cc!\ndd ee\n",
       ""},
      // A min above max splits nothing.
      {{"split-paragraphs", "--min", "20", "--max", "10"},
       "Aaaa bbbb. Cccc dddd. Eeee.\n",
       "Aaaa bbbb. Cccc dddd. Eeee.\n",
       ""},
      {{"dedupe"}, "", "", "Дубли: 100% 0...\n"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.args, c.input);
    const std::string what = c.args[0] + ": " + c.input;
    EXPECT_EQ(run.exitCode, 0) << what << run.err;
    EXPECT_EQ(run.out, c.expected) << what;
    EXPECT_EQ(run.err, c.caption) << what;
  }
}

TEST(CliLines, SeedRepeatsARunAndTheClockVariesIt) {
  std::string input;
  for (int i = 0; i < 200; ++i) input += "line " + std::to_string(i) + "\n";
  const CliRun first = RunCli({"shuffle", "--seed", "4294967295"}, input);
  const CliRun again = RunCli({"shuffle", "--seed", "4294967295"}, input);
  EXPECT_EQ(first.exitCode, 0);
  EXPECT_EQ(first.out, again.out);
  EXPECT_NE(first.out, input);
  EXPECT_NE(RunCli({"shuffle", "--seed", "1"}, input).out, first.out);
  EXPECT_EQ(RunCli({"shuffle"}, input).exitCode, 0);
}

TEST(CliLines, BadSeedIsWrongUsage) {
  for (const char* seed : {"x", "-1", "4294967296", "", "1.5"}) {
    const CliRun run = RunCli({"shuffle", "--seed", seed}, "a\nb\n");
    EXPECT_EQ(run.exitCode, 2) << seed;
    EXPECT_TRUE(run.out.empty()) << seed;
    EXPECT_NE(run.err.find("--seed"), std::string::npos) << run.err;
  }
}

TEST(CliLines, CrLfInputKeepsItsBreaksAndQuietDropsTheCaption) {
  const CliRun run = RunCli({"dedupe", "-q"}, "a\r\nb\r\na\r\n");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "a\r\nb\r\n");
  EXPECT_EQ(run.err, "");
}

// UTF-8 input goes to a command as it came, any other encoding converted once; whether the
// encoding is found or asked for, the same bytes come out and the same things are said.
TEST(CliLines, TheEncodingFoundAndTheEncodingAskedForAgree) {
  const std::string nul(1, '\0');
  const struct {
    const char* name;
    std::string bytes;
    const char* encoding;  // what the input is read as
  } inputs[] = {
      {"UTF-8, LF", "Петров  \nиванов\n₽   5 \n", "utf-8"},
      {"Windows-1251, CR LF, no final break", "\xCF\xE5\xF2  \xF0\xEE\xE2\r\nabc\r\n\x98 x", "cp1251"},
      {"a lone CR first, then LF", "a\rb\nc\n\n", "utf-8"},
      {"empty", "", "utf-8"},
      {"UTF-8 with a NUL", "ё1\nё2" + nul + "ё3\n", "utf-8"},
      {"Windows-1251 with a NUL", "\xB8" + nul + "x\n", "cp1251"},
      {"invalid UTF-8", "\xD0\nok\n\xFF\n", "cp1251"},
      {"a line of several megabytes", "b\n" + std::string(3 << 20, 'x') + "\nc", "utf-8"},
  };
  const std::vector<std::vector<std::string>> commands = {
      {"invert"}, {"shuffle", "--seed", "5"}, {"shuffle", "--seed", "77", "--derived"}, {"collapse-spaces"}};
  const std::vector<std::vector<std::string>> breaks = {{}, {"--eol", "lf"}, {"--eol", "crlf"}};
  for (const auto& input : inputs) {
    for (const auto& command : commands) {
      for (const auto& eol : breaks) {
        std::vector<std::string> found = command;
        found.insert(found.end(), eol.begin(), eol.end());
        std::vector<std::string> askedFor = found;
        askedFor.insert(askedFor.end(), {"--encoding", input.encoding});
        const CliRun detected = RunCli(found, input.bytes);
        const CliRun told = RunCli(askedFor, input.bytes);
        SCOPED_TRACE(std::string(input.name) + ": " + command.front() +
                     (eol.empty() ? "" : " " + eol.back()));
        EXPECT_EQ(detected.exitCode, 0);
        EXPECT_EQ(detected.exitCode, told.exitCode);
        EXPECT_EQ(detected.out, told.out);
        EXPECT_EQ(detected.err, told.err);
      }
    }
  }
  // The NUL warning counts characters, not bytes.
  EXPECT_NE(RunCli({"invert"}, "ё1\nё2" + nul + "ё3\n").err.find("NUL at character 6;"), std::string::npos);
}

// The line commands write their lines straight out (from the input's own lines, or as
// they rewrite them); the same result made whole first and then written, which output in
// UTF-8 with a byte order mark still takes, gives the same bytes after the mark.
TEST(CliLines, LinesWrittenStraightOutAreTheLinesOfTheWholeText) {
  TempDir dir;
  const std::string clipboard = dir.Write("clipboard.txt", "http://a.ru\nhttp://b.ru/\n");
  std::string large;
  for (int i = 0; i < 12000; ++i) {
    large += "  http://site" + std::to_string(i % 7000) + ".ru/путь/" + std::to_string(i % 3) + "  x   y\n";
    if (i % 5 == 0) large += "\n";
  }
  // Lines long enough to go out from where they lie among short ones that are copied, in
  // runs that follow each other in the input and apart, with every kind of break: stretches
  // of short lines with a long one now and then, and stretches where long lines and lines
  // of up to 480 bytes take turns (so pieces that lie where they are and copies alternate
  // for more than one batch of a vectored write, and the copies fill the buffer).
  std::string mixed;
  const char* const mixedBreaks[] = {"\n", "\r\n", "\r", "\n", "\r\n"};
  for (int i = 0; i < 9000; ++i) {
    const bool turns = i % 400 >= 200;
    const int length =
        turns ? (i % 2 == 0 ? 600 + i % 500 : i * 7919 % 480) : (i % 37 == 0 ? 600 + i % 500 : i % 11);
    mixed += std::string(length, static_cast<char>('a' + i % 26));
    mixed += i % 3 == 0 ? "дубль" : std::to_string(i);
    mixed += mixedBreaks[i % 13 == 0 ? i % 5 : 0];
  }
  mixed += std::string(70000, 'z');
  const std::string nul(1, '\0');
  const struct {
    const char* name;
    std::string bytes;
  } inputs[] = {
      {"LF", "b  a\n\nhttp://x.ru/a/b c\nb  a\n"},
      {"CR LF", "b  a\r\n\r\nhttp://x.ru/a/b c\r\nb  a\r\n"},
      {"lone CR", "b  a\r\rhttp://x.ru/a/b c\rb  a\r"},
      {"mixed", "ж  a\r\n\rhttp://x.ru/a/b c\n\n\rb  a\r\n x \n"},
      {"no final break", "b  a\nhttp://x.ru/ c\n  ё  "},
      {"NUL", "b  a\nhttp://x.ru/\nb  a" + nul + "tail\n"},
      {"larger than a piece of output", large},
      {"long and short lines, mixed breaks", mixed},
  };
  const std::vector<std::vector<std::string>> commands = {
      {"invert"},          {"dedupe"},
      {"delete-unique"},   {"delete-empty"},
      {"keep-urls"},       {"trim"},
      {"collapse-spaces"}, {"keep-domain"},
      {"add-http"},        {"insert-urls", "--clipboard", clipboard},
      {"sort-length"},     {"shuffle", "--seed", "3"}};
  const std::vector<std::vector<std::string>> breaks = {{}, {"--eol", "lf"}, {"--eol", "crlf"}};
  for (const auto& input : inputs) {
    for (const auto& command : commands) {
      for (const auto& eol : breaks) {
        std::vector<std::string> args = command;
        args.insert(args.end(), eol.begin(), eol.end());
        std::vector<std::string> whole = args;
        whole.insert(whole.end(), {"--output-encoding", "utf-8-bom"});
        const CliRun straight = RunCli(args, input.bytes);
        const CliRun joined = RunCli(whole, input.bytes);
        SCOPED_TRACE(std::string(input.name) + ": " + command.front() +
                     (eol.empty() ? "" : " " + eol.back()));
        ASSERT_EQ(joined.out.substr(0, 3), "\xEF\xBB\xBF");
        EXPECT_EQ(straight.out, joined.out.substr(3));
        EXPECT_EQ(straight.err, joined.err);
        EXPECT_EQ(straight.exitCode, joined.exitCode);
      }
    }
  }
}

}  // namespace
}  // namespace skorlin::cli::testing
