// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: the profile format's reading rules, in-place writes, safe saving.
#include "app/profile_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <optional>

#include "app/app_error.h"
#include "test_classes.h"

Q_DECLARE_METATYPE(std::optional<int>)

namespace skorlin::app::testing {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Bytes of a literal, NULs included.
template <std::size_t N>
QByteArray Raw(const char (&bytes)[N]) {
  return QByteArray(bytes, static_cast<qsizetype>(N - 1));
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

class ProfileFileTest : public QObject {
  Q_OBJECT

 private slots:
  void Integers_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<std::optional<int>>("expected");
    QTest::newRow("zero") << "0" << std::optional<int>(0);
    QTest::newRow("decimal") << "416" << std::optional<int>(416);
    QTest::newRow("negative") << "-50" << std::optional<int>(-50);
    QTest::newRow("plus") << "+7" << std::optional<int>(7);
    QTest::newRow("0x hex") << "0x10" << std::optional<int>(16);
    QTest::newRow("0X hex") << "0X1f" << std::optional<int>(31);
    QTest::newRow("dollar hex") << "$10" << std::optional<int>(16);
    QTest::newRow("negative dollar") << "-$10" << std::optional<int>(-16);
    QTest::newRow("all 32 bits") << "$FFFFFFFF" << std::optional<int>(-1);
    QTest::newRow("largest") << "2147483647" << std::optional<int>(2147483647);
    QTest::newRow("smallest") << "-2147483648" << std::optional<int>(-2147483647 - 1);
    QTest::newRow("too large") << "2147483648" << std::optional<int>();
    QTest::newRow("too much hex") << "0x100000000" << std::optional<int>();
    QTest::newRow("bare 0x") << "0x" << std::optional<int>();
    QTest::newRow("bare dollar") << "$" << std::optional<int>();
    QTest::newRow("word") << "yes" << std::optional<int>();
    QTest::newRow("empty") << "" << std::optional<int>();
    QTest::newRow("trailing letter") << "12a" << std::optional<int>();
    QTest::newRow("hex digit in decimal") << "1f" << std::optional<int>();
    QTest::newRow("sign only") << "-" << std::optional<int>();
  }
  void Integers() {
    QFETCH(QString, value);
    QFETCH(std::optional<int>, expected);
    QCOMPARE(ParseProfileInteger(value), expected);
  }

  void ReadsAsTheProfileServicesDo() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Skorlin.ini");
    WriteAll(path,
             "; a comment line\r\n"
             "[main]\r\n"
             "  CHKENTERSTART.CHECKED  =  0  \r\n"
             "Top=10\r\n"
             "top=20\r\n"
             "edCena.Text=\r\n"
             "Quoted=\"0,5\"\r\n"
             "Single='x'\r\n"
             "Lonely=\"\r\n"
             "[HTML]\n"
             "cbxAddP.Checked=yes\n"
             "[Main]\n"
             "Left=99\n");
    ProfileFile ini(path);
    QCOMPARE(ini.ReadBool("Main", "chkEnterStart.Checked", true), false);
    QCOMPARE(ini.ReadInteger("MAIN", "Top", 0), 10);  // the first occurrence wins
    QCOMPARE(ini.Find("Main", "edCena.Text"), std::optional<QString>(QString()));  // empty is a value
    QCOMPARE(ini.ReadString("Main", "edCena.Text", "0,8"), QString());
    QCOMPARE(ini.ReadString("Main", "Missing", "0,8"), QStringLiteral("0,8"));
    QCOMPARE(ini.ReadString("Main", "Quoted", ""), QStringLiteral("0,5"));
    QCOMPARE(ini.ReadString("Main", "Single", ""), QStringLiteral("x"));
    QCOMPARE(ini.ReadString("Main", "Lonely", ""), QStringLiteral("\""));
    QCOMPARE(ini.ReadBool("HTML", "cbxAddP.Checked", true), true);    // not a number: default
    QCOMPARE(ini.ReadBool("HTML", "cbxAddP.Checked", false), false);  // ... whichever it is
    // Only the first section of a name is searched.
    QCOMPARE(ini.ReadInteger("Main", "Left", -1), -1);
  }

