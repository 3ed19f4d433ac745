#include "app/profile_file.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cstdint>

#include "app/app_error.h"
#include "app/view_text.h"
#include "text/line_list.h"

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
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) return;
  const QByteArray bytes = file.readAll();
  const text::DecodedText decoded = text::DecodeAuto(std::string_view(bytes.constData(), bytes.size()));
  // Plain ASCII reads as UTF-8 but is the same in Windows-1251, the format's own encoding.
  const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
  encoding_ = ascii ? text::Encoding::Cp1251 : decoded.encoding;
  for (const text::Text& line : text::SplitLines(decoded.text)) lines_.append(ToQString(line));
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
  const qsizetype header = FindSection(section);
  if (header < 0) {
    if (!lines_.isEmpty() && !TrimSpaces(lines_.back()).isEmpty()) lines_.append(QString());
    lines_.append(u'[' + section + u']');
    lines_.append(line);
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
  lines_.insert(last + 1, line);
}

void ProfileFile::Save() const {
  text::Lines lines;
  lines.reserve(static_cast<std::size_t>(lines_.size()));
  for (const QString& line : lines_) lines.push_back(ToText(line));
  const text::Text whole = text::JoinLines(lines);
  text::Encoding encoding = encoding_;
  if (encoding == text::Encoding::Cp1251 && text::CheckCp1251(whole).unencodable > 0) {
    encoding = text::Encoding::Utf8;
  }
  const std::string bytes = text::Encode(whole, encoding);
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
      !file.commit()) {
    throw AppError(QStringLiteral("Unable to write to %1").arg(path_));
  }
}

}  // namespace skorlin::app
