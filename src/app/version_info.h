// SPDX-License-Identifier: GPL-3.0-or-later
// Version records: the program's own, from the version texts the build made, and any
// file's, read from the version resource the file carries, with the file's type name from
// the desktop's MIME database.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace skorlin::app {

// The fixed part of a version resource.
struct FixedFileInfo {
  std::uint32_t fileFlagsMask = 0;
  std::uint32_t fileFlags = 0;
  std::uint32_t fileType = 0;
  std::uint32_t fileSubtype = 0;
};

struct TFileVersionInfo {
  QString typeName;  // the desktop's name for the file's type, at most 80 characters
  QString CompanyName, FileDescription, FileVersion, InternalName, LegalCopyRight, LegalTradeMarks,
      OriginalFileName, ProductName, ProductVersion, Comments, SpecialBuild, PrivateBuild;
  QString fileType;  // DescribeFileType of the fixed part
  bool debug = false, preRelease = false, specialBuild = false, privateBuild = false, patched = false,
       infoInferred = false;
};

// The twelve keys of the version texts, in their order.
inline constexpr const char* kVersionKeys[] = {"CompanyName",      "FileDescription", "FileVersion",
                                               "InternalName",     "LegalCopyRight",  "LegalTradeMarks",
                                               "OriginalFileName", "ProductName",     "ProductVersion",
                                               "Comments",         "SpecialBuild",    "PrivateBuild"};

// "Application", "DLL", "Printer Driver", ... by the file type and subtype.
QString DescribeFileType(const FixedFileInfo& info);
// True when the flag is set both in the mask and in the flags.
bool HasFileFlag(const FixedFileInfo& info, std::uint32_t flag);

// The version resource found in a file's bytes (empty when there is none).
QByteArray FindVersionResource(const QByteArray& bytes);
// One text of a version resource, or the empty text.
QString QueryVersionString(const QByteArray& resource, const QString& key);

// The record of a file: only the type name for a file without a version resource.
TFileVersionInfo ReadFileVersionInfo(const QString& path);

// The program's own record, as the build made it (SetAppVersionInfo replaces it), and its
// version.
const TFileVersionInfo& AppVersionInfo();
void SetAppVersionInfo(const TFileVersionInfo& info);
QString FullVersion();
// "4.3.0.36" gives "4.3.0", "5.0.0.1" gives "5.0": the first three numbers, or two when
// the second and third are both 0. Missing or unreadable numbers count as 0; the empty
// text (no version data) stays empty.
QString ShortVersionOf(const QString& fileVersion);
QString ShortVersion();

}  // namespace skorlin::app
