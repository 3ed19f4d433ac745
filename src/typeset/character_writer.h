// SPDX-License-Identifier: GPL-3.0-or-later
// The typographic characters as typesetting writes them: the character itself where the HTML
// converter writes an entity. Every one of them is a character Windows-1251 holds, so a
// typeset text saved in Windows-1251 keeps them all.
#pragma once

#include <array>

#include "html/replacements.h"
#include "text/text.h"

namespace skorlin::typeset {

inline constexpr text::Char kNoBreakSpace = U'\u00A0';
inline constexpr text::TextView kNbsp = U"\u00A0";
inline constexpr text::TextView kEmDash = U"—";
inline constexpr text::TextView kEnDash = U"–";

// Three periods become the ellipsis.
inline constexpr std::array kEllipsisRows{html::Replacement{U"...", U"…"}};

// A no-break space after the numero sign and inside "ЦК КПСС".
inline constexpr std::array kNumeroRows{
    html::Replacement{U"№ ", U"№\u00A0"},
    html::Replacement{U"ЦК КПСС", U"ЦК\u00A0КПСС"},
};

// The last rows: a guillemet with "О", and a no-break space before a spaced dash.
inline constexpr std::array kClosingRows{
    html::Replacement{U"«О ", U"«О\u00A0"},
    html::Replacement{U" —", U"\u00A0—"},
    html::Replacement{U" –", U"\u00A0–"},
};

}  // namespace skorlin::typeset
