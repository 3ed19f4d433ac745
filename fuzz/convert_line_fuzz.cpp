// SPDX-License-Identifier: GPL-3.0-or-later
// ConvertLineToHtml, the HTML view and the cutting into pages on any input. Each input
// byte after the first is a Windows-1251 character; 0x98 and the byte after it pick a
// character outside Windows-1251. The first byte picks the options.
#include <cstddef>
#include <cstdint>

#include "fuzz_input.h"
#include "html/convert_line.h"
#include "html/html_site.h"
#include "html/html_view.h"
#include "text/text.h"
#include "text/toolkit.h"

namespace {

using skorlin::text::Text;

using skorlin::fuzzing::BytesAsText;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int dashStyle = data[0] & 3;
  const bool wrapNobr = (data[0] & 4) != 0;
  const bool keepTabs = (data[0] & 8) != 0;
  const Text line = BytesAsText(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));

  const Text html = skorlin::html::ConvertLineToHtml(line, dashStyle, wrapNobr, keepTabs);
  // Quotes, guillemets, ellipses and angle brackets always leave as entities (the
  // no-break element aside), and tabs stay only when asked to.
  Text rest = skorlin::text::ReplaceAll(html, U"<nobr>", U"");
  rest = skorlin::text::ReplaceAll(rest, U"</nobr>", U"");
  if (rest.find_first_of(U"\"«»…<>") != Text::npos) __builtin_trap();
  if (!keepTabs && html.find(U'\t') != Text::npos) __builtin_trap();

  if (size < 4096) {
    skorlin::html::HtmlView(line, {(data[0] & 16) != 0, (data[0] & 32) != 0, keepTabs});
    for (const skorlin::html::HtmlPage& page : skorlin::html::BuildHtmlSite(line, U"utf-8").pages) {
      // A page never leaves the folder of the index, and its name is a link as it stands.
      if (page.fileName.size() > 50 ||
          page.fileName.find_first_not_of(U"abcdefghijklmnopqrstuvwxyz0123456789-_.") != Text::npos)
        __builtin_trap();
    }
  }
  return 0;
}
