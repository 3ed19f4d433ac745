#include "urls/line_frame.h"

#include <gtest/gtest.h>

#include <random>

#include "text/line_list.h"
#include "urls/cut_urls.h"
#include "urls/http_prefix.h"

namespace skorlin::urls {
namespace {

using text::Text;

// The frame as the commands are defined: split the view into lines, change each, join.
template <typename ChangeLine>
UrlResult LiteralChangeEachLine(text::TextView viewText, ChangeLine change) {
  text::Lines lines = text::SplitLines(viewText);
  UrlResult result;
  for (Text& line : lines) {
    if (change(line)) ++result.counter;
  }
  result.text = text::JoinLines(lines);
  result.changed = result.counter > 0;
  result.caption = kDoneCaption;
  return result;
}

// Texts built from pieces that matter to the frame and to the cutting rules: every kind of
// line break (LF CR being two), a NUL, empty lines, slashes, http: in both cases.
Text RandomView(std::mt19937& random) {
  static const Text pieces[] = {U"\r\n",  U"\n",   U"\r", U"\n\r", U"",     U"/",           U"http://",
                                U"HTTP:", U"host", U"ж",  U"a/b/", U" \t ", Text(1, U'\0'), U"x.ru"};
  std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1);
  std::uniform_int_distribution<int> count(0, 24);
  Text view;
  for (int n = count(random); n > 0; --n) view += pieces[piece(random)];
  return view;
}

TEST(ChangeEachLineTest, GivesWhatSplittingChangingAndJoiningGives) {
  bool (*const changes[])(Text&) = {CutToDomain, CutToFolder, CutToFileName, AddHttpPrefix, RemoveHttpPrefix};
  std::mt19937 random(2026);
  for (int round = 0; round < 3000; ++round) {
    const Text view = RandomView(random);
    for (auto change : changes) {
      const UrlResult fast = ChangeEachLine(view, change);
      const UrlResult literal = LiteralChangeEachLine(view, change);
      ASSERT_EQ(fast.text, literal.text) << text::ToUtf8(view);
      ASSERT_EQ(fast.counter, literal.counter) << text::ToUtf8(view);
      ASSERT_EQ(fast.changed, literal.changed) << text::ToUtf8(view);
    }
  }
}

}  // namespace
}  // namespace skorlin::urls
