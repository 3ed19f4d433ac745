// SPDX-License-Identifier: GPL-3.0-or-later
// A settings file in the Windows profile (INI) format: "[Section]" lines open sections,
// "key=value" lines give values. Sections and keys match without regard to letter case,
// the first match wins, blanks around keys and values are ignored and a value enclosed
// in a pair of quotes loses them, as the profile services of that platform read it.
// Lines the program does not know are kept as they are when the file is written back: a
// file the program only updates keeps every other byte, its line breaks and any NULs
// or undecodable bytes in it included.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <string_view>

#include "text/encoding.h"

namespace skorlin::app {

// A profile integer: a value longer than two characters that starts with "0x" or "0X" is
// hexadecimal, so is one that starts with "$" (after an optional sign); otherwise decimal.
// Anything else, or a number beyond 32 bits, is no integer.
std::optional<int> ParseProfileInteger(const QString& value);

// A real settings file is a few hundred bytes; a larger one is not read.
inline constexpr qint64 kMaxProfileBytes = 1 << 20;

class ProfileFile {
 public:
  // Reads the file at path when it exists (detecting its encoding); a missing file reads
  // as empty. An existing file that cannot be read (a folder, no permission, larger than
  // kMaxProfileBytes) reads as empty too, ReadProblem says why, and Save leaves it alone.
  // Nothing is written until Save.
  explicit ProfileFile(QString path);
  // A file with the given content, for checking the format without touching the disk.
  ProfileFile(QString path, std::string_view bytes);

  const QString& Path() const { return path_; }

  // Why an existing file could not be read, or nothing.
  const std::optional<QString>& ReadProblem() const { return readProblem_; }

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

  // The whole file as Save writes it. It keeps the encoding it was read in
  // (Windows-1251 for a new file), unless its bytes in that encoding would not read back
  // as the same text (a character Windows-1251 lacks, or bytes that look like UTF-8):
  // then it is UTF-8. Lines read from the file keep their own line breaks; new lines end
  // in CR LF. A file read and not changed gives back exactly the bytes it was read from.
  std::string Bytes() const;

  // Writes Bytes() through a temporary file beside it and a rename, so the old file stays
  // whole when anything fails. Throws AppError "Unable to write to <path>", also without
  // trying when the file could not be read (writing it would lose what it holds).
  void Save() const;

 private:
  void Parse(std::string_view bytes);
  // Makes sure the last line ends with a break before a line is added after it.
  void EndLastLine();

  // Index of the section header line, or -1.
  qsizetype FindSection(const QString& section) const;
  // Index of the key's line inside the section starting after header, or -1.
  qsizetype FindKey(qsizetype header, const QString& key) const;

  QString path_;
  QStringList lines_;
  // The break after each line as read: "\r\n", "\r", "\n", or empty after a last line
  // that has none.
  QStringList breaks_;
  text::Encoding encoding_ = text::Encoding::Cp1251;
  std::optional<QString> readProblem_;
};

}  // namespace skorlin::app
