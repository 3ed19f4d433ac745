// SPDX-License-Identifier: GPL-3.0-or-later
// The name commands without the library (splitting, initials, first name and patronymic)
// and with the real declension library built beside the tests.
#include "names/name_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "names/declension_library.h"
#include "text/line_list.h"
#include "text/text.h"

namespace skorlin::names {
namespace {

using text::FromUtf8;
using text::Text;
using text::ToUtf8;

struct SplitCase {
  const char* line;
  const char* surname;
  const char* name;
  const char* patronymic;
};

TEST(SplitFio, CutsSurnameNameAndPatronymic) {
  const SplitCase cases[] = {
      {"Иванов Иван Иванович", "Иванов", "Иван", "Иванович"},
      {"Иванов И.И.", "Иванов", "И", "И"},
      {"Иванов И. И.", "Иванов", "И", "И"},
      {"Иванова (Петрова) Мария Ивановна", "Иванова (Петрова)", "Мария", "Ивановна"},
      {"Иванова (Петрова) Мария", "Иванова (Петрова)", "", "Мария"},
      {"Иванов Иван Иванович младший", "Иванов", "Иван", "Иванович младший"},
      {"Иванов", "Иванов", "", ""},
      {"Иванов Иван", "Иванов", "Иван", ""},
      {"", "", "", ""},
      {"И.И.", "И.И.", "", ""},  // one word: the line as it was given
      {"Ли Ян", "Ли", "Ян", ""},
      {"ab. c", "ab.", "", "c"},  // the inserted space lands before the first space
  };
  for (const SplitCase& c : cases) {
    const FioParts parts = SplitFio(FromUtf8(c.line));
    EXPECT_EQ(ToUtf8(parts.surname), c.surname) << c.line;
    EXPECT_EQ(ToUtf8(parts.name), c.name) << c.line;
    EXPECT_EQ(ToUtf8(parts.patronymic), c.patronymic) << c.line;
  }
}

DeclensionLibrary& Fleks() {
  static DeclensionLibrary library({SKORLIN_FLEKS_PATH});
  return library;
}

// Where no library can be loaded.
DeclensionLibrary& NoLibrary() {
  static DeclensionLibrary library({"/nonexistent/" + DeclensionLibraryFileName()});
  return library;
}

// Both commands without the library, and with it where it reads the line otherwise: a line
// that is not a name stays as it is, a line written first name first is taken so.
struct LineCase {
  const char* line;
  const char* initials;
  const char* namePatronymic;
  const char* initialsRead = nullptr;  // with the library, when it differs
  const char* namePatronymicRead = nullptr;
};

TEST(NameCommands, InitialsAndNameWithPatronymic) {
  const LineCase cases[] = {
      {"Иванов Иван Иванович", "Иванов И.И.", "Иван Иванович"},
      {" Иванов   Иван  Иванович ", "Иванов И.И.", "Иван Иванович"},
      {"Иванов И.И.", "Иванов И.И.", "И И"},
      {"Иванова (Петрова) Мария Ивановна", "Иванова (Петрова) М.И.", "Мария Ивановна"},
      {"Иванов Иван Иванович младший", "Иванов И.И.", "Иван Иванович младший"},
      {"Иванов", "Иванов ..", ""},
      {"", "..", "", ""},  // with the library: not a name
      {"   ", "..", "", ""},
      {"\tИванов Иван\t", "Иванов И..", "Иван"},
      {"Smith John Paul", "Smith J.P.", "John Paul"},
      {"Петров 😀 Ильич", "Петров 😀.И.", "😀 Ильич"},
      {"Список участников:", "Список у..", "участников:", "Список участников:", "Список участников:"},
      {"Итого: 15 человек", "Итого: 1.ч.", "15 человек", "Итого: 15 человек", "Итого: 15 человек"},
      {"В 1999 году компания открыла офис", "В 1.г.", "1999 году компания открыла офис",
       "В 1999 году компания открыла офис", "В 1999 году компания открыла офис"},
      {"http://x.ru/a", "http://x.ru/a ..", "", "http://x.ru/a", "http://x.ru/a"},
      {"Зульфия Ахметова", "Зульфия А..", "Ахметова", "Ахметова З.", "Зульфия"},
      {"Никита  Шевченко", "Никита Ш..", "Шевченко", "Шевченко Н.", "Никита"},
      {"Ахметова Зульфия", "Ахметова З..", "Зульфия"},
      {"Анна Петровна", "Анна П..", "Петровна"},  // a patronymic is no surname
  };
  for (const LineCase& c : cases) {
    const Text line = FromUtf8(c.line);
    EXPECT_EQ(ToUtf8(SurnameWithInitials(line)), c.initials) << c.line;
    EXPECT_EQ(ToUtf8(NameAndPatronymic(line)), c.namePatronymic) << c.line;
    EXPECT_EQ(ToUtf8(NameLine(NameCommand::Initials, line, NoLibrary(), 3)), c.initials) << c.line;
    EXPECT_EQ(ToUtf8(NameLine(NameCommand::NameAndPatronymic, line, NoLibrary(), 3)), c.namePatronymic)
        << c.line;
    EXPECT_EQ(ToUtf8(NameLine(NameCommand::Initials, line, Fleks(), 3)),
              c.initialsRead != nullptr ? c.initialsRead : c.initials)
        << c.line;
    EXPECT_EQ(ToUtf8(NameLine(NameCommand::NameAndPatronymic, line, Fleks(), 3)),
              c.namePatronymicRead != nullptr ? c.namePatronymicRead : c.namePatronymic)
        << c.line;
  }
}

TEST(NameCommands, DativeOfFullNames) {
  const std::pair<const char*, const char*> cases[] = {
      {"Иванов Иван Иванович", "Иванову Ивану Ивановичу"},
      {"  Петрова  Мария   Ивановна ", "Петровой Марии Ивановне"},
      {"Иванов И.И.", "Иванову И.И."},
      {"Иванова (Петрова) Мария Ивановна", "Ивановой (Петровой) Марии Ивановне"},
      {"ИВАНОВ ИВАН", "ИВАНОВУ ИВАНУ"},
      {"", ""},
      {"В 1999 году компания открыла офис", "В 1999 году компания открыла офис"},
      {"г. Москва, ул. Ленина, д. 5", "г. Москва, ул. Ленина, д. 5"},
      {"Иванов Иван 😀", "Иванов Иван 😀"},  // cannot be passed intact: left as it is
      {"Нұрланов Ерлан", "Нұрланов Ерлан"},
      {"Зульфия Ахметова", "Зульфии Ахметовой"},  // in the line's own order
      {"Шевченко Саша", "Шевченко Саше"},         // the same for either sex
      {"Ковальчук Саша", "Ковальчук Саша"},       // Ковальчуку or Ковальчук: left as it is
  };
  for (const auto& [line, dative] : cases)
    EXPECT_EQ(ToUtf8(DeclineLine(FromUtf8(line), 3, Fleks())), dative) << line;
}

TEST(NameCommands, SalutationFollowsThePatronymic) {
  const std::pair<const char*, const char*> cases[] = {
      {"Иванов Иван Иванович", "Уважаемый Иван Иванович"},
      {"Иванова Мария Ивановна", "Уважаемая Мария Ивановна"},
      {"Кузнецова Анна Ильинична", "Уважаемая Анна Ильинична"},
      {"Сидоров Пётр Ильич", "Уважаемый Пётр Ильич"},
      {"Мамедова Севиль Гейдар кызы", "Уважаемая Севиль Гейдар кызы"},
      {"Мамедов Ильхам Гейдар оглы", "Уважаемый Ильхам Гейдар оглы"},
      {"Абдуллаева Айгерим Нұрланқызы", "Уважаемая Айгерим Нұрланқызы"},
      {"Хасанова Гульнара Рустамовна", "Уважаемая Гульнара Рустамовна"},
      {"Петрова Мария", "Уважаемая Мария"},  // no patronymic: the whole name decides
      {"Петров Иван", "Уважаемый Иван"},
      {"Ким Аделина", "Уважаемая Аделина"},       // Ким is a man's name too: the other part decides
      {"Зульфия Ахметова", "Уважаемая Зульфия"},  // written first name first
      {"Никита Шевченко", "Уважаемый Никита"},
      // The first name alone tells the sex, or nothing does and the line stays as it is.
      {"Шевченко Абдулла", "Уважаемый Абдулла"},
      {"Шевченко Абигейль", "Уважаемая Абигейль"},
      {"Шевченко Зайнаб", "Уважаемая Зайнаб"},
      {"Шевченко Гоча", "Уважаемый Гоча"},
      {"Шевченко Саша", "Шевченко Саша"},
      {"Шевченко Женя", "Шевченко Женя"},
      // Not a name: no salutation, the line as it was (spaces collapsed like every line).
      {"", ""},
      {"В 1999 году  компания открыла офис", "В 1999 году компания открыла офис"},
      {"ivanov@mail.ru", "ivanov@mail.ru"},
      {"Отдел продаж:", "Отдел продаж:"},
  };
  for (const auto& [line, salutation] : cases)
    EXPECT_EQ(ToUtf8(SalutationLine(FromUtf8(line), Fleks())), salutation) << line;
}

TEST(NameCommands, RunRewritesEveryLine) {
  // Lines with breaks of every kind, one without a break, one of a four-byte character.
  const std::string input = "Иванов Иван Иванович\nПетрова Мария Ивановна\r\r\nИванов\r\n😀";
  struct Expected {
    NameCommand command;
    const char* text;
  };
  const Expected cases[] = {
      // The empty line and the emoji are not names: they stay as they are.
      {NameCommand::Initials, "Иванов И.И.\r\nПетрова М.И.\r\n\r\nИванов ..\r\n😀\r\n"},
      {NameCommand::NameAndPatronymic, "Иван Иванович\r\nМария Ивановна\r\n\r\n\r\n😀\r\n"},
      {NameCommand::Decline, "Иванову Ивану Ивановичу\r\nПетровой Марии Ивановне\r\n\r\nИванову\r\n😀\r\n"},
      {NameCommand::Salutation,
       "Уважаемый Иван Иванович\r\nУважаемая Мария Ивановна\r\n\r\nУважаемый\r\n😀\r\n"},
  };
  for (const Expected& c : cases) {
    const text::CommandResult result = RunNameCommand(c.command, input, Fleks());
    EXPECT_EQ(result.text, c.text);
    EXPECT_EQ(result.outcome, text::Outcome::kDone);
    EXPECT_EQ(result.caption, "Готово.");
  }
}

TEST(NameCommands, DeclineTakesAnyCase) {
  const char* forms[] = {"Толстой Лев Николаевич",     "Толстого Льва Николаевича",
                         "Толстому Льву Николаевичу",  "Толстого Льва Николаевича",
                         "Толстым Львом Николаевичем", "Толстом Льве Николаевиче"};
  for (int caseNo = 1; caseNo <= 6; ++caseNo)
    EXPECT_EQ(ToUtf8(DeclineLine(FromUtf8(forms[0]), caseNo, Fleks())), forms[caseNo - 1]);
}

}  // namespace
}  // namespace skorlin::names
