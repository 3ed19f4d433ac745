#include "urls/cut_urls.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "text/text.h"

namespace skorlin::urls {
namespace {

using text::Text;

struct CutCase {
  Text line;
  Text expected;
};

Text Cut(bool (*cut)(Text&), Text line) {
  const Text before = line;
  const bool changed = cut(line);
  EXPECT_EQ(changed, line != before) << text::ToUtf8(before);
  return line;
}

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

// The three cuts as the rules state them, with 1-based positions; the searches are
// written here without the toolkit.
std::size_t Slash(const Text& s, std::size_t start) {
  if (start == 0) start = 1;
  const std::size_t index = s.find(U'/', start - 1);
  return index == Text::npos ? 0 : index + 1;
}
std::size_t LastSlashOf(const Text& s) {
  const std::size_t index = s.rfind(U'/');
  return index == Text::npos ? 0 : index + 1;
}
bool HasHttp(const Text& s) {
  Text lower = s;
  for (text::Char& c : lower) {
    if (c >= U'A' && c <= U'Z') c += 32;
  }
  return lower.find(U"http:") != Text::npos;
}
Text LiteralDomain(const Text& line) {
  std::size_t cut;
  if (HasHttp(line)) {
    const std::size_t s1 = Slash(line, 1);
    const std::size_t s2 = Slash(line, s1 + 1);
    cut = Slash(line, s2 + 1);
  } else {
    cut = Slash(line, 1);
  }
  return cut > 0 ? line.substr(0, cut - 1) : line;
}
Text LiteralFolder(const Text& line) {
  const std::size_t last = LastSlashOf(line);
  const bool http = HasHttp(line);
  const std::size_t second = http ? Slash(line, Slash(line, 1) + 1) : 0;
  if (last > 0 && !(http && last == second)) return line.substr(0, last - 1);
  return line;
}
Text LiteralFileName(const Text& line) {
  const std::size_t last = LastSlashOf(line);
  if (HasHttp(line)) {
    const std::size_t second = Slash(line, Slash(line, 1) + 1);
    return last == second ? Text() : line.substr(last);
  }
  return last > 0 ? line.substr(last) : line;
}

TEST(CutUrlsTest, AgreesWithTheLiteralRulesOnGeneratedLines) {
  const Text pieces[] = {U"http:", U"HTTP:", U"/", U"//", U"h", U"x", U".", U"ф", U"₽", U" "};
  std::mt19937 random(7);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
  std::uniform_int_distribution<int> length(0, 8);
  for (int round = 0; round < 20000; ++round) {
    Text line;
    for (int i = length(random); i > 0; --i) line += pieces[pick(random)];
    const std::string shown = text::ToUtf8(line);
    ASSERT_EQ(text::ToUtf8(Cut(CutToDomain, line)), text::ToUtf8(LiteralDomain(line))) << shown;
    ASSERT_EQ(text::ToUtf8(Cut(CutToFolder, line)), text::ToUtf8(LiteralFolder(line))) << shown;
    ASSERT_EQ(text::ToUtf8(Cut(CutToFileName, line)), text::ToUtf8(LiteralFileName(line))) << shown;
  }
}

TEST(CutUrlsTest, CommandsVisitEveryLineAndCountTheChangedOnes) {
  struct Case {
    const char* name;
    UrlResult (*command)(text::TextView);
    Text view;
    Text expected;
    int counter;
  };
  const Case cases[] = {
      {"domain", KeepDomain, U"http://h/a\nhost\r\nh/b\r", U"http://h\r\nhost\r\nh\r\n", 2},
      {"folder", KeepDomainWithFolder, U"http://h/a/b\n\nhttp://h", U"http://h/a\r\n\r\nhttp://h\r\n", 1},
      {"file name", KeepFileName, U"http://h\nreadme\nd/f", U"\r\nreadme\r\nf\r\n", 2},
      {"empty view", KeepDomain, U"", U"", 0},
  };
  for (const Case& c : cases) {
    const UrlResult result = c.command(c.view);
    EXPECT_EQ(text::ToUtf8(result.text), text::ToUtf8(c.expected)) << c.name;
    EXPECT_EQ(result.counter, c.counter) << c.name;
    EXPECT_EQ(result.changed, c.counter > 0) << c.name;
    EXPECT_TRUE(result.done) << c.name;
    EXPECT_EQ(result.caption, "Готово.") << c.name;
  }
}

}  // namespace
}  // namespace skorlin::urls
