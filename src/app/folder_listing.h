// SPDX-License-Identifier: GPL-3.0-or-later
// The list of files below dropped folders.
#pragma once

#include <QString>
#include <QStringList>

namespace skorlin::app {

// What listing a folder found: the files, and every folder on the way that could not be
// read (opening it failed: no permission, an I/O error, or it vanished meanwhile).
struct FolderListing {
  QString files;
  QStringList unreadable;
};

// One full path per line (CR LF between them) of every file below folder, in the order
// the file system gives the entries; a subfolder's files stand at the subfolder's place,
// folder names never appear, and an empty subfolder leaves an empty line unless it is at
// the very start or end. Links to folders are followed, but no folder is listed twice, so
// a link back into the tree cannot make the listing endless. A folder that cannot be read
// contributes no files; its path (as the listing would write it) goes to unreadable, in
// the order the listing met it, each folder at most once.
FolderListing ListFolder(const QString& folder);

// The files of ListFolder(folder) alone.
QString ListFolderFiles(const QString& folder);

}  // namespace skorlin::app
