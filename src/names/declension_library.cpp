// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/declension_library.h"

#include <climits>
#include <utility>

#include "text/encoding.h"
#include "text/file_path.h"

#ifdef _WIN32
#include <windows.h>
#define SKORLIN_FLEKS_CALL __stdcall
#else
#include <dlfcn.h>
#include <unistd.h>
#define SKORLIN_FLEKS_CALL
#endif

namespace skorlin::names {

namespace {

using GetFioFunc = int(SKORLIN_FLEKS_CALL*)(const char*, int, char*, int*);
using GetSexFunc = int(SKORLIN_FLEKS_CALL*)(const char*);
using GetOrderFunc = int(SKORLIN_FLEKS_CALL*)(const char*);

constexpr const char* kDeclineExport = "GetFIOFleksFSAS";
constexpr const char* kSexExport = "GetSex";
constexpr const char* kOrderExport = "GetFIOOrder";

std::string MissingExportMessage(const char* name) {
  return std::string("Функция '") + name + "' в библиотеке FLEKS.DLL не найдена";
}

std::string ErrorCodeMessage(int code) {
  switch (code) {
    case -1:
      return "Недопустимое значение падежа";
    case -2:
      return "Недопустимое значение рода";
    case -3:
      return "Размер буфера недостаточен для размещения результата преобразования ФИО";
    default:
      return "Неизвестный код ошибки: " + std::to_string(code);
  }
}

// Letters of the other Cyrillic alphabets (Kazakh, Tatar, Bashkir, Azerbaijani, Uzbek
// names) that Windows-1251 lacks, with the nearest letter it has.
struct Fold {
  text::Char from;
  text::Char to;
};
constexpr Fold kFolds[] = {
    {U'Ә', U'А'}, {U'ә', U'а'}, {U'Ғ', U'Г'}, {U'ғ', U'г'}, {U'Қ', U'К'}, {U'қ', U'к'},
    {U'Ң', U'Н'}, {U'ң', U'н'}, {U'Ө', U'О'}, {U'ө', U'о'}, {U'Ұ', U'У'}, {U'ұ', U'у'},
    {U'Ү', U'У'}, {U'ү', U'у'}, {U'Һ', U'Х'}, {U'һ', U'х'}, {U'Ҙ', U'З'}, {U'ҙ', U'з'},
    {U'Ҫ', U'С'}, {U'ҫ', U'с'}, {U'Ҷ', U'Ч'}, {U'ҷ', U'ч'}, {U'Ӯ', U'У'}, {U'ӯ', U'у'},
    {U'Ӣ', U'И'}, {U'ӣ', U'и'}, {U'Ҳ', U'Х'}, {U'ҳ', U'х'}, {U'Җ', U'Ж'}, {U'җ', U'ж'},
};

// The text as Windows-1251 bytes for the sex query: folded letters, others left out.
std::string SexQueryBytes(text::TextView s) {
  text::Text folded;
  folded.reserve(s.size());
  for (text::Char c : s) {
    if (c == 0) break;
    if (text::Cp1251Code(c) >= 0) {
      folded.push_back(c);
      continue;
    }
    for (const Fold& f : kFolds)
      if (f.from == c) {
        folded.push_back(f.to);
        break;
      }
  }
  return text::EncodeCp1251(folded);
}

void* OpenLibrary(const std::string& location) {
#ifdef _WIN32
  // The wide-character call: the folder's name may hold letters of any code page.
  return reinterpret_cast<void*>(LoadLibraryW(text::PathFromUtf8(location).c_str()));
#else
  return dlopen(location.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
}

void CloseLibrary(void* handle) {
#ifdef _WIN32
  FreeLibrary(reinterpret_cast<HMODULE>(handle));
#else
  dlclose(handle);
#endif
}

void* FindExport(void* handle, const char* name) {
#ifdef _WIN32
  return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(handle), name));
#else
  return dlsym(handle, name);
#endif
}

}  // namespace

std::string DeclensionLibraryFileName() {
#ifdef _WIN32
  return "FLEKS.DLL";
#else
  return "libfleks.so";
#endif
}

