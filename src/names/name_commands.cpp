#include "names/name_commands.h"

#include <exception>

#include "format/collapse_spaces.h"
#include "text/line_list.h"
#include "text/toolkit.h"

namespace skorlin::names {

namespace {

using text::Text;
using text::TextView;

// Collapsed runs of spaces, blanks trimmed at both ends: how every command reads a line.
Text Prepared(TextView line) {
  Text s = format::CollapseSpaces(line);
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

Text SurnameWithInitials(TextView line) {
  const FioParts parts = SplitFio(Prepared(line));
  Text out = parts.surname;
  out += U' ';
  if (!parts.name.empty()) out += parts.name[0];
  out += U'.';
  if (!parts.patronymic.empty()) out += parts.patronymic[0];
  out += U'.';
  return Trimmed(std::move(out));
}

Text NameAndPatronymic(TextView line) {
  const FioParts parts = SplitFio(Prepared(line));
  return Trimmed(parts.name + U" " + parts.patronymic);
}

Text DeclineLine(TextView line, int caseNo, DeclensionLibrary& library) {
  return library.DeclineFio(Prepared(line), caseNo);
}

Text SalutationLine(TextView line, DeclensionLibrary& library) {
  Text prepared = Prepared(line);
  // The library reads the whole line: the patronymic decides when there is one, else the
  // rest of the name (Иванова Мария). A line it cannot read as a name (-1: a heading, an
  // address, a note) gets no salutation and stays as it is.
  const int sex = library.FioSex(prepared);
  if (sex < 0) return prepared;
  const FioParts parts = SplitFio(prepared);
  Text out = sex == 0 ? U"Уважаемая " : U"Уважаемый ";
  out += parts.name;
  out += U' ';
  out += parts.patronymic;
  return Trimmed(std::move(out));
}

NameCommandOutcome RunNameCommand(NameCommand command, text::Lines& lines, DeclensionLibrary& library,
                                  int caseNo) {
  NameCommandOutcome outcome;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    try {
      switch (command) {
        case NameCommand::Initials:
          lines[i] = SurnameWithInitials(lines[i]);
          break;
        case NameCommand::NameAndPatronymic:
          lines[i] = NameAndPatronymic(lines[i]);
          break;
        case NameCommand::Decline:
          lines[i] = DeclineLine(lines[i], caseNo, library);
          break;
        case NameCommand::Salutation:
          lines[i] = SalutationLine(lines[i], library);
          break;
      }
    } catch (const LibraryLoadError& error) {
      outcome.status = NameCommandStatus::LibraryMissing;
      outcome.message = error.what();
      outcome.failedLine = i;
      return outcome;
    } catch (const std::exception& error) {
      outcome.status = NameCommandStatus::LibraryError;
      outcome.message = error.what();
      outcome.failedLine = i;
      return outcome;
    }
  }
  outcome.caption = "Готово.";
  return outcome;
}

NameTextResult RunNameCommandOnText(NameCommand command, TextView text, DeclensionLibrary& library,
                                    int caseNo) {
  text::Lines lines = text::SplitLines(text);
  NameTextResult result;
  result.outcome = RunNameCommand(command, lines, library, caseNo);
  result.text = text::JoinLines(lines);
  return result;
}

}  // namespace skorlin::names
