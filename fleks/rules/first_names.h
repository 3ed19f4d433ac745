// SPDX-License-Identifier: MIT
// First names the engine knows by heart, with their sex, and the endings that tell the sex
// of a first name it does not know. A known name tells a first name from a surname and
// gives the sex when no patronymic does. Lists are lower case, separated by blanks; е and
// ё are the same letter for the look-up. A name in a men's and a women's list is taken
// as a name of either sex.
#pragma once

#include "rules/ending_rules.h"
#include "rules/names_foreign.h"
#include "rules/names_neighbours.h"
#include "rules/names_peoples.h"
#include "rules/names_russian.h"

namespace fleks::rules {

struct FirstNameList {
  const char* male;
  const char* female;
};

inline constexpr FirstNameList kFirstNames[] = {
    {kRussianMale, kRussianFemale},
    {kVolgaMale, kVolgaFemale},
    {kCaucasusMale, kCaucasusFemale},
    {kSiberiaMale, kSiberiaFemale},
    {kCentralAsiaMale, kCentralAsiaFemale},
    {kAzerbaijanMale, kAzerbaijanFemale},
    {kGeorgianArmenianMale, kGeorgianArmenianFemale},
    {kBalticMoldovaMale, kBalticMoldovaFemale},
    {kWesternMale, kWesternFemale},
    {kEastMale, kEastFemale},
};

// Names given to both men and women: the surname or the patronymic decides.
inline constexpr const char* kUnisexNames = R"(
  саша женя валя шура слава сима саня санька женька валька сашка шурка славка мотя жека
  мишель доминик нур
)";

// First names that are common surnames as well (Ким Анна, Лев Наталья): as a first name
// they tell the sex only weakly, so a clearly female or male other word outvotes them;
// which of two words is the surname, the form of the other word or the order decides.
inline constexpr const char* kAlsoSurnames = R"(
  ким лев герман мартин
)";

// Endings that mark a first name and hardly ever a surname (Ярослав, Мирослава, Казимир,
// Улугбек, Айгуль, Абдулла, Насреддин, Айжан, Ильнур, Тамрико): a word the lists do not know
// that ends so is taken for the first name rather than the surname.
inline constexpr const char* kFirstNameForms = R"(
  слав слава мир мира бек гуль гюль гул улла тдин ддин жан нур ико
)";

// First names of Western Europe and America that Russians are not given. A surname after
// one of them, in a name without a patronymic, is foreign: -ин and -ов are plain endings
// there, not Russian possessive suffixes (Чарльз Дарвин → Чарльзом Дарвином).
inline constexpr const char* kWesternNames = R"(
  джон джек джордж майкл питер пол уильям томас чарльз генри жан пьер поль луи франсуа
  жак анри ганс фридрих вильгельм иоганн людвиг клаус дитрих курт карлос хуан хосе педро
  пабло диего луис марио джузеппе антонио франческо бенджамин кевин эдвин стивен ричард
  дэвид дэниел эндрю энтони джеймс джозеф фрэнсис гарри билл дональд рональд брюс том тим
  фрэнк бернард уолтер джеффри патрик брайан
  мэри элизабет маргарет кэтрин джейн сьюзан энн эмили шарлотта ингрид грета мишель
  жаклин натали софи мари николь изабель кармен долорес мерседес
)";

// Ukrainian men's names in -о: they decline like Павел without its fleeting vowel
// (Павло Тычина → Павла Тычины, Петру, Петром).
inline constexpr const char* kUkrainianNamesInO = R"(
  петро павло дмитро михайло данило гаврило кирило левко грицько
)";

// Men's names ending in -я whose ending is stressed: instrumental -ёй, not -ей.
inline constexpr const char* kStressedYaNames = R"(
  илья
)";

