#include "app/view_text.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace skorlin::app {
namespace {

constexpr char16_t kParagraphSeparator = 0x2029;

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

text::Text ViewStringToText(QStringView s) {
  text::Text out;
  out.reserve(static_cast<std::size_t>(s.size()) + static_cast<std::size_t>(s.size()) / 16);
  qsizetype i = 0;
  while (i < s.size()) {
    const char32_t c = NextCodePoint(s, i);
    if (c == U'\n' || c == kParagraphSeparator) {
      out.push_back(U'\r');
      out.push_back(U'\n');
    } else {
      out.push_back(c);
    }
  }
  return out;
}

QString TextToViewString(text::TextView t) {
  QString out;
  out.reserve(static_cast<qsizetype>(t.size()));
  for (std::size_t i = 0; i < t.size(); ++i) {
    const char32_t c = t[i];
    if (c == U'\r') {
      if (i + 1 < t.size() && t[i + 1] == U'\n') ++i;
      out.append(QChar(u'\n'));
    } else {
      AppendCodePoint(out, c);
    }
  }
  return out;
}

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

QString ViewString(const QPlainTextEdit* view) {
  QString raw = view->document()->toRawText();
  // Blocks are separated by U+2029 in the document; the view's text has LF there.
  for (QChar& ch : raw) {
    if (ch.unicode() == kParagraphSeparator) ch = QChar(u'\n');
  }
  return raw;
}

text::Text ViewText(const QPlainTextEdit* view) { return ViewStringToText(view->document()->toRawText()); }

}  // namespace skorlin::app
