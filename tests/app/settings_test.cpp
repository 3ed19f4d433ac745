// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store through the real window: where the file is, what is read at creation
// and at the first show, what is written at close.
#include <sys/stat.h>

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <cerrno>
#include <cstring>

#include "app/profile_file.h"
#include "run_as_nobody.h"
#include "test_classes.h"
#include "window_harness.h"

namespace skorlin::app::testing {
namespace {

const char* const kAllKeys[][2] = {
    {"Main", "chkEnterStart.Checked"},
    {"Main", "chkFolders.Checked"},
    {"Main", "chkShowChanges.Checked"},
    {"Main", "chkTypograf.Checked"},
    {"HTML", "cbxAddP.Checked"},
    {"HTML", "cbxAddPEmpty.Checked"},
    {"HTML", "cbxTable.Checked"},
    {"Abzac", "edAbzMin.Text"},
    {"Abzac", "edAbzMax.Text"},
    {"Main", "edCena.Text"},
    {"Main", "Top"},
    {"Main", "Left"},
    {"Main", "Width"},
    {"Main", "Height"},
};

// The check boxes kept in the settings file, with their state in a window without one.
const struct {
  const char* name;
  bool checked;
} kCheckBoxes[] = {
    {"chkEnterStart", true}, {"chkFolders", true},   {"chkShowChanges", true}, {"chkTypograf", false},
    {"cbxAddP", true},       {"cbxAddPEmpty", true}, {"cbxTable", true},
};

// Every line of before is still in after, in the same order (a CR before the LF aside:
// a last line without a break gets one when something is written after it).
bool KeepsAllLinesOf(const QByteArray& after, const QByteArray& before) {
  const auto lines = [](const QByteArray& bytes) {
    QList<QByteArray> result = bytes.split('\n');
    for (QByteArray& line : result) {
      if (line.endsWith('\r')) line.chop(1);
    }
    return result;
  };
  const QList<QByteArray> kept = lines(after);
  qsizetype at = 0;
  for (const QByteArray& line : lines(before)) {
    while (at < kept.size() && kept[at] != line) ++at;
    if (at++ == kept.size()) return false;
  }
  return true;
}

class SettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void NoFileGivesTheDesignDefaultsAndCloseWritesEveryKey() {
    WindowHarness h;
    h.Open();
    QCOMPARE(h.window->Location().filePath, h.UserSettingsPath());
    for (const auto& [name, checked] : kCheckBoxes)
      QVERIFY2(h.Find<QCheckBox>(name)->isChecked() == checked, name);
    QCOMPARE(h.Find<QLineEdit>("edAbzMin")->text(), QStringLiteral("250"));
    QCOMPARE(h.Find<QLineEdit>("edAbzMax")->text(), QStringLiteral("400"));
    QCOMPARE(h.Find<QLineEdit>("edCena")->text(), QStringLiteral("0,8"));
    // The labels keep their design captions until the first recount.
    QCOMPARE(h.Label("lbStr"), QStringLiteral("Строк:"));
    QCOMPARE(h.Label("lbCena"), QStringLiteral("Цена: 0"));
    h.Find<QCheckBox>("chkFolders")->setChecked(false);
    h.Find<QLineEdit>("edAbzMax")->setText(QStringLiteral("500"));
    h.window->resize(500, 450);
    h.window->close();
    QVERIFY(h.errors.isEmpty());

    const ProfileFile ini(h.UserSettingsPath());
    for (const auto& [section, key] : kAllKeys) QVERIFY2(ini.Find(section, key).has_value(), key);
    QCOMPARE(ini.ReadString("Main", "chkEnterStart.Checked", ""), QStringLiteral("1"));
    QCOMPARE(ini.ReadString("Main", "chkFolders.Checked", ""), QStringLiteral("0"));
    QCOMPARE(ini.ReadString("Main", "chkTypograf.Checked", ""), QStringLiteral("0"));
    QCOMPARE(ini.ReadString("Abzac", "edAbzMax.Text", ""), QStringLiteral("500"));
    QCOMPARE(ini.ReadString("Main", "edCena.Text", ""), QStringLiteral("0,8"));
    QCOMPARE(ini.ReadInteger("Main", "Width", 0), 500);
    QCOMPARE(ini.ReadInteger("Main", "Height", 0), 450);
  }