// The sex of a first name that is in none of the lists, by its ending; the first row
// whose ending matches decides. Names in -а and -я are women's (the men's ones, Никита,
// Илья, and the pet forms Миша, Петя, are in the lists); so are the foreign names in -е,
// -и, -ю, -э and the Turkic ones in -гуль, -зель, -сель. Consonants are men's.
inline constexpr SexEnding kFirstNameSexEndings[] = {
    {"улла", ForSex::Male},     // Абдулла, Хабибулла, Нурулла
    {"рза", ForSex::Male},      // Мирза, Рза
    {"а", ForSex::Female},      // Анна, Гулнара
    {"я", ForSex::Female},      // Мария, Джамиля
    {"джи", ForSex::Male},      // Гаджи, Луиджи
    {"али", ForSex::Male},      // Магомедали, Шерали
    {"кули", ForSex::Male},     // Ниязкули
    {"и", ForSex::Female},      // Натали, Этери, Кадри
    {"эле", ForSex::Male},      // Даниэле, Габриэле
    {"ппе", ForSex::Male},      // Джузеппе, Фелипе
    {"торе", ForSex::Male},     // Сальваторе, Этторе
    {"е", ForSex::Female},      // Гаяне, Инесе, Бируте
    {"э", ForSex::Female},      // Гаянэ, Лусинэ
    {"ю", ForSex::Female},      // Марью
    {"луу", ForSex::Female},    // Айсулуу
    {"лу", ForSex::Female},     // Айсылу, Нурсулу
    {"су", ForSex::Female},     // Алсу
    {"ану", ForSex::Female},    // Гульбану
    {"йу", ForSex::Female},     // Тийу
    {"у", ForSex::Male},        // Думитру, Раду, Докку
    {"нисо", ForSex::Female},   // Гульнисо
    {"ико", ForSex::Female},    // Тамрико, Софико
    {"о", ForSex::Male},        // Отто, Марио, Бесо
    {"гуль", ForSex::Female},   // Айгуль, Назгуль
    {"гюль", ForSex::Female},   // Айгюль
    {"зель", ForSex::Female},   // Гузель
    {"сель", ForSex::Female},   // Айсель, Асель
    {"эль", ForSex::Male},      // Рафаэль, Даниэль
    {"ель", ForSex::Female},    // Адель, Нинель, Жизель
    {"оль", ForSex::Female},    // Ассоль
    {"вь", ForSex::Female},     // Любовь
    {"фь", ForSex::Female},     // Юдифь, Руфь
    {"ь", ForSex::Male},        // Игорь, Шамиль, Рауль
    {"гул", ForSex::Female},    // Айгул, Ойгул
    {"ият", ForSex::Female},    // Асият, Разият: women's names of Dagestan
    {"имат", ForSex::Female},   // Патимат, Калимат
    {"ижат", ForSex::Female},   // Хадижат
    {"ихат", ForSex::Female},   // Салихат
    {"идат", ForSex::Female},   // Загидат
    {"ибат", ForSex::Female},   // Габибат
    {"икат", ForSex::Female},   // Маликат
    {"исат", ForSex::Female},   // Написат
    {"лым", ForSex::Female},    // Аяулым, Арайлым
    {"нуш", ForSex::Female},    // Ануш, Сирануш
    {"етт", ForSex::Female},    // Жозетт, Колетт
    {"абет", ForSex::Female},   // Элизабет
    {"арет", ForSex::Female},   // Маргарет
    {"рин", ForSex::Female},    // Кэтрин, Ширин
    {"дит", ForSex::Female},    // Эдит, Джудит
    {"грид", ForSex::Female},   // Ингрид
    {"трид", ForSex::Female},   // Астрид
    {"най", ForSex::Female},    // Алтынай, Турсунай: Kyrgyz and Kazakh women's names
    {"рай", ForSex::Female},    // Нурай
    {"дай", ForSex::Female},    // Айдай
    {"ханум", ForSex::Female},  // Гульханум
    {"бегим", ForSex::Female},  // Айбегим
    {"", ForSex::Male},         // Иван, Сергей, Тагир
};

}  // namespace fleks::rules
