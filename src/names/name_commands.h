// SPDX-License-Identifier: GPL-3.0-or-later
// The name menu: lists of full names (surname, first name, patronymic), one to a line.
#pragma once

#include <string_view>

#include "names/declension_library.h"
#include "text/command_result.h"
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
// SplitFio of a line as the library reads it: of a line written first name first
// ('Зульфия Ахметова') the first word is the name and the second the surname.
FioParts SplitAsRead(text::TextView line, LineReading reading);

// The new form of one line, spaces collapsed and blanks trimmed first. A line the library
// reads as not a name (a heading, a total, an address) is left as it is; reading Unknown
// (no library) recognises none.
// "Оставить фамилию и инициалы": 'Иванов Иван Иванович' → 'Иванов И.И.'
text::Text SurnameWithInitials(text::TextView line, LineReading reading = LineReading::Unknown);
// "Оставить имя отчество": 'Иванов Иван Иванович' → 'Иван Иванович'
text::Text NameAndPatronymic(text::TextView line, LineReading reading = LineReading::Unknown);
// "Склонить ФИО": the whole line declined by the library.
text::Text DeclineLine(text::TextView line, int caseNo, DeclensionLibrary& library);
// Заменить фамилию на "Уважаемый(ая)": 'Уважаемая Мария Ивановна' when the library says
// the name is a woman's, 'Уважаемый …' when a man's; a line the library cannot read as a
// name, or whose sex it cannot tell (its sex code is negative), is left as it is.
text::Text SalutationLine(text::TextView line, DeclensionLibrary& library);

enum class NameCommand { Initials, NameAndPatronymic, Decline, Salutation };

// The new form of one line under a command (caseNo for Decline). Throws what the library
// throws; the initials and the first name with patronymic need the library only to
// recognise lines that are not names, and do without it when it cannot be loaded.
text::Text NameLine(NameCommand command, text::TextView line, DeclensionLibrary& library, int caseNo);

// Rewrites every line of a view's text (UTF-8), each line decoded on its own; caption
// "Готово.". When the library fails at a line, the earlier lines keep their new form, that
// line and the later ones stay as they were, the caption is empty and the outcome says why
// (kLibraryMissing, kLibraryError at failedLine, with the message). Never throws for any
// text. caseNo is used by Decline (3 for the menu's dative).
text::CommandResult RunNameCommand(NameCommand command, std::string_view text, DeclensionLibrary& library,
                                   int caseNo = 3);

}  // namespace skorlin::names
