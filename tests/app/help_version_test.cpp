// SPDX-License-Identifier: GPL-3.0-or-later
// Help, about, the mail link and the links of the panel; the version record.
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

#include "app/desktop.h"
#include "app/link_labels.h"
#include "app/version_info.h"
#include "test_classes.h"
#include "window_harness.h"

namespace skorlin::app::testing {
namespace {

class RecordedDesktop {
 public:
  RecordedDesktop() : saved_(CurrentDesktop()) {
    CurrentDesktop().openUrl = [this](const QUrl& url) {
      opened.append(url);
      return false;  // as if nothing could open it: still no message
    };
    CurrentDesktop().showMessage = [this](QWidget*, const QString& title, const QString& text) {
      messages.append(title + QStringLiteral(": ") + text);
    };
  }
  ~RecordedDesktop() { CurrentDesktop() = saved_; }
  QList<QUrl> opened;
  QStringList messages;

 private:
  Desktop saved_;
};

class HelpVersionTest : public QObject {
  Q_OBJECT

 private slots:
  void ShortVersions_data() {
    QTest::addColumn<QString>("full");
    QTest::addColumn<QString>("brief");
    QTest::newRow("4.3.0.36") << "4.3.0.36"
                              << "4.3.0";
    QTest::newRow("5.0.0.1") << "5.0.0.1"
                             << "5.0";
    QTest::newRow("1.2.3.4") << "1.2.3.4"
                             << "1.2.3";
    QTest::newRow("0.0.1.0") << "0.0.1.0"
                             << "0.0.1";
    QTest::newRow("two parts") << "7.1"
                               << "7.1.0";
    QTest::newRow("not numbers") << "a.b.c.d"
                                 << "0.0";
    QTest::newRow("no version data") << ""
                                     << "";
  }
  void ShortVersions() {
    QFETCH(QString, full);
    QFETCH(QString, brief);
    QCOMPARE(ShortVersionOf(full), brief);
  }

  void FileTypes_data() {
    QTest::addColumn<uint>("type");
    QTest::addColumn<uint>("subtype");
    QTest::addColumn<QString>("text");
    QTest::newRow("unknown") << 0u << 0u << "Unknown";
    QTest::newRow("application") << 1u << 0u << "Application";
    QTest::newRow("dll") << 2u << 0u << "DLL";
    QTest::newRow("printer driver") << 3u << 1u << "Printer Driver";
    QTest::newRow("communications driver") << 3u << 10u << "Communications Driver";
    QTest::newRow("driver subtype 11") << 3u << 11u << "";
    QTest::newRow("truetype") << 4u << 3u << "Truetype Font";
    QTest::newRow("font subtype 4") << 4u << 4u << "";
    QTest::newRow("virtual device") << 5u << 0xABCu << "Virtual Defice Identifier = 00000ABC";
    QTest::newRow("static library") << 7u << 0u << "Static-link Library";
    QTest::newRow("6") << 6u << 0u << "";
  }
  void FileTypes() {
    QFETCH(uint, type);
    QFETCH(uint, subtype);
    QFETCH(QString, text);
    QCOMPARE(DescribeFileType(FixedFileInfo{0, 0, type, subtype}), text);
  }

  void AFlagCountsOnlyWhenTheMaskHasIt() {
    QVERIFY(HasFileFlag(FixedFileInfo{0x3F, 0x02, 1, 0}, 2));
    QVERIFY(!HasFileFlag(FixedFileInfo{0x01, 0x02, 1, 0}, 2));
    QVERIFY(!HasFileFlag(FixedFileInfo{0x3F, 0x00, 1, 0}, 2));
  }

  // The window knows its version from the build, without reading its own file; the file
  // carries the same record.
  void TheProgramCarriesItsVersion() {
    QCOMPARE(AppVersionInfo().FileVersion, QStringLiteral(SKORLIN_FILE_VERSION));
    QCOMPARE(AppVersionInfo().fileType, QStringLiteral("Application"));
    const TFileVersionInfo info = ReadFileVersionInfo(QStringLiteral(SKORLIN_APP_PATH));
    QCOMPARE(info.FileVersion, QStringLiteral(SKORLIN_FILE_VERSION));
    QCOMPARE(info.FileVersion.count(u'.'), 3);
    QCOMPARE(info.ProductName, QStringLiteral("Skorlin"));
    QCOMPARE(info.fileType, QStringLiteral("Application"));
    QVERIFY(!info.debug && !info.preRelease && !info.patched);
    QVERIFY(!info.typeName.isEmpty());
  }

