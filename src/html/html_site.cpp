// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/html_site.h"

#include <algorithm>
#include <initializer_list>

#include "html/title_to_file_name.h"
#include "text/toolkit.h"

namespace skorlin::html {
namespace {

constexpr text::TextView kHeadingOpen = U"<h1>";
constexpr text::TextView kHeadingClose = U"</h1>";
constexpr text::TextView kExtension = U".htm";
constexpr std::size_t kMaxFileName = 50;
constexpr std::size_t kCutFileName = 45;
// A head needs a title that is not empty; the index lists the contents of the text.
constexpr text::TextView kIndexTitle = U"Содержание";

text::Text Concat(std::initializer_list<text::TextView> parts) {
  std::size_t size = 0;
  for (text::TextView part : parts) size += part.size();
  text::Text result;
  result.reserve(size);
  for (text::TextView part : parts) result.append(part);
  return result;
}

}  // namespace

text::Text PageFileName(text::TextView title) {
  text::Text name = text::LowerStr(TitleToFileName(title));
  name.append(kExtension);
  while (name.size() > kMaxFileName) {
    const std::size_t dash = text::FindStrBack(U"-", name, name.size() + 1);
    if (dash != 0) {
      name.resize(dash - 1);
    } else {
      name.resize(kCutFileName);
    }
    name.append(kExtension);
  }
  return name;
}

text::Text PageHtml(text::TextView title, text::TextView body, text::TextView charset) {
  return Concat({U"<HTML><Head><meta charset=\"", charset, U"\"><Title>", title, U"</Title></Head><Body>\r\n",
                 U"<H1>", title, U"</H1>\r\n", body, U"\r\n</Body></HTML>"});
}

text::Text IndexLinkHtml(text::TextView fileName, text::TextView title) {
  return Concat({U"<a href=\"", fileName, U"\">", title, U"</a><br>\r\n"});
}

text::Text IndexHtml(text::TextView links, text::TextView charset) {
  return Concat({U"<HTML><Head><meta charset=\"", charset, U"\"><Title>", kIndexTitle,
                 U"</Title></Head><Body>\r\n", links, U"\r\n</Body></HTML>"});
}

namespace {

// The page name itself, or, when it is the name of the index, the name with "-1" before
// its extension.
text::Text AwayFromIndex(text::Text fileName, text::TextView indexFileName) {
  if (fileName.size() == indexFileName.size() && text::FindStrNoCase(indexFileName, fileName) == 1) {
    fileName.insert(fileName.size() - kExtension.size(), U"-1");
  }
  return fileName;
}

}  // namespace

HtmlSite BuildHtmlSite(text::TextView source, text::TextView charset, text::TextView indexFileName) {
  HtmlSite site;
  text::Text fileName = AwayFromIndex(U"0.htm", indexFileName);
  text::Text title;
  text::Text links;
  // rest is what remains of the text: each heading and the body before it are cut off
  // the front as they are written.
  text::TextView rest = source;
  std::size_t a = text::FindStrNoCase(kHeadingOpen, rest);
  while (a > 0) {
    site.pages.push_back({fileName, PageHtml(title, rest.substr(0, a - 1), charset)});
    rest.remove_prefix(a - 1);
    const std::size_t b = text::FindStrNoCase(kHeadingClose, rest);
    // The heading text lies between the tags; without a closing tag it is empty.
    title = b > kHeadingOpen.size()
                ? text::Text(rest.substr(kHeadingOpen.size(), b - 1 - kHeadingOpen.size()))
                : text::Text();
    fileName = AwayFromIndex(PageFileName(title), indexFileName);
    links.append(IndexLinkHtml(fileName, title));
    // Through "</h1>"; without a closing tag, just the "<h1>".
    rest.remove_prefix(std::min(rest.size(), b + 4));
    a = text::FindStrNoCase(kHeadingOpen, rest);
  }
  site.pages.push_back({fileName, PageHtml(title, rest, charset)});
  site.index = IndexHtml(links, charset);
  return site;
}

}  // namespace skorlin::html
