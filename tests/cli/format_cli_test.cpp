// SPDX-License-Identifier: GPL-3.0-or-later
// skorlin-cli format and typeset: the formatted view of a file or of standard input, and
// that view typeset.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/run_cli.h"

namespace skorlin::cli::testing {
namespace {

TEST(CliFormat, PrintsTheFormattedViewOfStandardInput) {
  const CliRun run = RunCli({"format", "--eol", "lf"}, "\n  дом N12,кв.5  \r\nв 1999г\r\n\r\n");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "дом № 12, кв. 5\nв 1999 г.\n");
}

TEST(CliFormat, ReadsAFileAndKeepsItsEncodingAndBreaks) {
  TempDir dir;
  // "стр5" in Windows-1251, CR LF breaks.
  const std::string path = dir.Write("in.txt", "\xF1\xF2\xF0\x35\r\nx,y\r\n");
  const CliRun run = RunCli({"format", path});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "\xF1\xF2\xF0 5\r\nx, y\r\n");
}

TEST(CliFormat, EmptyInputGivesEmptyOutput) {
  const CliRun run = RunCli({"format"}, " \t\r\n");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");
}

#ifndef _WIN32  // checked against diff and patch, tools of POSIX systems
// format --diff (or typeset --diff) on a file, checked against diff -u and patch: the diff
// is the one diff writes, and patch turns the file into exactly what the command prints.
// command is the command and its options.
void ExpectDiffThatPatchApplies(const std::string& bytes,
                                const std::vector<std::string>& command = {"format"}) {
  TempDir dir;
  const std::string in = dir.Write("in.txt", bytes);
  std::vector<std::string> args = command;
  args.push_back(in);
  const CliRun formatted = RunCli(args);
  ASSERT_EQ(formatted.exitCode, 0) << formatted.err;
  args.insert(args.begin() + 1, "--diff");
  const CliRun diff = RunCli(args);
  EXPECT_EQ(diff.exitCode, formatted.out == bytes ? 0 : 1) << diff.err;
  EXPECT_EQ(diff.err, "");

  const std::string expected = dir.Write("expected.txt", formatted.out);
  const CliRun reference = RunProgram("diff", {"-u", "--label", in, "--label", in, in, expected});
  EXPECT_EQ(diff.out, reference.out) << bytes;

  const std::string patch = dir.Write("diff.txt", diff.out);
  const CliRun patched = RunProgram("patch", {"-s", "-o", dir.path() + "/patched.txt", in, patch});
  EXPECT_EQ(patched.exitCode, 0) << patched.out << patched.err;
  EXPECT_EQ(dir.Read("patched.txt"), formatted.out) << bytes;
}

TEST(CliFormatDiff, PatchTurnsTheInputIntoTheFormattedText) {
  // Changes merged into one hunk (six unchanged lines between them) and kept apart (seven).
  ExpectDiffThatPatchApplies(
      "1\n2\n3\n4\n5\n6\na,b\n8\n9\n10\n11\n12\n13\nc,d\n15\n16\n17\n18\n19\n20\n21\ne,f");
  // CR LF breaks, blank lines dropped at both ends, and the same with LF written.
  const std::string crlf = "\r\n \r\n  дом N12,кв.5\r\nok\r\nв 1999г\r\n\r\nтак\r\n\r\n\r\n";
  ExpectDiffThatPatchApplies(crlf);
  ExpectDiffThatPatchApplies(crlf, {"format", "--eol", "lf"});
  // Windows-1251 ("стр5", "Он сказал "Да" ."), in and out, formatted and typeset.
  const std::string cp1251 = "\xF1\xF2\xF0\x35\r\nx\r\n\xCE\xED \xF1\xEA\xE0\xE7\xE0\xEB \"\xC4\xE0\" .\r\n";
  ExpectDiffThatPatchApplies(cp1251);
  ExpectDiffThatPatchApplies(cp1251, {"typeset"});
  // Typeset dialogue: quotes, dashes and an ellipsis to set, LF written for CR LF.
  ExpectDiffThatPatchApplies("- Ну что ж, - сказал он, - пойдём \"домой\".\r\n- Пойдём...\r\n",
                             {"typeset", "--eol", "lf"});
  // A byte order mark, lone CRs and mixed breaks; a text without its last break.
  ExpectDiffThatPatchApplies(
      "\xEF\xBB\xBF"
      "a,b\nc\n");
  ExpectDiffThatPatchApplies("a,b\rc\rd,e\r");
  ExpectDiffThatPatchApplies("a,b\r\nc\nd,e\r\nf");
  // Nothing to change: no output and exit status 0; nothing left: every line deleted.
  ExpectDiffThatPatchApplies("Уже готово: https://x.ru/, в 11:30.\n");
  ExpectDiffThatPatchApplies("");
  ExpectDiffThatPatchApplies(" \n\t\n");
}

TEST(CliFormatDiff, TheSampleComesOutFormatted) {
  const std::string sample = std::string(SKORLIN_SOURCE_DIR) + "/examples/sample.txt";
  const CliRun diff = RunCli({"format", "--diff", sample});
  EXPECT_EQ(diff.exitCode, 1) << diff.err;
  EXPECT_EQ(diff.out.substr(0, diff.out.find("@@")), "--- " + sample + "\n+++ " + sample + "\n");
  TempDir dir;
  const CliRun patched = RunProgram("patch", {"-s", "-o", "-", sample}, diff.out);
  EXPECT_EQ(patched.exitCode, 0) << patched.err;
  EXPECT_EQ(patched.out, RunCli({"format", sample}).out);
}

#endif

TEST(CliFormatDiff, StandardInputIsNamedAndTroubleIsStatusTwo) {
  const CliRun stdinDiff = RunCli({"format", "--diff"}, "x,y");
  EXPECT_EQ(stdinDiff.exitCode, 1);
  EXPECT_EQ(stdinDiff.out, "--- -\n+++ -\n@@ -1 +1 @@\n-x,y\n\\ No newline at end of file\n+x, y\n");

  for (const char* command : {"format", "typeset"}) {
    const CliRun missing = RunCli({command, "--diff", "/nonexistent/in.txt"});
    EXPECT_EQ(missing.exitCode, 2) << command;
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("/nonexistent/in.txt"), std::string::npos) << missing.err;
  }

  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"html", "--diff"}, std::vector<std::string>{"trim", "--diff"}}) {
    const CliRun usage = RunCli(args, "a\n");
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_EQ(usage.out, "");
    EXPECT_NE(usage.err.find("unknown option '--diff'"), std::string::npos) << usage.err;
  }
}

// Formatted text formatted again, and typeset text typeset again, is the same text: its
// diff against itself is empty, exit 0.
TEST(CliFormatDiff, OwnOutputIsAFixpoint) {
  for (const char* command : {"format", "typeset"}) {
    for (const char* example : {"sample.txt", "dialogue.txt"}) {
      const std::string file = std::string(SKORLIN_SOURCE_DIR) + "/examples/" + example;
      const CliRun once = RunCli({command, file});
      ASSERT_EQ(once.exitCode, 0) << once.err;
      EXPECT_NE(once.out, "");
      const CliRun again = RunCli({command, "--diff"}, once.out);
      EXPECT_EQ(again.exitCode, 0) << command << " " << file << "\n" << again.out << again.err;
      EXPECT_EQ(again.out, "");
    }
  }
}

}  // namespace
}  // namespace skorlin::cli::testing
