// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/profile_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cstdint>

#include "app/app_error.h"
#include "app/view_text.h"
#include "text/text_file.h"

namespace skorlin::app {
namespace {

constexpr qsizetype kMaxValueLength = 2047;

bool IsSpace(QChar c) { return c == u' ' || c == u'\t'; }

QString TrimSpaces(QStringView s) {
  qsizetype begin = 0;
  qsizetype end = s.size();
  while (begin < end && IsSpace(s[begin])) ++begin;
  while (end > begin && IsSpace(s[end - 1])) --end;
  return s.mid(begin, end - begin).toString();
}

// The section name of a header line, or nothing when the line is no header.
std::optional<QString> SectionName(const QString& line) {
  const QString trimmed = TrimSpaces(line);
  if (!trimmed.startsWith(u'[')) return std::nullopt;
  qsizetype close = trimmed.indexOf(u']');
  if (close < 0) close = trimmed.size();
  return TrimSpaces(QStringView(trimmed).mid(1, close - 1));
}

struct KeyLine {
  QString key;
  QString value;
};

std::optional<KeyLine> SplitKeyLine(const QString& line) {
  const qsizetype eq = line.indexOf(u'=');
  if (eq < 0) return std::nullopt;
  KeyLine result{TrimSpaces(QStringView(line).left(eq)), TrimSpaces(QStringView(line).mid(eq + 1))};
  const QString& v = result.value;
  if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front()) {
    result.value = v.mid(1, v.size() - 2);
  }
  return result;
}

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace

std::optional<int> ParseProfileInteger(const QString& value) {
  QString s = value;
  if (s.size() > 2 && s[0] == u'0' && (s[1] == u'x' || s[1] == u'X')) s = u'$' + s.mid(2);
  qsizetype i = 0;
  while (i < s.size() && s[i] == u' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) negative = s[i++] == u'-';
  const bool hex = i < s.size() && s[i] == u'$';
  if (hex) ++i;
  if (i >= s.size()) return std::nullopt;
  const unsigned base = hex ? 16 : 10;
  // Decimal numbers must fit a signed 32-bit integer; hexadecimal ones may use all 32 bits.
  const unsigned long long limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  unsigned long long magnitude = 0;
  for (; i < s.size(); ++i) {
    const char16_t c = s[i].unicode();
    unsigned digit = 0;
    if (c >= u'0' && c <= u'9') {
      digit = c - u'0';
    } else if (hex && c >= u'a' && c <= u'f') {
      digit = c - u'a' + 10;
    } else if (hex && c >= u'A' && c <= u'F') {
      digit = c - u'A' + 10;
    } else {
      return std::nullopt;
    }
    magnitude = magnitude * base + digit;
    if (magnitude > limit) return std::nullopt;
  }
  const auto bits = static_cast<std::uint32_t>(magnitude);
  const auto signedValue = static_cast<std::int32_t>(negative ? 0u - bits : bits);
  return static_cast<int>(signedValue);
}

ProfileFile::ProfileFile(QString path) : path_(std::move(path)) {
  if (!QFileInfo(path_).exists()) return;
  const QString leftAlone = QStringLiteral("; the defaults are used and the file is left as it is");
  std::string bytes;
  try {
    bytes = text::ReadFileBytes(QFile::encodeName(path_).toStdString(), std::size_t{kMaxProfileBytes});
  } catch (const text::FileTooLargeError&) {
    // Also a file that never ends.
    readProblem_ =
        QStringLiteral("Settings file %1 is too large (over %2 bytes)").arg(path_).arg(kMaxProfileBytes) +
        leftAlone;
    return;
  } catch (const text::FileError& error) {
    const QString reason =
        error.Reason().empty() ? QString() : QStringLiteral(": ") + QString::fromLocal8Bit(error.Reason());
    readProblem_ = QStringLiteral("Cannot read settings file %1").arg(path_) + reason + leftAlone;
    return;
  }
  Parse(bytes);
}

ProfileFile::ProfileFile(QString path, std::string_view bytes) : path_(std::move(path)) { Parse(bytes); }

void ProfileFile::Parse(std::string_view bytes) {
  const text::DecodedText decoded = text::DecodeAuto(bytes);
  // Plain ASCII reads as UTF-8 but is the same in Windows-1251, the format's own encoding.
  const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
  encoding_ = ascii ? text::Encoding::Cp1251 : decoded.encoding;
  // Lines end at CR LF, a lone CR or a lone LF, and each keeps its own break. A NUL is an
  // ordinary character here: cutting the file there would lose the rest at the next save.
  const text::Text& whole = decoded.text;
  std::size_t begin = 0;
  for (std::size_t i = 0; i < whole.size(); ++i) {
    const text::Char c = whole[i];
    if (c != U'\r' && c != U'\n') continue;
    const bool crlf = c == U'\r' && i + 1 < whole.size() && whole[i + 1] == U'\n';
    lines_.append(ToQString(text::TextView(whole).substr(begin, i - begin)));
    breaks_.append(crlf ? QStringLiteral("\r\n") : QString(QChar(static_cast<char16_t>(c))));
    if (crlf) ++i;
    begin = i + 1;
  }
  if (begin < whole.size()) {
    lines_.append(ToQString(text::TextView(whole).substr(begin)));
    breaks_.append(QString());
  }
}

void ProfileFile::EndLastLine() {
  if (!breaks_.isEmpty() && breaks_.back().isEmpty()) breaks_.back() = QStringLiteral("\r\n");
}

qsizetype ProfileFile::FindSection(const QString& section) const {
  for (qsizetype i = 0; i < lines_.size(); ++i) {
    const auto name = SectionName(lines_[i]);
    if (name && SameName(*name, section)) return i;
  }
  return -1;
}

qsizetype ProfileFile::FindKey(qsizetype header, const QString& key) const {
  for (qsizetype i = header + 1; i < lines_.size(); ++i) {
    if (SectionName(lines_[i])) return -1;
    const auto kv = SplitKeyLine(lines_[i]);
    if (kv && SameName(kv->key, key)) return i;
  }
  return -1;
}

std::optional<QString> ProfileFile::Find(const QString& section, const QString& key) const {
  const qsizetype header = FindSection(section);
  if (header < 0) return std::nullopt;
  const qsizetype at = FindKey(header, key);
  if (at < 0) return std::nullopt;
  return SplitKeyLine(lines_[at])->value.left(kMaxValueLength);
}

bool ProfileFile::ReadBool(const QString& section, const QString& key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

int ProfileFile::ReadInteger(const QString& section, const QString& key, int fallback) const {
  const auto value = Find(section, key);
  if (!value) return fallback;
  return ParseProfileInteger(*value).value_or(fallback);
}

QString ProfileFile::ReadString(const QString& section, const QString& key, const QString& fallback) const {
  return Find(section, key).value_or(fallback);
}

void ProfileFile::WriteBool(const QString& section, const QString& key, bool value) {
  WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void ProfileFile::WriteInteger(const QString& section, const QString& key, int value) {
  WriteString(section, key, QString::number(value));
}

void ProfileFile::WriteString(const QString& section, const QString& key, const QString& value) {
  QString flat = value;
  flat.replace(u'\r', u' ').replace(u'\n', u' ');
  const QString line = key + u'=' + flat;
  const QString lineBreak = QStringLiteral("\r\n");
  const qsizetype header = FindSection(section);
  if (header < 0) {
    EndLastLine();
    if (!lines_.isEmpty() && !TrimSpaces(lines_.back()).isEmpty()) {
      lines_.append(QString());
      breaks_.append(lineBreak);
    }
    lines_.append(u'[' + section + u']');
    breaks_.append(lineBreak);
    lines_.append(line);
    breaks_.append(lineBreak);
    return;
  }
  const qsizetype at = FindKey(header, key);
  if (at >= 0) {
    lines_[at] = line;
    return;
  }
  // After the section's last non-empty line.
  qsizetype last = header;
  for (qsizetype i = header + 1; i < lines_.size() && !SectionName(lines_[i]); ++i) {
    if (!TrimSpaces(lines_[i]).isEmpty()) last = i;
  }
  if (breaks_[last].isEmpty()) breaks_[last] = lineBreak;
  lines_.insert(last + 1, line);
  breaks_.insert(last + 1, lineBreak);
}

std::string ProfileFile::Bytes() const {
  text::Text whole;
  for (qsizetype i = 0; i < lines_.size(); ++i) {
    whole += ToText(lines_[i]);
    whole += ToText(breaks_[i]);
  }
  // The file carries no mark of its encoding, so the bytes must read back as this text:
  // Windows-1251 that cannot hold a character, or whose bytes happen to form valid UTF-8,
  // gives way to UTF-8 (with a byte order mark if even that would be misread).
  for (const text::Encoding encoding : {encoding_, text::Encoding::Utf8, text::Encoding::Utf8Bom}) {
    if (encoding == text::Encoding::Cp1251 && text::CheckCp1251(whole).unencodable > 0) continue;
    std::string bytes = text::Encode(whole, encoding);
    if (text::DecodeAuto(bytes).text == whole) return bytes;
  }
  return text::Encode(whole, text::Encoding::Utf8Bom);
}

void ProfileFile::Save() const {
  const QString failure = QStringLiteral("Unable to write to %1").arg(path_);
  if (readProblem_) throw AppError(failure);
  const std::string bytes = Bytes();
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
      !file.commit()) {
    throw AppError(failure);
  }
}

}  // namespace skorlin::app
