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
    {kArabicMale, kArabicFemale},
    {kPersianMale, kPersianFemale},
    {kTurkishMale, kTurkishFemale},
    {kJewishGreekMale, kJewishGreekFemale},
    {kSlavicBalkanMale, kSlavicBalkanFemale},
};

// Names given to both men and women, here or by different peoples (Карен is an Armenian
// man's name and an English woman's, Айман a Kazakh woman's and an Arab man's): the surname
// or the patronymic decides. A name here is of either sex whatever list also holds it.
inline constexpr const char* kUnisexNames = R"(
  саша женя валя шура слава сима саня санька женька валька сашка шурка славка мотя жека
  мишель доминик нур нубар инсаф ихлас азар кадер
  андреа робин карен мелис адель айман сёма айнур ардак жаргал церен умут умит дурсун нурхан
  хамис сиван янка паскаль ноэль рене кари симоне тейлор джордан фрэнсис келли мередит
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

// How Russian texts spell one name several ways. A first name the lists do not know is read
// as the known name it becomes when its letters are written the other way: each row turns
// every `from` of the name into `to`, or only the ending where `atEnd` is set, and a doubled
// letter written once is tried too (Генадий, Варлам, Изабела). Counted on the known names,
// turning one into another found a name of the other sex at most once in twenty-five.
struct NameSpelling {
  const char* from;  // UTF-8, lower case
  const char* to;
  bool atEnd;
};

inline constexpr NameSpelling kNameSpellings[] = {
    {"э", "е", false},   // Эльдар and Ельдар, Бэлла and Белла: 103 of 103 known
    {"ы", "и", false},   // Мыкола and Микола, Сымон and Симон: 54 of 55
    {"ь", "", false},    // Омельян and Омелян, Ульяна and Уляна: 178 of 185
    {"ия", "ья", true},  // Ефросиния and Ефросинья: 25 of 25
    {"ья", "ия", true},  // Наталья and Наталия: 25 of 25
    {"ие", "ия", true},  // Фахрие and Фахрия: 8 of 8
};

struct SexBeginning {
  const char* beginning;
  ForSex sex;
};

// The sex of a first name that is in none of the lists, by its beginning: the parts of
// Arabic and Turkic compound names that only men's names begin with (Абдулмуъти,
// Ахметсафа, Мухаммадамин) and only women's (Гульсибар, Гюльбениз, Огулнабат), with the
// few men's names that begin like women's ones before them. The first row whose beginning
// matches decides, before the ending.
inline constexpr SexBeginning kFirstNameSexBeginnings[] = {
    {"абд", ForSex::Male},      // Абдулла, Абдурахман, Абдуннур
    {"габд", ForSex::Male},     // Габдулла, Габдельхак
    {"мухам", ForSex::Male},    // Мухаммадамин, Мухаметзян
    {"магомед", ForSex::Male},  // Магомедрасул
    {"ахмед", ForSex::Male},    // Ахмедхан
    {"ахмет", ForSex::Male},    // Ахметсафа, Ахметзян
    {"ахмад", ForSex::Male},    // Ахмадзия, Ахмадшах
    {"гулам", ForSex::Male},    // Гулам, Гуламреза
    {"гулям", ForSex::Male},    // Гулямжан
    {"гулом", ForSex::Male},    // Гуломжон
    {"гулбуд", ForSex::Male},   // Гулбуддин
    {"гульбуд", ForSex::Male},  // Гульбуддин
    {"гулмур", ForSex::Male},   // Гулмурод
    {"гулмух", ForSex::Male},   // Гулмухаммад
    {"голам", ForSex::Male},    // Голамреза
    {"голиб", ForSex::Male},    // Голиб
    {"гул", ForSex::Female},    // Гулишод, Гулбахор, Гульсибар
    {"гюл", ForSex::Female},    // Гюльбениз, Гюльханым
    {"огул", ForSex::Female},   // Огулнабат, Огульшат
    {"гол", ForSex::Female},    // Голназ, Гольшифте
};

