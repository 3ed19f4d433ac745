// SPDX-License-Identifier: GPL-3.0-or-later
// skorlin-cli html and save-html: the HTML view with its options, and the pages and index
// written beside INDEX.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/run_cli.h"

namespace skorlin::cli::testing {
namespace {

const std::string kOpen = "<Table Width=100% Border=0 CellPadding=2 CellSpacing=0>";

TEST(CliHtml, GivesTheHtmlViewWithItsOptions) {
  const std::string input = "  Дом № 5\r\n\r\nИмя\tГод\r\nПушкин\t1799\r\nВ 1945 г. в г. Москва\r\n";
  const struct {
    std::vector<std::string> args;
    std::string expected;
  } cases[] = {
      {{"html"},
       "<p>Дом №&nbsp;5\r\n\r\n" + kOpen + "<tr><td>Имя<td>Год\r\n<tr><td>Пушкин<td>1799</Table>\r\n" +
           "<p>В 1945&nbsp;г. в&nbsp;г.&nbsp;Москва\r\n"},
      {{"html", "--no-skip-empty"},
       "<p>Дом №&nbsp;5\r\n<p>\r\n" + kOpen + "<tr><td>Имя<td>Год\r\n<tr><td>Пушкин<td>1799</Table>\r\n" +
           "<p>В 1945&nbsp;г. в&nbsp;г.&nbsp;Москва\r\n"},
      {{"html", "--no-p", "--no-skip-empty"},
       "Дом №&nbsp;5\r\n\r\n" + kOpen + "<tr><td>Имя<td>Год\r\n<tr><td>Пушкин<td>1799</Table>\r\n" +
           "В 1945&nbsp;г. в&nbsp;г.&nbsp;Москва\r\n"},
      {{"html", "--no-tables"},
       "<p>Дом №&nbsp;5\r\n\r\n<p>Имя Год\r\n<p>Пушкин 1799\r\n<p>В 1945&nbsp;г. в&nbsp;г.&nbsp;Москва\r\n"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.args, input);
    EXPECT_EQ(run.exitCode, 0) << c.args.back();
    EXPECT_EQ(run.out, c.expected) << c.args.back();
    EXPECT_EQ(run.err, "") << c.args.back();
  }
  const CliRun empty = RunCli({"html"}, " \n\n");
  EXPECT_EQ(empty.exitCode, 0);
  EXPECT_EQ(empty.out, "");
}

TEST(CliHtml, SaveHtmlWritesThePagesBesideTheIndex) {
  TempDir dir;
  const CliRun run = RunCli({"save-html", dir.path() + "/index.htm"}, "Intro<h1>Глава 1</h1>Text");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");
  // Windows-1251 files: "Глава 1" is \xc3\xeb\xe0\xe2\xe0 1.
  EXPECT_EQ(
      dir.Read("0.htm"),
      "<HTML><Head><meta charset=\"windows-1251\"><Title></Title></Head><Body>\r\n<H1></H1>\r\nIntro\r\n"
      "</Body></HTML>");
  EXPECT_EQ(
      dir.Read("glava-1.htm"),
      "<HTML><Head><meta charset=\"windows-1251\"><Title>\xc3\xeb\xe0\xe2\xe0 1</Title></Head><Body>\r\n"
      "<H1>\xc3\xeb\xe0\xe2\xe0 1</H1>\r\nText\r\n</Body></HTML>");
  EXPECT_EQ(dir.Read("index.htm"),
            "<HTML><Head><meta "
            "charset=\"windows-1251\"><Title>\xd1\xee\xe4\xe5\xf0\xe6\xe0\xed\xe8\xe5</Title></Head>"
            "<Body>\r\n<a href=\"glava-1.htm\">\xc3\xeb\xe0\xe2\xe0 1</a><br>\r\n\r\n</Body></HTML>");
}

TEST(CliHtml, SaveHtmlWritesTheOutputEncodingAskedFor) {
  TempDir dir;
  // The input is read as Windows-1251; the pages are written as asked, whatever it was.
  const CliRun run = RunCli({"save-html", "--output-encoding", "utf-8", dir.path() + "/index.htm"},
                            "\xc8\xed\xf2\xf0\xee<h1>\xc3\xeb\xe0\xe2\xe0 1</h1>5 \xe3\xf0\xed");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(dir.Read("0.htm"),
            "<HTML><Head><meta charset=\"utf-8\"><Title></Title></Head><Body>\r\n<H1></H1>\r\nИнтро\r\n"
            "</Body></HTML>");
  EXPECT_EQ(dir.Read("glava-1.htm"),
            "<HTML><Head><meta charset=\"utf-8\"><Title>Глава 1</Title></Head><Body>\r\n<H1>Глава 1</H1>\r\n"
            "5 грн\r\n</Body></HTML>");
  EXPECT_EQ(dir.Read("index.htm"),
            "<HTML><Head><meta charset=\"utf-8\"><Title>Содержание</Title></Head><Body>\r\n"
            "<a href=\"glava-1.htm\">Глава 1</a><br>\r\n\r\n</Body></HTML>");
}

TEST(CliHtml, SaveHtmlReadsTheFileAfterTheIndex) {
  TempDir dir;
  const std::string input = dir.Write("input.txt", "<H1>Ёжик</H1>x");
  const CliRun run = RunCli({"save-html", dir.path() + "/index.htm", input});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(dir.Read("jozhik.htm"),
            "<HTML><Head><meta charset=\"windows-1251\"><Title>\xa8\xe6\xe8\xea</Title></Head><Body>\r\n"
            "<H1>\xa8\xe6\xe8\xea</H1>\r\nx\r\n</Body></HTML>");
}

TEST(CliHtml, SaveHtmlReportsTheFilesItCouldNotWrite) {
  TempDir dir;
  const std::string missing = dir.path() + "/missing";
  const CliRun run = RunCli({"save-html", missing + "/index.htm"}, "a<h1>B</h1>c");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  // The pages are named as the system joins a folder and a file name ("\\" on Windows).
  const auto page = [&](const char* name) { return (std::filesystem::path(missing) / name).string(); };
  EXPECT_NE(run.err.find("Unable to write to " + page("0.htm") + ", " + page("b.htm") + " (the index " +
                         missing + "/index.htm was not written)"),
            std::string::npos)
      << run.err;
}

TEST(CliHtml, SaveHtmlNeedsItsIndex) {
  const CliRun run = RunCli({"save-html"}, "text");
  EXPECT_EQ(run.exitCode, 2);
}

}  // namespace
}  // namespace skorlin::cli::testing
