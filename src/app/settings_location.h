// SPDX-License-Identifier: GPL-3.0-or-later
// Where the settings file lives: "Skorlin.ini" beside the program when it exists there,
// else in the folder "Skorlin" of the user's configuration folder.
#pragma once

#include <QString>

namespace skorlin::app {

inline constexpr char kSettingsFileName[] = "Skorlin.ini";

// path + "/" when path is not empty and does not end with "/"; otherwise path unchanged.
QString WithTrailingSlash(const QString& path);

// The user's configuration folder ($XDG_CONFIG_HOME or ~/.config on Linux) with a
// trailing slash, or the empty text when the system gives none.
QString GetAppDataFolder();

struct SettingsLocation {
  QString programDir;   // ends with "/"
  QString settingsDir;  // appData + "Skorlin/", or programDir when there is no appData
  QString filePath;     // the settings file to read and write
};

// Works out the folders and the file. Creates settingsDir with its parents when it lies
// in the configuration folder (a failure is ignored: the write at close reports it),
// also when the file beside the program is the one used.
SettingsLocation ChooseSettingsLocation(const QString& programDir, const QString& appDataDir);

}  // namespace skorlin::app
