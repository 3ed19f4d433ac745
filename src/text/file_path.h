// SPDX-License-Identifier: GPL-3.0-or-later
// File names as the program holds them (UTF-8) and as the system takes them: on Windows
// the wide-character API, so that a name with Cyrillic letters is found whatever the
// system's code page.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace skorlin::text {

std::filesystem::path PathFromUtf8(const std::string& utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

// std::fopen of a UTF-8 file name; nullptr with errno set when it fails.
std::FILE* OpenFile(const std::string& utf8, const char* mode);

}  // namespace skorlin::text
