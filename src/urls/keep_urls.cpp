// SPDX-License-Identifier: GPL-3.0-or-later
#include "urls/keep_urls.h"

#include <cstddef>
#include <string>

#include "urls/line_frame.h"
#include "urls/url_chars.h"

namespace skorlin::urls {
namespace {

// A token is kept by its exact first characters: 'HTTP://host' and 'https://host' are not.
bool HasUrlScheme(std::string_view token) {
  return token.starts_with("http://") || token.starts_with("mail://") || token.starts_with("ftp://");
}

// Calls found(token) for every kept token of text, in order. Every byte of a character
// outside ASCII ends a token, as the character itself does.
template <typename Found>
void ForEachUrl(std::string_view text, Found found) {
  const std::size_t n = text.size();
  std::size_t q = 0;
  while (q < n) {
    while (q < n && !UrlCharSet.Contains(text[q])) ++q;
    const std::size_t start = q;
    while (q < n && UrlCharSet.Contains(text[q])) ++q;
    const std::string_view token = text.substr(start, q - start);
    if (HasUrlScheme(token)) found(token);
    ++q;  // past the character that ended the token
  }
}

}  // namespace

text::LineViews FindUrls(std::string_view text) {
  text::LineViews urls;
  ForEachUrl(text, [&](std::string_view url) { urls.push_back(url); });
  return urls;
}

text::CommandResult KeepUrls(std::string_view viewText) {
  // The view holds its text up to a NUL, with CR LF after every line. Line breaks are
  // never token characters, so the tokens of that whole text are the tokens of viewText
  // up to the NUL, and the view's text itself is needed only when it stays.
  const std::string_view scanned = viewText.substr(0, viewText.find('\0'));
  text::LineViews kept = FindUrls(scanned);
  if (kept.empty()) return NothingToDo(viewText, kNoUrlsCaption);
  const auto count = static_cast<long>(kept.size());
  return text::DoneByLines(viewText, std::move(kept), count, kDoneCaption);
}

}  // namespace skorlin::urls
