// Saving as HTML into a real folder: where the files land, their bytes, and what
// happens when some of them cannot be written.
#include "html/save_html.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "html/html_site.h"
#include "html_test_util.h"
#include "text/encoding.h"

namespace skorlin::html {
namespace {

namespace fs = std::filesystem;
using testing::T;

class SaveHtmlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "skorlin-html-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
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

TEST_F(SaveHtmlTest, WritesEveryPageBesideTheIndex) {
  const fs::path folder = dir_ / "site";
  fs::create_directory(folder);
  const text::Text source = T("Intro<h1>Глава 1</h1>Text<h1>a/b</h1>c");
  SaveHtml(source, folder / "index.htm");

  EXPECT_EQ(Files(folder), (std::set<std::string>{"0.htm", "glava-1.htm", "a-b.htm", "index.htm"}));
  EXPECT_EQ(Files(dir_), (std::set<std::string>{"site"}));
  const HtmlSite site = BuildHtmlSite(source);
  for (const HtmlPage& page : site.pages) {
    EXPECT_EQ(Read(folder / text::ToUtf8(page.fileName)), text::EncodeCp1251(page.html))
        << text::ToUtf8(page.fileName);
  }
  EXPECT_EQ(Read(folder / "index.htm"), text::EncodeCp1251(site.index));
}

TEST_F(SaveHtmlTest, TheIndexNeverReplacesAPage) {
  SaveHtml(T("<h1>Index</h1>text"), dir_ / "index.htm");
  EXPECT_EQ(Files(dir_), (std::set<std::string>{"0.htm", "index-1.htm", "index.htm"}));
  EXPECT_EQ(Read(dir_ / "index-1.htm"), text::EncodeCp1251(PageHtml(U"Index", U"text")));
}

TEST_F(SaveHtmlTest, ReplacesExistingFilesWhole) {
  std::ofstream(dir_ / "0.htm") << "an old page that is much longer than the new one";
  std::ofstream(dir_ / "index.htm") << "old index";
  SaveHtml(T("new"), dir_ / "index.htm");
  EXPECT_EQ(Read(dir_ / "0.htm"), text::EncodeCp1251(PageHtml(U"", U"new")));
  EXPECT_EQ(Read(dir_ / "index.htm"), text::EncodeCp1251(IndexHtml(U"")));
  EXPECT_EQ(Files(dir_), (std::set<std::string>{"0.htm", "index.htm"}));
}

TEST_F(SaveHtmlTest, KeepsCharactersWindows1251CannotHoldAsReferences) {
  SaveHtml(T("Цена 5 ₽ 😀<h1>₽</h1>x"), dir_ / "index.htm");
  EXPECT_EQ(Read(dir_ / "0.htm"), text::EncodeCp1251(PageHtml(U"", T("Цена 5 &#8381; &#128512;"))));
  // The heading keeps its sign in the name of its file, and is a reference in the text.
  EXPECT_EQ(Read(dir_ / "₽.htm"), text::EncodeCp1251(PageHtml(T("&#8381;"), U"x")));
  EXPECT_EQ(Read(dir_ / "index.htm"),
            text::EncodeCp1251(IndexHtml(IndexLinkHtml(T("&#8381;.htm"), T("&#8381;")))));

  EXPECT_EQ(EncodeHtmlFile(T("ё₽"), text::Encoding::Utf8), "ё&#8381;");
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
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + page + " (the index " + index + " was not written)");
  }
  EXPECT_TRUE(fs::is_directory(dir_ / "glava-1.htm"));
  EXPECT_EQ(Files(dir_), (std::set<std::string>{"0.htm", "glava-1.htm", "glava-2.htm", "index.htm"}));
  EXPECT_EQ(Read(dir_ / "glava-2.htm"), text::EncodeCp1251(PageHtml(T("Глава 2"), T("More"))));
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
  EXPECT_EQ(Read(dir_ / "b.htm"), text::EncodeCp1251(PageHtml(T("B"), T("c"))));
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
