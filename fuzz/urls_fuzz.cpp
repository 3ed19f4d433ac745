// SPDX-License-Identifier: GPL-3.0-or-later
// The URL menu on any view text and any clipboard text: each command changes only the
// lines it should, in the way it should, and keeps the number of lines.
// Byte 0: the command and how the texts are read; byte 1: where the input splits into
// the view's text and the clipboard's text.
#include <cstddef>
#include <cstdint>

#include "fuzz_input.h"
#include "text/line_list.h"
#include "text/toolkit.h"
#include "text/utf8.h"
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
    if (i < s.size() && s[i] < 128 && urls::UrlCharSet.Contains(static_cast<char>(s[i]))) {
      token.push_back(s[i]);
      continue;
    }
    if (token.starts_with(U"http://") || token.starts_with(U"mail://") || token.starts_with(U"ftp://"))
      urls.push_back(token);
    token.clear();
  }
  return urls;
}

// The lines of a result, as characters.
Lines LinesOf(const text::CommandResult& r) { return text::SplitLines(text::DecodeUtf8(r.text)); }

void CheckLinks(const text::CommandResult& r, const Lines& view, const Lines& clipboard,
                bool addressFromView) {
  if (clipboard.empty()) {
    FUZZ_CHECK(r.outcome == text::Outcome::kNothingToDo && !r.changed &&
               r.text == text::ToUtf8(text::JoinLines(view)));
    return;
  }
  const Lines after = LinesOf(r);
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
  // The commands take UTF-8 and are checked on the characters.
  const std::string viewUtf8 = fuzzing::Utf8Of(rest.substr(0, at), (mode & 0x80) != 0);
  const std::string clipboardUtf8 = fuzzing::Utf8Of(rest.substr(at), (mode & 0x80) != 0);
  const Text viewText = text::DecodeUtf8(viewUtf8);
  const Text clipboardText = text::DecodeUtf8(clipboardUtf8);
  const Lines view = text::SplitLines(viewText);

  switch (mode % 8) {
    case 0:
      CheckLinks(urls::InsertUrls(viewUtf8, clipboardUtf8), view, text::SplitLines(clipboardText), false);
      break;
    case 1:
      CheckLinks(urls::InsertAnchors(viewUtf8, clipboardUtf8), view, text::SplitLines(clipboardText), true);
      break;
    case 2: {
      const text::CommandResult r = Joined(urls::KeepUrls(viewUtf8));
      const Lines expected = LiteralUrls(viewText);
      FUZZ_CHECK(text::JoinLines(urls::FindUrls(viewUtf8.substr(0, viewUtf8.find('\0')))) ==
                 text::ToUtf8(text::JoinLines(expected)));
      if (expected.empty()) {
        FUZZ_CHECK(r.outcome == text::Outcome::kNothingToDo && !r.changed &&
                   r.text == text::ToUtf8(text::JoinLines(view)));
      } else {
        FUZZ_CHECK(r.outcome == text::Outcome::kDone && r.text == text::ToUtf8(text::JoinLines(expected)));
        FUZZ_CHECK(r.counter == static_cast<long>(expected.size()));
      }
      break;
    }
    case 3:
    case 4:
    case 5: {
      const text::CommandResult r = mode % 8 == 3   ? urls::KeepDomain(viewUtf8)
                                    : mode % 8 == 4 ? urls::KeepDomainWithFolder(viewUtf8)
                                                    : urls::KeepFileName(viewUtf8);
      const Lines after = LinesOf(r);
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
      FUZZ_CHECK(r.counter == changed);
      // In a view's own text (CR LF after every line) a changed line is a changed view.
      const std::string whole = text::WholeText(viewUtf8);
      FUZZ_CHECK((mode % 8 == 3   ? urls::KeepDomain(whole)
                  : mode % 8 == 4 ? urls::KeepDomainWithFolder(whole)
                                  : urls::KeepFileName(whole))
                     .changed == (changed > 0));
      break;
    }
    default: {
      const text::CommandResult added = urls::AddHttp(viewUtf8);
      const Lines withPrefix = LinesOf(added);
      FUZZ_CHECK(withPrefix.size() == view.size());
      for (std::size_t i = 0; i < view.size(); ++i) {
        FUZZ_CHECK(withPrefix[i] == view[i] || withPrefix[i] == U"http://" + view[i]);
        FUZZ_CHECK(urls::IsHttpAddress(text::ToUtf8(withPrefix[i])));
      }
      const text::CommandResult removed = urls::RemoveHttp(added.text);
      const Lines without = LinesOf(removed);
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
