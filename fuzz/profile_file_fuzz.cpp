// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: any bytes read, and written back unchanged when nothing was set; the
// values the program sets read back as set, and every other line stays.
#include <QString>
#include <cstdint>
#include <string>

#include "app/profile_file.h"
#include "app/view_text.h"
#include "fuzz_input.h"
#include "text/encoding.h"

namespace {

using skorlin::app::ProfileFile;
using skorlin::fuzzing::FuzzInput;

// A section or key name as the program writes them: no line breaks, no blanks around it,
// nothing that would end the name early.
QString NameOf(std::string_view bytes) {
  QString name = skorlin::app::ToQString(skorlin::text::DecodeCp1251(bytes));
  for (const QChar bad : {u'\r', u'\n', u'=', u']', u'['}) name.remove(bad);
  name = name.trimmed();
  return name.isEmpty() ? QStringLiteral("k") : name;
}

// A value: any characters; the byte 0x98 stands for one Windows-1251 cannot hold.
QString ValueOf(std::string_view bytes) {
  QString value = skorlin::app::ToQString(skorlin::text::DecodeCp1251(bytes));
  value.replace(QChar(0x98), QChar(0x20BD));
  return value;
}

// What reading a written value gives: line breaks became spaces, blanks around it go,
// a pair of enclosing quotes goes, and it is cut to 2047 characters.
QString AsRead(QString value) {
  value.replace(u'\r', u' ').replace(u'\n', u' ');
  qsizetype begin = 0;
  qsizetype end = value.size();
  while (begin < end && (value[begin] == u' ' || value[begin] == u'\t')) ++begin;
  while (end > begin && (value[end - 1] == u' ' || value[end - 1] == u'\t')) --end;
  value = value.mid(begin, end - begin);
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front()) {
    value = value.mid(1, value.size() - 2);
  }
  return value.left(2047);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const int writes = input.Byte() % 4;
  struct Write {
    QString section, key, value;
  };
  Write planned[3];
  for (int i = 0; i < writes; ++i) {
    planned[i].section = NameOf(input.Piece(12));
    planned[i].key = NameOf(input.Piece(12));
    planned[i].value = ValueOf(input.Piece(40));
  }
  const std::string original(input.Rest());

  ProfileFile file(QStringLiteral("fuzz.ini"), original);
  // Reading and writing back changes nothing: not a byte, whatever the file holds.
  FUZZ_CHECK(file.Bytes() == original);
  for (const Write& w : planned) {
    if (w.key.isEmpty()) continue;
    const auto before = file.Find(w.section, w.key);
    FUZZ_CHECK(!before || before->size() <= 2047);
    (void)file.ReadInteger(w.section, w.key, 0);
  }

  for (int i = 0; i < writes; ++i) file.WriteString(planned[i].section, planned[i].key, planned[i].value);
  const std::string written = file.Bytes();
  const ProfileFile again(QStringLiteral("fuzz.ini"), written);
  FUZZ_CHECK(again.Bytes() == written);
  // The last write of each key is what reads back.
  for (int i = 0; i < writes; ++i) {
    bool overwritten = false;
    for (int later = i + 1; later < writes; ++later) {
      overwritten |= planned[later].section.compare(planned[i].section, Qt::CaseInsensitive) == 0 &&
                     planned[later].key.compare(planned[i].key, Qt::CaseInsensitive) == 0;
    }
    if (overwritten) continue;
    const auto value = again.Find(planned[i].section, planned[i].key);
    FUZZ_CHECK(value.has_value());
    FUZZ_CHECK(*value == AsRead(planned[i].value));
  }
  return 0;
}
