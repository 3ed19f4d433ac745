// SPDX-License-Identifier: GPL-3.0-or-later
// The name menu on any text: SplitFio and the two commands that need no library on every
// line, and the two that call the declension library through the program's binding (the
// real library: SKORLIN_FLEKS_LIBRARY names it, else it is looked for beside the program).
// Byte 0: the command, the case number (any, 0 and 7 included) and how the text is read.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "names/declension_library.h"
#include "names/name_commands.h"
#include "text/line_list.h"
#include "text/space_runs.h"
#include "text/toolkit.h"
#include "text/utf8.h"

namespace {

using namespace skorlin;
using text::Lines;
using text::Text;

names::DeclensionLibrary& Library() {
  static names::DeclensionLibrary library([] {
    std::vector<std::string> locations;
    if (const char* path = std::getenv("SKORLIN_FLEKS_LIBRARY"); path != nullptr && *path != '\0') {
      locations.emplace_back(path);
    }
    const std::string folder = names::ProgramFolder();
    if (!folder.empty()) locations.push_back(folder + names::DeclensionLibraryFileName());
    return locations;
  }());
  return library;
}

// Every character of a part comes from the line (the parts may drop spaces and the
// period of an initial, and gain the space inside 'И.И.', nothing else).
bool OnlyCharactersOf(const Text& part, const Text& line) {
  for (const text::Char c : part)
    if (c != U' ' && line.find(c) == Text::npos) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzInput in(data, size);
  const std::uint8_t mode = in.Byte();
  const std::string utf8 = fuzzing::Utf8Of(in.Rest(), (mode & 0x80) != 0);
  const Text raw = text::DecodeUtf8(utf8);
  const Lines lines = text::SplitLines(raw);

  for (const Text& line : lines) {
    Text prepared = text::CollapseSpaces(line);
    text::TrimBlanks(prepared);
    const names::FioParts parts = names::SplitFio(prepared);
    FUZZ_CHECK(parts.surname.size() + parts.name.size() + parts.patronymic.size() <= prepared.size());
    FUZZ_CHECK(OnlyCharactersOf(parts.surname, prepared) && OnlyCharactersOf(parts.name, prepared) &&
               OnlyCharactersOf(parts.patronymic, prepared));
    const Text initials = names::SurnameWithInitials(line);
    FUZZ_CHECK(initials.size() <= parts.surname.size() + 5);
    const Text named = names::NameAndPatronymic(line);
    FUZZ_CHECK(named.size() <= parts.name.size() + parts.patronymic.size() + 1);
  }

  // The library is called line by line; long texts only repeat what short ones test.
  if (raw.size() > 2048) return 0;
  static constexpr names::NameCommand kCommands[] = {
      names::NameCommand::Initials, names::NameCommand::NameAndPatronymic, names::NameCommand::Decline,
      names::NameCommand::Salutation};
  const names::NameCommand command = kCommands[mode % 4];
  const int caseNo = (mode >> 2) % 8;
  const text::CommandResult result = names::RunNameCommand(command, utf8, Library(), caseNo);
  const Lines after = text::SplitLines(text::DecodeUtf8(result.text));
  // Lines are rewritten in place: none appears or goes, whatever the library says.
  FUZZ_CHECK(after.size() == lines.size());
  switch (result.outcome) {
    case text::Outcome::kDone:
      FUZZ_CHECK(result.caption == "Готово.");
      if (command == names::NameCommand::Salutation) {
        // A salutation, or the line left as it was when the library reads no name in it.
        for (std::size_t i = 0; i < after.size(); ++i) {
          Text prepared = text::CollapseSpaces(lines[i]);
          text::TrimBlanks(prepared);
          FUZZ_CHECK(after[i].starts_with(U"Уважаем") || after[i] == prepared);
        }
      }
      break;
    case text::Outcome::kLibraryError:
      // The real library refuses only a case number outside 1..6.
      FUZZ_CHECK(command == names::NameCommand::Decline && (caseNo < 1 || caseNo > 6));
      FUZZ_CHECK(result.failedLine < lines.size() && !result.message.empty());
      for (std::size_t i = result.failedLine; i < lines.size(); ++i) FUZZ_CHECK(after[i] == lines[i]);
      break;
    case text::Outcome::kLibraryMissing:
    case text::Outcome::kNothingToDo:
      std::fprintf(stderr, "the declension library is missing: %s\n", result.message.c_str());
      std::abort();
  }

  // Without a library nothing changes and nothing throws.
  static names::DeclensionLibrary missing({"/nonexistent/libfleks.so"});
  if (command == names::NameCommand::Decline || command == names::NameCommand::Salutation) {
    const text::CommandResult none = names::RunNameCommand(command, utf8, missing, caseNo);
    FUZZ_CHECK(none.text == text::ToUtf8(text::JoinLines(lines)));
    FUZZ_CHECK(lines.empty() || none.outcome == text::Outcome::kLibraryMissing);
  }
  return 0;
}
