// Open, save-as, save as HTML and drops of files and folders, through the real window
// with the file dialog replaced by the test.
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "app/desktop.h"
#include "app/folder_listing.h"
#include "test_classes.h"
#include "window_harness.h"

namespace skorlin::app::testing {
namespace {

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

void Drop(QWidget* window, const QStringList& paths) {
  auto* data = new QMimeData;
  QList<QUrl> urls;
  for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
  data->setUrls(urls);
  const QPoint at = window->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window, &enter);
  QVERIFY(enter.isAccepted());
  QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window, &drop);
  delete data;
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
    QCOMPARE(h.View(1)->toPlainText(), QStringLiteral("Привет\nмир"));
    QCOMPARE(h.View(0)->toPlainText(), QString());
    QCOMPARE(dialogs.kinds, QList<FileDialogKind>{FileDialogKind::kOpen});
  }

  void TheSettingsTabShowsTheDialogsAndChangesNothing() {
    WindowHarness h;
    h.Open();
    h.View(0)->setPlainText(QStringLiteral("текст"));
    const QString in = h.ProgramDir() + "in.txt";
    const QString out = h.ProgramDir() + "out.txt";
    h.WriteFile(in, "other");
    h.SelectTab(3);
    ScriptedDialogs dialogs({in, out});
    h.Action("mmOpen")->trigger();
    h.Action("mmSaveAs")->trigger();
    QCOMPARE(dialogs.kinds.size(), 2);
    QCOMPARE(h.View(0)->toPlainText(), QStringLiteral("текст"));
    QVERIFY(!QFile::exists(out));
  }

  void AMissingFileIsReportedAndTheViewKept() {
    WindowHarness h;
    h.Open();
    h.View(0)->setPlainText(QStringLiteral("прежний"));
    const QString missing = h.ProgramDir() + "missing.txt";
    ScriptedDialogs dialogs({missing});
    h.Action("mmOpen")->trigger();
    QCOMPARE(h.errors, QStringList{QStringLiteral("Cannot open file ") + missing});
    QCOMPARE(h.View(0)->toPlainText(), QStringLiteral("прежний"));
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

  void TextOutsideWindows1251IsSavedInUtf8AndTheCaptionSaysSo() {
    WindowHarness h;
    h.Open();
    h.View(0)->setPlainText(QStringLiteral("5 \u20BD\nдалее"));
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
    h.View(0)->setPlainText(QStringLiteral("Intro<h1>Глава 1</h1>Text"));
    h.SelectTab(3);  // the command always works on the input view
    ScriptedDialogs dialogs({h.ProgramDir() + "site/index.htm"});
    QDir().mkpath(h.ProgramDir() + "site");
    h.window->mmSaveHTMLClick(nullptr);
    QVERIFY(h.errors.isEmpty());
    QVERIFY(h.ReadFile(h.ProgramDir() + "site/index.htm").contains("glava-1.htm"));
    QVERIFY(QFile::exists(h.ProgramDir() + "site/glava-1.htm"));
    QVERIFY(!h.Action("mmSaveHTML")->isVisible());
  }

  void OneDroppedFileIsLoadedWhateverTabIsShown() {
    WindowHarness h;
    h.Open();
    h.View(0)->setPlainText(QStringLiteral("старый"));
    h.SelectTab(1);
    const QString file = h.ProgramDir() + "drop.txt";
    h.WriteFile(file, "\xED\xEE\xE2\xFB\xE9");
    Drop(h.window.get(), {file});
    QCOMPARE(h.View(0)->toPlainText(), QStringLiteral("новый"));
    QCOMPARE(h.Tabs()->currentIndex(), 1);
    QCOMPARE(h.View(1)->toPlainText(), QStringLiteral("старый\n"));
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
    Drop(h.window.get(), {root + "/a.txt", root + "/b.txt"});
    QCOMPARE(h.View(0)->toPlainText(), root + "/a.txt\n" + root + "/b.txt\n");
    // Files first in their order, then the folders' listings, the last folder first.
    Drop(h.window.get(), {root + "/f", root + "/a.txt", root + "/g", root + "/b.txt"});
    QCOMPARE(h.View(0)->toPlainText(),
             root + "/a.txt\n" + root + "/b.txt\n" + root + "/g/one.txt\n" + root + "/f/inner/deep.txt\n");
    // Without "Для папок - имена файлов" a folder is its own path.
    h.Find<QCheckBox>("chkFolders")->setChecked(false);
    Drop(h.window.get(), {root + "/f"});
    QCOMPARE(h.View(0)->toPlainText(), root + "/f\n");
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
};

const bool kRegistered = RegisterTest([] { return std::make_unique<FilesTest>(); });

}  // namespace
}  // namespace skorlin::app::testing

#include "files_test.moc"
