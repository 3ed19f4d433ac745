// SPDX-License-Identifier: MIT
// Surnames and parts of names that the general endings would decline wrongly.
// Lower case, separated by blanks; е and ё are the same letter for the look-up.
#pragma once

#include "rules/ending_rules.h"

namespace fleks::rules {

// Foreign surnames that look like Russian possessive ones (-ин, -ов, -ын) but decline as
// plain nouns: instrumental Дарвином, Чаплином, not Дарвиным.
inline constexpr const char* kForeignPossessiveLookalikes = R"(
  дарвин чаплин франклин кальвин берлин гриффин остин мартин дублин мерлин джоплин
  кронин эрвин ирвин кевин келвин марвин мелвин гарвин эдвин бенджамин гершвин
  робин кристин кэролин баффин лакин маккин эйкин вирджин ботвин ремарин
  джастин дастин колин гудвин болдуин шервин мэрилин бюлов
)";

// Endings that mark a word as a surname rather than a first name when the first-name
// lists do not know it: possessive (Иванов, Пушкина), adjectival (Толстой, Рыжая,
// Верхний), Ukrainian (Шевченко, Ковальчук), Armenian (Петросян) and Georgian (Кобахидзе,
// Джугашвили) endings, and the old plural (Черных). Weak ones mark it less surely, as
// first names end so too (Пушкина and Алина, Берия and Мария, Окуджава and Велислава).
// A surname keeps two letters at least before the ending.
enum class SurnameForm { Strong, Weak, None };
// Endings that look like a surname's but are a first name's: Georgian pet names in -ико
// (Тамрико, Нанико) are not Ukrainian surnames in -ко.
inline constexpr const char* kNotSurnameForms = R"(
  ико
)";
inline constexpr const char* kStrongSurnameForms = R"(
  ов ев ын ин ова ева ына кина шина хина ский цкий ская цкая ая яя ой ый кий ний жий чий
  ший щий ко ук юк ян дзе швили ых их
)";
inline constexpr const char* kWeakSurnameForms = R"(
  ина ия ава
)";

// The sex a surname tells by its ending, when a vowel comes before the ending (Иванова,
// Толстая; not Шов, Цой). Foreign surnames that only look possessive (Дарвин) tell none.
inline constexpr SexEnding kSurnameSexEndings[] = {
    {"ова", ForSex::Female}, {"ева", ForSex::Female}, {"ина", ForSex::Female}, {"ына", ForSex::Female},
    {"ая", ForSex::Female},  {"яя", ForSex::Female},  {"ов", ForSex::Male},    {"ев", ForSex::Male},
    {"ин", ForSex::Male},    {"ын", ForSex::Male},    {"ий", ForSex::Male},    {"ый", ForSex::Male},
    {"ой", ForSex::Male},
};

// Endings of patronymics beyond doubt: -ович, -евич, -овна, -евна, -ична, Никитич, and the
// Ukrainian -івна. (Ильич, Кузьмич, Фомич, Лукич are listed below; a first name may end
// in -вна, Дивна.) Two letters at least come before the ending.
inline constexpr const char* kPatronymicForms = R"(
  вич овна евна ична івна ївна итич
)";

// The sex a patronymic tells by its ending.
inline constexpr SexEnding kPatronymicSexEndings[] = {
    {"ич", ForSex::Male}, {"вна", ForSex::Female}, {"чна", ForSex::Female}, {"шна", ForSex::Female}};

// Particles before a surname or a father's name that stay as they are: "фон Браун",
// "ибн Сина"; also the first half of a hyphenated surname ("Тер-Петросян",
// "Бонч-Бруевич", "Сен-Симон").
inline constexpr const char* kParticlesBefore = R"(
  фон де ван дер ден ди да дос дю ла ле дель делла ибн бен бин аль эль абу абд абдул мак
  тер бонч сен сент
)";

// Abbreviations of the legal form of a company: a line that holds one ("ООО Ромашка",
// "ИП Иванов") names a firm, not a person.
inline constexpr const char* kCompanyForms = R"(
  ооо зао оао пао ао ип нко гуп муп фгуп тоо чп
)";