// The sex of a first name that is in none of the lists, by its ending; the first row
// whose ending matches decides, and Any means the ending does not tell. How far an ending
// is trusted is counted on the names of the lists, of every origin (19,000 of them):
// - a row names one sex where the known names it decides are of that sex but for one in
//   twenty when it is added and one in ten at most while it stays, and those few are in the
//   lists;
// - -а, -я and the consonants tell nothing by themselves: of the known names, one in five
//   in -а is a man's (Абдулла, Мустафа, Шота, Лука, Никита, Гела) and one in five ending in a
//   consonant a woman's (Зайнаб, Ширин, Абигейль). Read as women's and men's, they were wrong
//   about one time in twelve on rare names the lists did not know, and a wrong salutation goes
//   out where an unknown one is left for the user to fix. Only their narrower endings decide,
//   where at least 95 in 100 of at least twelve known names are of one sex (-на, -ара, -ида;
//   -ир, -ас, -ос, -бек). A row's count is of the known names it decides, those no longer
//   row takes. A row goes when its share falls under 90 in 100 as the lists grow: the lists
//   take in the exceptions as they are found, so among them a row looks worse than it does
//   on names they do not hold (of about 230 rare names the lists do not hold, the rows were
//   wrong on one);
// - where both sexes end alike (-ь, -и, -е, -о, -у, -ин, -дин, -ен, -ат, -жан, -нур …: 6,500
//   known names, 2,500 of them women's) the ending decides nothing, and a name the lists do
//   not know is of unknown sex, unless it is two known names of one sex written together or
//   another spelling of a known name.
inline constexpr SexEnding kFirstNameSexEndings[] = {
    // Vowels.
    {"улла", ForSex::Male},     // Абдулла, Хабибулла, Нурулла
    {"зула", ForSex::Male},     // Пайзула
    {"рза", ForSex::Male},      // Мирза, Рза
    {"мза", ForSex::Male},      // Хамза
    {"иха", ForSex::Female},    // Сабиха, Малиха
    {"ха", ForSex::Any},        // Таха, Ваха and Ксюха, Лёха
    {"паша", ForSex::Male},     // Сайгидпаша, Кемальпаша
    {"ша", ForSex::Any},        // pet forms of both: Гоша, Наташа
    {"ня", ForSex::Any},        // Ваня, Таня
    {"еся", ForSex::Female},    // Олеся, Алеся, Леся
    {"ся", ForSex::Any},        // Вася, Люся
    {"тя", ForSex::Any},        // Петя, Катя
    {"дя", ForSex::Any},        // Федя, Надя
    {"ька", ForSex::Any},       // Колька and Манька
    {"ама", ForSex::Any},       // Осама
    {"ума", ForSex::Any},       // Джума
    {"ема", ForSex::Any},       // Лема
    {"зьма", ForSex::Any},      // Кузьма
    {"еа", ForSex::Any},        // Андреа
    {"ъя", ForSex::Any},        // Яхъя
    {"чья", ForSex::Male},      // Грачья, Рачья
    {"реза", ForSex::Male},     // Реза, Алиреза (Тереза is in the lists)
    {"ага", ForSex::Male},      // Алиага, Мирага
    {"слава", ForSex::Female},  // Велислава, Доброслава
    {"ара", ForSex::Female},    // Анара, Инара: 41 of 42 known
    {"ира", ForSex::Female},    // Амира, Заира: 72 of 74 known
    {"гиса", ForSex::Male},     // Нургиса
    {"иса", ForSex::Female},    // Алиса, Аниса: 29 of 30 known
    {"ида", ForSex::Female},    // Абида, Наида: 73 of 73 known
    {"иза", ForSex::Female},    // Азиза, Ализа: 23 of 24 known
    {"нда", ForSex::Female},    // Ванда, Линда: 58 of 64 known
    {"ета", ForSex::Female},    // Грета, Ивета: 42 of 45 known
    {"тта", ForSex::Female},    // Изотта, Одетта: 43 of 44 known
    {"иба", ForSex::Female},    // Адиба, Таиба: 18 of 18 known
    {"на", ForSex::Female},     // Айна, Анна: 683 of 700 known
    {"елла", ForSex::Female},   // Белла, Гелла: 30 of 30 known
    {"льда", ForSex::Female},   // Изольда, Дильда: 25 of 25 known
    {"анка", ForSex::Female},   // Оксанка, Ганка: 30 of 30 known
    {"ела", ForSex::Female},    // Анжела, Натела: 41 of 42 known
    {"ура", ForSex::Any},       // Айнура and Бонавентура
    {"ифа", ForSex::Female},    // Зифа, Минзифа: 15 of 16 known
    {"йла", ForSex::Female},    // Лейла, Шейла: 17 of 18 known
    {"лма", ForSex::Female},    // Дулма, Цыпилма: 19 of 20 known
    {"ца", ForSex::Any},        // Благица and Груица
    {"мила", ForSex::Female},   // Людмила, Радмила: 14 of 14 known
    {"инка", ForSex::Female},   // Зинка, Нинка: 27 of 27 known
    {"льма", ForSex::Female},   // Вильма, Зельма: 14 of 14 known
    {"олла", ForSex::Male},     // Сейфолла, Фазлолла: 29 of 30 known
    {"мка", ForSex::Male},      // Димка, Семка: 13 of 13 known
    {"яа", ForSex::Female},     // Сарантуяа, Туяа: 13 of 13 known
    {"а", ForSex::Any},         // Шота, Никита and Анна, Гулнара
    {"ремия", ForSex::Male},    // Иеремия
    {"хемия", ForSex::Male},    // Нехемия (Эуфемия is a woman's name)
    {"ния", ForSex::Female},    // Агния, Гания: 68 of 71 known
    {"иля", ForSex::Female},    // Адиля, Асиля: 32 of 33 known
    {"лия", ForSex::Female},    // Вилия, Галия: 75 of 79 known
    {"ея", ForSex::Female},     // Вевея, Вивея: 28 of 29 known
    {"фия", ForSex::Female},    // София, Гафия: 20 of 21 known
    {"зия", ForSex::Female},    // Гортензия, Разия: 20 of 21 known
    {"ция", ForSex::Female},    // Констанция, Люция: 15 of 15 known
    {"ая", ForSex::Female},     // Аглая, Рая: 20 of 21 known
    {"ія", ForSex::Female},     // Соломія, Євгенія: 13 of 13 known
    {"я", ForSex::Any},         // Кинзя, Илья and Мария, Джамиля
    {"джи", ForSex::Any},       // Абухаджи and Инджи
    {"кули", ForSex::Male},     // Ниязкули
    {"биби", ForSex::Female},   // Огульбиби
    {"нби", ForSex::Male},      // Хасанби, Асланби: Circassian men's names
    {"рби", ForSex::Male},      // Аскерби
    {"зби", ForSex::Male},      // Хазби
    {"дби", ForSex::Male},      // Мухамедби
    {"ели", ForSex::Any},       // Амели and Вели
    {"ини", ForSex::Female},    // Виржини, Фотини, Ирини
    {"лики", ForSex::Female},   // Василики, Ангелики
    {"ади", ForSex::Male},      // Мади, Хади, Мовлади
    {"ами", ForSex::Any},       // Гурами and Асами
    {"тали", ForSex::Any},      // Натали
    {"лали", ForSex::Any},      // Лали
    {"жали", ForSex::Any},      // Анжали
    {"гали", ForSex::Male},     // Гали, Нургали: 13 of 13 known
    {"али", ForSex::Any},       // Аббасали and Вайшали
    {"берди", ForSex::Male},    // Рахымберди, Худойберди: 17 of 17 known
    {"и", ForSex::Any},         // Анри, Махди, Низами and Натали, Этери
    {"эле", ForSex::Male},      // Даниэле, Габриэле
    {"ппе", ForSex::Male},      // Джузеппе
    {"торе", ForSex::Male},     // Сальваторе, Этторе
    {"ине", ForSex::Any},       // Адрине and Кармине
    {"яне", ForSex::Female},    // Гаяне
    {"лике", ForSex::Female},   // Мелике
    {"ане", ForSex::Any},       // Афсане and Иване
    {"хре", ForSex::Female},    // Мохре, Голчехре
    {"ере", ForSex::Female},    // Айзере, Тахере
    {"идже", ForSex::Female},   // Хатидже
    {"ие", ForSex::Female},     // Махлие, Оттилие: 46 of 50 known
    {"е", ForSex::Any},         // Хосе, Эмре, Андре and Бируте, Инесе
    {"нэ", ForSex::Female},     // Гаянэ, Лусинэ
    {"оэ", ForSex::Female},     // Зоэ
    {"э", ForSex::Any},
    {"тью", ForSex::Male},  // Мэтью
    {"хью", ForSex::Male},  // Хью
    {"рю", ForSex::Male},   // Эндрю
    {"ю", ForSex::Any},
    {"луу", ForSex::Female},   // Айсулуу
    {"сулу", ForSex::Female},  // Айсулу, Нурсулу
    {"сылу", ForSex::Female},  // Айсылу, Минсылу
    {"бону", ForSex::Female},  // Мадинабону
    {"шку", ForSex::Male},     // Вашку, Франсишку
    {"агу", ForSex::Male},     // Тиагу, Сантьягу
    {"огу", ForSex::Male},     // Диогу
    {"рду", ForSex::Male},     // Рикарду, Леонарду
    {"лду", ForSex::Male},     // Арналду
    {"лсу", ForSex::Female},   // Алсу, Гульсу
    {"йсу", ForSex::Female},   // Айсу
    {"ану", ForSex::Female},   // Гульбану
    {"тру", ForSex::Male},     // Думитру, Петру
    {"иу", ForSex::Male},      // Овидиу, Корнелиу, Жулиу
    {"ягу", ForSex::Male},     // Элиягу
    {"у", ForSex::Any},        // Раду and Арзу, Меседу
    {"нисо", ForSex::Female},  // Гульнисо
    {"лло", ForSex::Male},     // Абдулло, Файзулло
    {"иано", ForSex::Male},    // Адриано, Мариано
    {"нтино", ForSex::Male},   // Валентино
    {"ико", ForSex::Any},      // Энрико and Тамрико
    {"тко", ForSex::Male},     // Петко, Ратко, Влатко
    {"ько", ForSex::Male},     // Грицько, Василько: 20 of 20 known
    {"рко", ForSex::Male},     // Юрко, Оверко: 14 of 14 known
    {"нко", ForSex::Male},     // Иванко, Романко: 22 of 22 known
    {"ско", ForSex::Male},     // Франческо, Бласко: 12 of 12 known
    {"ко", ForSex::Any},       // Франко and Кэйко
    {"но", ForSex::Any},       // Бруно and Нино, Барно
    {"хло", ForSex::Any},      // Шахло
    {"йло", ForSex::Any},      // Лайло
    {"эло", ForSex::Any},      // Консуэло
    {"бо", ForSex::Any},       // Зебо
    {"дро", ForSex::Male},     // Педро, Сандро, Исидро
    {"еро", ForSex::Male},     // Пьеро, Северо: 16 of 16 known
    {"иро", ForSex::Male},     // Чиро, Рамиро: 20 of 21 known
    {"ро", ForSex::Any},       // Педро and Маро
    {"рио", ForSex::Any},      // Марио and Росарио
    {"фио", ForSex::Any},      // Софио
    {"сио", ForSex::Any},      // Росио
    {"ио", ForSex::Male},      // Антонио, Эгидио
    {"чо", ForSex::Male},      // Панчо, Пенчо, Нохчо
    {"жо", ForSex::Male},      // Доржо, Серджо
    {"сто", ForSex::Male},     // Христо, Эрнесто, Фаусто
    {"ео", ForSex::Male},      // Тадео, Маттео
    {"ьдо", ForSex::Male},     // Альдо
    {"ндо", ForSex::Male},     // Фернандо
    {"рдо", ForSex::Male},     // Бернардо
    {"рто", ForSex::Male},     // Роберто
    {"тто", ForSex::Male},     // Отто
    {"ито", ForSex::Any},      // Агапито and Ампарито
    {"ьфо", ForSex::Male},     // Родольфо
    {"мо", ForSex::Male},      // Джеронимо, Массимо
    {"зо", ForSex::Male},      // Томмазо
    {"цо", ForSex::Male},      // Лоренцо
    {"ло", ForSex::Male},      // Пабло, Паоло, Анджело
    {"во", ForSex::Male},      // Густаво
    {"его", ForSex::Male},     // Диего
    {"уго", ForSex::Male},     // Уго
    {"ао", ForSex::Male},      // Жоао
    {"иньо", ForSex::Male},    // Жоржиньо, Жуниньо: 12 of 12 known
    {"о", ForSex::Any},        // Дато and Нато, Додо, Марго
    {"гулы", ForSex::Male},    // Ниязгулы
    {"газы", ForSex::Male},    // Абылгазы
    {"ды", ForSex::Male},      // Амангельды, Байрамдурды, Нурды
    {"ы", ForSex::Any},
    // The soft sign.
    {"гуль", ForSex::Female},  // Айгуль, Назгуль
    {"гюль", ForSex::Female},  // Айгюль
    {"зель", ForSex::Female},  // Гузель
    {"вь", ForSex::Female},    // Любовь
    {"бель", ForSex::Female},  // Изабель, Сибель, Аннабель
    {"сь", ForSex::Male},      // Олесь, Алесь, Михась, Юрась
    {"ть", ForSex::Male},      // Мидхать, Рафкать, Шаукать
    {"фь", ForSex::Female},    // Юдифь, Руфь
    {"аэль", ForSex::Male},    // Исмаэль, Михаэль
    {"уэль", ForSex::Male},    // Мануэль, Самуэль
    {"силь", ForSex::Any},     // Сесиль, Люсиль
    {"миль", ForSex::Male},    // Шамиль, Камиль, Рамиль
    {"ниль", ForSex::Male},    // Фаниль
    {"аиль", ForSex::Male},    // Наиль, Раиль
    {"киль", ForSex::Male},    // Вакиль
    {"лиль", ForSex::Male},    // Джалиль, Халиль
    {"ь", ForSex::Any},        // Игорь, Рауль and Адель, Абигейль, Севиль
    // Consonants and й.
    {"йгул", ForSex::Female},    // Айгул, Ойгул
    {"згул", ForSex::Female},    // Назгул
    {"ыгул", ForSex::Female},    // Бактыгул
    {"ргул", ForSex::Female},    // Нургул
    {"гул", ForSex::Any},        // Айнагул and Бурангул
    {"сум", ForSex::Female},     // Гульсум, Кульсум (Масум is in the lists)
    {"сюм", ForSex::Female},     // Гюльсюм, Умукусюм
    {"айым", ForSex::Female},    // Нурайым, Гулайым
    {"ханым", ForSex::Female},   // Гюльханым
    {"ганым", ForSex::Female},   // Айганым
    {"цэг", ForSex::Female},     // Сэсэг, Алтанцэцэг
    {"рауд", ForSex::Female},    // Вальтрауд, Гертрауд
    {"труд", ForSex::Female},    // Гертруд, Хильтруд
    {"хильд", ForSex::Female},   // Рагнхильд, Гунхильд
    {"жемал", ForSex::Female},   // Айджемал, Гульджемал
    {"енн", ForSex::Female},     // Адриенн, Вивьенн
    {"энн", ForSex::Female},     // Энн, Мэриэнн
    {"ият", ForSex::Female},     // Асият, Разият: women's names of Dagestan
    {"имат", ForSex::Female},    // Патимат, Калимат
    {"ижат", ForSex::Female},    // Хадижат
    {"лихат", ForSex::Female},   // Салихат
    {"идат", ForSex::Female},    // Загидат
    {"ибат", ForSex::Female},    // Габибат
    {"икат", ForSex::Female},    // Маликат
    {"исат", ForSex::Female},    // Написат
    {"гат", ForSex::Any},        // Асгат and Нагат
    {"лзат", ForSex::Female},    // Асылзат
    {"булат", ForSex::Male},     // Булат, Айбулат
    {"мурат", ForSex::Male},     // Бекмурат, Сапармурат
    {"мурад", ForSex::Male},     // Шахмурад, Гаджимурад
    {"болат", ForSex::Male},     // Болат, Жанболат
    {"мырат", ForSex::Male},     // Мырат, Сейитмырат: 23 of 23 known
    {"ат", ForSex::Any},         // Азат, Фархат and Салтанат, Мухаббат
    {"лым", ForSex::Female},     // Аяулым, Арайлым
    {"ым", ForSex::Any},         // Касым and Назым
    {"нуш", ForSex::Any},        // Айгануш and Киануш
    {"еуш", ForSex::Male},       // Тадеуш, Матеуш
    {"иуш", ForSex::Male},       // Дариуш, Мариуш
    {"ош", ForSex::Male},        // Милош, Бартош
    {"ш", ForSex::Any},          // Лукаш and Айнаш, Карлыгаш
    {"етт", ForSex::Any},        // Аннетт and Беннетт
    {"хмет", ForSex::Male},      // Ахмет, Мехмет
    {"ммет", ForSex::Male},      // Мухаммет
    {"ет", ForSex::Any},         // Маргарет, Бермет
    {"саит", ForSex::Male},      // Саит, Мирсаит
    {"ит", ForSex::Any},         // Эдит, Джудит and Фарит
    {"грид", ForSex::Female},    // Ингрид
    {"трид", ForSex::Female},    // Астрид
    {"ддин", ForSex::Male},      // Насреддин, Нуриддин
    {"тдин", ForSex::Male},      // Камалутдин
    {"удин", ForSex::Male},      // Шамсудин
    {"бдин", ForSex::Male},      // Зайнулабдин
    {"ттин", ForSex::Male},      // Хайреттин
    {"етин", ForSex::Male},      // Метин
    {"ядин", ForSex::Male},      // Зиядин
    {"дин", ForSex::Any},        // Мурадин and Надин, Клодин
    {"ин", ForSex::Any},         // Кевин, Мартин and Кэтрин, Ширин
    {"ген", ForSex::Male},       // Гурген, Толеген, Мерген
    {"ьен", ForSex::Male},       // Жюльен, Бастьен: 19 of 20 known
    {"ен", ForSex::Any},         // Стивен, Ален and Мадлен, Вивьен
    {"тжан", ForSex::Male},      // Ахметжан, Бакытжан
    {"ьжан", ForSex::Female},    // Гульжан
    {"улжан", ForSex::Female},   // Гулжан, Улжан
    {"алжан", ForSex::Female},   // Балжан
    {"мжан", ForSex::Male},      // Каримжан, Галымжан
    {"жан", ForSex::Any},        // Ержан and Маржан, Тогжан
    {"шан", ForSex::Any},        // Рушан and Раушан
    {"пан", ForSex::Any},        // Шолпан
    {"бан", ForSex::Any},        // Мехрибан
    {"нон", ForSex::Any},        // Манон, Нинон
    {"нур", ForSex::Any},        // Ильнур and Айнур, Гульнур
    {"нар", ForSex::Any},        // Ильнар and Жанар, Гульнар
    {"хар", ForSex::Any},        // Гавхар, Бахар
    {"хор", ForSex::Any},        // Гулбахор
    {"наз", ForSex::Any},        // Ильназ and Гульназ
    {"дыз", ForSex::Female},     // Жулдыз, Кундыз
    {"лдуз", ForSex::Female},    // Юлдуз
    {"герим", ForSex::Female},   // Айгерим
    {"эрим", ForSex::Female},    // Мээрим
    {"риам", ForSex::Female},    // Мириам, Мариам
    {"рьям", ForSex::Female},    // Марьям
    {"риям", ForSex::Female},    // Мариям
    {"еонор", ForSex::Female},   // Леонор, Элеонор
    {"рейн", ForSex::Female},    // Лорейн, Лоррейн
    {"наб", ForSex::Female},     // Зайнаб
    {"вейг", ForSex::Female},    // Сольвейг
    {"борг", ForSex::Female},    // Ингеборг
    {"дад", ForSex::Any},        // Вадад and Алидад
    {"ильд", ForSex::Female},    // Матильд, Клотильд
    {"дегард", ForSex::Female},  // Хильдегард
    {"мгард", ForSex::Female},   // Ирмгард
    {"ангиз", ForSex::Female},   // Фарангиз, Мехрангиз
    {"ргиз", ForSex::Female},    // Наргиз
    {"оиз", ForSex::Female},     // Элоиз
    {"уиз", ForSex::Female},     // Луиз
    {"ноз", ForSex::Female},     // Гулноз
    {"гоз", ForSex::Female},     // Ботагоз
    {"лай", ForSex::Any},        // Абылай and Акылай, Куралай
    {"имай", ForSex::Female},    // Бегимай
    {"бой", ForSex::Male},       // Эркинбой, Хасанбой: 15 of 15 known
    {"ой", ForSex::Any},         // Рой and Угилой, Турсуной
    {"жамал", ForSex::Female},   // Айжамал, Жамал (Джамал is in the lists)
    {"ихан", ForSex::Any},       // Алихан and Неслихан
    {"жибек", ForSex::Female},   // Жибек, Кызжибек
    {"бек", ForSex::Male},       // Улугбек
    {"ек", ForSex::Any},         // Ирек, Марек and Жибек, Дилек
    {"ачак", ForSex::Female},    // Гульчачак
    {"ушак", ForSex::Female},    // Манушак
    {"марал", ForSex::Female},   // Акмарал
    {"ел", ForSex::Any},         // Дэниел and Рейчел, Забел
    {"йл", ForSex::Any},         // Кайл and Гэйл
    {"тл", ForSex::Any},         // Мотл and Гитл
    {"бнам", ForSex::Female},    // Шабнам
    {"санам", ForSex::Female},   // Гулсанам
    {"ззам", ForSex::Female},    // Муаззам
    {"ем", ForSex::Any},         // Керем and Озлем
    {"сезим", ForSex::Female},   // Сезим, Айсезим
    {"гор", ForSex::Any},        // Григор and Нигор, Долгор
    {"кбар", ForSex::Male},      // Акбар, Саидакбар
    {"бар", ForSex::Any},        // Дилбар, Санобар and Этибар
    {"афар", ForSex::Male},      // Джафар, Музафар, Зафар
    {"фар", ForSex::Any},        // Нилуфар
    {"емар", ForSex::Male},      // Вальдемар, Ингемар
    {"мар", ForSex::Any},        // Омар and Тамар, Хумар
    {"лар", ForSex::Any},        // Пилар, Саглар
    {"сияр", ForSex::Female},    // Ильсияр
    {"сеяр", ForSex::Female},    // Ильсеяр
    {"сяр", ForSex::Female},     // Гульсесяр
    {"юляр", ForSex::Female},    // Гюляр
    {"аман", ForSex::Any},       // Аман and Хураман, Ясаман
    {"рдан", ForSex::Male},      // Вардан, Шаймардан, Йордан
    {"дан", ForSex::Any},        // Фидан, Русудан and Ильдан
    {"зан", ForSex::Any},        // Рамзан and Рузан
    {"кан", ForSex::Any},        // Хакан and Тюркан
    {"ган", ForSex::Any},        // Цаган, Меган
    {"жахан", ForSex::Any},      // Гульжахан
    {"йсан", ForSex::Female},    // Лейсан, Ляйсан
    {"оан", ForSex::Female},     // Джоан
    {"сьон", ForSex::Female},    // Асунсьон
    {"сон", ForSex::Any},        // Самсон and Эллисон
    {"пон", ForSex::Female},     // Чолпон
    {"жахон", ForSex::Any},      // Шохжахон and Гулжахон
    {"ахон", ForSex::Female},    // Нигорахон, Умидахон
    {"хон", ForSex::Any},        // Шерхон and Гулжахон
    {"арун", ForSex::Male},      // Харун, Гарун
    {"ун", ForSex::Any},         // Харун and Гудрун, Айсун
    {"ын", ForSex::Any},         // Мартын and Толкын, Шырын
    {"эн", ForSex::Any},         // Ирэн
    {"юн", ForSex::Any},         // Айгюн
    {"нс", ForSex::Any},         // Ханс and Констанс, Флоранс
    {"йс", ForSex::Any},         // Грейс, Джойс
    {"йт", ForSex::Any},         // Кейт, Фэйт
    {"ес", ForSex::Any},         // Агнес, Долорес, Мерседес
    {"тис", ForSex::Male},       // Гунтис, Кестутис, Фотис
    {"клис", ForSex::Male},      // Периклис, Фемистоклис
    {"кис", ForSex::Male},       // Саркис, Индрикис
    {"арис", ForSex::Male},      // Харис, Фарис, Марис
    {"ис", ForSex::Any},         // Янис, Идрис and Томирис, Ирис
    {"фик", ForSex::Male},       // Рафик, Тауфик
    {"ерик", ForSex::Male},      // Серик, Берик, Фредерик
    {"алик", ForSex::Male},      // Малик, Абдулхалик
    {"ик", ForSex::Any},         // Рафик and Астхик, Асмик
    {"нер", ForSex::Male},       // Вернер
    {"вер", ForSex::Any},        // Анвер and Дьендьвер
    {"дер", ForSex::Male},       // Искандер, Эскендер: 19 of 19 known
    {"ер", ForSex::Any},         // Вальтер and Эстер, Харпер
    {"эл", ForSex::Any},         // Мюриэл
    {"рут", ForSex::Female},     // Рут
    {"най", ForSex::Any},        // Алтынай and Винай
    {"йдай", ForSex::Female},    // Айдай
    {"ханум", ForSex::Female},   // Гульханум
    {"бегим", ForSex::Female},   // Айбегим
    {"лим", ForSex::Male},       // Валим, Галим: 18 of 19 known
    {"хим", ForSex::Male},       // Рахим, Фахим: 15 of 15 known
    {"мед", ForSex::Male},       // Ахмед, Мамед: 37 of 37 known
    {"мад", ForSex::Male},       // Ахмад, Самад, Хамад: no woman's name ends so
    {"жон", ForSex::Male},       // Бекжон, Азамжон: 109 of 109 known
    {"дор", ForSex::Male},       // Сидор, Тодор: 24 of 24 known
    {"мон", ForSex::Male},       // Димон, Иймон: 43 of 43 known
    {"анд", ForSex::Male},       // Аманд, Виланд: 21 of 23 known
    {"мил", ForSex::Male},       // Ермил, Комил: 19 of 19 known
    {"ир", ForSex::Male},        // Адир, Амир: 201 of 208 known
    {"их", ForSex::Male},        // Шаих, Эрих: 36 of 36 known
    {"ас", ForSex::Male},        // Анас, Влас: 251 of 258 known
    {"рс", ForSex::Male},        // Берс, Ларс: 45 of 46 known
    {"ип", ForSex::Male},        // Адип, Осип: 28 of 28 known
    {"иб", ForSex::Male},        // Адиб, Таиб: 36 of 36 known
    {"ом", ForSex::Male},        // Авром, Гийом: 24 of 26 known
    {"юс", ForSex::Male},        // Брюс, Дарюс: 29 of 29 known
    {"ос", ForSex::Male},        // Амос, Йоос: 186 of 189 known
    {"ст", ForSex::Male},        // Жюст, Йост: 35 of 36 known
    {"йр", ForSex::Male},        // Гейр, Жайр: 27 of 28 known
    {"берт", ForSex::Male},      // Альберт, Роберт: 32 of 32 known
    {"ольд", ForSex::Male},      // Арнольд, Аскольд: 17 of 17 known
    {"слав", ForSex::Male},      // Болеслав, Борислав: 75 of 75 known
    {"альд", ForSex::Male},      // Геральд, Дональд: 26 of 26 known
    {"сейн", ForSex::Male},      // Гусейн, Хусейн: 17 of 17 known
    {"хард", ForSex::Male},      // Мейнхард, Рейнхард: 20 of 20 known
    {"фрид", ForSex::Male},      // Зигфрид, Вилфрид: 14 of 14 known
    {"ьян", ForSex::Male},       // Аверьян, Демьян: 32 of 32 known
    {"сим", ForSex::Male},       // Анисим, Герасим: 24 of 24 known
    {"тон", ForSex::Male},       // Антон, Капитон: 37 of 38 known
    {"дар", ForSex::Male},       // Эльдар, Тодар: 38 of 39 known
    {"бай", ForSex::Male},       // Уралбай, Юмабай: 52 of 52 known
    {"тар", ForSex::Male},       // Ганбаатар, Сухбаатар: 21 of 23 known
    {"иус", ForSex::Male},       // Мариус, Юлиус: 16 of 16 known
    {"ий", ForSex::Male},        // Авдий, Аверкий: 271 of 272 known
    {"од", ForSex::Male},        // Всеволод, Бекзод: 40 of 41 known
    {"ол", ForSex::Any},         // Айбол and Каджол
    {"уллах", ForSex::Male},     // Амануллах, Нуруллах: 46 of 46 known
    {"оллах", ForSex::Male},     // Рухоллах, Фазлоллах: 27 of 27 known
    {"азар", ForSex::Male},      // Назар, Елеазар: 17 of 17 known
    {"ольф", ForSex::Male},      // Рудольф, Рольф: 12 of 12 known
    {"рхан", ForSex::Male},      // Тимурхан, Тимерхан: 21 of 22 known
    {"ким", ForSex::Male},       // Аким, Евдоким: 14 of 14 known
    {"тор", ForSex::Male},       // Виктор, Нестор: 13 of 13 known
    {"фан", ForSex::Male},       // Епифан, Митрофан: 14 of 14 known
    {"аил", ForSex::Male},       // Михаил, Рафаил: 21 of 21 known
    {"дон", ForSex::Male},       // Спиридон, Авдон: 19 of 19 known
    {"кул", ForSex::Male},       // Викул, Меркул: 14 of 14 known
    {"зим", ForSex::Male},       // Назим, Кязим: 13 of 13 known
    {"тай", ForSex::Male},       // Мустай, Нуртай: 16 of 16 known
    {"ок", ForSex::Male},        // Сашок, Филипок: 22 of 23 known
    {"ій", ForSex::Male},        // Андрій, Олексій: 19 of 19 known
    {"ыр", ForSex::Male},        // Любомыр, Володымыр: 19 of 19 known
    {"аз", ForSex::Male},        // Алмаз, Айваз: 42 of 44 known
    {"яд", ForSex::Male},        // Ахъяд, Ахьяд: 12 of 12 known
    {"лд", ForSex::Male},        // Болд, Батболд: 14 of 14 known
    {"дс", ForSex::Male},        // Арвидс, Нормундс: 21 of 21 known
    {"тс", ForSex::Male},        // Имантс, Интс: 13 of 13 known
    {"", ForSex::Any},           // Иван, Тагир and Айгерим, Милдред
};

}  // namespace fleks::rules
