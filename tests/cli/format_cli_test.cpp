// skorlin-cli format: the formatted view of a file or of standard input.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace skorlin::cli::testing
