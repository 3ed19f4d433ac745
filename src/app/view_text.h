// SPDX-License-Identifier: GPL-3.0-or-later
// Moving text between the window's Qt strings, its views' bytes (UTF-8, CR LF between
// lines) and the core's Text (code points).
#pragma once

#include <QString>
#include <QStringView>
#include <string_view>

#include "text/text.h"

namespace skorlin::app {

// A literal of the program's own (UTF-8 source text) as a Qt string.
inline QString Tr(const char* utf8) { return QString::fromUtf8(utf8); }

// Text and QString without any line-break conversion (captions, clipboard, settings);
// surrogate pairs become one code point.
text::Text ToText(QStringView s);
QString ToQString(text::TextView t);

// A view's text, or a part of it, as the desktop's clipboard takes it: LF between lines.
QString ClipboardString(std::string_view viewUtf8);

}  // namespace skorlin::app
