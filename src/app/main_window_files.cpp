// SPDX-License-Identifier: GPL-3.0-or-later
// Files: open and save-as on the active view, save as HTML, files dropped on the window.
#include <QCheckBox>
#include <QFileInfo>
#include <QSaveFile>
#include <new>
#include <string>
#include <utility>

#include "app/app_error.h"
#include "app/desktop.h"
#include "app/folder_listing.h"
#include "app/main_window.h"
#include "app/text_view.h"
#include "app/view_text.h"
#include "app/wait_cursor.h"
#include "html/save_html.h"
#include "text/encoding.h"
#include "text/line_breaks.h"
#include "text/line_list.h"
#include "text/text_file.h"
#include "text/utf8.h"

namespace skorlin::app {
namespace {

// The bytes of a file as save-as writes them: the view's text in its encoding. Sets
// widened when Windows-1251 could not hold the text and UTF-8 was written instead.
std::string FileBytes(const TextView& view, text::Encoding encoding, bool& widened) {
  widened = false;
  if (encoding == text::Encoding::Utf8) return std::string(view.Utf8());
  try {
    return text::EncodeFromUtf8(view.Utf8(), encoding);
  } catch (const text::UnencodableError&) {
    // Windows-1251 cannot hold every character: nothing is written lossily.
    widened = true;
    return std::string(view.Utf8());
  }
}

}  // namespace

void TfmMain::LoadFileIntoView(ViewSlot& view, const QString& path) {
  WaitCursor wait;
  try {
    std::string bytes;
    try {
      bytes = text::ReadFileBytes(QFile::encodeName(path).toStdString());
    } catch (const text::FileError& error) {
      // "Cannot open file <path>", or what else kept it from being read (too large, a read
      // that failed): the user learns why, and the view keeps its text.
      throw AppError(QFile::decodeName(error.what()));
    }
    const text::Encoding encoding = text::DetectEncoding(bytes);
    std::string utf8;
    if (encoding == text::Encoding::Utf8) {
      utf8 = std::move(bytes);  // as it came
    } else {
      utf8 = text::DecodeToUtf8(bytes, encoding);
      std::string().swap(bytes);
    }
    view.encoding = encoding;
    SetViewText(view, ForView(std::move(utf8)));
  } catch (const std::bad_alloc&) {
    // Whatever could not be had is let go again; the view keeps its text.
    throw AppError(QStringLiteral("File %1 is too large for the memory left").arg(path));
  }
}

void TfmMain::UpToNul(std::string& utf8) {
  const std::size_t nul = utf8.find('\0');
  if (nul == std::string::npos) return;
  const std::size_t position = text::CountUtf8Chars(std::string_view(utf8).substr(0, nul)) + 1;
  utf8.resize(nul);
  ShowCaption("Текст обрезан: символ NUL в позиции " + std::to_string(position));
}

std::string TfmMain::ForView(std::string utf8) {
  UpToNul(utf8);
  return text::WithCrLfBreaks(std::move(utf8));
}

void TfmMain::mmOpenClick(ViewSlot* view) {
  const QString path = CurrentDesktop().chooseFile(this, FileDialogKind::kOpen, QString());
  if (path.isEmpty()) return;
  if (view) LoadFileIntoView(*view, path);
}

void TfmMain::mmSaveAsClick(ViewSlot* view) {
  const QString chosen = CurrentDesktop().chooseFile(this, FileDialogKind::kSave, lastSaveName_);
  if (chosen.isEmpty()) return;
  const QString path = WithDefaultSuffix(chosen, QStringLiteral("htm"));
  lastSaveName_ = path;
  if (!view) return;
  WaitCursor wait;
  bool widened = false;
  const std::string bytes = FileBytes(*view->widget, view->encoding, widened);
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

void TfmMain::mmSaveHTMLClick(ViewSlot* input) {
  const QString chosen = CurrentDesktop().chooseFile(this, FileDialogKind::kSave, lastSaveName_);
  if (chosen.isEmpty()) return;
  const QString path = WithDefaultSuffix(chosen, QStringLiteral("htm"));
  lastSaveName_ = path;
  WaitCursor wait;
  html::SaveHtml(ViewText(*input->widget), std::filesystem::path(QFile::encodeName(path).toStdString()),
                 input->encoding);
}

void TfmMain::FilesDropped(const QStringList& dropped) {
  WaitCursor wait;
  QStringList names = dropped;
  if (names.size() == 1 && !QFileInfo(names.front()).isDir()) {
    LoadFileIntoView(*InputSlot(), names.front());
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
  InputSlot()->encoding = text::Encoding::Cp1251;
  SetViewText(*InputSlot(), text::WithCrLfBreaks(text::ToUtf8(text::JoinLines(entries))));
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
