#include "app/folder_listing.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include "app/view_text.h"
#include "text/toolkit.h"

namespace skorlin::app {
namespace {

QString ListInto(const QString& folder, QSet<QString>& listed) {
  const QString real = QFileInfo(folder).canonicalFilePath();
  if (real.isEmpty() || listed.contains(real)) return QString();
  listed.insert(real);
  QString result;
  QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  while (entries.hasNext()) {
    entries.next();
    const QFileInfo entry = entries.fileInfo();
    const QString path = folder + u'/' + entry.fileName();
    if (entry.isDir()) {
      result += ListInto(path, listed);
    } else {
      result += path;
    }
    result += QStringLiteral("\r\n");
  }
  text::Text trimmed = ToText(result);
  text::TrimBlanks(trimmed);
  return ToQString(trimmed);
}

}  // namespace

QString ListFolderFiles(const QString& folder) {
  QSet<QString> listed;
  return ListInto(folder, listed);
}

}  // namespace skorlin::app
