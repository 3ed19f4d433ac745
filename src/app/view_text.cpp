// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/view_text.h"

#include "text/line_breaks.h"

namespace skorlin::app {
namespace {

// Appends one code point as UTF-16.
void AppendCodePoint(QString& out, char32_t c) {
  if (c > 0xFFFF && c <= 0x10FFFF) {
    out.append(QChar(QChar::highSurrogate(c)));
    out.append(QChar(QChar::lowSurrogate(c)));
  } else {
    out.append(QChar(static_cast<char16_t>(c <= 0xFFFF ? c : 0xFFFD)));
  }
}

// Reads the code point at i and advances i; an unpaired surrogate is kept as it is.
char32_t NextCodePoint(QStringView s, qsizetype& i) {
  const char16_t u = s[i].unicode();
  ++i;
  if (QChar::isHighSurrogate(u) && i < s.size() && QChar::isLowSurrogate(s[i].unicode())) {
    return QChar::surrogateToUcs4(u, s[i++].unicode());
  }
  return u;
}

}  // namespace

text::Text ToText(QStringView s) {
  text::Text out;
  out.reserve(static_cast<std::size_t>(s.size()));
  qsizetype i = 0;
  while (i < s.size()) out.push_back(NextCodePoint(s, i));
  return out;
}

QString ToQString(text::TextView t) {
  QString out;
  out.reserve(static_cast<qsizetype>(t.size()));
  for (const char32_t c : t) AppendCodePoint(out, c);
  return out;
}

QString ClipboardString(std::string_view viewUtf8) {
  const std::string lf = text::WithLfBreaks(viewUtf8);
  return QString::fromUtf8(lf.data(), static_cast<qsizetype>(lf.size()));
}

}  // namespace skorlin::app