std::string ProgramFolder() {
#ifdef _WIN32
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return "";
  std::string s = text::Utf8FromPath(std::filesystem::path(std::wstring(path, n)));
  std::size_t slash = s.find_last_of("\\/");
#else
  std::string s(4096, '\0');
  ssize_t n = readlink("/proc/self/exe", s.data(), s.size());
  if (n <= 0 || static_cast<std::size_t>(n) >= s.size()) return "";
  s.resize(static_cast<std::size_t>(n));
  std::size_t slash = s.rfind('/');
#endif
  return slash == std::string::npos ? "" : s.substr(0, slash + 1);
}

DeclensionLibrary& DeclensionLibrary::Default() {
  static DeclensionLibrary library([] {
    std::vector<std::string> locations;
    const std::string folder = ProgramFolder();
    if (!folder.empty()) locations.push_back(folder + DeclensionLibraryFileName());
    locations.push_back(DeclensionLibraryFileName());
    return locations;
  }());
  return library;
}

DeclensionLibrary::DeclensionLibrary(std::vector<std::string> locations) : locations_(std::move(locations)) {}

DeclensionLibrary::~DeclensionLibrary() {
  if (handle_ != nullptr) CloseLibrary(handle_);
}

void DeclensionLibrary::Load() {
  if (handle_ != nullptr) return;
  for (const std::string& location : locations_) {
    handle_ = OpenLibrary(location);
    if (handle_ != nullptr) return;
  }
  std::string where;
  for (const std::string& location : locations_) {
    if (!where.empty()) where += ", ";
    where += location.find_first_of("/\\") == std::string::npos ? location + " (the system's library search)"
                                                                : location;
  }
  throw LibraryLoadError("Cannot load the declension library " + DeclensionLibraryFileName() +
                         "; looked for " + where);
}

void* DeclensionLibrary::Export(const char* name) {
  Load();
  void* symbol = FindExport(handle_, name);
  if (symbol == nullptr) throw DeclensionError(MissingExportMessage(name));
  return symbol;
}

text::Text DeclensionLibrary::DeclineFio(text::TextView fio, int caseNo) {
  auto decline = reinterpret_cast<GetFioFunc>(Export(kDeclineExport));
  if (text::CheckCp1251(fio).unencodable != 0 || fio.find(U'\0') != text::TextView::npos)
    return text::Text(fio);
  const std::string name = text::EncodeCp1251(fio);
  if (name.size() > static_cast<std::size_t>(INT_MAX) - 11) return text::Text(fio);

  // The buffer holds the name and ten bytes more; a library that asks for more room (a
  // long line whose every word grows) gets it once.
  int capacity = static_cast<int>(name.size()) + 10;
  for (int attempt = 0;; ++attempt) {
    std::string buffer(static_cast<std::size_t>(capacity), '\0');
    int size = capacity;
    const int code = decline(name.c_str(), caseNo, buffer.data(), &size);
    if (code == -3 && attempt == 0 && size > capacity && size < INT_MAX / 2) {
      capacity = size;
      continue;
    }
    if (code != 0) throw DeclensionError(ErrorCodeMessage(code));
    if (size < 0 || size > capacity)
      throw DeclensionError("Библиотека FLEKS.DLL вернула недопустимую длину результата: " +
                            std::to_string(size));
    buffer.resize(static_cast<std::size_t>(size));
    return text::DecodeCp1251(buffer);
  }
}

int DeclensionLibrary::FioSex(text::TextView s) {
  auto sex = reinterpret_cast<GetSexFunc>(Export(kSexExport));
  return sex(SexQueryBytes(s).c_str());
}

LineReading DeclensionLibrary::ReadLine(text::TextView line) {
  Load();
  auto order = reinterpret_cast<GetOrderFunc>(FindExport(handle_, kOrderExport));
  if (order == nullptr) return LineReading::Unknown;
  const int code = order(SexQueryBytes(line).c_str());
  return code < 0 ? LineReading::NotAName : code == 1 ? LineReading::FirstNameFirst : LineReading::Usual;
}

bool DeclensionLibrary::Available() {
  try {
    Load();
    return true;
  } catch (const LibraryLoadError&) {
    return false;
  }
}

}  // namespace skorlin::names
