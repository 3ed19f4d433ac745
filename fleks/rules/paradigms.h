// SPDX-License-Identifier: MIT
// The endings of the declension patterns. A pattern cuts `cut` letters off the end of the
// nominative and appends the ending of the case: genitive, dative, accusative,
// instrumental, prepositional (the nominative stays as it is). The accusative of a man's
// name is his genitive; of a woman's name in -а/-я, the ending -у/-ю.
#pragma once

namespace fleks::rules {

struct Paradigm {
  const char* name;
  int cut;
  const char* endings[5];  // cases 2..6, UTF-8
};

enum ParadigmId {
  kIndeclinable,
  kMascHard,          // Иван, Петросян, Ковальчук, Кравец (after the stem change)
  kMascSibilant,      // Иванович, Бабич, Шульц: -ем in the instrumental
  kMascSoft,          // Игорь, Гоголь
  kMascJ,             // Сергей, Николай, Гайдай
  kMascIj,            // Юрий, Василий: prepositional -ии
  kMascSoftStressed,  // Воробей → Воробьём (stem without the fleeting е)
  kMascO,             // Петро → Петра, Петром (Ukrainian names in -о)
  kPossessiveMasc,    // Иванов, Пушкин, Птицын: instrumental -ым
  kPossessiveFem,     // Иванова, Пушкина
  kNounA,             // Анна, Никита, Окуджава, Николаевна
  kNounAVelar,        // Ольга, Лука: genitive -и
  kNounASibilant,     // Саша, Маша: genitive -и, instrumental -ей
  kNounATse,          // Птица: instrumental -ей
  kNounYa,            // Ваня, Наталья, Майя, Медея
  kNounYaStressed,    // Илья → Ильёй
  kNounIya,           // Мария, Берия, Данелия: -ии
  kFemSoft,           // Любовь, Нинель, Айгуль
  kAdjMascHard,       // Белый, Толстой, Луговой
  kAdjMascVelar,  // Достоевский, Горький, Трубецкой, Большой: instrumental -им
  kAdjMascSoft,     // Верхний, Рыжий: -его
  kAdjFemHard,      // Толстая, Достоевская
  kAdjFemSibilant,  // Рыжая → Рыжей
  kAdjFemSoft,      // Верхняя
  kParadigmCount
};

inline constexpr Paradigm kParadigms[kParadigmCount] = {
    {"indeclinable", 0, {"", "", "", "", ""}},
    {"masc-hard", 0, {"а", "у", "а", "ом", "е"}},
    {"masc-sibilant", 0, {"а", "у", "а", "ем", "е"}},
    {"masc-soft", 1, {"я", "ю", "я", "ем", "е"}},
    {"masc-j", 1, {"я", "ю", "я", "ем", "е"}},
    {"masc-ij", 1, {"я", "ю", "я", "ем", "и"}},
    {"masc-soft-stressed", 0, {"я", "ю", "я", "ём", "е"}},
    {"masc-o", 1, {"а", "у", "а", "ом", "е"}},
    {"possessive-masc", 0, {"а", "у", "а", "ым", "е"}},
    {"possessive-fem", 1, {"ой", "ой", "у", "ой", "ой"}},
    {"noun-a", 1, {"ы", "е", "у", "ой", "е"}},
    {"noun-a-velar", 1, {"и", "е", "у", "ой", "е"}},
    {"noun-a-sibilant", 1, {"и", "е", "у", "ей", "е"}},
    {"noun-a-tse", 1, {"ы", "е", "у", "ей", "е"}},
    {"noun-ya", 1, {"и", "е", "ю", "ей", "е"}},
    {"noun-ya-stressed", 1, {"и", "е", "ю", "ёй", "е"}},
    {"noun-iya", 1, {"и", "и", "ю", "ей", "и"}},
    {"fem-soft", 1, {"и", "и", "ь", "ью", "и"}},
    {"adj-masc-hard", 2, {"ого", "ому", "ого", "ым", "ом"}},
    {"adj-masc-velar", 2, {"ого", "ому", "ого", "им", "ом"}},
    {"adj-masc-soft", 2, {"его", "ему", "его", "им", "ем"}},
    {"adj-fem-hard", 2, {"ой", "ой", "ую", "ой", "ой"}},
    {"adj-fem-sibilant", 2, {"ей", "ей", "ую", "ей", "ей"}},
    {"adj-fem-soft", 2, {"ей", "ей", "юю", "ей", "ей"}},
};

}  // namespace fleks::rules