  void EverythingWrittenAtCloseIsReadAtTheNextStart() {
    WindowHarness h;
    h.Open();
    for (const auto& [name, checked] : kCheckBoxes) h.Find<QCheckBox>(name)->setChecked(!checked);
    h.Find<QLineEdit>("edAbzMin")->setText(QStringLiteral("100"));
    h.Find<QLineEdit>("edAbzMax")->setText(QStringLiteral("200"));
    h.Find<QLineEdit>("edCena")->setText(QStringLiteral("1,25 руб"));
    h.window->move(30, 40);
    h.window->resize(420, 400);
    const QPoint place = h.window->pos();
    h.window->close();

    h.Open();
    for (const auto& [name, checked] : kCheckBoxes)
      QVERIFY2(h.Find<QCheckBox>(name)->isChecked() != checked, name);
    QCOMPARE(h.Find<QLineEdit>("edAbzMin")->text(), QStringLiteral("100"));
    QCOMPARE(h.Find<QLineEdit>("edAbzMax")->text(), QStringLiteral("200"));
    QCOMPARE(h.Find<QLineEdit>("edCena")->text(), QStringLiteral("1,25 руб"));
    QCOMPARE(h.window->pos(), place);
    QCOMPARE(h.window->size(), QSize(420, 400));
  }

  void AFileBesideTheProgramWins() {
    WindowHarness h;
    const QString beside = h.ProgramDir() + "Skorlin.ini";
    h.WriteFile(beside, "[Abzac]\r\nedAbzMin.Text=111\r\n");
    h.WriteFile(h.UserSettingsPath(), "[Abzac]\r\nedAbzMin.Text=222\r\n");
    h.Open();
    QCOMPARE(h.Find<QLineEdit>("edAbzMin")->text(), QStringLiteral("111"));
    h.window->close();
    QVERIFY(ProfileFile(beside).Find("Main", "Top").has_value());
    QCOMPARE(h.ReadFile(h.UserSettingsPath()), QByteArray("[Abzac]\r\nedAbzMin.Text=222\r\n"));
  }

  void TheUserFolderIsCreatedEvenWhenTheFileBesideTheProgramIsUsed() {
    WindowHarness h;
    h.WriteFile(h.ProgramDir() + "Skorlin.ini", "");
    h.Create();
    QVERIFY(QFileInfo(h.AppDataDir() + "Skorlin").isDir());
  }

  void WithoutAUserFolderTheFileGoesBesideTheProgram() {
    WindowHarness h;
    WindowEnvironment environment{h.ProgramDir(), QString(), {}};
    TfmMain window(environment);
    QCOMPARE(window.Location().filePath, h.ProgramDir() + "Skorlin.ini");
  }

  void StoredGeometryIsRestoredWithNegativeTopOrLeftMovedToZero() {
    WindowHarness h;
    h.WriteFile(h.UserSettingsPath(), "[Main]\r\nTop=-50\r\nLeft=5000\r\nWidth=400\r\nHeight=380\r\n");
    h.Open();
    QCOMPARE(h.window->y(), 0);
    QCOMPARE(h.window->x(), 5000);
    QCOMPARE(h.window->width(), 400);
    QCOMPARE(h.window->height(), 380);
  }

  void AMaximizedWindowKeepsTheStoredGeometry() {
    WindowHarness h;
    const QByteArray geometry = "Top=7\r\nLeft=8\r\nWidth=401\r\nHeight=402\r\n";
    h.WriteFile(h.UserSettingsPath(), "[Main]\r\n" + geometry);
    h.Open();
    h.Find<QLineEdit>("edCena")->setText(QStringLiteral("1,2"));
    h.window->showMaximized();
    QTRY_VERIFY(h.window->isMaximized());
    h.window->close();
    const ProfileFile ini(h.UserSettingsPath());
    QCOMPARE(ini.ReadString("Main", "edCena.Text", ""), QStringLiteral("1,2"));
    QCOMPARE(ini.ReadInteger("Main", "Top", 0), 7);
    QCOMPARE(ini.ReadInteger("Main", "Left", 0), 8);
    QCOMPARE(ini.ReadInteger("Main", "Width", 0), 401);
    QCOMPARE(ini.ReadInteger("Main", "Height", 0), 402);
  }

