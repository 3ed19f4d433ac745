#include "urls/keep_urls.h"

#include <cstddef>
#include <utility>

#include "text/line_list.h"
#include "urls/url_chars.h"

namespace skorlin::urls {
namespace {

// A token is kept by its exact first characters: 'HTTP://host' and 'https://host' are not.
bool HasUrlScheme(text::TextView token) {
  return token.starts_with(U"http://") || token.starts_with(U"mail://") || token.starts_with(U"ftp://");
}

// Calls found(token) for every kept token of text, in order.
template <typename Found>
void ForEachUrl(text::TextView text, Found found) {
  const std::size_t n = text.size();
  std::size_t q = 0;
  while (q < n) {
    while (q < n && !UrlCharSet.Contains(text[q])) ++q;
    const std::size_t start = q;
    while (q < n && UrlCharSet.Contains(text[q])) ++q;
    const text::TextView token = text.substr(start, q - start);
    if (HasUrlScheme(token)) found(token);
    ++q;  // past the character that ended the token
  }
}

}  // namespace

text::Lines FindUrls(text::TextView text) {
  text::Lines urls;
  ForEachUrl(text, [&](text::TextView url) { urls.emplace_back(url); });
  return urls;
}

UrlResult KeepUrls(text::TextView viewText) {
  // The view holds its text up to a NUL, with CR LF after every line. Line breaks are
  // never token characters, so the tokens of that whole text are the tokens of viewText
  // up to the NUL, and the view's text itself is needed only when it stays.
  const text::TextView scanned = viewText.substr(0, viewText.find(U'\0'));
  UrlResult result;
  ForEachUrl(scanned, [&](text::TextView url) {
    result.text.append(url).append(U"\r\n");
    ++result.counter;
  });
  if (result.counter == 0) {
    result.text = text::JoinLines(text::SplitLines(viewText));
    result.done = false;
    result.caption = kNoUrlsCaption;
    return result;
  }
  result.changed = true;
  result.caption = kDoneCaption;
  return result;
}

}  // namespace skorlin::urls
