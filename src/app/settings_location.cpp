// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings_location.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace skorlin::app {

QString WithTrailingSlash(const QString& path) {
  if (path.isEmpty() || path.endsWith(u'/')) return path;
  return path + u'/';
}

QString GetAppDataFolder() {
  return WithTrailingSlash(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

SettingsLocation ChooseSettingsLocation(const QString& programDir, const QString& appDataDir) {
  SettingsLocation where;
  where.programDir = WithTrailingSlash(programDir);
  where.settingsDir = WithTrailingSlash(appDataDir);
  if (where.settingsDir.isEmpty()) {
    where.settingsDir = where.programDir;
  } else {
    where.settingsDir += QStringLiteral("Skorlin/");
    QDir().mkpath(where.settingsDir);
  }
  const QString beside = where.programDir + QLatin1String(kSettingsFileName);
  where.filePath = QFileInfo(beside).isFile() ? beside : where.settingsDir + QLatin1String(kSettingsFileName);
  return where;
}

}  // namespace skorlin::app
