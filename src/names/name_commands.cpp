// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/name_commands.h"

#include <exception>
#include <utility>

#include "text/huge_pages.h"
#include "text/line_list.h"
#include "text/space_runs.h"
#include "text/toolkit.h"
#include "text/utf8.h"

namespace skorlin::names {

namespace {

using text::Text;
using text::TextView;

// What a line usually grows by at most: "Уважаемый " and a space (UTF-8).
constexpr std::size_t kLineGrowth = 24;

// Collapsed runs of spaces, blanks trimmed at both ends: how every command reads a line.
Text Prepared(TextView line) {
  Text s = text::CollapseSpaces(line);
  text::TrimBlanks(s);
  return s;
}

// "И." → "И": an initial keeps only its letter.
void DropInitialPeriod(Text& part) {
  if (part.size() == 2 && part[1] == U'.') part.resize(1);
}

Text Trimmed(Text s) {
  text::TrimBlanks(s);
  return s;
}

}  // namespace

FioParts SplitFio(TextView line) {
  FioParts parts;
  Text s(line);
  parts.surname = s;
  const std::size_t p = text::FindStr(U" ", s);
  // Initials written together at the end become two words: 'И.И.' → 'И. И.'
  if (s.size() > 2 && s[s.size() - 3] == U'.') s.insert(s.size() - 2, 1, U' ');
  if (p == 0) return parts;  // one word: the surname as it was given

  parts.surname = s.substr(0, p - 1);
  text::DeleteRange(s, 1, static_cast<std::ptrdiff_t>(p));
  std::size_t q = text::FindStr(U" ", s);
  if (q == 0) {
    parts.name = s;
  } else {
    parts.name = s.substr(0, q - 1);
    if (!parts.name.empty() && parts.name[0] == U'(') {
      // A maiden name in brackets belongs to the surname.
      parts.surname += U' ';
      parts.surname += parts.name;
      text::DeleteRange(s, 1, static_cast<std::ptrdiff_t>(q));
      q = text::FindStr(U" ", s);
      parts.name = q == 0 ? Text() : s.substr(0, q - 1);
    }
    if (q > 0) text::DeleteRange(s, 1, static_cast<std::ptrdiff_t>(q));
    parts.patronymic = s;
  }
  DropInitialPeriod(parts.name);
  DropInitialPeriod(parts.patronymic);
  return parts;
}

FioParts SplitAsRead(TextView line, LineReading reading) {
  FioParts parts = SplitFio(line);
  if (reading == LineReading::FirstNameFirst) std::swap(parts.surname, parts.name);
  return parts;
}

Text SurnameWithInitials(TextView line, LineReading reading) {
  Text prepared = Prepared(line);
  if (reading == LineReading::NotAName) return prepared;
  const FioParts parts = SplitAsRead(prepared, reading);
  Text out = parts.surname;
  out += U' ';
  if (!parts.name.empty()) out += parts.name[0];
  out += U'.';
  if (!parts.patronymic.empty()) out += parts.patronymic[0];
  // A list written first name first has two words and no patronymic: its one initial
  // stands alone (Ахметова З.).
  if (!parts.patronymic.empty() || reading != LineReading::FirstNameFirst) out += U'.';
  return Trimmed(std::move(out));
}

Text NameAndPatronymic(TextView line, LineReading reading) {
  Text prepared = Prepared(line);
  if (reading == LineReading::NotAName) return prepared;
  const FioParts parts = SplitAsRead(prepared, reading);
  return Trimmed(parts.name + U" " + parts.patronymic);
}

Text DeclineLine(TextView line, int caseNo, DeclensionLibrary& library) {
  return library.DeclineFio(Prepared(line), caseNo);
}

Text SalutationLine(TextView line, DeclensionLibrary& library) {
  Text prepared = Prepared(line);
  // The library reads the whole line: the patronymic decides when there is one, else the
  // rest of the name (Иванова Мария). A line it cannot read as a name (-1: a heading, an
  // address, a note), or a name whose sex it cannot tell, gets no salutation and stays as
  // it is: a wrong one would be worse than none.
  const int sex = library.FioSex(prepared);
  if (sex < 0) return prepared;
  const FioParts parts = SplitAsRead(prepared, library.ReadLine(prepared));
  Text out = sex == 0 ? U"Уважаемая " : U"Уважаемый ";
  out += parts.name;
  out += U' ';
  out += parts.patronymic;
  return Trimmed(std::move(out));
}

namespace {

// Whether a command needs the library only to recognise lines that are not names.
bool ReadsLinesOnly(NameCommand command) {
  return command == NameCommand::Initials || command == NameCommand::NameAndPatronymic;
}

// How the library reads a line, when it is there.
LineReading ReadingOf(TextView line, DeclensionLibrary& library, bool libraryThere) {
  return libraryThere ? library.ReadLine(Prepared(line)) : LineReading::Unknown;
}

Text LineUnder(NameCommand command, TextView line, DeclensionLibrary& library, int caseNo,
               bool libraryThere) {
  switch (command) {
    case NameCommand::Initials:
      return SurnameWithInitials(line, ReadingOf(line, library, libraryThere));
    case NameCommand::NameAndPatronymic:
      return NameAndPatronymic(line, ReadingOf(line, library, libraryThere));
    case NameCommand::Decline:
      return DeclineLine(line, caseNo, library);
    case NameCommand::Salutation:
      return SalutationLine(line, library);
  }
  return Text(line);
}

}  // namespace

Text NameLine(NameCommand command, TextView line, DeclensionLibrary& library, int caseNo) {
  return LineUnder(command, line, library, caseNo, !ReadsLinesOnly(command) || library.Available());
}

text::CommandResult RunNameCommand(NameCommand command, std::string_view text, DeclensionLibrary& library,
                                   int caseNo) {
  text::CommandResult result;
  // Whether the library is there is asked once, not again for every line.
  const bool libraryThere = !ReadsLinesOnly(command) || library.Available();
  // A line may grow: by the salutation's words, by the periods of the initials, by the
  // endings of a declined name. The result is sized for that at once.
  std::string out;
  text::ReserveLarge(
      out, text::WholeTextSizeBound(text) + kLineGrowth * (text::WholeTextSizeBound(text) - text.size()));
  std::string line;
  text::LineCursor<char> lines(text);
  std::string_view view;
  std::size_t i = 0;
  for (; lines.Next(view); ++i) {
    try {
      line.clear();
      text::AppendUtf8(line, LineUnder(command, text::DecodeUtf8(view), library, caseNo, libraryThere));
    } catch (const LibraryLoadError& error) {
      result.outcome = text::Outcome::kLibraryMissing;
      result.message = error.what();
      break;
    } catch (const std::exception& error) {
      result.outcome = text::Outcome::kLibraryError;
      result.message = error.what();
      break;
    }
    text::AppendLine(out, line);
  }
  if (result.outcome != text::Outcome::kDone) {
    // The failing line and the later ones stay as they were.
    result.failedLine = i;
    text::AppendLine(out, view);
    while (lines.Next(view)) text::AppendLine(out, view);
  }
  result.text = std::move(out);
  result.changed = text::ChangesView(text, result.text);
  if (result.outcome == text::Outcome::kDone) result.caption = "Готово.";
  return result;
}

}  // namespace skorlin::names
