// SPDX-License-Identifier: GPL-3.0-or-later
// Open, save-as, save as HTML and drops of files and folders, through the real window
// with the file dialog replaced by the test.
#include <dirent.h>
#include <sys/stat.h>

#include <QCheckBox>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QUrl>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>

#include "app/desktop.h"
#include "app/folder_listing.h"
#include "run_as_nobody.h"
#include "test_classes.h"
#include "text/encoding.h"
#include "typeset/typeset.h"
#include "window_harness.h"

namespace skorlin::app::testing {
namespace {

// The system's reason for an error number, as the window's messages end with it.
QString Reason(int errorNumber) { return QString::fromLocal8Bit(std::strerror(errorNumber)); }

// Answers the file dialogs with the given paths, one per dialog, and records what it was asked.
class ScriptedDialogs {
 public:
  explicit ScriptedDialogs(QStringList answers) : answers_(std::move(answers)), saved_(CurrentDesktop()) {
    CurrentDesktop().chooseFile = [this](QWidget*, FileDialogKind kind, const QString& suggested) {
      kinds.append(kind);
      suggestions.append(suggested);
      return answers_.isEmpty() ? QString() : answers_.takeFirst();
    };
  }
  ~ScriptedDialogs() { CurrentDesktop() = saved_; }
  QList<FileDialogKind> kinds;
  QStringList suggestions;

 private:
  QStringList answers_;
  Desktop saved_;
};

// A tree below the program folder for the permission tests. Every folder and file in it
// is opened to every user (the test may run as nobody, and the harness's folders belong
// to root with mode 0700); then the folders named in locked are closed to everybody
// (mode 000) until the end of the test, when they get mode 0700 back so that the
// temporary folder can be removed.
class TreeWithLockedFolders {
 public:
  TreeWithLockedFolders(const WindowHarness& h, const QStringList& files, const QStringList& locked)
      : root_(h.ProgramDir() + "tree") {
    for (const QString& file : files) WindowHarness::WriteFile(Path(file), "x");
    for (const QString& folder : locked) QDir().mkpath(Path(folder));
    for (const QString& folder : {QDir::cleanPath(h.ProgramDir() + ".."), h.ProgramDir(), root_}) {
      ::chmod(QFile::encodeName(folder).constData(), 0755);
    }
    QDirIterator all(root_, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                     QDirIterator::Subdirectories);
    while (all.hasNext()) {
      const QString path = all.next();
      ::chmod(QFile::encodeName(path).constData(), all.fileInfo().isDir() ? 0755 : 0644);
    }
    for (const QString& folder : locked) {
      locked_.append(Path(folder));
      ::chmod(QFile::encodeName(locked_.back()).constData(), 0);
    }
  }
  ~TreeWithLockedFolders() {
    for (const QString& folder : locked_) ::chmod(QFile::encodeName(folder).constData(), 0700);
  }
  TreeWithLockedFolders(const TreeWithLockedFolders&) = delete;
  TreeWithLockedFolders& operator=(const TreeWithLockedFolders&) = delete;

  QString Path(const QString& relative) const { return root_ + u'/' + relative; }
  QStringList Paths(const QStringList& relative) const {
    QStringList paths;
    for (const QString& path : relative) paths.append(Path(path));
    return paths;
  }
  // Whether the current user really cannot open the locked folders (a file system that
  // ignores modes, or a user who reads everything, leaves nothing to test).
  bool LocksHold() const {
    for (const QString& folder : locked_) {
      if (DIR* dir = ::opendir(QFile::encodeName(folder).constData())) {
        ::closedir(dir);
        return false;
      }
    }
    return true;
  }

 private:
  QString root_;
  QStringList locked_;
};

// The lines of a view or a listing in a fixed order, without the empty lines that empty or
// unreadable subfolders leave (the file system's order is not fixed).
QStringList SortedLines(const QString& text) {
  QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n")), Qt::SkipEmptyParts);
  lines.sort();
  return lines;
}

class FilesTest : public QObject {
  Q_OBJECT

