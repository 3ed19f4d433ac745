// SPDX-License-Identifier: GPL-3.0-or-later
#include "urls/cut_urls.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "text/command_result.h"
#include "text/text.h"
#include "urls/line_change.h"

namespace skorlin::urls {
namespace {

using text::Text;

struct CutCase {
  Text line;
  Text expected;
};

Text Cut(bool (*cut)(std::string&), const Text& line) { return ApplyLineChange(cut, line); }

TEST(CutToDomainTest, CutsBeforeTheSlashThatEndsTheDomain) {
  const CutCase cases[] = {
      {U"http://host/dir/page.html", U"http://host"},
      {U"HTTP://Host/a", U"HTTP://Host"},
      {U"http://host", U"http://host"},
      {U"http://host/", U"http://host"},
      {U"http:/x", U"http:"},  // one slash: the searches start over and find it
      {U"http:x", U"http:x"},
      {U"host/dir/page.html", U"host"},
      {U"/lead", U""},
      {U"host", U"host"},
      {U"", U""},
      {U"ftp://host/a", U"ftp:"},  // not an http address: cut at the first slash
      {U"см. http://хост/путь", U"см. http://хост"},
      {U"a/b http:", U"a"},  // "http:" anywhere makes it an http address; third slash absent
      {U"a/b/c/d http:", U"a/b/c"},
  };
  for (const CutCase& c : cases) {
    EXPECT_EQ(text::ToUtf8(Cut(CutToDomain, c.line)), text::ToUtf8(c.expected)) << text::ToUtf8(c.line);
  }
}

TEST(CutToFolderTest, CutsBeforeTheLastSlashButNotTheSchemeSlash) {
  const CutCase cases[] = {
      {U"http://host/dir/page.html", U"http://host/dir"},
      {U"http://host/", U"http://host"},
      {U"http://host", U"http://host"},
      {U"host/dir/page.html", U"host/dir"},
      {U"http:/x", U"http:"},
      {U"ftp://host", U"ftp:/"},
      {U"host", U"host"},
      {U"", U""},
      {U"/", U""},
      {U"a/b http:", U"a"},
  };
  for (const CutCase& c : cases) {
    EXPECT_EQ(text::ToUtf8(Cut(CutToFolder, c.line)), text::ToUtf8(c.expected)) << text::ToUtf8(c.line);
  }
}

TEST(CutToFileNameTest, KeepsWhatFollowsTheLastSlash) {
  const CutCase cases[] = {
      {U"http://host/dir/page.html", U"page.html"},
      {U"http://host", U""},
      {U"http://host/", U""},
      {U"HTTP:", U""},  // an http address without any slash
      {U"http:/x", U"x"},
      {U"dir/file.txt", U"file.txt"},
      {U"dir/", U""},
      {U"readme", U"readme"},
      {U"", U""},
      {U"ftp://host", U"host"},
      {U"ftp://", U""},
  };
  for (const CutCase& c : cases) {
    EXPECT_EQ(text::ToUtf8(Cut(CutToFileName, c.line)), text::ToUtf8(c.expected)) << text::ToUtf8(c.line);
  }
}

TEST(CutUrlsTest, CommandsVisitEveryLineAndCountTheChangedOnes) {
  struct Case {
    const char* name;
    text::CommandResult (*command)(std::string_view);
    Text view;
    Text expected;
    int counter;
  };
  const Case cases[] = {
      {"domain", KeepDomain, U"http://h/a\nhost\r\nh/b\r", U"http://h\r\nhost\r\nh\r\n", 2},
      {"folder", KeepDomainWithFolder, U"http://h/a/b\n\nhttp://h", U"http://h/a\r\n\r\nhttp://h\r\n", 1},
      {"file name", KeepFileName, U"http://h\nreadme\nd/f", U"\r\nreadme\r\nf\r\n", 2},
      {"empty view", KeepDomain, U"", U"", 0},
      {"characters of every length beside the slashes", KeepDomain, U"😀/ж\r\nhttp://хост/😀",
       U"😀\r\nhttp://хост\r\n", 2},
      {"a line of one four-byte character", KeepFileName, U"😀", U"😀\r\n", 0},
  };
  for (const Case& c : cases) {
    const text::CommandResult result = c.command(text::ToUtf8(c.view));
    EXPECT_EQ(result.text, text::ToUtf8(c.expected)) << c.name;
    EXPECT_EQ(result.counter, c.counter) << c.name;
    EXPECT_EQ(result.changed, c.counter > 0) << c.name;
    EXPECT_EQ(result.outcome, text::Outcome::kDone) << c.name;
    EXPECT_EQ(result.caption, "Готово.") << c.name;
  }
}

}  // namespace
}  // namespace skorlin::urls
