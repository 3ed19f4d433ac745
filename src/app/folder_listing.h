// The list of files below dropped folders.
#pragma once

#include <QString>

namespace skorlin::app {

// One full path per line (CR LF between them) of every file below folder, in the order
// the file system gives the entries; a subfolder's files stand at the subfolder's place,
// folder names never appear, and an empty subfolder leaves an empty line unless it is at
// the very start or end. Links to folders are followed, but no folder is listed twice, so
// a link back into the tree cannot make the listing endless. A folder that cannot be read
// contributes nothing.
QString ListFolderFiles(const QString& folder);

}  // namespace skorlin::app