// Words written after a full name that stay as they are: "Иванов Иван Иванович младший".
inline constexpr const char* kNameSuffixes = R"(
  младший старший
)";

// Words after a father's name that make it a Turkic patronymic; the whole patronymic
// stays as it is ("Гейдар оглы", "Алиевна кызы").
inline constexpr const char* kPatronymicParticlesMale = R"(
  оглы оглу улы уулу
)";
inline constexpr const char* kPatronymicParticlesFemale = R"(
  кызы гызы кизи кыз
)";

// The last part of a hyphenated surname that makes the whole surname indeclinable
// (Турсун-заде, Ибрагим-оглы).
inline constexpr const char* kIndeclinableLastParts = R"(
  заде зода оглы оглу кызы гызы улы уулу
)";

// Georgian surnames in -ая: nouns for both sexes (Квирая → Квирае), not adjectives
// like Толстая.
inline constexpr const char* kGeorgianSurnamesInAya = R"(
  квирая шенгелая гогелая
)";

// Surnames ending in a stressed -а or -я borrowed from French: they do not decline.
inline constexpr const char* kIndeclinableSurnames = R"(
  дюма золя дега петипа
)";

// Names and surnames with a fleeting vowel the general rules do not see:
// nominative, stem of the other cases, pattern ("hard": Льва, Львом; "sibilant": Зайца,
// Зайцем; "soft-stressed": Воробья, Воробьём).
struct FleetingVowel {
  const char* nominative;
  const char* stem;
  const char* pattern;
};
inline constexpr FleetingVowel kFleetingVowels[] = {
    {"лев", "льв", "hard"},
    {"павел", "павл", "hard"},
    {"пётр", "петр", "hard"},
    {"петр", "петр", "hard"},
    {"орёл", "орл", "hard"},
    {"орел", "орл", "hard"},
    {"козёл", "козл", "hard"},
    {"козел", "козл", "hard"},
    {"котел", "котл", "hard"},
    {"котёл", "котл", "hard"},
    {"дятел", "дятл", "hard"},
    {"пепел", "пепл", "hard"},
    {"заяц", "зайц", "sibilant"},
    {"воробей", "воробь", "soft-stressed"},
    {"соловей", "соловь", "soft-stressed"},
    {"муравей", "муравь", "soft-stressed"},
    {"ручей", "ручь", "soft-stressed"},
};

// Men's surnames in -ь whose ending is stressed: instrumental -ём (Пономарём, Кобзарём);
// the others take -ем (Гоголем, Бондарем, Лазарем).
inline constexpr const char* kStressedSoftSurnames = R"(
  пономарь звонарь кобзарь бунтарь дикарь вратарь шинкарь кисель шмель царь глухарь
  снегирь богатырь пескарь сухарь сизарь косарь секретарь король карась
)";

// Surname endings in -ж, -ш, -ч, -щ whose last syllable is stressed: instrumental -ом
// (Ткачом, Малышом, Грачом), where an unstressed ending takes -ем (Бабичем).
inline constexpr const char* kStressedSibilantEndings = R"(
  ач яч ыш ёж ёш ёч ёрш
)";

// Surnames in -ец that are Russian nouns with a stressed ending: instrumental -ом
// (Стрельцом, Купцом). Other surnames of two syllables or more take -ем (Кравцем).
inline constexpr const char* kStressedEcNouns = R"(
  стрелец купец певец боец отец молодец гонец удалец скворец кузнец мудрец хитрец
  гордец храбрец борец ловец гребец продавец жилец делец истец пловец льстец наглец
  мертвец слепец глупец близнец самец беглец
)";

// Patronymics in -ич with the stress on the ending: instrumental -ом.
inline constexpr const char* kStressedPatronymics = R"(
  ильич кузьмич фомич лукич
)";

// Russian soft adjectives in -ний that surnames are made of (Верхний → Верхнего); the
// other surnames in -ний are hard (Задорожний → Задорожного, as in Ukrainian).
inline constexpr const char* kSoftAdjectiveSurnames = R"(
  верхний нижний крайний синий средний летний зимний осенний весенний вечерний утренний
  ранний поздний древний последний передний задний внешний внутренний дальний
  ближний соседний сторонний искренний
)";

}  // namespace fleks::rules
