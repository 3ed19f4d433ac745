// The settings file: the profile format's reading rules, in-place writes, safe saving.
#include "app/profile_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
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
