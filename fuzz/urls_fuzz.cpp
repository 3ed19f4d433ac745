// The URL menu on any view text and any clipboard text: each command changes only the
// lines it should, in the way it should, and keeps the number of lines.
// Byte 0: the command and how the texts are read; byte 1: where the input splits into
// the view's text and the clipboard's text.
#include <cstddef>
#include <cstdint>

#include "fuzz_input.h"
#include "text/line_list.h"
#include "text/toolkit.h"
#include "urls/cut_urls.h"
#include "urls/http_prefix.h"
#include "urls/insert_links.h"
#include "urls/keep_urls.h"
#include "urls/url_chars.h"

namespace {

using namespace skorlin;
using text::Lines;
using text::Text;
using text::TextView;

bool IsBlankLine(TextView line) {
  for (const text::Char c : line)
    if (!text::IsBlank(c)) return false;
  return true;
}

bool StartsWithHttpAnyCase(TextView line) {
  return line.size() >= 7 && text::FindStrNoCase(U"http://", line.substr(0, 7), 1) == 1;
}

// The URL tokens the plain way: cut the text at every character outside the set.
Lines LiteralUrls(TextView s) {
  Lines urls;
  Text token;
  s = s.substr(0, s.find(U'\0'));
  for (std::size_t i = 0; i <= s.size(); ++i) {
    if (i < s.size() && urls::UrlCharSet.Contains(s[i])) {
      token.push_back(s[i]);
      continue;
    }
    if (token.starts_with(U"http://") || token.starts_with(U"mail://") || token.starts_with(U"ftp://"))
      urls.push_back(token);
    token.clear();
  }
  return urls;
}

void CheckLinks(const urls::UrlResult& r, const Lines& view, const Lines& clipboard, bool addressFromView) {
  if (clipboard.empty()) {
    FUZZ_CHECK(!r.done && !r.changed && r.text == text::JoinLines(view));
    return;
  }
  const Lines after = text::SplitLines(r.text);
  FUZZ_CHECK(after.size() == view.size());
  std::size_t k = 0;
  for (std::size_t i = 0; i < view.size(); ++i) {
    if (IsBlankLine(view[i])) {
      FUZZ_CHECK(after[i] == view[i]);
      continue;
    }
    const Text& other = clipboard[k++ % clipboard.size()];
    const Text& address = addressFromView ? view[i] : other;
    const Text& caption = addressFromView ? other : view[i];
    FUZZ_CHECK(after[i] == U"<a href=\"" + address + U"\">" + caption + U"</a>");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzInput in(data, size);
  const std::uint8_t mode = in.Byte();
  const std::size_t split = in.Byte();
  const std::string_view rest = in.Rest();
  const std::size_t at = rest.size() * split / 256;
  const Text viewText = fuzzing::TextOf(rest.substr(0, at), (mode & 0x80) != 0);
  const Text clipboardText = fuzzing::TextOf(rest.substr(at), (mode & 0x80) != 0);
  const Lines view = text::SplitLines(viewText);

  switch (mode % 8) {
    case 0:
      CheckLinks(urls::InsertUrls(viewText, clipboardText), view, text::SplitLines(clipboardText), false);
      break;
    case 1:
      CheckLinks(urls::InsertAnchors(viewText, clipboardText), view, text::SplitLines(clipboardText), true);
      break;
    case 2: {
      const urls::UrlResult r = urls::KeepUrls(viewText);
      const Lines expected = LiteralUrls(viewText);
      FUZZ_CHECK(urls::FindUrls(viewText.substr(0, viewText.find(U'\0'))) == expected);
      if (expected.empty()) {
        FUZZ_CHECK(!r.done && !r.changed && r.text == text::JoinLines(view));
      } else {
        FUZZ_CHECK(r.done && r.changed && r.text == text::JoinLines(expected));
        FUZZ_CHECK(r.counter == static_cast<int>(expected.size()));
      }
      break;
    }
    case 3:
    case 4:
    case 5: {
      const urls::UrlResult r = mode % 8 == 3   ? urls::KeepDomain(viewText)
                                : mode % 8 == 4 ? urls::KeepDomainWithFolder(viewText)
                                                : urls::KeepFileName(viewText);
      const Lines after = text::SplitLines(r.text);
      FUZZ_CHECK(after.size() == view.size());
      int changed = 0;
      for (std::size_t i = 0; i < view.size(); ++i) {
        // A line is only ever cut: the domain and folder keep its start, the file name its end.
        if (mode % 8 == 5) {
          FUZZ_CHECK(view[i].ends_with(after[i]));
        } else {
          FUZZ_CHECK(view[i].starts_with(after[i]));
        }
        if (after[i] != view[i]) ++changed;
      }
      FUZZ_CHECK(r.counter == changed && r.changed == (changed > 0));
      break;
    }
    default: {
      const urls::UrlResult added = urls::AddHttp(viewText);
      const Lines withPrefix = text::SplitLines(added.text);
      FUZZ_CHECK(withPrefix.size() == view.size());
      for (std::size_t i = 0; i < view.size(); ++i) {
        FUZZ_CHECK(withPrefix[i] == view[i] || withPrefix[i] == U"http://" + view[i]);
        FUZZ_CHECK(urls::IsHttpAddress(withPrefix[i]));
      }
      const urls::UrlResult removed = urls::RemoveHttp(added.text);
      const Lines without = text::SplitLines(removed.text);
      FUZZ_CHECK(without.size() == view.size());
      for (std::size_t i = 0; i < view.size(); ++i) {
        // Whatever the prefix added comes off again; a prefix the line had comes off too.
        if (withPrefix[i] != view[i]) FUZZ_CHECK(without[i] == view[i]);
        if (StartsWithHttpAnyCase(view[i])) FUZZ_CHECK(without[i] == view[i].substr(7));
      }
      break;
    }
  }
  return 0;
}
