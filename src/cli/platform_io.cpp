// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/platform_io.h"

#ifdef _WIN32
// clang-format off
#include <windows.h>  // first: shellapi.h builds on it
#include <shellapi.h>
// clang-format on
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#endif

#include "text/file_path.h"

namespace skorlin::cli {

#ifdef _WIN32

namespace {

UINT savedConsoleOutputPage = 0;

void RestoreConsoleOutputPage() { SetConsoleOutputCP(savedConsoleOutputPage); }

}  // namespace

std::vector<std::string> Utf8Arguments(int /*argc*/, char** /*argv*/) {
  std::vector<std::string> args;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return args;
  for (int i = 1; i < count; ++i) args.push_back(text::Utf8FromPath(std::filesystem::path(wide[i])));
  LocalFree(wide);
  return args;
}

void UseBinaryStandardStreams() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);  // messages end in LF, as elsewhere
  savedConsoleOutputPage = GetConsoleOutputCP();
  if (savedConsoleOutputPage != 0 && SetConsoleOutputCP(CP_UTF8)) std::atexit(RestoreConsoleOutputPage);
}

#else

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv + 1, argv + argc);
}

void UseBinaryStandardStreams() {}

#endif

}  // namespace skorlin::cli
