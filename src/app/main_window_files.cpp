// Files: open and save-as on the active view, save as HTML, files dropped on the window.
#include <QCheckBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <string>
#include <utility>

#include "app/app_error.h"
#include "app/desktop.h"
#include "app/error_box.h"
#include "app/folder_listing.h"
#include "app/main_window.h"
#include "app/view_text.h"
#include "app/wait_cursor.h"
#include "app/widgets.h"
#include "html/save_html.h"
#include "text/encoding.h"
#include "text/line_list.h"
#include "text/text_file.h"

namespace skorlin::app {

int TfmMain::ViewIndex(const QPlainTextEdit* view) const {
  if (view == RichEdit1) return 0;
  if (view == RichEdit2) return 1;
  return 2;
}

text::Encoding TfmMain::ViewEncoding(const QPlainTextEdit* view) const {
  return viewEncoding_[ViewIndex(view)];
}

void TfmMain::LoadFileIntoView(QPlainTextEdit* view, const QString& path) {
  WaitCursor wait;
  std::string bytes;
  try {
    bytes = text::ReadFileBytes(QFile::encodeName(path).toStdString());
  } catch (const text::FileError& error) {
    // "Cannot open file <path>", or what else kept it from being read (too large, a read
    // that failed): the user learns why, and the view keeps its text.
    throw AppError(QFile::decodeName(error.what()));
  }
  text::DecodedText decoded = text::DecodeAuto(bytes);
  viewEncoding_[ViewIndex(view)] = decoded.encoding;
  SetViewText(view, UpToNul(std::move(decoded.text)));
}

text::Text TfmMain::UpToNul(text::Text text) {
  const std::size_t nul = text.find(U'\0');
  if (nul == text::Text::npos) return text;
  text.resize(nul);
  ShowCaption("Текст обрезан: символ NUL в позиции " + std::to_string(nul + 1));
  return text;
}

void TfmMain::mmOpenClick(QObject* /*sender*/) {
  const QString path = CurrentDesktop().chooseFile(this, FileDialogKind::kOpen, QString());
  if (path.isEmpty()) return;
  if (QPlainTextEdit* view = ActiveView()) LoadFileIntoView(view, path);
}

void TfmMain::mmSaveAsClick(QObject* /*sender*/) {
  const QString chosen = CurrentDesktop().chooseFile(this, FileDialogKind::kSave, lastSaveName_);
  if (chosen.isEmpty()) return;
  const QString path = WithDefaultSuffix(chosen, QStringLiteral("htm"));
  lastSaveName_ = path;
  QPlainTextEdit* view = ActiveView();
  if (!view) return;
  WaitCursor wait;
  const text::Text whole = ViewText(view);
  text::Encoding encoding = ViewEncoding(view);
  bool widened = false;
  if (encoding == text::Encoding::Cp1251 && text::CheckCp1251(whole).unencodable > 0) {
    // Windows-1251 cannot hold every character: nothing is written lossily.
    encoding = text::Encoding::Utf8;
    widened = true;
  }
  const std::string bytes = text::Encode(whole, encoding);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
      !file.commit()) {
    throw AppError(QStringLiteral("Cannot create file %1").arg(path));
  }
  if (widened) {
    setWindowTitle(QString::fromUtf8("Сохранено в UTF-8: в тексте есть знаки вне Windows-1251"));
  }
}

void TfmMain::mmSaveHTMLClick(QObject* /*sender*/) {
  const QString chosen = CurrentDesktop().chooseFile(this, FileDialogKind::kSave, lastSaveName_);
  if (chosen.isEmpty()) return;
  const QString path = WithDefaultSuffix(chosen, QStringLiteral("htm"));
  lastSaveName_ = path;
  WaitCursor wait;
  html::SaveHtml(ViewText(RichEdit1), std::filesystem::path(QFile::encodeName(path).toStdString()),
                 ViewEncoding(RichEdit1));
}

void TfmMain::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TfmMain::dropEvent(QDropEvent* event) {
  QStringList names;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) names << QDir::cleanPath(url.toLocalFile());
  }
  event->acceptProposedAction();
  if (!names.isEmpty()) RunHandler([&] { FilesDropped(names); });
}

void TfmMain::FilesDropped(const QStringList& dropped) {
  WaitCursor wait;
  QStringList names = dropped;
  if (names.size() == 1 && !QFileInfo(names.front()).isDir()) {
    LoadFileIntoView(RichEdit1, names.front());
    return;
  }
  QStringList unreadable;
  if (chkFolders->isChecked()) {
    // Files keep their dropped order; each folder's listing goes to the end, the last
    // dropped folder first.
    for (qsizetype i = names.size() - 1; i >= 0; --i) {
      if (QFileInfo(names[i]).isDir()) {
        FolderListing listing = ListFolder(names[i]);
        names.append(std::move(listing.files));
        unreadable.append(std::move(listing.unreadable));
        names.removeAt(i);
      }
    }
  }
  text::Lines entries;
  entries.reserve(static_cast<std::size_t>(names.size()));
  for (const QString& name : names) entries.push_back(ToText(name));
  viewEncoding_[0] = text::Encoding::Cp1251;
  SetViewText(RichEdit1, text::JoinLines(entries));
  // Everything that could be read is in the view; a folder that could not be read is not
  // passed over in silence, or the listing would look complete when it is not. Folders
  // dropped one inside the other would otherwise name the same folder twice.
  unreadable.removeDuplicates();
  if (unreadable.size() == 1) {
    throw AppError(QStringLiteral("Cannot read folder %1").arg(unreadable.front()));
  }
  if (unreadable.size() > 1) {
    throw AppError(QStringLiteral("Cannot read folder %1 and %2 more")
                       .arg(unreadable.front())
                       .arg(unreadable.size() - 1));
  }
}

}  // namespace skorlin::app