  void BooleanValues_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("pasted");
    QTest::newRow("'0' turns the start-up paste off") << QByteArray("0") << false << false;
    QTest::newRow("'1'") << QByteArray("1") << true << true;
    QTest::newRow("'0x10' is true") << QByteArray("0x10") << true << true;
    QTest::newRow("'yes' keeps the default") << QByteArray("yes") << true << true;
    QTest::newRow("the first section of a name wins, in any case")
        << QByteArray("0\r\n[MAIN]\r\nCHKENTERSTART.CHECKED=1") << false << false;
  }
  void BooleanValues() {
    QFETCH(QByteArray, stored);
    QFETCH(bool, checked);
    QFETCH(bool, pasted);
    WindowHarness h;
    h.WriteFile(h.UserSettingsPath(), "[main]\r\nchkenterstart.checked=" + stored + "\r\n");
    QApplication::clipboard()->setText(QStringLiteral("из буфера"));
    h.Open();
    QCOMPARE(h.Find<QCheckBox>("chkEnterStart")->isChecked(), checked);
    QCOMPARE(h.Text(0), pasted ? QStringLiteral("из буфера") : QString());
  }

  void AnEmptyRateIsARateAndGivesPricesOfZero() {
    WindowHarness h;
    h.WriteFile(h.UserSettingsPath(), "[Main]\r\nchkEnterStart.Checked=0\r\nedCena.Text=\r\n");
    h.Open();
    QCOMPARE(h.Find<QLineEdit>("edCena")->text(), QString());
    // The changed rate ran the change event: the panel was recounted.
    QCOMPARE(h.Label("lbStr"), QStringLiteral("Строк: 1"));
    h.SetText(0, QString(2000, QChar(u'я')));
    QCOMPARE(h.Label("lbCena"), QStringLiteral("Цена: 0"));
    QCOMPARE(h.Label("lbCena2"), QStringLiteral("Цена: 0"));
  }

  void AStoredHtmlOptionRecountsTheInputAtCreation() {
    WindowHarness h;
    h.WriteFile(h.UserSettingsPath(), "[HTML]\r\ncbxTable.Checked=0\r\n");
    h.Create();
    QVERIFY(!h.Find<QCheckBox>("cbxTable")->isChecked());
    QCOMPARE(h.Label("lbStr"), QStringLiteral("Строк: 1"));
    QCOMPARE(h.Label("lbFull"), QStringLiteral("Знаков и пробелов: 0"));
  }

  void AFileThatCannotBeReadIsReportedAtStartAndNotOverwritten() {
    WindowHarness h;
    // A folder where the file should be: it can neither be read nor replaced.
    QDir().mkpath(h.UserSettingsPath());
    h.Open();
    const QString cannotRead = QStringLiteral(
                                   "Cannot read settings file %1: %2; the defaults are used and the file is "
                                   "left as it is")
                                   .arg(h.UserSettingsPath(), QString::fromLocal8Bit(std::strerror(EISDIR)));
    QCOMPARE(h.errors, QStringList{cannotRead});
    QCOMPARE(h.Find<QLineEdit>("edAbzMin")->text(), QStringLiteral("250"));
    h.window->close();
    QVERIFY(!h.window->isVisible());
    QCOMPARE(h.errors,
             (QStringList{cannotRead, QStringLiteral("Unable to write to ") + h.UserSettingsPath()}));
    h.window->close();
    QTest::keyClick(h.window.get(), Qt::Key_Escape);
    QCOMPARE(h.errors.size(), 2);
    QVERIFY(QFileInfo(h.UserSettingsPath()).isDir());
  }

  void AHugeFileGivesTheDefaultsAndStaysAsItIs() {
    WindowHarness h;
    const QByteArray content = "[Abzac]\r\nedAbzMin.Text=111\r\n" + QByteArray(kMaxProfileBytes, 'x');
    h.WriteFile(h.UserSettingsPath(), content);
    h.Open();
    QCOMPARE(h.errors.size(), 1);
    QVERIFY2(h.errors.front().startsWith(
                 QStringLiteral("Settings file %1 is too large").arg(h.UserSettingsPath())),
             qPrintable(h.errors.front()));
    QCOMPARE(h.Find<QLineEdit>("edAbzMin")->text(), QStringLiteral("250"));
    h.window->close();
    QCOMPARE(h.errors.size(), 2);
    QCOMPARE(h.ReadFile(h.UserSettingsPath()), content);
  }

