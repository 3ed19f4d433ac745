// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/title_to_file_name.h"

#include <array>

#include "text/toolkit.h"

namespace skorlin::html {
namespace {

struct NameRow {
  text::TextView find;
  text::TextView replace;
};

// Applied in order, each row to the whole text, without regard to letter case.
constexpr std::array kEntityRows{
    NameRow{U"&laquo;", U""},
    NameRow{U"&raquo;", U""},
    NameRow{U"&nbsp;", U" "},
};

// Separators, then the Cyrillic alphabet; capitals match their small letters.
constexpr std::array kNameRows{
    NameRow{U" ", U"-"},  NameRow{U",", U"-"},  NameRow{U".", U"-"},   NameRow{U"!", U"-"},
    NameRow{U"?", U"-"},  NameRow{U"*", U"-"},  NameRow{U"(", U"-"},   NameRow{U")", U"-"},
    NameRow{U"а", U"a"},  NameRow{U"б", U"b"},  NameRow{U"в", U"v"},   NameRow{U"г", U"g"},
    NameRow{U"д", U"d"},  NameRow{U"е", U"e"},  NameRow{U"ё", U"jo"},  NameRow{U"ж", U"zh"},
    NameRow{U"з", U"z"},  NameRow{U"и", U"i"},  NameRow{U"й", U"j"},   NameRow{U"к", U"k"},
    NameRow{U"л", U"l"},  NameRow{U"м", U"m"},  NameRow{U"н", U"n"},   NameRow{U"о", U"o"},
    NameRow{U"п", U"p"},  NameRow{U"р", U"r"},  NameRow{U"с", U"s"},   NameRow{U"т", U"t"},
    NameRow{U"у", U"u"},  NameRow{U"ф", U"f"},  NameRow{U"х", U"h"},   NameRow{U"ц", U"c"},
    NameRow{U"ч", U"ch"}, NameRow{U"ш", U"sh"}, NameRow{U"щ", U"sch"}, NameRow{U"ъ", U""},
    NameRow{U"ы", U"y"},  NameRow{U"ь", U""},   NameRow{U"э", U"e"},   NameRow{U"ю", U"ju"},
    NameRow{U"я", U"ja"},
};

// What may stay in a name that the index uses as a relative link as it is: anything else
// could read as a URL scheme (":"), a query or fragment ("?", "#"), a reference ("&"), a
// folder ("/", "\\") or need escaping.
bool IsSafeInLink(text::Char c) {
  return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') || c == U'-' ||
         c == U'_' || c == U'.';
}

void ApplyRows(text::Text& s, const auto& rows) {
  for (const NameRow& row : rows) {
    if (text::FindStrNoCase(row.find, s) != 0) s = text::ReplaceAllNoCase(s, row.find, row.replace);
  }
}

}  // namespace

text::Text TitleToFileName(text::TextView title) {
  text::Text s(title);
  ApplyRows(s, kEntityRows);
  ApplyRows(s, kNameRows);
  for (text::Char& c : s) {
    if (!IsSafeInLink(c)) c = U'-';
  }
  while (text::FindStr(U"--", s) != 0) s = text::ReplaceAll(s, U"--", U"-");
  return s;
}

}  // namespace skorlin::html
