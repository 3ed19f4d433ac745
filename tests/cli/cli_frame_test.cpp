// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line frame: usage errors, exit codes, encodings and line breaks.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <thread>

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
      {{"convert", "--eol", "cr"}, "'--eol' takes crlf or lf, not 'cr'"},
      {{"convert", "--encoding", "koi8"}, "'--encoding' takes auto, utf-8"},
      {{"convert", "--output-encoding", "auto"}, "'--output-encoding' takes utf-8, utf-8-bom"},
      {{"convert", "--encoding"}, "--encoding"},
      {{"convert", "--decimal-separator", ""}, "'--decimal-separator' takes one character, not ''"},
      {{"stats", "--decimal-separator=,,"}, "'--decimal-separator' takes one character, not ',,'"},
      {{"sort", "--locale", "ru RU"}, "'--locale' takes a locale name such as ru_RU, not 'ru RU'"},
      {{"convert", "a.txt", "b.txt"}, "b.txt"},
      {{"decline", "--case", "9"}, "'--case' takes a case number from 1 to 6, not '9'"},
      {{"decline", "--case", "0"}, "not '0'"},
      {{"decline", "--case=-1"}, "not '-1'"},
      {{"decline", "--case", "3x"}, "not '3x'"},
      {{"decline"}, "'decline' needs --case N"},
      {{"stats", "--rate", "abc"}, "'--rate' takes a number such as 0,8 or 1.5, not 'abc'"},
      {{"split-paragraphs", "--min", "x"}, "'--min' takes a whole number, not 'x'"},
      {{"split-paragraphs", "--max", "4294967296"}, "'--max' takes a whole number, not '4294967296'"},
      {{"split-paragraphs", "--max", "400 "}, "not '400 '"},
      {{"shuffle", "--seed", "-1"}, "'--seed' takes a whole number from 0 to 4294967295, not '-1'"},
      {{"split-paragraphs", "--seed", "1e3"}, "not '1e3'"},
      {{"insert-urls"}, "'insert-urls' needs --clipboard FILE"},
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
  // Every line fits a terminal of 80 columns (a Cyrillic letter takes one).
  std::istringstream lines(help.out);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_LE(std::count_if(line.begin(), line.end(), [](char b) { return (b & 0xC0) != 0x80; }), 80) << line;
  }
  const CliRun version = RunCli({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_TRUE(
      std::regex_search(version.out, std::regex("^skorlin-cli \\(Skorlin\\) [0-9]+\\.[0-9]+\\.[0-9]+\n"
                                                "Copyright \\(C\\) [0-9]{4} .+\n"
                                                "License GPLv3\\+: GNU GPL version 3 or later .+\n"
                                                "This is free software.+\n"
                                                "There is NO WARRANTY.+\n$")))
      << version.out;
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

TEST(CliFiles, AFileThatCannotBeOpenedIsNamedWithTheReason) {
  TempDir dir;
  const std::string missing = dir.path() + "/missing.txt";
  const std::string missingCyrillic = dir.path() + "/Нет такого.txt";
  const struct {
    std::vector<std::string> args;
    std::string file;
    int reason;
  } cases[] = {
      {{"convert", missing}, missing, ENOENT},
      {{"convert", dir.path()}, dir.path(), EISDIR},
      {{"stats", missing}, missing, ENOENT},  // read in blocks
      {{"convert", missingCyrillic}, missingCyrillic, ENOENT},
      {{"insert-urls", "--clipboard", missing}, missing, ENOENT},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Cannot open file " + c.file + ": " + std::strerror(c.reason)), std::string::npos)
        << run.err;
    EXPECT_TRUE(run.out.empty());
  }
}

#ifndef _WIN32  // a terminal of POSIX
// Runs skorlin-cli with a pseudo-terminal as its standard input, types input into it, and
// gives its standard output, or "(still reading)" when it has not ended within 10 seconds.
std::string RunAtTerminal(const std::vector<std::string>& args, const std::string& typed) {
  const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
  if (terminal < 0 || grantpt(terminal) != 0 || unlockpt(terminal) != 0) return "(no terminal)";
  const std::string deviceName = ptsname(terminal);
  TempDir dir;
  const std::string out = dir.path() + "/stdout";
  const pid_t pid = fork();
  if (pid == 0) {
    setsid();
    const int device = open(deviceName.c_str(), O_RDWR);
    const int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(device, 0);
    dup2(outFd, 1);
    std::vector<char*> argv{const_cast<char*>(SKORLIN_CLI_PATH)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(SKORLIN_CLI_PATH, argv.data());
    _exit(127);
  }
  const ssize_t written = write(terminal, typed.data(), typed.size());
  int status = 0;
  bool ended = false;
  for (int wait = 0; wait < 1000 && !ended && written > 0; ++wait) {
    ended = waitpid(pid, &status, WNOHANG) == pid;
    if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (!ended) {
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
  }
  close(terminal);
  return ended ? dir.Read("stdout") : "(still reading)";
}

TEST(CliFiles, InputTypedAtATerminalEndsAtTheFirstEndOfFile) {
  // A line, then Ctrl-D once at the start of the next line.
  const std::string typed = "строка\n\x04";
  const struct {
    std::vector<std::string> args;
    const char* out;
  } cases[] = {
      {{"convert"}, "строка\n"},                     // the whole input read at once
      {{"stats", "--json"}, "{\"LineCount\": 1, "},  // the input read in blocks
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RunAtTerminal(c.args, typed).substr(0, std::string(c.out).size()), c.out) << c.args[0];
  }
}

#endif

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
  // A file name with Cyrillic letters and a space.
  EXPECT_EQ(RunCli({"convert", dir.Write("Все байты.txt", bytes)}).out, bytes);
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
  EXPECT_EQ(RunCli({"invert"}, "x\ny\n").out, "y\nx\n");  // no CR added on the way out
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
  EXPECT_EQ(RunCli({"convert", "--encoding", "cp1251", "--output-encoding", "utf-8"}, "\xEF\xF0\xE8").out,
            "при");
}

}  // namespace
}  // namespace skorlin::cli::testing
