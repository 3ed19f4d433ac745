// SPDX-License-Identifier: MIT
// Which pattern a word follows, by its ending. Each table is read from the top; the
// first row whose ending, sex and condition match decides. An empty ending matches any
// word. The actions that depend on the letter before the ending (Ольга → Ольги, Саша →
// Сашей, Кравец → Кравцу) are resolved by the engine.
//
// No form may break Russian spelling: a pattern that would put ы after a vowel, й, ь, г,
// к or х, or ю, я, ы after ж, ш, ч, щ, leaves the word as it is. Names ending in a vowel
// and -а (Гулиа, Андреа) are foreign and stay as they are by the rows below.
#pragma once

namespace fleks::rules {

enum class ForSex { Any, Male, Female };
enum class When {
  Always,
  StemHasVowel,  // the part before the ending holds a vowel (Иванов, not Шов; Толстой, not Цой)
  AfterVowel,  // a vowel comes right before the ending (Гулиа, Андреа, not Анна)
};
enum class Action {
  Indeclinable,
  PossessiveMasc,  // Иванов → Ивановым
  PossessiveFem,   // Иванова → Ивановой
  NounIya,         // Мария → Марии
  NounA,           // Анна, Ольга, Саша, Птица
  NounYa,          // Ваня, Наталья, Илья
  FemSoft,         // Любовь → Любови
  MascSoft,        // Игорь → Игорю
  MascIj,          // Юрий → Юрии (prepositional)
  MascJ,           // Сергей → Сергее
  ConsonantNoun,   // Иван → Ивану; Кравец → Кравцу; Бабич → Бабичем
  AdjMascY,        // Белый → Белого
  AdjMascOj,       // Толстой → Толстым; Трубецкой → Трубецким
  AdjMascIj,       // Достоевский → Достоевским; Верхний → Верхнего
  AdjFemAya,       // Толстая → Толстой; Рыжая → Рыжей
  AdjFemYaya,      // Верхняя → Верхней
  PatronymicMasc,  // Иванович → Ивановичем; Ильич → Ильичом
};

// An ending that tells the sex of a word: the first row that matches decides.
struct SexEnding {
  const char* ending;  // UTF-8, lower case
  ForSex sex;
};

struct EndingRule {
  const char* ending;  // UTF-8, lower case
  ForSex sex;
  When when;
  Action action;
};

inline constexpr EndingRule kSurnameRules[] = {
    // Surnames in a vowel other than -а/-я never decline: Шевченко, Бондаренко, Живаго,
    // Дурново, Гюго, Руставели, Кобахидзе, Джугашвили, Мегрелишвили, Шоу, Камю, Мамедзаде.
    {"о", ForSex::Any, When::Always, Action::Indeclinable},
    {"е", ForSex::Any, When::Always, Action::Indeclinable},
    {"и", ForSex::Any, When::Always, Action::Indeclinable},
    {"у", ForSex::Any, When::Always, Action::Indeclinable},
    {"ю", ForSex::Any, When::Always, Action::Indeclinable},
    {"э", ForSex::Any, When::Always, Action::Indeclinable},
    {"ы", ForSex::Any, When::Always, Action::Indeclinable},
    // Old genitive plural surnames of both sexes: Черных, Седых, Долгих, Высоких, Крайних.
    {"ых", ForSex::Any, When::Always, Action::Indeclinable},
    {"ких", ForSex::Any, When::Always, Action::Indeclinable},
    {"гих", ForSex::Any, When::Always, Action::Indeclinable},
    {"хих", ForSex::Any, When::Always, Action::Indeclinable},
    {"жих", ForSex::Any, When::Always, Action::Indeclinable},
    {"ших", ForSex::Any, When::Always, Action::Indeclinable},
    {"чих", ForSex::Any, When::Always, Action::Indeclinable},
    {"щих", ForSex::Any, When::Always, Action::Indeclinable},
    {"них", ForSex::Any, When::Always, Action::Indeclinable},
    // A vowel before the final -а marks a foreign surname, which stays as it is:
    // Гамсахурдиа, Гулиа, Моруа, Делакруа, Бреа. (Declined, it would take -ы after a
    // vowel in the genitive, which Russian spelling does not allow.)
    {"а", ForSex::Any, When::AfterVowel, Action::Indeclinable},
    // Women's adjectival surnames: Толстая, Достоевская, Луговая, Верхняя.
    {"ая", ForSex::Female, When::StemHasVowel, Action::AdjFemAya},
    {"яя", ForSex::Female, When::StemHasVowel, Action::AdjFemYaya},
    // Women's possessive surnames: Иванова, Лебедева, Королёва, Пушкина, Птицына.
    {"ова", ForSex::Female, When::StemHasVowel, Action::PossessiveFem},
    {"ева", ForSex::Female, When::StemHasVowel, Action::PossessiveFem},
    {"ёва", ForSex::Female, When::StemHasVowel, Action::PossessiveFem},
    {"ина", ForSex::Female, When::StemHasVowel, Action::PossessiveFem},
    {"ына", ForSex::Female, When::StemHasVowel, Action::PossessiveFem},
    // -ия of both sexes: Берия, Данелия, Гамсахурдия.
    {"ия", ForSex::Any, When::Always, Action::NounIya},
    // Other surnames in -а/-я decline as nouns for both sexes: Окуджава, Сковорода,
    // Глинка, Ганжа, Зозуля, Квирая.
    {"а", ForSex::Any, When::Always, Action::NounA},
    {"я", ForSex::Any, When::Always, Action::NounYa},
    // Women's surnames in a consonant, -ь or -й stay as they are: Петросян, Ковальчук,
    // Гоголь, Гайдай, Иванов (a man's form given for a woman).
    {"", ForSex::Female, When::Always, Action::Indeclinable},
    // Men's adjectival surnames: Белый, Толстой, Трубецкой, Достоевский, Горький, Верхний.
    {"ый", ForSex::Male, When::StemHasVowel, Action::AdjMascY},
    {"ой", ForSex::Male, When::StemHasVowel, Action::AdjMascOj},
    {"ий", ForSex::Male, When::StemHasVowel, Action::AdjMascIj},
    // Men's possessive surnames: Иванов, Лебедев, Королёв, Пушкин, Птицын.
    {"ов", ForSex::Male, When::StemHasVowel, Action::PossessiveMasc},
    {"ев", ForSex::Male, When::StemHasVowel, Action::PossessiveMasc},
    {"ёв", ForSex::Male, When::StemHasVowel, Action::PossessiveMasc},
    {"ин", ForSex::Male, When::StemHasVowel, Action::PossessiveMasc},
    {"ын", ForSex::Male, When::StemHasVowel, Action::PossessiveMasc},
    // Men's surnames in -ь and -й decline as nouns: Гоголь, Гайдай, Цой.
    {"ь", ForSex::Male, When::Always, Action::MascSoft},
    {"й", ForSex::Male, When::Always, Action::MascJ},
    // Men's surnames in a consonant: Петросян, Ковальчук, Кравец, Бабич, Шульц.
    {"", ForSex::Male, When::Always, Action::ConsonantNoun},
};

inline constexpr EndingRule kFirstNameRules[] = {
    // Names in -о, -е, -и, -у, -ю, -э stay as they are: Отто, Нино, Гоги, Али, Этери.
    {"о", ForSex::Any, When::Always, Action::Indeclinable},
    {"е", ForSex::Any, When::Always, Action::Indeclinable},
    {"и", ForSex::Any, When::Always, Action::Indeclinable},
    {"у", ForSex::Any, When::Always, Action::Indeclinable},
    {"ю", ForSex::Any, When::Always, Action::Indeclinable},
    {"э", ForSex::Any, When::Always, Action::Indeclinable},
    {"ы", ForSex::Any, When::Always, Action::Indeclinable},
    // A vowel before the final -а: foreign names that stay as they are (Андреа, Ноа, Лиа,
    // Миа, Франсуа), as surnames of that shape do.
    {"а", ForSex::Any, When::AfterVowel, Action::Indeclinable},
    // Мария, Лидия, Зульфия, Илия, Захария: -ии in the dative and prepositional.
    {"ия", ForSex::Any, When::Always, Action::NounIya},
    // Names in -а/-я of both sexes: Анна, Ольга, Саша, Никита, Фома, Ваня, Наталья, Илья.
    {"а", ForSex::Any, When::Always, Action::NounA},
    {"я", ForSex::Any, When::Always, Action::NounYa},
    // Women's names in -ь: Любовь, Нинель, Адель, Айгуль.
    {"ь", ForSex::Female, When::Always, Action::FemSoft},
    // Women's names in a consonant stay as they are: Кармен, Гульназ, Элизабет.
    {"", ForSex::Female, When::Always, Action::Indeclinable},
    // Men's names: Игорь, Юрий, Сергей, Николай, Иван, Рустам.
    {"ь", ForSex::Male, When::Always, Action::MascSoft},
    {"ий", ForSex::Male, When::Always, Action::MascIj},
    {"й", ForSex::Male, When::Always, Action::MascJ},
    {"", ForSex::Male, When::Always, Action::ConsonantNoun},
};

inline constexpr EndingRule kPatronymicRules[] = {
    // Иванович, Сергеевич, Ильич, Кузьмич, Рустамович.
    {"ич", ForSex::Any, When::Always, Action::PatronymicMasc},
    // Ивановна, Сергеевна, Никитична, Ильинична, Гульнаровна.
    {"на", ForSex::Any, When::Always, Action::NounA},
};

}  // namespace fleks::rules