  void TextsAreCutAt2047Characters() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Skorlin.ini");
    WriteAll(path, "[Main]\r\nedCena.Text=" + QByteArray(3000, 'x') + "\r\n");
    QCOMPARE(ProfileFile(path).ReadString("Main", "edCena.Text", "").size(), 2047);
  }

  void WritesInPlaceAndKeepsWhatItDoesNotKnow() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Skorlin.ini");
    WriteAll(path, "; kept\r\n[Main]\r\nOther=1\r\ntop=5\r\n\r\n[Extra]\r\nKey=v\r\n");
    ProfileFile ini(path);
    ini.WriteInteger("Main", "Top", -3);
    ini.WriteString("Main", "edCena.Text", "1,5");
    ini.WriteBool("HTML", "cbxTable.Checked", false);
    ini.Save();
    QCOMPARE(ReadAll(path), QByteArray("; kept\r\n[Main]\r\nOther=1\r\nTop=-3\r\nedCena.Text=1,5\r\n\r\n"
                                       "[Extra]\r\nKey=v\r\n\r\n[HTML]\r\ncbxTable.Checked=0\r\n"));
    const ProfileFile again(path);
    QCOMPARE(again.ReadInteger("Main", "Top", 0), -3);
    QCOMPARE(again.ReadBool("HTML", "cbxTable.Checked", true), false);
  }

  void LineBreaksInAValueCannotBreakTheFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Skorlin.ini");
    ProfileFile ini(path);
    ini.WriteString("Main", "edCena.Text", "1\r\n[Evil]");
    ini.Save();
    QCOMPARE(ProfileFile(path).ReadString("Main", "edCena.Text", ""), QStringLiteral("1  [Evil]"));
  }

  void KeepsTheFileEncoding() {
    QTemporaryDir dir;
    // A new file is written in Windows-1251, the format's own encoding.
    const QString path = dir.filePath("a.ini");
    ProfileFile fresh(path);
    fresh.WriteString("Main", "edCena.Text", QStringLiteral("0,8 руб"));
    fresh.Save();
    QCOMPARE(ReadAll(path), QByteArray("[Main]\r\nedCena.Text=0,8 \xF0\xF3\xE1\r\n"));
    QCOMPARE(ProfileFile(path).ReadString("Main", "edCena.Text", ""), QStringLiteral("0,8 руб"));
    // Characters Windows-1251 cannot hold are not lost: the file becomes UTF-8.
    ProfileFile wide(path);
    wide.WriteString("Main", "edCena.Text", QStringLiteral("5\u20BD"));
    wide.Save();
    QCOMPARE(ReadAll(path), QByteArray("[Main]\r\nedCena.Text=5\xE2\x82\xBD\r\n"));
    QCOMPARE(ProfileFile(path).ReadString("Main", "edCena.Text", ""), QStringLiteral("5\u20BD"));
  }

  // Whatever a file holds, the program's own update leaves every byte of it in place:
  // its line breaks, its encoding, and bytes that make no sense as text.
  void KeepsEveryByteOfWhatItDoesNotKnow_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("LF only") << QByteArray("; note\n[Extra]\nKey=1\n");
    QTest::newRow("lone CR and LF CR") << QByteArray("a\rb\n\rc\r\n");
    QTest::newRow("no final break") << QByteArray("[Extra]\r\nKey=1");
    QTest::newRow("NUL and binary") << Raw("\x00\x01\xFF\xFE?\x00\r\n[Extra]\r\n\x00Key=\x00\r\n");
    QTest::newRow("invalid UTF-8 cut in a character") << QByteArray("[Extra]\r\nName=\xD1\x80\xD1");
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF[Extra]\r\nName=\xD1\x80\r\n");
    QTest::newRow("UTF-16LE") << Raw("\xFF\xFE[\x00x\x00]\x00\r\x00\n\x00\x42\x04");
    QTest::newRow("an odd number of UTF-16 bytes") << Raw("\xFF\xFE[\x00x\x00]");
  }
  void KeepsEveryByteOfWhatItDoesNotKnow() {
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath("Skorlin.ini");
    WriteAll(path, content);
    ProfileFile unchanged(path);
    QVERIFY(!unchanged.ReadProblem());
    unchanged.Save();
    QCOMPARE(ReadAll(path), content);

    ProfileFile updated(path);
    updated.WriteInteger("Main", "Top", 5);
    updated.WriteString("Main", "edCena.Text", QStringLiteral("0,8"));
    updated.Save();
    const QByteArray written = ReadAll(path);
    QVERIFY2(written.startsWith(content), written.toHex().constData());
    const ProfileFile again(path);
    QCOMPARE(again.ReadInteger("Main", "Top", 0), 5);
    QCOMPARE(again.ReadString("Main", "edCena.Text", ""), QStringLiteral("0,8"));
  }

  void KeysAfterANulAreStillRead() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Skorlin.ini");
    WriteAll(path, Raw("\x00\x00junk\r\n[Main]\r\nTop=7\r\n"));
    QCOMPARE(ProfileFile(path).ReadInteger("Main", "Top", 0), 7);
  }

  // Windows-1251 bytes that happen to be valid UTF-8 would read back as other letters.
  void AValueThatWouldBeMisreadMakesTheFileUtf8() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Skorlin.ini");
    ProfileFile ini(path);
    const QString value = QStringLiteral("Р\u045E");  // D0 A2 in Windows-1251: "Т" in UTF-8
    ini.WriteString("Main", "edCena.Text", value);
    ini.Save();
    QCOMPARE(ProfileFile(path).ReadString("Main", "edCena.Text", ""), value);
    QCOMPARE(ReadAll(path), QByteArray("[Main]\r\nedCena.Text=\xD0\xA0\xD1\x9E\r\n"));
  }

  // A file that cannot be read is neither used nor overwritten: its content is not known,
  // so writing it would lose it.
  void AnUnreadableFileIsLeftAsItIs_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("problem");
    QTest::newRow("larger than a settings file can be")
        << "huge"
        << "Settings file %1 is too large (over 1048576 bytes); "
           "the defaults are used and the file is left as it is";
    QTest::newRow("a file that never ends") << "endless"
                                            << "Settings file %1 is too large (over 1048576 bytes); "
                                               "the defaults are used and the file is left as it is";
    QTest::newRow("a folder") << "folder"
                              << "Cannot read settings file %1: " +
                                     QString::fromLocal8Bit(std::strerror(EISDIR)) +
                                     "; the defaults are used and the file is "
                                     "left as it is";
  }
  void AnUnreadableFileIsLeftAsItIs() {
    QFETCH(QString, kind);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString path = dir.filePath("Skorlin.ini");
    QByteArray content;
    if (kind == "huge") {
      content = "[Main]\r\nTop=3\r\n" + QByteArray(kMaxProfileBytes, ';');
      WriteAll(path, content);
    } else if (kind == "endless") {
      QVERIFY(QFile::link("/dev/zero", path));
    } else {
      QVERIFY(QDir().mkdir(path));
    }
    ProfileFile ini(path);
    QCOMPARE(ini.ReadProblem(), std::optional<QString>(problem.arg(path)));
    QCOMPARE(ini.ReadInteger("Main", "Top", -1), -1);
    ini.WriteInteger("Main", "Top", 1);
    try {
      ini.Save();
      QFAIL("no error");
    } catch (const AppError& e) {
      QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Unable to write to ") + path);
    }
    if (kind == "huge") QCOMPARE(ReadAll(path), content);
    if (kind == "endless") QCOMPARE(QFileInfo(path).symLinkTarget(), QStringLiteral("/dev/zero"));
    if (kind == "folder") QVERIFY(QFileInfo(path).isDir());
  }

  void AFailedWriteLeavesTheOldFileAndSaysWhere() {
    QTemporaryDir dir;
    const QString missingFolder = dir.filePath("no/such/folder/Skorlin.ini");
    ProfileFile ini(missingFolder);
    ini.WriteInteger("Main", "Top", 1);
    try {
      ini.Save();
      QFAIL("no error");
    } catch (const AppError& e) {
      QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Unable to write to ") + missingFolder);
    }
    QVERIFY(!QFile::exists(missingFolder));
  }
};

const bool kRegistered = RegisterTest([] { return std::make_unique<ProfileFileTest>(); });

}  // namespace
}  // namespace skorlin::app::testing

#include "profile_file_test.moc"
