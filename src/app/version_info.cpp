// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/version_info.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStringList>
#include <string>

#include "text/text_file.h"
#include "version_texts.h"

namespace skorlin::app {
namespace {

// The bytes that open an embedded version resource. Built at run time, so the reader's
// own code holds no copy of them that a search could find.
QByteArray ResourceMarker() {
  return QByteArray(1, '\x7F') + QByteArray("SKORLIN") + QByteArray("-VERSION-") + QByteArray("RESOURCE\n");
}

std::uint32_t NumberOf(const QByteArray& resource, const char* key) {
  bool ok = false;
  const std::uint32_t value = QueryVersionString(resource, QLatin1String(key)).toUInt(&ok, 0);
  return ok ? value : 0;
}

// The texts and the fixed part of a version resource.
TFileVersionInfo VersionInfoOf(const QByteArray& resource) {
  TFileVersionInfo info;
  QString* const texts[] = {&info.CompanyName,      &info.FileDescription, &info.FileVersion,
                            &info.InternalName,     &info.LegalCopyRight,  &info.LegalTradeMarks,
                            &info.OriginalFileName, &info.ProductName,     &info.ProductVersion,
                            &info.Comments,         &info.SpecialBuild,    &info.PrivateBuild};
  for (int i = 0; i < 12; ++i) *texts[i] = QueryVersionString(resource, QLatin1String(kVersionKeys[i]));

  if (QueryVersionString(resource, QStringLiteral("FileType")).isEmpty()) return info;
  const FixedFileInfo fixed{NumberOf(resource, "FileFlagsMask"), NumberOf(resource, "FileFlags"),
                            NumberOf(resource, "FileType"), NumberOf(resource, "FileSubtype")};
  info.debug = HasFileFlag(fixed, 1);
  info.preRelease = HasFileFlag(fixed, 2);
  info.specialBuild = HasFileFlag(fixed, 32);
  info.privateBuild = HasFileFlag(fixed, 8);
  info.patched = HasFileFlag(fixed, 4);
  info.infoInferred = HasFileFlag(fixed, 16);
  info.fileType = DescribeFileType(fixed);
  return info;
}

// The program's own record: the build's version texts, the same the program file carries.
TFileVersionInfo& Record() {
  static TFileVersionInfo record = VersionInfoOf(QByteArrayLiteral(SKORLIN_VERSION_TEXTS));
  return record;
}

}  // namespace

QString DescribeFileType(const FixedFileInfo& info) {
  static const char* const kDrivers[] = {"Unknown Driver",  "Printer Driver",       "Keyboard Driver",
                                         "Language Driver", "Display Driver",       "Mouse Driver",
                                         "Network Driver",  "System Driver",        "InstallableDriver",
                                         "Sound Driver",    "Communications Driver"};
  static const char* const kFonts[] = {"Unknown Font", "Raster Font", "Vector Font", "Truetype Font"};
  switch (info.fileType) {
    case 0:
      return QStringLiteral("Unknown");
    case 1:
      return QStringLiteral("Application");
    case 2:
      return QStringLiteral("DLL");
    case 3:
      return info.fileSubtype <= 10 ? QLatin1String(kDrivers[info.fileSubtype]) : QString();
    case 4:
      return info.fileSubtype <= 3 ? QLatin1String(kFonts[info.fileSubtype]) : QString();
    case 5:
      return QStringLiteral("Virtual Defice Identifier = ") +
             QStringLiteral("%1").arg(info.fileSubtype, 8, 16, QLatin1Char('0')).toUpper();
    case 7:
      return QStringLiteral("Static-link Library");
    default:
      return QString();
  }
}

bool HasFileFlag(const FixedFileInfo& info, std::uint32_t flag) {
  return (info.fileFlagsMask & flag) != 0 && (info.fileFlags & flag) != 0;
}

QByteArray FindVersionResource(const QByteArray& bytes) {
  const QByteArray marker = ResourceMarker();
  const qsizetype at = bytes.indexOf(marker);
  if (at < 0) return QByteArray();
  const qsizetype begin = at + marker.size();
  qsizetype end = bytes.indexOf('\0', begin);
  if (end < 0) end = bytes.size();
  return bytes.mid(begin, end - begin);
}

QString QueryVersionString(const QByteArray& resource, const QString& key) {
  const QByteArray wanted = key.toUtf8() + '=';
  for (const QByteArray& line : resource.split('\n')) {
    if (line.startsWith(wanted)) return QString::fromUtf8(line.mid(wanted.size()));
  }
  return QString();
}

TFileVersionInfo ReadFileVersionInfo(const QString& path) {
  const QString typeName = QMimeDatabase().mimeTypeForFile(path).comment().left(80);
  const QFileInfo file(path);
  QByteArray resource;
  if (file.isFile() && file.isExecutable()) {
    try {
      const std::string bytes = text::ReadFileBytes(QFile::encodeName(path).toStdString());
      resource = FindVersionResource(QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size())));
      resource.detach();
    } catch (const text::FileError&) {
      // A file that cannot be read has only its type name.
    }
  }
  TFileVersionInfo info = resource.isEmpty() ? TFileVersionInfo{} : VersionInfoOf(resource);
  info.typeName = typeName;
  return info;
}

const TFileVersionInfo& AppVersionInfo() { return Record(); }

void SetAppVersionInfo(const TFileVersionInfo& info) { Record() = info; }

QString FullVersion() { return AppVersionInfo().FileVersion; }

QString ShortVersionOf(const QString& fileVersion) {
  // No version data: nothing to shorten.
  if (fileVersion.isEmpty()) return QString();
  const QStringList parts = fileVersion.split(u'.');
  int numbers[3] = {0, 0, 0};
  for (int i = 0; i < 3 && i < parts.size(); ++i) {
    bool ok = false;
    const int value = parts[i].toInt(&ok, 10);
    numbers[i] = ok ? value : 0;
  }
  if (numbers[1] == 0 && numbers[2] == 0) return QStringLiteral("%1.%2").arg(numbers[0]).arg(numbers[1]);
  return QStringLiteral("%1.%2.%3").arg(numbers[0]).arg(numbers[1]).arg(numbers[2]);
}

QString ShortVersion() { return ShortVersionOf(FullVersion()); }

}  // namespace skorlin::app
