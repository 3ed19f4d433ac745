// SPDX-License-Identifier: GPL-3.0-or-later
// One line of the user's text as HTML source.
#pragma once

#include "text/text.h"

namespace skorlin::format {
class TokenStandIns;
}

namespace skorlin::html {

// The line normalized (NormalizeLine), its quotes made guillemets, the HTML special
// characters escaped, typographic characters written as named entities and non-breaking
// spaces put where Russian typesetting wants them. dashStyle 1 writes dashes as "&ndash;",
// 2 as "&mdash;", any other value leaves dashes and number ranges alone; wrapNobr keeps
// " ВКП(б)" in a no-break element; keepTabs keeps tabs (table cells), otherwise each
// becomes a space. Web addresses, e-mail addresses, paths and times of day come out as
// they went in, with only their ampersands escaped. Also accepts several lines joined by
// CR LF. Never fails.
text::Text ConvertLineToHtml(text::TextView line, int dashStyle, bool wrapNobr, bool keepTabs);

// The same steps on a line whose protected tokens already stand as single characters
// (standIns); the stand-ins stay in it.
void ConvertStoodInLineToHtml(text::Text& s, const format::TokenStandIns& standIns, int dashStyle,
                              bool wrapNobr, bool keepTabs);
// A protected token as HTML source, escaped as the converter escapes the rest of the line:
// every ampersand not already written "&amp;" becomes "&amp;", and a quote or an angle
// bracket (which code such as "$(cat <a)" may hold) its entity.
void AppendTokenAsHtml(text::TextView token, text::Text& out);

}  // namespace skorlin::html
