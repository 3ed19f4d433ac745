// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/folder_listing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cerrno>
#include <utility>

#include "app/view_text.h"
#include "text/toolkit.h"

namespace skorlin::app {
namespace {

// Closes an open folder stream when the listing of that folder ends.
class OpenFolder {
 public:
  explicit OpenFolder(const QByteArray& path) : dir_(::opendir(path.constData())) {}
  ~OpenFolder() {
    if (dir_) ::closedir(dir_);
  }
  OpenFolder(const OpenFolder&) = delete;
  OpenFolder& operator=(const OpenFolder&) = delete;
  DIR* get() const { return dir_; }

 private:
  DIR* dir_;
};

// Whether an entry is a folder, following links as the listing does. A link that leads
// nowhere, or anything that cannot be examined, counts as a file and is listed.
bool IsFolder(const struct dirent& entry, const QByteArray& path) {
  if (entry.d_type == DT_DIR) return true;
  if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) return false;
  struct stat info {};
  return ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

class Lister {
 public:
  QString List(const QString& folder) {
    const QString real = QFileInfo(folder).canonicalFilePath();
    if (real.isEmpty()) {  // gone, or its path cannot be resolved
      Unreadable(folder);
      return QString();
    }
    if (listed_.contains(real)) return QString();
    listed_.insert(real);
    const QByteArray encodedFolder = QFile::encodeName(folder);
    OpenFolder dir(encodedFolder);
    if (!dir.get()) {
      Unreadable(folder);
      return QString();
    }
    QString result;
    for (;;) {
      errno = 0;
      const struct dirent* entry = ::readdir(dir.get());
      if (!entry) {
        // The end of the folder, or a read that failed part-way: what was read stays listed.
        if (errno != 0) Unreadable(folder);
        break;
      }
      const char* name = entry->d_name;
      if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))) continue;
      const QString path = folder + u'/' + QFile::decodeName(name);
      if (IsFolder(*entry, encodedFolder + '/' + name)) {
        result += List(path);
      } else {
        result += path;
      }
      result += QStringLiteral("\r\n");
    }
    text::Text trimmed = ToText(result);
    text::TrimBlanks(trimmed);
    return ToQString(trimmed);
  }

  QStringList TakeUnreadable() { return std::move(unreadable_); }

 private:
  void Unreadable(const QString& folder) {
    if (reported_.contains(folder)) return;
    reported_.insert(folder);
    unreadable_.append(folder);
  }

  QSet<QString> listed_;    // canonical paths of the folders already met
  QSet<QString> reported_;  // the paths in unreadable_
  QStringList unreadable_;
};

}  // namespace

FolderListing ListFolder(const QString& folder) {
  Lister lister;
  FolderListing listing;
  listing.files = lister.List(folder);
  listing.unreadable = lister.TakeUnreadable();
  return listing;
}

QString ListFolderFiles(const QString& folder) { return ListFolder(folder).files; }

}  // namespace skorlin::app
