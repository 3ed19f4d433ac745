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

}  // namespace

text::Lines FindUrls(text::TextView text) {
  text::Lines urls;
  const std::size_t n = text.size();
  std::size_t q = 0;
  while (q < n) {
    while (q < n && !UrlCharSet.Contains(text[q])) ++q;
    const std::size_t start = q;
    while (q < n && UrlCharSet.Contains(text[q])) ++q;
    const text::TextView token = text.substr(start, q - start);
    if (HasUrlScheme(token)) urls.emplace_back(token);
    ++q;  // past the character that ended the token
  }
  return urls;
}

UrlResult KeepUrls(text::TextView viewText) {
  // The view's whole text: every line followed by CR LF, as the view holds it.
  text::Text whole = text::JoinLines(text::SplitLines(viewText));
  text::Lines urls = FindUrls(whole);
  UrlResult result;
  if (urls.empty()) {
    result.text = std::move(whole);
    result.done = false;
    result.caption = kNoUrlsCaption;
    return result;
  }
  result.counter = static_cast<int>(urls.size());
  result.text = text::JoinLines(urls);
  result.changed = result.text != whole;
  result.caption = kDoneCaption;
  return result;
}

}  // namespace skorlin::urls