 private slots:
  void OpenDecodesEitherEncodingIntoTheActiveView_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("windows-1251") << QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2\r\n\xEC\xE8\xF0");
    QTest::newRow("utf-8") << QByteArray("Привет\r\nмир");
    QTest::newRow("utf-8 with lone line feeds") << QByteArray("Привет\nмир");
  }
  void OpenDecodesEitherEncodingIntoTheActiveView() {
    QFETCH(QByteArray, bytes);
    WindowHarness h;
    h.Open();
    const QString path = h.ProgramDir() + "in.txt";
    h.WriteFile(path, bytes);
    h.SelectTab(1);
    ScriptedDialogs dialogs({path});
    h.Action("mmOpen")->trigger();
    QCOMPARE(h.Text(1), QStringLiteral("Привет\nмир"));
    QCOMPARE(h.Text(0), QString());
    QCOMPARE(dialogs.kinds, QList<FileDialogKind>{FileDialogKind::kOpen});
  }

  void TheSettingsTabShowsTheDialogsAndChangesNothing() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("текст"));
    const QString in = h.ProgramDir() + "in.txt";
    const QString out = h.ProgramDir() + "out.txt";
    h.WriteFile(in, "other");
    h.SelectTab(3);
    ScriptedDialogs dialogs({in, out});
    h.Action("mmOpen")->trigger();
    h.Action("mmSaveAs")->trigger();
    QCOMPARE(dialogs.kinds.size(), 2);
    QCOMPARE(h.Text(0), QStringLiteral("текст"));
    QVERIFY(!QFile::exists(out));
  }

  void AMissingFileIsReportedAndTheViewKept() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("прежний"));
    const QString missing = h.ProgramDir() + "missing.txt";
    ScriptedDialogs dialogs({missing});
    h.Action("mmOpen")->trigger();
    QCOMPARE(h.errors, QStringList{QStringLiteral("Cannot open file ") + missing + ": " + Reason(ENOENT)});
    QCOMPARE(h.Text(0), QStringLiteral("прежний"));
  }

  // A file that cannot be read is named with the reason, and the view keeps its text.
  void AFileThatCannotBeReadIsReportedAndTheViewKept_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("a folder") << "folder"
                              << "Cannot open file %1: " + Reason(EISDIR);
    QTest::newRow("no read permission") << "locked"
                                        << "Cannot open file %1: " + Reason(EACCES);
    QTest::newRow("larger than the limit") << "huge"
                                           << "File %1 is too large: 513 MB (the limit is 512 MB)";
    QTest::newRow("a read that fails") << "/proc/self/mem"
                                       << "Cannot read file %1: " + Reason(EIO);
  }
  void AFileThatCannotBeReadIsReportedAndTheViewKept() {
    QFETCH(QString, kind);
    QFETCH(QString, message);
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("прежний"));
    QString path = h.ProgramDir() + "in.txt";
    if (kind == "folder") {
      QVERIFY(QDir().mkpath(path));
    } else if (kind == "huge") {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      QVERIFY(file.resize(qint64{513} << 20));  // sparse: no disk space spent
    } else if (kind == "locked") {
      h.WriteFile(path, "secret");
      for (const QString& folder : {QDir::cleanPath(h.ProgramDir() + ".."), h.ProgramDir()}) {
        ::chmod(QFile::encodeName(folder).constData(), 0755);
      }
      ::chmod(QFile::encodeName(path).constData(), 0);
    } else {
      path = kind;
    }
    ScriptedDialogs dialogs({path});
    {
      std::optional<RunAsNobody> nobody;  // permissions do not stop root
      if (kind == "locked") nobody.emplace();
      if (nobody && nobody->Failed())
        QSKIP("running as root and cannot switch this thread to another user (no CAP_SETUID)");
      h.Action("mmOpen")->trigger();
    }
    QCOMPARE(h.errors, QStringList{message.arg(path)});
    QCOMPARE(h.Text(0), QStringLiteral("прежний"));
  }

  void SaveAsKeepsTheEncodingTheTextCameIn() {
    WindowHarness h;
    h.Open();
    const QByteArray cp1251 = "\xCF\xF0\xE8\xE2\xE5\xF2\r\n\xEC\xE8\xF0\r\n";
    const QByteArray utf8 = "Привет\r\nмир\r\n";
    const QString a = h.ProgramDir() + "a.txt";
    const QString b = h.ProgramDir() + "b.txt";
    h.WriteFile(a, cp1251);
    h.WriteFile(b, utf8);
    ScriptedDialogs dialogs({a, h.ProgramDir() + "a2.txt", b, h.ProgramDir() + "b2.txt"});
    h.Action("mmOpen")->trigger();
    h.Action("mmSaveAs")->trigger();
    h.Action("mmOpen")->trigger();
    h.Action("mmSaveAs")->trigger();
    QCOMPARE(h.ReadFile(h.ProgramDir() + "a2.txt"), cp1251);
    QCOMPARE(h.ReadFile(h.ProgramDir() + "b2.txt"), utf8);
    // The dialog offers the name chosen last.
    QCOMPARE(dialogs.suggestions.at(1), QStringLiteral("index.htm"));
    QCOMPARE(dialogs.suggestions.at(3), h.ProgramDir() + "a2.txt");
  }

  void DerivedViewsTakeTheInputsEncodingAndPastedTextIsWindows1251() {
    WindowHarness h;
    h.Open();
    const QString in = h.ProgramDir() + "in.txt";
    h.WriteFile(in, "Привет");
    ScriptedDialogs dialogs({in, h.ProgramDir() + "formatted.txt", h.ProgramDir() + "pasted.txt"});
    h.Action("mmOpen")->trigger();
    h.SelectTab(1);
    h.Action("mmSaveAs")->trigger();
    QCOMPARE(h.ReadFile(h.ProgramDir() + "formatted.txt"), QByteArray("Привет\r\n"));
    h.SelectTab(0);
    QApplication::clipboard()->setText(QStringLiteral("Пока"));
    QTest::mouseClick(h.Find<QPushButton>("btPaste"), Qt::LeftButton);
    h.Action("mmSaveAs")->trigger();
    QCOMPARE(h.ReadFile(h.ProgramDir() + "pasted.txt"), QByteArray("\xCF\xEE\xEA\xE0"));
  }

  // The typeset view is copied and saved as shown. Its «ёлочки», „лапки“, dashes, ellipses
  // and no-break spaces are all in Windows-1251: a Windows-1251 input's view is saved in
  // Windows-1251, not widened to UTF-8.
  void TheTypesetViewIsCopiedAndSavedAsShown() {
    WindowHarness h;
    h.Open();
    const QString in = h.ProgramDir() + "in.txt";
    // «Да»,\u00A0— ответил он… „Да“ - "нет"
    h.WriteFile(in,
                "\xAB\xC4\xE0\xBB,\xA0\x97 \xEE\xF2\xE2\xE5\xF2\xE8\xEB \xEE\xED\x85 \x84\xC4\xE0\x93 - "
                "\"\xED\xE5\xF2\"\r\n");
    ScriptedDialogs dialogs({in, h.ProgramDir() + "typeset.txt"});
    h.Action("mmOpen")->trigger();
    h.Find<QCheckBox>("chkTypograf")->setChecked(true);
    h.SelectTab(1);
    const std::string shown = typeset::TypesetViewUtf8(ViewText(*h.View(0)), false).utf8;
    QTest::mouseClick(h.Find<QPushButton>("btCopy"), Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->text(), ClipboardString(shown));
    h.Action("mmSaveAs")->trigger();
    QCOMPARE(h.ReadFile(h.ProgramDir() + "typeset.txt").toStdString(),
             text::EncodeFromUtf8(shown, text::Encoding::Cp1251));
    QVERIFY(!h.window->windowTitle().contains(QStringLiteral("UTF-8")));
  }

  void TextOutsideWindows1251IsSavedInUtf8AndTheCaptionSaysSo() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("5 \u20BD\nдалее"));
    ScriptedDialogs dialogs({h.ProgramDir() + "price"});
    h.Action("mmSaveAs")->trigger();
    // A name without an extension gets ".htm".
    QCOMPARE(h.ReadFile(h.ProgramDir() + "price.htm"), QByteArray("5 \xE2\x82\xBD\r\nдалее"));
    QCOMPARE(h.window->windowTitle(),
             QStringLiteral("Сохранено в UTF-8: в тексте есть знаки вне Windows-1251"));
  }

  void AFileThatCannotBeCreatedIsReported() {
    WindowHarness h;
    h.Open();
    const QString path = h.ProgramDir() + "no/such/folder/x.txt";
    ScriptedDialogs dialogs({path});
    h.Action("mmSaveAs")->trigger();
    QCOMPARE(h.errors, QStringList{QStringLiteral("Cannot create file ") + path});
  }

  void SaveHtmlWritesPagesBesideTheIndex() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("Intro<h1>Глава 1</h1>Text"));
    h.SelectTab(3);  // the command always works on the input view
    ScriptedDialogs dialogs({h.ProgramDir() + "site/index.htm"});
    QDir().mkpath(h.ProgramDir() + "site");
    h.Action("mmSaveHTML")->trigger();
    QVERIFY(h.errors.isEmpty());
    QVERIFY(h.ReadFile(h.ProgramDir() + "site/index.htm").contains("glava-1.htm"));
    QVERIFY(QFile::exists(h.ProgramDir() + "site/glava-1.htm"));
    QVERIFY(!h.Action("mmSaveHTML")->isVisible());
  }

  // A file dropped anywhere on the window, whatever tab is shown, loads into the input
  // view; the control it landed on keeps what it held, and the tab stays.
  void OneDroppedFileIsLoadedWhereverItLands_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("target");
    QTest::newRow("the input view") << 0 << "RichEdit1";
    QTest::newRow("the formatted view") << 1 << "RichEdit2";
    QTest::newRow("the HTML view") << 2 << "RichEdit3";
    QTest::newRow("the price field") << 1 << "edCena";
    QTest::newRow("a settings field") << 3 << "edAbzMin";
    QTest::newRow("a count label") << 0 << "lbStr";
    QTest::newRow("a link label") << 2 << "Label1";
    QTest::newRow("the tabs") << 1 << "PageControl";
    QTest::newRow("a button") << 0 << "btCopy";
  }
  void OneDroppedFileIsLoadedWhereverItLands() {
    QFETCH(int, tab);
    QFETCH(QString, target);
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("старый"));
    h.SelectTab(2);
    h.SelectTab(tab);
    const QString derived[2] = {h.Text(1), h.Text(2)};
    const QString file = h.ProgramDir() + "drop.txt";
    h.WriteFile(file, "\xED\xEE\xE2\xFB\xE9");
    QWidget* under = h.Find<QWidget>(qPrintable(target));
    if (auto* view = qobject_cast<TextView*>(under)) under = view->viewport();
    if (auto* tabs = qobject_cast<QTabWidget*>(under)) under = tabs->tabBar();
    const QString fields[] = {h.Find<QLineEdit>("edCena")->text(), h.Find<QLineEdit>("edAbzMin")->text()};
    QVERIFY(h.DropFiles(under, {file}));
    QCOMPARE(h.Text(0), QStringLiteral("новый"));
    QCOMPARE(h.Tabs()->currentIndex(), tab);
    QCOMPARE(h.Text(1), derived[0]);
    QCOMPARE(h.Text(2), derived[1]);
    QCOMPARE(h.Find<QLineEdit>("edCena")->text(), fields[0]);
    QCOMPARE(h.Find<QLineEdit>("edAbzMin")->text(), fields[1]);
    QVERIFY(h.errors.isEmpty());
  }

  // A file dropped while a command is at work on the view is read once the command is done:
  // the command's result is not written over the file, nor the file into the command.
  void ADropWaitsForTheCommandAtWork() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral(" x\n").repeated(500));
    const QString file = h.ProgramDir() + "drop.txt";
    h.WriteFile(file, "файл");
    h.Action("mmDelSpaces")->trigger();
    QVERIFY(h.window->CommandRunning());
    QVERIFY(h.DropFiles(h.View(0)->viewport(), {file}));
    QVERIFY(h.WaitForCommand());
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Пробелы: 100% 500"));
    QTRY_COMPARE(h.Text(0), QStringLiteral("файл"));
    QVERIFY(h.errors.isEmpty());
  }

  // A dragged text (not a file) is left to the view under the pointer, which takes it in.
  void ADraggedTextGoesIntoTheView() {
    WindowHarness h;
    h.Open();
    h.SelectTab(1);
    h.SetText(1, QStringLiteral("один\nдва"));
    QMimeData data;
    data.setText(QStringLiteral("вставка"));
    QVERIFY(h.DropData(h.View(1)->viewport(), &data));
    QVERIFY2(h.Text(1).contains(QStringLiteral("вставка")), qPrintable(h.Text(1)));
    QCOMPARE(h.Text(1).remove(QStringLiteral("вставка")), QStringLiteral("один\nдва"));
    QCOMPARE(h.Text(0), QString());
  }

  void DroppedNamesAndFolders() {
    WindowHarness h;
    h.Open();
    const QString root = h.ProgramDir() + "tree";
    h.WriteFile(root + "/a.txt", "A");
    h.WriteFile(root + "/b.txt", "B");
    h.WriteFile(root + "/f/inner/deep.txt", "");
    h.WriteFile(root + "/g/one.txt", "");
    // Two files: their paths, neither file read.
    h.DropFiles(h.View(0)->viewport(), {root + "/a.txt", root + "/b.txt"});
    QCOMPARE(h.Text(0), root + "/a.txt\n" + root + "/b.txt\n");
    // Files first in their order, then the folders' listings, the last folder first.
    h.DropFiles(h.View(0)->viewport(), {root + "/f", root + "/a.txt", root + "/g", root + "/b.txt"});
    QCOMPARE(h.Text(0),
             root + "/a.txt\n" + root + "/b.txt\n" + root + "/g/one.txt\n" + root + "/f/inner/deep.txt\n");
    // Without "Для папок - имена файлов" a folder is its own path.
    h.Find<QCheckBox>("chkFolders")->setChecked(false);
    h.DropFiles(h.View(0)->viewport(), {root + "/f"});
    QCOMPARE(h.Text(0), root + "/f\n");
  }

  void ListingFollowsLinksOnlyOnce() {
    WindowHarness h;
    const QString root = h.ProgramDir() + "tree";
    h.WriteFile(root + "/only/x.txt", "");
    QDir().mkpath(root + "/only/empty");
    h.WriteFile(root + "/only/zz/y.txt", "");
    QVERIFY(QFile::link(root + "/only", root + "/only/zz/back"));  // a loop back to the top
    const QString listing = ListFolderFiles(root + "/only");
    QStringList lines = listing.split(QStringLiteral("\r\n"));
    // The empty folder leaves an empty line unless the file system lists it first or last.
    QVERIFY(lines.removeAll(QString()) <= 1);
    lines.sort();  // the file system's order is not fixed
    QCOMPARE(lines, (QStringList{root + "/only/x.txt", root + "/only/zz/y.txt"}));
    QCOMPARE(ListFolderFiles(root + "/only/empty"), QString());
    QCOMPARE(ListFolderFiles(root + "/missing"), QString());
  }

  void UnreadableFoldersOfADropAreReported_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("locked");
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QStringList>("listed");    // the view's lines, sorted
    QTest::addColumn<QStringList>("reported");  // any of them may be named first
    QTest::addColumn<int>("more");              // how many more folders the message counts
    const QStringList files = {"top/a.txt", "top/locked/hidden.txt", "top/open/b.txt"};
    QTest::newRow("one unreadable subfolder")
        << files << QStringList{"top/locked"} << QStringList{"top"}
        << QStringList{"top/a.txt", "top/open/b.txt"} << QStringList{"top/locked"} << 0;
    QTest::newRow("three unreadable folders, one empty")
        << (files + QStringList{"top/open/deep/c.txt"})
        << QStringList{"top/locked", "top/open/deep", "top/empty"} << QStringList{"top"}
        << QStringList{"top/a.txt", "top/open/b.txt"}
        << QStringList{"top/locked", "top/open/deep", "top/empty"} << 2;
    QTest::newRow("the dropped folder itself, beside a file")
        << (files + QStringList{"loose.txt"}) << QStringList{"top"} << QStringList{"loose.txt", "top"}
        << QStringList{"loose.txt"} << QStringList{"top"} << 0;
    QTest::newRow("one folder met by two dropped folders is named once")
        << files << QStringList{"top/locked"} << QStringList{"top", "top/locked"}
        << QStringList{"top/a.txt", "top/open/b.txt"} << QStringList{"top/locked"} << 0;
    QTest::newRow("every folder readable")
        << files << QStringList{} << QStringList{"top"}
        << QStringList{"top/a.txt", "top/locked/hidden.txt", "top/open/b.txt"} << QStringList{} << 0;
  }
  void UnreadableFoldersOfADropAreReported() {
    QFETCH(QStringList, files);
    QFETCH(QStringList, locked);
    QFETCH(QStringList, dropped);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, reported);
    QFETCH(int, more);
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("прежний"));
    TreeWithLockedFolders tree(h, files, locked);
    {
      RunAsNobody nobody;
      if (nobody.Failed())
        QSKIP("running as root and cannot switch this thread to another user (no CAP_SETUID)");
      if (!tree.LocksHold()) QSKIP("this user can open folders of mode 000: no unreadable folder to test");
      h.DropFiles(h.View(0)->viewport(), tree.Paths(dropped));
    }
    // Everything readable is in the view, nothing from inside an unreadable folder.
    QCOMPARE(SortedLines(h.Text(0)), tree.Paths(listed));
    if (reported.isEmpty()) {
      QCOMPARE(h.errors, QStringList());
      return;
    }
    QCOMPARE(h.errors.size(), 1);
    const QString& error = h.errors.front();
    const QString tail = more == 0 ? QString() : QStringLiteral(" and %1 more").arg(more);
    QVERIFY2(error.endsWith(tail), qPrintable(error));
    const QString first = error.mid(0, error.size() - tail.size());
    QVERIFY2(first.startsWith(QStringLiteral("Cannot read folder ")), qPrintable(error));
    QVERIFY2(tree.Paths(reported).contains(first.mid(QStringLiteral("Cannot read folder ").size())),
             qPrintable(error));
  }

  void ListingNamesEachUnreadableFolderOnce() {
    WindowHarness h;
    TreeWithLockedFolders tree(h, {"top/a.txt", "top/one/x.txt", "top/sub/b.txt", "top/sub/two/y.txt"},
                               {"top/one", "top/sub/two"});
    // A second way into a locked folder: it is still named only once.
    QVERIFY(QFile::link(tree.Path("top/one"), tree.Path("top/sub/again")));
    FolderListing listing;
    FolderListing missing;
    QString filesOnly;
    {
      RunAsNobody nobody;
      if (nobody.Failed())
        QSKIP("running as root and cannot switch this thread to another user (no CAP_SETUID)");
      if (!tree.LocksHold()) QSKIP("this user can open folders of mode 000: no unreadable folder to test");
      listing = ListFolder(tree.Path("top"));
      filesOnly = ListFolderFiles(tree.Path("top"));
      missing = ListFolder(tree.Path("gone"));
    }
    QCOMPARE(SortedLines(listing.files), tree.Paths({"top/a.txt", "top/sub/b.txt"}));
    QCOMPARE(filesOnly, listing.files);
    listing.unreadable.sort();
    QCOMPARE(listing.unreadable, tree.Paths({"top/one", "top/sub/two"}));
    // A folder that is not there cannot be read either.
    QCOMPARE(missing.files, QString());
    QCOMPARE(missing.unreadable, tree.Paths({"gone"}));
  }
};

const bool kRegistered = RegisterTest([] { return std::make_unique<FilesTest>(); });

}  // namespace
}  // namespace skorlin::app::testing

#include "files_test.moc"
