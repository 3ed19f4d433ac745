// SPDX-License-Identifier: GPL-3.0-or-later
// Saving as HTML into a real folder: where the files land, their bytes, and what
// happens when some of them cannot be written.
#include "html/save_html.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "html/html_site.h"
#include "html_test_util.h"
#include "temp_folder.h"
#include "text/encoding.h"

namespace skorlin::html {
namespace {

namespace fs = std::filesystem;
using testing::T;

class SaveHtmlTest : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = skorlin::testing::MakeTempFolder("skorlin-html-"); }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  std::string Read(const fs::path& path) const {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  std::set<std::string> Files(const fs::path& folder) const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
  }

  fs::path dir_;
};

TEST_F(SaveHtmlTest, WritesEveryPageBesideTheIndexInTheEncodingItDeclares) {
  const struct {
    text::Encoding encoding;
    std::string declaration;
    std::string glava;  // "Глава" in the bytes of the files
  } cases[] = {
      {text::Encoding::Cp1251, "<meta charset=\"windows-1251\">", "\xc3\xeb\xe0\xe2\xe0"},
      {text::Encoding::Utf8, "<meta charset=\"utf-8\">", "Глава"},
      // a page cannot declare UTF-16: its pages are UTF-8
      {text::Encoding::Utf16LE, "<meta charset=\"utf-8\">", "Глава"},
  };
  const text::Text source = T("Intro<h1>Глава 1</h1>Text<h1>a/b</h1>c");
  for (const auto& c : cases) {
    const std::string name(text::EncodingName(c.encoding));
    const fs::path folder = dir_ / name;
    fs::create_directory(folder);
    SaveHtml(source, folder / "index.htm", c.encoding);

    EXPECT_EQ(Files(folder), (std::set<std::string>{"0.htm", "glava-1.htm", "a-b.htm", "index.htm"})) << name;
    const HtmlSite site = BuildHtmlSite(source, HtmlCharset(c.encoding));
    for (const HtmlPage& page : site.pages) {
      const std::string bytes = Read(folder / text::ToUtf8(page.fileName));
      EXPECT_EQ(bytes, EncodeHtmlFile(page.html, c.encoding)) << name << " " << text::ToUtf8(page.fileName);
      EXPECT_EQ(bytes.find("<HTML><Head>" + c.declaration + "<Title>"), 0u) << name;
    }
    const std::string index = Read(folder / "index.htm");
    EXPECT_EQ(index, EncodeHtmlFile(site.index, c.encoding)) << name;
    EXPECT_EQ(index.find("<HTML><Head>" + c.declaration + "<Title>"), 0u) << name;
    EXPECT_NE(index.find("<a href=\"glava-1.htm\">" + c.glava + " 1</a>"), std::string::npos) << name;
  }
  EXPECT_EQ(Files(dir_), (std::set<std::string>{"cp1251", "utf-8", "utf-16le"}));
}

TEST_F(SaveHtmlTest, TheIndexNeverReplacesAPage) {
  SaveHtml(T("<h1>Index</h1>text"), dir_ / "index.htm");
  EXPECT_EQ(Files(dir_), (std::set<std::string>{"0.htm", "index-1.htm", "index.htm"}));
  EXPECT_EQ(Read(dir_ / "index-1.htm"), text::EncodeCp1251(PageHtml(U"Index", U"text", U"windows-1251")));
}

TEST_F(SaveHtmlTest, ReplacesExistingFilesWhole) {
  std::ofstream(dir_ / "0.htm") << "an old page that is much longer than the new one";
  std::ofstream(dir_ / "index.htm") << "old index";
  SaveHtml(T("new"), dir_ / "index.htm");
  EXPECT_EQ(Read(dir_ / "0.htm"), text::EncodeCp1251(PageHtml(U"", U"new", U"windows-1251")));
  EXPECT_EQ(Read(dir_ / "index.htm"), text::EncodeCp1251(IndexHtml(U"", U"windows-1251")));
  EXPECT_EQ(Files(dir_), (std::set<std::string>{"0.htm", "index.htm"}));
}

