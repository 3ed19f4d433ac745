// SPDX-License-Identifier: GPL-3.0-or-later
// The binding to the declension library (libfleks.so, FLEKS.DLL on Windows): loaded on
// first use, kept loaded until the program ends, its two exports looked up on every call.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "text/text.h"

namespace skorlin::names {

// The library could not be loaded. The message says where it was looked for; the window
// and the command line both report it.
class LibraryLoadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// How the library reads a line: not a name, a name in the usual order (surname first), or
// two words written first name first (Зульфия Ахметова). Unknown when the library cannot
// tell (it has no such export).
enum class LineReading { Unknown, NotAName, Usual, FirstNameFirst };

// An export is missing or the library reported an error: the program's own message.
class DeclensionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The library's file name on this platform.
std::string DeclensionLibraryFileName();
// The folder of the running program's executable, with a trailing separator ("" if unknown).
std::string ProgramFolder();

class DeclensionLibrary {
 public:
  // The library beside the program, else wherever the system's search finds it.
  static DeclensionLibrary& Default();

  // A library tried at each of the given locations in turn (a path, or a bare file name
  // for the system's search).
  explicit DeclensionLibrary(std::vector<std::string> locations);
  ~DeclensionLibrary();
  DeclensionLibrary(const DeclensionLibrary&) = delete;
  DeclensionLibrary& operator=(const DeclensionLibrary&) = delete;

  // The full name declined into case caseNo (1 nominative … 6 prepositional). A name
  // holding characters Windows-1251 cannot hold (or a NUL) is returned unchanged: the
  // library could only be handed a damaged copy. Throws LibraryLoadError, DeclensionError.
  text::Text DeclineFio(text::TextView fio, int caseNo);

  // The library's sex code for a text: 0 female, any other value male. Characters outside
  // Windows-1251 are replaced by their nearest Windows-1251 letter, or left out.
  // Throws LibraryLoadError, DeclensionError.
  int FioSex(text::TextView text);

  // How the library reads a line as a name, the text handed over as for FioSex. The
  // export is optional: a library without it gives Unknown. Throws LibraryLoadError.
  LineReading ReadLine(text::TextView line);

  // Loads the library if it is not loaded yet; false when it cannot be loaded (for the
  // commands that work without it).
  bool Available();

  bool IsLoaded() const { return handle_ != nullptr; }

 private:
  void Load();
  void* Export(const char* name);

  std::vector<std::string> locations_;
  void* handle_ = nullptr;
};

}  // namespace skorlin::names
