#include "app/view_text.h"

#include <QPlainTextEdit>
#include <QTextDocument>

#include "text/utf8.h"

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
  // Two passes: the exact length first, then every character written in place (this runs
  // on every keystroke, over the whole view).
  const char16_t* const begin = s.utf16();
  const char16_t* const end = begin + s.size();
  std::size_t breaks = 0;
  std::size_t pairs = 0;
  for (const char16_t* p = begin; p != end; ++p) {
    const char16_t u = *p;
    if (u == u'\n' || u == kParagraphSeparator) {
      ++breaks;
    } else if (QChar::isHighSurrogate(u) && p + 1 != end && QChar::isLowSurrogate(p[1])) {
      ++pairs;
      ++p;
    }
  }
  text::Text out(static_cast<std::size_t>(s.size()) + breaks - pairs, U'\0');
  char32_t* o = out.data();
  for (const char16_t* p = begin; p != end; ++p) {
    const char16_t u = *p;
    if (u == u'\n' || u == kParagraphSeparator) {
      *o++ = U'\r';
      *o++ = U'\n';
    } else if (QChar::isHighSurrogate(u) && p + 1 != end && QChar::isLowSurrogate(p[1])) {
      *o++ = QChar::surrogateToUcs4(u, p[1]);
      ++p;
    } else {
      *o++ = u;
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

namespace {

// s as UTF-8; with viewBreaks every line break of the view (LF, and the paragraph separator
// between blocks) becomes CR LF.
std::string StringToUtf8(QStringView s, bool viewBreaks) {
  std::string out;
  out.reserve(static_cast<std::size_t>(s.size()) + static_cast<std::size_t>(s.size()) / 2);
  qsizetype i = 0;
  while (i < s.size()) {
    const char16_t u = s[i].unicode();
    if (viewBreaks && (u == u'\n' || u == kParagraphSeparator)) {
      out += "\r\n";
      ++i;
    } else if (u < 0x80) {
      out.push_back(static_cast<char>(u));
      ++i;
    } else {
      text::AppendUtf8(out, NextCodePoint(s, i));
    }
  }
  return out;
}

}  // namespace

std::string ViewStringToUtf8(QStringView s) { return StringToUtf8(s, true); }

std::string ToUtf8(QStringView s) { return StringToUtf8(s, false); }

QString Utf8ToViewString(std::string_view utf8) {
  QString out;
  out.reserve(static_cast<qsizetype>(utf8.size()));
  for (std::size_t i = 0; i < utf8.size();) {
    const char c = utf8[i];
    if (c == '\r') {
      ++i;
      if (i < utf8.size() && utf8[i] == '\n') ++i;
      out.append(QChar(u'\n'));
    } else if (static_cast<unsigned char>(c) < 0x80) {
      out.append(QChar(static_cast<char16_t>(c)));
      ++i;
    } else {
      AppendCodePoint(out, text::NextUtf8Char(utf8, i));
    }
  }
  return out;
}

text::Text ViewText(const QPlainTextEdit* view) { return ViewStringToText(view->document()->toRawText()); }

std::string ViewUtf8(const QPlainTextEdit* view) { return ViewStringToUtf8(view->document()->toRawText()); }

}  // namespace skorlin::app