TEST_F(SaveHtmlTest, KeepsCharactersWindows1251CannotHoldAsReferences) {
  SaveHtml(T("Цена 5 ₽ 😀<h1>₽</h1>x"), dir_ / "index.htm");
  const text::TextView charset = U"windows-1251";
  EXPECT_EQ(Read(dir_ / "0.htm"), text::EncodeCp1251(PageHtml(U"", T("Цена 5 &#8381; &#128512;"), charset)));
  // The sign cannot stay in a link: the page is "-.htm", and its title a reference.
  EXPECT_EQ(Read(dir_ / "-.htm"), text::EncodeCp1251(PageHtml(T("&#8381;"), U"x", charset)));
  EXPECT_EQ(Read(dir_ / "index.htm"),
            text::EncodeCp1251(IndexHtml(IndexLinkHtml(T("-.htm"), T("&#8381;")), charset)));

  // UTF-8 holds every character: nothing becomes a reference.
  EXPECT_EQ(EncodeHtmlFile(T("ё₽"), text::Encoding::Utf8), "ё₽");
  EXPECT_EQ(EncodeHtmlFile(T("ё₽"), text::Encoding::Cp1251), "\xb8&#8381;");
}

TEST_F(SaveHtmlTest, WritesThePagesItCanAndNoIndexThatWouldLinkToAMissingOne) {
  {
    std::ofstream old(dir_ / "index.htm", std::ios::binary);
    old << "old index";
  }
  fs::create_directory(dir_ / "glava-1.htm");  // a folder where a page should go
  try {
    SaveHtml(T("Intro<h1>Глава 1</h1>Text<h1>Глава 2</h1>More"), dir_ / "index.htm");
    FAIL() << "no error reported";
  } catch (const SaveHtmlError& error) {
    const std::string page = (dir_ / "glava-1.htm").string();
    const std::string index = (dir_ / "index.htm").string();
    EXPECT_EQ(error.FailedFiles(), std::vector<std::string>{page});
    EXPECT_EQ(error.SkippedIndex(), index);
    EXPECT_EQ(std::string(error.what()),
              "Unable to write to " + page + " (the index " + index + " was not written)");
  }
  EXPECT_TRUE(fs::is_directory(dir_ / "glava-1.htm"));
  EXPECT_EQ(Files(dir_), (std::set<std::string>{"0.htm", "glava-1.htm", "glava-2.htm", "index.htm"}));
  EXPECT_EQ(Read(dir_ / "glava-2.htm"),
            text::EncodeCp1251(PageHtml(T("Глава 2"), T("More"), U"windows-1251")));
  EXPECT_EQ(Read(dir_ / "index.htm"), "old index");
}

TEST_F(SaveHtmlTest, AnIndexThatCannotBeWrittenIsNamedAlone) {
  fs::create_directory(dir_ / "index.htm");
  try {
    SaveHtml(T("a<h1>B</h1>c"), dir_ / "index.htm");
    FAIL() << "no error reported";
  } catch (const SaveHtmlError& error) {
    EXPECT_EQ(error.FailedFiles(), std::vector<std::string>{(dir_ / "index.htm").string()});
    EXPECT_EQ(error.SkippedIndex(), "");
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + (dir_ / "index.htm").string());
  }
  EXPECT_EQ(Read(dir_ / "b.htm"), text::EncodeCp1251(PageHtml(T("B"), T("c"), U"windows-1251")));
}

TEST_F(SaveHtmlTest, AMissingFolderFailsForEveryFile) {
  const fs::path folder = dir_ / "missing";
  try {
    SaveHtml(T("a<h1>B</h1>c"), folder / "index.htm");
    FAIL() << "no error reported";
  } catch (const SaveHtmlError& error) {
    EXPECT_EQ(error.FailedFiles(),
              (std::vector<std::string>{(folder / "0.htm").string(), (folder / "b.htm").string()}));
    EXPECT_EQ(error.SkippedIndex(), (folder / "index.htm").string());
  }
  EXPECT_FALSE(fs::exists(folder));
}

}  // namespace
}  // namespace skorlin::html
