// The command-line frame: usage errors, exit codes, encodings and line breaks.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "cli/run_cli.h"

namespace skorlin::cli::testing {
namespace {

std::string AllBytesFrom1() {
  std::string bytes;
  for (int b = 1; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes;
}

TEST(CliUsage, WrongUsageIsOneLineAndExitTwo) {
  struct Case {
    std::vector<std::string> args;
    const char* mentions;
  } cases[] = {
      {{}, "no command"},
      {{"frobnicate"}, "frobnicate"},
      {{"convert", "--frob"}, "--frob"},
      {{"convert", "--eol", "cr"}, "cr"},
      {{"convert", "--encoding", "koi8"}, "koi8"},
      {{"convert", "--encoding"}, "--encoding"},
      {{"convert", "a.txt", "b.txt"}, "b.txt"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.exitCode, 2) << c.mentions;
    EXPECT_NE(run.err.find(c.mentions), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
}

TEST(CliUsage, HelpAndVersion) {
  const CliRun help = RunCli({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("convert"), std::string::npos);
  const CliRun version = RunCli({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_TRUE(std::regex_search(version.out, std::regex("^skorlin-cli [0-9]+\\.[0-9]+")));
}

TEST(CliUsage, TheReadmeTableListsExactlyTheCommandsOfHelp) {
  std::ifstream readme(std::string(SKORLIN_SOURCE_DIR) + "/README.md");
  ASSERT_TRUE(readme) << "README.md not found";
  std::set<std::string> documented;
  const std::regex row("^\\| `([a-z-]+)");
  bool inCliSection = false;
  for (std::string line; std::getline(readme, line);) {
    if (line.rfind("## ", 0) == 0) inCliSection = line == "## skorlin-cli";
    std::smatch m;
    if (inCliSection && std::regex_search(line, m, row)) documented.insert(m[1]);
  }
  std::set<std::string> listed;
  std::istringstream help(RunCli({"--help"}).out);
  const std::regex command("^  ([a-z][a-z-]+)");
  bool inCommands = false;
  for (std::string line; std::getline(help, line);) {
    if (line == "Commands:") inCommands = true;
    if (line == "Options:") inCommands = false;
    std::smatch m;
    if (inCommands && std::regex_search(line, m, command)) listed.insert(m[1]);
  }
  EXPECT_FALSE(listed.empty());
  EXPECT_EQ(documented, listed);
}

TEST(CliFiles, AFileThatCannotBeOpenedIsNamed) {
  TempDir dir;
  for (const std::string& path : {dir.path() + "/missing.txt", dir.path()}) {
    const CliRun run = RunCli({"convert", path});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Cannot open file " + path), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
}

TEST(CliConvert, Cp1251AndBackGivesTheOriginalBytes) {
  TempDir dir;
  const std::string utf8 = "Съешь же ещё этих мягких «французских» булок — №5\r\nЁж\r\n";
  const CliRun toCp = RunCli({"convert", "--output-encoding", "cp1251", dir.Write("u.txt", utf8)});
  ASSERT_EQ(toCp.exitCode, 0) << toCp.err;
  // One byte a character: the UTF-8 continuation bytes are gone.
  EXPECT_EQ(toCp.out.size(), static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
              return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            })));
  const CliRun back = RunCli({"convert", "--output-encoding", "utf-8", dir.Write("c.txt", toCp.out)});
  ASSERT_EQ(back.exitCode, 0) << back.err;
  EXPECT_EQ(back.out, utf8);
}

TEST(CliConvert, EveryCp1251ByteSurvives) {
  TempDir dir;
  const std::string bytes = AllBytesFrom1();
  const CliRun run = RunCli({"convert", dir.Write("all.txt", bytes)});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, bytes);
  const CliRun piped = RunCli({"convert", "-"}, bytes);
  EXPECT_EQ(piped.out, bytes);
}

TEST(CliConvert, RefusesOutputCp1251CannotHold) {
  const CliRun run = RunCli({"convert", "--output-encoding", "cp1251"}, "5 ₽ и 6 ₽ × 2\n");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.out.empty());
  EXPECT_NE(run.err.find("3 characters"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("₽"), std::string::npos) << run.err;
}

TEST(CliConvert, LineBreaksChangeOnlyWhenAsked) {
  const std::string mixed = "a\r\nb\rc\nd";
  EXPECT_EQ(RunCli({"convert"}, mixed).out, mixed);
  EXPECT_EQ(RunCli({"convert", "--eol", "lf"}, mixed).out, "a\nb\nc\nd");
  EXPECT_EQ(RunCli({"convert", "--eol=crlf"}, mixed).out, "a\r\nb\r\nc\r\nd");
}

TEST(CliFiles, ANulCutsTheViewAndIsReported) {
  const std::string input("a\0b\r\nc", 6);
  const CliRun trimmed = RunCli({"trim"}, input);
  EXPECT_EQ(trimmed.exitCode, 0);
  EXPECT_EQ(trimmed.out, "a\r\n");
  EXPECT_NE(trimmed.err.find("NUL at character 2"), std::string::npos) << trimmed.err;
  // convert and stats read the whole text: nothing is cut, nothing to report.
  const CliRun converted = RunCli({"convert"}, input);
  EXPECT_EQ(converted.out, input);
  EXPECT_EQ(converted.err.find("NUL"), std::string::npos) << converted.err;
  // A NUL at the very end cuts nothing.
  EXPECT_EQ(RunCli({"trim"}, std::string("a\0", 2)).err.find("NUL"), std::string::npos);
}

TEST(CliConvert, ForcedEncodingThatDoesNotFitFailsClearly) {
  const CliRun run = RunCli({"convert", "--encoding", "utf-8"}, "\xEF\xF0\xE8");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("not valid UTF-8"), std::string::npos) << run.err;
  EXPECT_EQ(RunCli({"convert", "--encoding", "cp1251", "--output-encoding", "utf-8"}, "\xEF\xF0\xE8").out, "при");
}

}  // namespace
}  // namespace skorlin::cli::testing