  // A damaged file: what can be read is used, and closing adds the program's keys without
  // losing a byte of what was there.
  void ADamagedFileIsUsedAsFarAsItGoesAndKeptWhole_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("binary bytes and NULs before the keys")
        << QByteArray("\x00\x01\xFF\xFE\x00\x02\n[Abzac]\nedAbzMin.Text=111\n", 33);
    QTest::newRow("cut in the middle of a key") << QByteArray("[Abzac]\r\nedAbzMin.Text=111\r\nedAbzMa");
    QTest::newRow("cut in the middle of a section name") << QByteArray("[Abzac]\r\nedAbzMin.Text=111\r\n[Ma");
  }
  void ADamagedFileIsUsedAsFarAsItGoesAndKeptWhole() {
    QFETCH(QByteArray, content);
    WindowHarness h;
    h.WriteFile(h.UserSettingsPath(), content);
    h.Open();
    QCOMPARE(h.Find<QLineEdit>("edAbzMin")->text(), QStringLiteral("111"));
    QCOMPARE(h.Find<QLineEdit>("edAbzMax")->text(), QStringLiteral("400"));
    h.Find<QLineEdit>("edAbzMax")->setText(QStringLiteral("450"));
    h.window->close();
    QVERIFY(h.errors.isEmpty());
    const QByteArray written = h.ReadFile(h.UserSettingsPath());
    QVERIFY2(KeepsAllLinesOf(written, content), written.toHex().constData());
    const ProfileFile ini(h.UserSettingsPath());
    for (const auto& [section, key] : kAllKeys) QVERIFY2(ini.Find(section, key).has_value(), key);
    QCOMPARE(ini.ReadString("Abzac", "edAbzMax.Text", ""), QStringLiteral("450"));
  }

  void AFileThatCannotBeWrittenKeepsItsOldContent() {
    WindowHarness h;
    const QByteArray content = "[Abzac]\r\nedAbzMin.Text=111\r\n";
    h.WriteFile(h.UserSettingsPath(), content);
    h.Open();
    QCOMPARE(h.Find<QLineEdit>("edAbzMin")->text(), QStringLiteral("111"));
    h.Find<QLineEdit>("edAbzMin")->setText(QStringLiteral("222"));
    // A folder nobody may write into: neither the file nor a temporary file beside it can
    // be made. The folders above it are opened to other users, as the close may run as one.
    const QString folder = h.AppDataDir() + "Skorlin";
    for (const QString& open : {QDir::cleanPath(h.AppDataDir() + ".."), h.AppDataDir()}) {
      ::chmod(QFile::encodeName(open).constData(), 0755);
    }
    ::chmod(QFile::encodeName(folder).constData(), 0555);
    {
      RunAsNobody nobody;
      if (nobody.Failed()) {
        ::chmod(QFile::encodeName(folder).constData(), 0755);
        QSKIP("running as root and cannot switch this thread to another user (no CAP_SETUID)");
      }
      h.window->close();
    }
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    QCOMPARE(h.errors, QStringList{QStringLiteral("Unable to write to ") + h.UserSettingsPath()});
    QCOMPARE(h.ReadFile(h.UserSettingsPath()), content);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("Skorlin.ini")});
  }

  void ASettingsFolderThatCannotBeCreatedIsReportedAtClose() {
    WindowHarness h;
    // A file named like the folder: the folder cannot be made.
    const QString blocker = h.AppDataDir() + "Skorlin";
    h.WriteFile(blocker, "not a folder");
    h.Open();
    QVERIFY(h.errors.isEmpty());
    QCOMPARE(h.Find<QLineEdit>("edAbzMin")->text(), QStringLiteral("250"));
    h.window->close();
    QCOMPARE(h.errors, QStringList{QStringLiteral("Unable to write to ") + h.UserSettingsPath()});
    QCOMPARE(h.ReadFile(blocker), QByteArray("not a folder"));
  }
};

const bool kRegistered = RegisterTest([] { return std::make_unique<SettingsTest>(); });

}  // namespace
}  // namespace skorlin::app::testing

#include "settings_test.moc"
