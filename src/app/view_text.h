// Moving text between the window's views (QString, one line per block, LF between lines)
// and the core's forms: UTF-8 for a view's whole text, Text (code points) for a line; both
// with CR LF between lines.
#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

#include "text/text.h"

class QPlainTextEdit;

namespace skorlin::app {

// A view's string as the core sees it: every line break becomes CR LF, the paragraph
// separator the text document uses between its blocks included; surrogate pairs become
// one code point. Nothing else changes (non-breaking spaces and line separators stay).
text::Text ViewStringToText(QStringView s);

// A text as a view holds it: CR LF, a lone CR and a lone LF each become one LF; code
// points above U+FFFF become surrogate pairs.
QString TextToViewString(text::TextView t);

// Text and QString without any line-break conversion (captions, clipboard, settings).
text::Text ToText(QStringView s);
QString ToQString(text::TextView t);
// A string as UTF-8 without any line-break conversion (the clipboard); a lone surrogate in
// its three-byte form.
std::string ToUtf8(QStringView s);

// A view's string as UTF-8: every line break becomes CR LF, as in ViewStringToText; a
// lone surrogate stands in its three-byte form, so every string survives the way back.
std::string ViewStringToUtf8(QStringView s);
// UTF-8 text as a view holds it: CR LF, a lone CR and a lone LF each become one LF.
QString Utf8ToViewString(std::string_view utf8);

// The whole text of a view, exactly as the document holds it (no non-breaking space or
// line separator is turned into a plain one), in the core's forms.
QString ViewString(const QPlainTextEdit* view);
text::Text ViewText(const QPlainTextEdit* view);
std::string ViewUtf8(const QPlainTextEdit* view);

}  // namespace skorlin::app
