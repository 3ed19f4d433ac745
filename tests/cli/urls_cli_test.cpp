// SPDX-License-Identifier: GPL-3.0-or-later
// The URL commands through skorlin-cli: results, captions and exit codes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/run_cli.h"

namespace skorlin::cli::testing {
namespace {

TEST(CliUrls, LineCommandsGiveTheirResultAndSayDone) {
  struct Case {
    const char* command;
    std::string input;
    std::string expected;
  } cases[] = {
      {"keep-domain", "http://host/dir/page.html\nhost/dir/page.html\nhttp://host\n",
       "http://host\nhost\nhttp://host\n"},
      {"keep-domain", "HTTP://Host/a\nhttp:/x\n", "HTTP://Host\nhttp:\n"},
      {"keep-folder", "http://host/dir/page.html\nhttp://host/\nhttp://host\nhost/dir/page.html\n",
       "http://host/dir\nhttp://host\nhttp://host\nhost/dir\n"},
      {"keep-filename", "http://host/dir/page.html\nhttp://host\nhttp://host/\ndir/file.txt\nreadme\n",
       "page.html\n\n\nfile.txt\nreadme\n"},
      {"add-http", "\nHttp://host\nhost\n", "http://\nHttp://host\nhttp://host\n"},
      {"remove-http", "http://host\nHTTP://HOST\nftp://host\n", "host\nHOST\nftp://host\n"},
      // Only a leading http:// goes: the text around an address further on stays whole.
      {"remove-http", "см. http://host\r\nhttp://a\r\n", "см. http://host\r\na\r\n"},
      {"keep-urls", "см. http://host1/x?id=1, ftp://host2 и https://host3\n",
       "http://host1/x\nftp://host2\n"},
      {"keep-domain", "", ""},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli({c.command}, c.input);
    EXPECT_EQ(run.exitCode, 0) << c.command << ": " << c.input;
    EXPECT_EQ(run.out, c.expected) << c.command << ": " << c.input;
    EXPECT_EQ(run.err, "Готово.\n") << c.command;
  }
}

TEST(CliUrls, KeepUrlsWithNothingFoundKeepsTheTextAndFails) {
  const CliRun run = RunCli({"keep-urls"}, "host/page https://x\nHTTP://y\n");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "host/page https://x\nHTTP://y\n");
  EXPECT_EQ(run.err, "URLs не найдены\n");
}

TEST(CliUrls, InsertCommandsTakeTheClipboardFromAFile) {
  TempDir dir;
  struct Case {
    const char* command;
    std::string clipboard;
    std::string input;
    std::string expected;
  } cases[] = {
      {"insert-urls", "u1\r\nu2\r\n", "A\n\nB\nC\n",
       "<a href=\"u1\">A</a>\n\n<a href=\"u2\">B</a>\n<a href=\"u1\">C</a>\n"},
      {"insert-urls", "u1", "   \nA\n", "   \n<a href=\"u1\">A</a>\n"},
      {"insert-anchors", "Текст\n", "http://host/a\nhttp://host/b\n",
       "<a href=\"http://host/a\">Текст</a>\n<a href=\"http://host/b\">Текст</a>\n"},
      // The clipboard file is read as any input is: Windows-1251 when it is not UTF-8.
      {"insert-anchors", "\xD2\xE5\xEA\xF1\xF2", "http://h\n", "<a href=\"http://h\">Текст</a>\n"},
  };
  for (const Case& c : cases) {
    const std::string clipboard = dir.Write("clipboard.txt", c.clipboard);
    const CliRun run = RunCli({c.command, "--clipboard", clipboard}, c.input);
    EXPECT_EQ(run.exitCode, 0) << c.command << ": " << c.input;
    EXPECT_EQ(run.out, c.expected) << c.command << ": " << c.input;
    EXPECT_EQ(run.err, "Готово.\n") << c.command;
  }
}

TEST(CliUrls, InsertCommandsWithAnEmptyClipboardKeepTheText) {
  TempDir dir;
  const std::string clipboard = dir.Write("empty.txt", "");
  for (const char* command : {"insert-urls", "insert-anchors"}) {
    const CliRun run = RunCli({command, "--clipboard", clipboard}, "A\n\nB\n");
    EXPECT_EQ(run.exitCode, 1) << command;
    EXPECT_EQ(run.out, "A\n\nB\n") << command;
    EXPECT_EQ(run.err, "Буфер обмена пуст\n") << command;
  }
}

TEST(CliUrls, InsertCommandsReportAMissingClipboardFile) {
  TempDir dir;
  const std::string missing = dir.path() + "/missing.txt";
  const CliRun run = RunCli({"insert-urls", "--clipboard", missing}, "A\n");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.out.empty());
  EXPECT_NE(run.err.find("Cannot open file " + missing), std::string::npos) << run.err;
}

}  // namespace
}  // namespace skorlin::cli::testing
