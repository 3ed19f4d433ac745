// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/file_path.h"

#ifdef _WIN32
#include <windows.h>

#include <cerrno>
#include <climits>
#endif

namespace skorlin::text {

#ifdef _WIN32

namespace {

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty() || utf8.size() > INT_MAX) return std::wstring();
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
  return wide;
}

}  // namespace

std::filesystem::path PathFromUtf8(const std::string& utf8) { return std::filesystem::path(Widen(utf8)); }

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::wstring& wide = path.native();
  if (wide.empty() || wide.size() > INT_MAX) return std::string();
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

std::FILE* OpenFile(const std::string& utf8, const char* mode) {
  const std::wstring name = Widen(utf8);
  if (name.empty()) {
    errno = ENOENT;
    return nullptr;
  }
  const std::string narrowMode(mode);
  return _wfopen(name.c_str(), std::wstring(narrowMode.begin(), narrowMode.end()).c_str());
}

#else

// Elsewhere a file name is bytes, taken as they are.
std::filesystem::path PathFromUtf8(const std::string& utf8) { return std::filesystem::path(utf8); }
std::string Utf8FromPath(const std::filesystem::path& path) { return path.string(); }
std::FILE* OpenFile(const std::string& utf8, const char* mode) { return std::fopen(utf8.c_str(), mode); }

#endif

}  // namespace skorlin::text