  // The answer comes without a window: with no display to open one on, the program would
  // fail instead.
  void HelpAndVersionAnswerWithoutAWindow_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("answer");  // a pattern the standard output matches
    QTest::newRow("--version") << "--version"
                               << "^skorlin \\(Skorlin\\) [0-9.]+\nCopyright .*\nLicense GPLv3\\+: .*"
                                  "\nThis is free software.*\nThere is NO WARRANTY.*\n$";
    QTest::newRow("-v") << "-v"
                        << "^skorlin \\(Skorlin\\) ";
    QTest::newRow("--help") << "--help"
                            << "^Usage: .*skorlin \\[options\\] \\[FILE\\]\n(.|\n)*--version";
    QTest::newRow("-h") << "-h"
                        << "^Usage: ";
  }
  void HelpAndVersionAnswerWithoutAWindow() {
    QFETCH(QString, argument);
    QFETCH(QString, answer);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(SKORLIN_APP_PATH), {argument});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    QVERIFY2(QRegularExpression(answer).match(out).hasMatch(), qPrintable(out));
  }

  void AFileWithoutVersionDataGivesOnlyItsTypeName() {
    QTemporaryDir dir;
    const QString path = dir.filePath("plain.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("just text\n");
    file.close();
    file.setPermissions(file.permissions() | QFile::ExeOwner);
    const TFileVersionInfo info = ReadFileVersionInfo(path);
    QCOMPARE(info.typeName, QMimeDatabase().mimeTypeForFile(path).comment().left(80));
    QVERIFY(info.FileVersion.isEmpty() && info.fileType.isEmpty() && info.CompanyName.isEmpty());
  }

  void TheMailLinkCarriesTheVersion() {
    const TFileVersionInfo saved = AppVersionInfo();
    TFileVersionInfo info;
    info.FileVersion = QStringLiteral("4.3.0.36");
    SetAppVersionInfo(info);
    const QString link = MailLink();
    SetAppVersionInfo(saved);
    QVERIFY(link.startsWith(QStringLiteral("mailto:")));
    QVERIFY(link.contains(QStringLiteral("?subject=О программе Skorlin 4.3.0&body=")));
    QVERIFY(link.contains(QStringLiteral("%0D%0AИспользую твою программу Skorlin версии 4.3.0.36")));
    // Without version data the subject ends right after the name.
    SetAppVersionInfo(TFileVersionInfo{});
    QVERIFY(MailLink().contains(QStringLiteral("?subject=О программе Skorlin &body=")));
    SetAppVersionInfo(saved);
  }

  void HelpAboutAndLinks() {
    WindowHarness h;
    RecordedDesktop desktop;
    h.Open();
    h.Action("mmTopic")->trigger();
    QCOMPARE(desktop.opened.size(), 1);
    QCOMPARE(desktop.opened.front().toLocalFile(), h.ProgramDir() + "Read_me.txt");
    h.Action("mmAbout")->trigger();
    QCOMPARE(desktop.messages.size(), 1);
    QVERIFY(desktop.messages.front().contains(QStringLiteral("Skorlin")));
    QVERIFY(desktop.messages.front().contains(QStringLiteral("GPL-3.0-or-later")));
    QTest::mouseClick(h.Find<QLabel>("Label4"), Qt::LeftButton);
    QCOMPARE(desktop.messages.size(), 2);
    for (const char* name : {"lbhHome", "lbhMail", "Label3", "Label1", "Label2", "Label6"}) {
      QTest::mouseClick(h.Find<QLabel>(name), Qt::LeftButton);
    }
    h.Action("mmWeb")->trigger();
    h.Action("mmMail")->trigger();
    QCOMPARE(desktop.opened.size(), 9);
    QCOMPARE(desktop.opened.at(1), desktop.opened.at(7));  // the site, by label and by menu
    QCOMPARE(desktop.opened.at(2).scheme(), QStringLiteral("mailto"));
    QCOMPARE(desktop.opened.at(2), desktop.opened.at(8));
    QVERIFY(h.errors.isEmpty());
  }
};

const bool kRegistered = RegisterTest([] { return std::make_unique<HelpVersionTest>(); });

}  // namespace
}  // namespace skorlin::app::testing

#include "help_version_test.moc"
