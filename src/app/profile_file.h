// A settings file in the Windows profile (INI) format: "[Section]" lines open sections,
// "key=value" lines give values. Sections and keys match without regard to letter case,
// the first match wins, blanks around keys and values are ignored and a value enclosed
// in a pair of quotes loses them, as the profile services of that platform read it.
// Lines the program does not know are kept as they are when the file is written back.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "text/encoding.h"

namespace skorlin::app {

// A profile integer: a value longer than two characters that starts with "0x" or "0X" is
// hexadecimal, so is one that starts with "$" (after an optional sign); otherwise decimal.
// Anything else, or a number beyond 32 bits, is no integer.
std::optional<int> ParseProfileInteger(const QString& value);

class ProfileFile {
 public:
  // Reads the file at path when it exists (detecting its encoding); a missing or
  // unreadable file reads as empty. Nothing is written until Save.
  explicit ProfileFile(QString path);

  const QString& Path() const { return path_; }

  // The value of key in section, or nothing when the key is missing. An empty value is
  // a value. Texts are cut to 2047 characters.
  std::optional<QString> Find(const QString& section, const QString& key) const;

  bool ReadBool(const QString& section, const QString& key, bool fallback) const;
  int ReadInteger(const QString& section, const QString& key, int fallback) const;
  QString ReadString(const QString& section, const QString& key, const QString& fallback) const;

  void WriteBool(const QString& section, const QString& key, bool value);
  void WriteInteger(const QString& section, const QString& key, int value);
  // Replaces the key's first occurrence in the section, or adds it at the section's end,
  // or adds the section at the end of the file. Line breaks in value become spaces.
  void WriteString(const QString& section, const QString& key, const QString& value);

  // Writes the whole file through a temporary file beside it and a rename, so the old
  // file stays whole when anything fails. Throws AppError "Unable to write to <path>".
  // The file keeps the encoding it was read in (Windows-1251 for a new file), unless
  // that encoding cannot hold its text: then it is written in UTF-8.
  void Save() const;

  // The lines as they would be written (for tests).
  const QStringList& Lines() const { return lines_; }

 private:
  // Index of the section header line, or -1.
  qsizetype FindSection(const QString& section) const;
  // Index of the key's line inside the section starting after header, or -1.
  qsizetype FindKey(qsizetype header, const QString& key) const;

  QString path_;
  QStringList lines_;
  text::Encoding encoding_ = text::Encoding::Cp1251;
};

}  // namespace skorlin::app
