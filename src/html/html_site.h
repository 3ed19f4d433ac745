// SPDX-License-Identifier: GPL-3.0-or-later
// A text cut into HTML pages at its level-one headings, with an index that links them.
#pragma once

#include <vector>

#include "text/text.h"

namespace skorlin::html {

// The name of a page file for a heading: the lower-cased TitleToFileName stem and
// ".htm", cut back at its last "-" (or to 45 characters when it has none) until it is at
// most 50 characters long.
text::Text PageFileName(text::TextView title);

// The HTML of one page, of one link line of the index, and of the whole index. Pages and
// the index name the encoding of their bytes (charset, e.g. "windows-1251") in their head.
text::Text PageHtml(text::TextView title, text::TextView body, text::TextView charset);
text::Text IndexLinkHtml(text::TextView fileName, text::TextView title);
text::Text IndexHtml(text::TextView links, text::TextView charset);

struct HtmlPage {
  text::Text fileName;  // bare name, e.g. "glava-1.htm"
  text::Text html;
};

struct HtmlSite {
  std::vector<HtmlPage> pages;  // in writing order: "0.htm" (the text before the first heading) first
  text::Text index;             // the index page, one link per heading
};

// Cuts text at every "<h1>" ... "</h1>" heading (tags in any letter case) into pages.
// Two headings with the same file name give two pages under that name; written in
// order, the later one is the one that stays. A page whose name would be indexFileName
// (compared without regard to case), where the index itself goes, is named with "-1"
// before ".htm" instead (two characters beyond the usual limit of 50, at most), so the
// index never replaces a page. Every file declares charset as its encoding.
HtmlSite BuildHtmlSite(text::TextView text, text::TextView charset, text::TextView indexFileName = {});

}  // namespace skorlin::html
