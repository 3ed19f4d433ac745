// The name menu: lists of full names (surname, first name, patronymic), one to a line.
#pragma once

#include <cstddef>
#include <string>

#include "names/declension_library.h"
#include "text/text.h"

namespace skorlin::names {

struct FioParts {
  text::Text surname;
  text::Text name;
  text::Text patronymic;  // everything after the second word
};

// Cuts a line (spaces already collapsed) into surname, first name and patronymic; a
// bracketed second word joins the surname ('Иванова (Петрова) Мария Ивановна'); initials
// written together at the end ('И.И.') count as two words, and an initial 'И.' as 'И'.
FioParts SplitFio(text::TextView line);

// The new form of one line, spaces collapsed and blanks trimmed first.
// "Оставить фамилию и инициалы": 'Иванов Иван Иванович' → 'Иванов И.И.'
text::Text SurnameWithInitials(text::TextView line);
// "Оставить имя отчество": 'Иванов Иван Иванович' → 'Иван Иванович'
text::Text NameAndPatronymic(text::TextView line);
// "Склонить ФИО": the whole line declined by the library.
text::Text DeclineLine(text::TextView line, int caseNo, DeclensionLibrary& library);
// Заменить фамилию на "Уважаемый(ая)": 'Уважаемая Мария Ивановна' when the library says
// the name is a woman's, else 'Уважаемый …'; a line the library cannot read as a name
// (its sex code is negative) is left as it is.
text::Text SalutationLine(text::TextView line, DeclensionLibrary& library);

enum class NameCommand { Initials, NameAndPatronymic, Decline, Salutation };

enum class NameCommandStatus {
  Done,            // every line rewritten; the caption is "Готово."
  LibraryError,    // the library reported an error: show the message
  LibraryMissing,  // the library could not be loaded: the message says where it was looked for
};

struct NameCommandOutcome {
  NameCommandStatus status = NameCommandStatus::Done;
  std::string caption;         // "Готово." when done, else empty (the caption stays)
  std::string message;         // UTF-8: the error's text
  std::size_t failedLine = 0;  // the 0-based line at which the command stopped
};

// Rewrites every line in place. When the library fails at a line, the earlier lines keep
// their new form and that line and the later ones stay as they were. Never throws for
// any text. caseNo is used by Decline (3 for the menu's dative).
NameCommandOutcome RunNameCommand(NameCommand command, text::Lines& lines, DeclensionLibrary& library,
                                  int caseNo = 3);

struct NameTextResult {
  text::Text text;  // the view's new text: its lines joined with CR LF
  NameCommandOutcome outcome;
};
// RunNameCommand over the lines of a whole view's text.
NameTextResult RunNameCommandOnText(NameCommand command, text::TextView text, DeclensionLibrary& library,
                                    int caseNo = 3);

}  // namespace skorlin::names
