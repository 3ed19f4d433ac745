#include "declension.h"

#include <array>
#include <cstddef>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "cp1251.h"
#include "literal.h"
#include "rules/ending_rules.h"
#include "rules/first_names.h"
#include "rules/paradigms.h"
#include "rules/surnames.h"

namespace fleks {

namespace {

using rules::Action;
using rules::ParadigmId;

constexpr unsigned char kYoLower = 0xB8;  // ё
constexpr unsigned char kYeLower = 0xE5;  // е

// The look-up form of a word: lower case, ё read as е.
std::string Key(std::string_view word) {
  std::string key(word);
  for (char& c : key) {
    const unsigned char low = ToLower(static_cast<unsigned char>(c));
    c = static_cast<char>(low == kYoLower ? kYeLower : low);
  }
  return key;
}

// Compares the last letters first: most endings differ there, and this runs for every
// rule of every word.
bool EndsWith(std::string_view s, std::string_view suffix) {
  const std::size_t n = suffix.size(), m = s.size();
  if (n > m) return false;
  for (std::size_t i = 1; i <= n; ++i)
    if (s[m - i] != suffix[n - i]) return false;
  return true;
}

bool HasVowel(std::string_view s) {
  for (char c : s)
    if (IsVowel(static_cast<unsigned char>(c))) return true;
  return false;
}

int CountVowels(std::string_view s) {
  int n = 0;
  for (char c : s)
    if (IsVowel(static_cast<unsigned char>(c))) ++n;
  return n;
}

// The letter n places from the end (1 = the last letter), 0 when the word is shorter.
unsigned char FromEnd(std::string_view s, std::size_t n) {
  return s.size() >= n ? static_cast<unsigned char>(s[s.size() - n]) : 0;
}

bool IsOneOf(unsigned char c, std::string_view letters) {
  return c != 0 && letters.find(static_cast<char>(c)) != std::string_view::npos;
}

// Sets and maps of words that are searched with string_view keys without a copy.
struct WordHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
using WordSet = std::unordered_set<std::string, WordHash, std::equal_to<>>;
template <typename T>
using WordMap = std::unordered_map<std::string, T, WordHash, std::equal_to<>>;

const std::string_view kVelars = "гкх"_cp;
const std::string_view kSibilants = "жшчщ"_cp;

// The rule tables of rules/, converted once to Windows-1251 look-up structures.
class Tables {
 public:
  static const Tables& Get() {
    static const Tables tables;
    return tables;
  }

  struct Rule {
    std::string ending;  // a key (ё as е)
    rules::ForSex sex;
    rules::When when;
    Action action;
  };
  struct Fleeting {
    std::string stem;
    ParadigmId paradigm;
  };

  WordSet maleNames, femaleNames, unisexNames, stressedYaNames, westernNames, ukrainianInO;
  WordSet foreignLookalikes, particlesBefore, indeclinableSurnames;
  WordSet turkicMale, turkicFemale, stressedPatronymics;
  std::vector<std::string> turkicMaleList, turkicFemaleList;  // the same, for suffix tests
  WordSet softAdjectives, indeclinableLastParts, stressedSoftSurnames, georgianInAya;
  WordSet stressedEcNouns;
  std::vector<std::string> stressedSibilantEndings;  // lower case, ё kept
  WordMap<Fleeting> fleeting;
  std::vector<Rule> surnameRules, firstNameRules, patronymicRules;
  std::array<std::array<std::string, 5>, rules::kParadigmCount> endings;

 private:
  Tables() {
    Fill(maleNames, rules::kMaleNames);
    Fill(femaleNames, rules::kFemaleNames);
    Fill(unisexNames, rules::kUnisexNames);
    Fill(westernNames, rules::kWesternNames);
    Fill(ukrainianInO, rules::kUkrainianNamesInO);
    Fill(stressedYaNames, rules::kStressedYaNames);
    Fill(foreignLookalikes, rules::kForeignPossessiveLookalikes);
    Fill(particlesBefore, rules::kParticlesBefore);
    Fill(indeclinableSurnames, rules::kIndeclinableSurnames);
    Fill(turkicMale, rules::kPatronymicParticlesMale);
    Fill(turkicFemale, rules::kPatronymicParticlesFemale);
    turkicMaleList.assign(turkicMale.begin(), turkicMale.end());
    turkicFemaleList.assign(turkicFemale.begin(), turkicFemale.end());
    Fill(stressedPatronymics, rules::kStressedPatronymics);
    Fill(softAdjectives, rules::kSoftAdjectiveSurnames);
    Fill(indeclinableLastParts, rules::kIndeclinableLastParts);
    Fill(stressedSoftSurnames, rules::kStressedSoftSurnames);
    Fill(georgianInAya, rules::kGeorgianSurnamesInAya);
    Fill(stressedEcNouns, rules::kStressedEcNouns);
    for (const std::string& w : Words(rules::kStressedSibilantEndings)) stressedSibilantEndings.push_back(w);
    for (const rules::FleetingVowel& f : rules::kFleetingVowels) {
      std::string pattern = f.pattern;
      ParadigmId id = pattern == "soft-stressed" ? rules::kMascSoftStressed
                      : pattern == "sibilant"    ? rules::kMascSibilant
                                                 : rules::kMascHard;
      // The nominative is matched exactly as written (Пётр and Петр are both listed).
      fleeting[LowerWord(Cp1251FromUtf8(f.nominative))] = {Cp1251FromUtf8(f.stem), id};
    }
    LoadRules(surnameRules, rules::kSurnameRules);
    LoadRules(firstNameRules, rules::kFirstNameRules);
    LoadRules(patronymicRules, rules::kPatronymicRules);
    for (int p = 0; p < rules::kParadigmCount; ++p)
      for (int c = 0; c < 5; ++c) endings[p][c] = Cp1251FromUtf8(rules::kParadigms[p].endings[c]);
  }

  static std::vector<std::string> Words(const char* utf8) {
    std::vector<std::string> out;
    std::string all = Cp1251FromUtf8(utf8);
    std::size_t i = 0;
    while (i < all.size()) {
      while (i < all.size() && static_cast<unsigned char>(all[i]) <= 32) ++i;
      std::size_t j = i;
      while (j < all.size() && static_cast<unsigned char>(all[j]) > 32) ++j;
      if (j > i) out.push_back(LowerWord(std::string_view(all).substr(i, j - i)));
      i = j;
    }
    return out;
  }

  static void Fill(WordSet& set, const char* utf8) {
    for (const std::string& w : Words(utf8)) set.insert(Key(w));
  }

  template <std::size_t N>
  static void LoadRules(std::vector<Rule>& out, const rules::EndingRule (&table)[N]) {
    for (const rules::EndingRule& r : table)
      out.push_back({Key(Cp1251FromUtf8(r.ending)), r.sex, r.when, r.action});
  }
};

enum class Role { Surname, FirstName, Patronymic, Other };

// How one word declines: the stem the case ending is added to and the pattern.
struct Decision {
  ParadigmId paradigm = rules::kIndeclinable;
  std::string stem;  // with the pattern's cut already made
};

Decision Make(std::string_view low, ParadigmId id) {
  Decision d;
  d.paradigm = id;
  std::size_t cut = static_cast<std::size_t>(rules::kParadigms[id].cut);
  d.stem = std::string(low.substr(0, low.size() >= cut ? low.size() - cut : 0));
  return d;
}

Decision Indeclinable(std::string_view low) { return Make(low, rules::kIndeclinable); }

// -а: Анна → Анны; Ольга → Ольги; Саша → Сашей; Птица → Птицей.
ParadigmId NounAPattern(std::string_view key) {
  unsigned char before = FromEnd(key, 2);
  if (IsOneOf(before, kVelars)) return rules::kNounAVelar;
  if (IsOneOf(before, kSibilants)) return rules::kNounASibilant;
  if (before == static_cast<unsigned char>("ц"_cp[0])) return rules::kNounATse;
  return rules::kNounA;
}

// A man's noun in a consonant, with the fleeting vowels of -ец, -ок and -ёк in surnames.
Decision ConsonantNoun(std::string_view low, std::string_view key, bool surname) {
  const Tables& t = Tables::Get();
  unsigned char last = FromEnd(key, 1);
  if (!IsConsonant(last)) return Indeclinable(low);
  const std::size_t n = low.size();
  if (surname && n >= 3 && EndsWith(key, "ец"_cp)) {
    // The fleeting е: Кравец → Кравцу, Стрелец → Стрельцу, Коломиец → Коломийцу; Швец,
    // Кузнец, Мудрец keep it. The instrumental follows the stress: -ом where the ending is
    // stressed, as in the nouns these surnames are (Стрельцом, Бойцом, Швецом), -ем where
    // the stem is (Кравцем, Коломийцем, Полтавцем).
    unsigned char before = FromEnd(key, 3);
    const bool twoSyllables = CountVowels(key) >= 2;
    const ParadigmId instrumental =
        !twoSyllables || t.stressedEcNouns.count(key) ? rules::kMascHard : rules::kMascSibilant;
    if (twoSyllables && IsVowel(before))
      return {instrumental, std::string(low.substr(0, n - 2)) + std::string("йц"_cp)};
    if (twoSyllables && IsConsonant(before) && IsVowel(FromEnd(key, 4))) {
      std::string stem(low.substr(0, n - 2));
      if (before == static_cast<unsigned char>("л"_cp[0])) stem += "ь"_cp;
      stem += "ц"_cp;
      return {instrumental, stem};
    }
    return {instrumental, std::string(low)};
  }
  if (surname && n >= 4 && CountVowels(key) >= 2) {
    unsigned char before = FromEnd(key, 3);
    if (EndsWith(low, "ёк"_cp)) {
      // Конёк → Конька, Ковалёк → Ковалька.
      std::string stem(low.substr(0, n - 2));
      stem += IsVowel(before) ? "йк"_cp : "ьк"_cp;
      return {rules::kMascHard, stem};
    }
    if (EndsWith(key, "ок"_cp)) {
      // Сверчок → Сверчка, Горшок → Горшка, Дубок → Дубка; Чеснок, Игрок keep о.
      bool drop = IsOneOf(before, "чшж"_cp) || (IsConsonant(before) && IsVowel(FromEnd(key, 4)));
      if (drop) return {rules::kMascHard, std::string(low.substr(0, n - 2)) + std::string("к"_cp)};
      return {rules::kMascHard, std::string(low)};
    }
  }
  if (IsOneOf(last, kSibilants) || last == static_cast<unsigned char>("ц"_cp[0])) {
    // Unstressed endings take -ем (Бабичем, Шульцем), stressed ones -ом (Ткачом, Ильичом).
    if (t.stressedPatronymics.count(key)) return {rules::kMascHard, std::string(low)};
    for (const std::string& e : t.stressedSibilantEndings)
      if (EndsWith(low, e)) return {rules::kMascHard, std::string(low)};
    if (CountVowels(key) <= 1 && IsOneOf(last, kSibilants) && surname)
      return {rules::kMascHard, std::string(low)};  // Грач, Чиж, Стриж
    return {rules::kMascSibilant, std::string(low)};
  }
  return {rules::kMascHard, std::string(low)};
}

Decision ApplyAction(Action action, std::string_view low, std::string_view key, Role role) {
  const Tables& t = Tables::Get();
  switch (action) {
    case Action::Indeclinable:
      return Indeclinable(low);
    case Action::PossessiveMasc:
      return Make(low, rules::kPossessiveMasc);
    case Action::PossessiveFem:
      return Make(low, rules::kPossessiveFem);
    case Action::NounIya:
      return Make(low, rules::kNounIya);
    case Action::NounA:
      return Make(low, NounAPattern(key));
    case Action::NounYa:
      return Make(low, t.stressedYaNames.count(key) ? rules::kNounYaStressed : rules::kNounYa);
    case Action::FemSoft:
      return Make(low, rules::kFemSoft);
    case Action::MascSoft:
      if (role == Role::Surname && t.stressedSoftSurnames.count(key))
        return {rules::kMascSoftStressed, std::string(low.substr(0, low.size() - 1))};
      return Make(low, rules::kMascSoft);
    case Action::MascIj:
      return Make(low, rules::kMascIj);
    case Action::MascJ:
      return Make(low, rules::kMascJ);
    case Action::ConsonantNoun:
      return ConsonantNoun(low, key, role == Role::Surname);
    case Action::AdjMascY:
      return Make(low, rules::kAdjMascHard);
    case Action::AdjMascOj:
      return Make(low, IsOneOf(FromEnd(key, 3), kVelars) || IsOneOf(FromEnd(key, 3), kSibilants)
                           ? rules::kAdjMascVelar
                           : rules::kAdjMascHard);
    case Action::AdjMascIj: {
      unsigned char before = FromEnd(key, 3);
      if (IsVowel(before)) return Make(low, rules::kMascIj);
      if (IsOneOf(before, kSibilants) || t.softAdjectives.count(key) || EndsWith(key, "шний"_cp))
        return Make(low, rules::kAdjMascSoft);
      // Adjectives end in -кий, -гий, -хий (Достоевский, Горький) or -ний (Задорожний);
      // after another letter -ий is a noun's ending: Палий → Палию, like Юрий.
      // A vowel before -ний makes a noun too: Антоний, Ананий.
      if (IsOneOf(before, kVelars) ||
          (before == static_cast<unsigned char>("н"_cp[0]) && !IsVowel(FromEnd(key, 4))))
        return Make(low, rules::kAdjMascVelar);
      return Make(low, rules::kMascIj);
    }
    case Action::AdjFemAya:
      return Make(low, IsOneOf(FromEnd(key, 3), kSibilants) ? rules::kAdjFemSibilant : rules::kAdjFemHard);
    case Action::AdjFemYaya:
      return Make(low, rules::kAdjFemSoft);
    case Action::PatronymicMasc:
      return Make(low, t.stressedPatronymics.count(key) ? rules::kMascHard : rules::kMascSibilant);
  }
  return Indeclinable(low);
}

bool RuleMatches(const Tables::Rule& r, std::string_view key, Sex sex) {
  if (r.sex == rules::ForSex::Male && sex == Sex::Female) return false;
  if (r.sex == rules::ForSex::Female && sex != Sex::Female) return false;
  if (!EndsWith(key, r.ending) || key.empty()) return false;
  if (r.when == rules::When::StemHasVowel && !HasVowel(key.substr(0, key.size() - r.ending.size())))
    return false;
  return true;
}

Decision FromRules(const std::vector<Tables::Rule>& table, std::string_view low, std::string_view key,
                   Sex sex, Role role) {
  for (const Tables::Rule& r : table)
    if (RuleMatches(r, key, sex)) return ApplyAction(r.action, low, key, role);
  return Indeclinable(low);
}

bool EndsWithTurkicParticle(std::string_view key) {
  const Tables& t = Tables::Get();
  for (const auto* list : {&t.turkicMaleList, &t.turkicFemaleList})
    for (const std::string& p : *list)
      if (EndsWith(key, p)) return true;
  return false;
}

// A surname ending like a Russian possessive one: Иванов, Пушкин, Птицын.
bool LooksPossessive(std::string_view key) {
  return EndsWith(key, "ов"_cp) || EndsWith(key, "ев"_cp) || EndsWith(key, "ин"_cp) || EndsWith(key, "ын"_cp);
}

// foreign: the name is a Western one (Чарльз Дарвин), whose -ин and -ов are not suffixes.
Decision DecideWord(std::string_view low, Role role, Sex sex, bool foreign) {
  const Tables& t = Tables::Get();
  std::string key = Key(low);
  if (role == Role::Surname || role == Role::FirstName) {
    if (sex != Sex::Female) {
      auto f = t.fleeting.find(low);
      if (f == t.fleeting.end()) f = t.fleeting.find(key);
      if (f != t.fleeting.end()) return {f->second.paradigm, f->second.stem};
    }
  }
  switch (role) {
    case Role::Surname:
      if (t.indeclinableSurnames.count(key)) return Indeclinable(low);
      if (t.georgianInAya.count(key)) return Make(low, rules::kNounYa);
      if (sex != Sex::Female && (t.foreignLookalikes.count(key) || (foreign && LooksPossessive(key))))
        return ConsonantNoun(low, key, false);
      return FromRules(t.surnameRules, low, key, sex, role);
    case Role::FirstName:
      if (sex != Sex::Female && t.ukrainianInO.count(key)) return Make(low, rules::kMascO);
      return FromRules(t.firstNameRules, low, key, sex, role);
    case Role::Patronymic:
      if (EndsWithTurkicParticle(key)) return Indeclinable(low);
      for (const Tables::Rule& r : t.patronymicRules)
        if (RuleMatches(r, key, sex)) return ApplyAction(r.action, low, key, role);
      return FromRules(t.firstNameRules, low, key, sex, Role::FirstName);
    case Role::Other:
      break;
  }
  return Indeclinable(low);
}

// The declined word, keeping the letter case of the original: the letters the two forms
// share are copied, the new ending is upper case when the word is written in capitals.
std::string Recase(std::string_view original, std::string_view low, std::string_view declined) {
  std::size_t common = 0;
  while (common < low.size() && common < declined.size() && low[common] == declined[common]) ++common;
  // Capitals: at least two upper-case letters and no lower-case one (ИВАНОВ, not И or Иванов).
  int upper = 0;
  bool lower = false;
  for (char c : original) {
    unsigned char u = static_cast<unsigned char>(c);
    if (IsLowerLetter(u)) lower = true;
    if (IsUpperLetter(u)) ++upper;
  }
  const bool capitals = !lower && upper >= 2;
  std::string out(original.substr(0, common));
  for (std::size_t i = common; i < declined.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(declined[i]);
    out.push_back(static_cast<char>(capitals ? ToUpper(c) : c));
  }
  return out;
}

std::string DeclinePart(std::string_view part, Role role, Sex sex, bool foreign, int caseNo) {
  std::string low = LowerWord(part);
  Decision d = DecideWord(low, role, sex, foreign);
  if (d.paradigm == rules::kIndeclinable || caseNo < 2 || caseNo > 6) return std::string(part);
  std::string declined = d.stem + Tables::Get().endings[d.paradigm][caseNo - 2];
  return Recase(part, low, declined);
}

// ---------------------------------------------------------------------------------------
// A full name as words and groups of words.

struct Token {
  std::size_t begin = 0, end = 0;          // the word in the input
  std::size_t coreBegin = 0, coreEnd = 0;  // from its first to its last letter
  bool hasLetters = false;
  bool initial = false;    // И. or И.И.
  bool cyrillic = false;   // only Cyrillic letters and hyphens: a word that can decline
  bool bracketed = false;  // (Петрова)
  std::string key;         // of the core
};

struct Group {
  std::size_t main = 0;  // the token that declines
  Role role = Role::Other;
  Sex turkic = Sex::Unknown;  // Гейдар оглы, Алиевна кызы: the patronymic stays as it is
};

struct Parsed {
  std::vector<Token> tokens;
  std::vector<Group> groups;
};

bool IsLetterByte(unsigned char c) { return IsUpperLetter(c) || IsLowerLetter(c); }

Parsed Parse(std::string_view s) {
  const Tables& t = Tables::Get();
  Parsed p;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && static_cast<unsigned char>(s[i]) <= 32) ++i;
    if (i >= s.size()) break;
    Token tok;
    tok.begin = i;
    while (i < s.size() && static_cast<unsigned char>(s[i]) > 32) ++i;
    tok.end = i;
    std::size_t a = tok.begin, b = tok.end;
    while (a < b && !IsLetterByte(static_cast<unsigned char>(s[a]))) ++a;
    while (b > a && !IsLetterByte(static_cast<unsigned char>(s[b - 1]))) --b;
    tok.coreBegin = a;
    tok.coreEnd = b;
    tok.hasLetters = a < b;
    if (tok.hasLetters) {
      std::string_view core = s.substr(a, b - a);
      int letters = 0;
      bool cyr = true, dot = false;
      for (char ch : core) {
        unsigned char u = static_cast<unsigned char>(ch);
        if (IsLetterByte(u)) {
          ++letters;
          if (!IsCyrLetter(u)) cyr = false;
        } else if (ch == '.') {
          dot = true;
        } else if (ch != '-' && ch != '\'' && u != 0x92) {  // hyphen, apostrophes ' and ’
          cyr = false;
        }
      }
      tok.initial = dot || letters == 1;
      tok.cyrillic = cyr && !tok.initial;
      tok.bracketed = s.substr(tok.begin, a - tok.begin).find('(') != std::string_view::npos;
      tok.key = Key(core);
    }
    p.tokens.push_back(std::move(tok));
  }

  // Groups: a particle written in lower case joins the next word (фон Браун); оглы/кызы
  // join the word before; initials and punctuation form no group.
  for (std::size_t k = 0; k < p.tokens.size(); ++k) {
    const Token& tok = p.tokens[k];
    if (!tok.hasLetters || tok.initial) continue;
    std::string_view core = s.substr(tok.coreBegin, tok.coreEnd - tok.coreBegin);
    bool lowerWritten = true;
    for (char ch : core)
      if (IsUpperLetter(static_cast<unsigned char>(ch))) lowerWritten = false;
    if (!p.groups.empty() && tok.cyrillic && (t.turkicMale.count(tok.key) || t.turkicFemale.count(tok.key))) {
      p.groups.back().turkic = t.turkicMale.count(tok.key) ? Sex::Male : Sex::Female;
      continue;
    }
    if (lowerWritten && t.particlesBefore.count(tok.key) && k + 1 < p.tokens.size()) {
      continue;
    }
    Group g;
    g.main = k;
    p.groups.push_back(g);
  }
  return p;
}

bool IsStrongPatronymic(const Parsed& p, const Group& g) {
  if (g.turkic != Sex::Unknown) return true;
  const std::string& key = p.tokens[g.main].key;
  if (EndsWithTurkicParticle(key) && key.size() > 4) return true;
  return EndsWith(key, "вич"_cp) || EndsWith(key, "вна"_cp) || EndsWith(key, "ична"_cp);
}

bool IsKnownFirstName(const std::string& key) {
  const Tables& t = Tables::Get();
  return t.maleNames.count(key) || t.femaleNames.count(key) || t.unisexNames.count(key);
}

// Turkic women's names built on "гуль" (a rose) and the like: Назгуль, Жазгуль, Айсель.
bool LooksLikeWomansName(std::string_view key) {
  return EndsWith(key, "гуль"_cp) || EndsWith(key, "гюль"_cp) || EndsWith(key, "зель"_cp) ||
         EndsWith(key, "сель"_cp);
}

bool LooksLikeSurname(const std::string& key) {
  static const std::string_view endings[] = {
      "ов"_cp,   "ев"_cp,   "ин"_cp,    "ын"_cp, "ова"_cp, "ева"_cp,  "ина"_cp, "ына"_cp, "ский"_cp,
      "цкий"_cp, "ская"_cp, "цкая"_cp,  "ой"_cp, "ый"_cp,  "ая"_cp,   "ко"_cp,  "ук"_cp,  "юк"_cp,
      "ян"_cp,   "дзе"_cp,  "швили"_cp, "ых"_cp, "их"_cp,  "енко"_cp, "ава"_cp, "ия"_cp};
  if (IsKnownFirstName(key)) return false;
  for (std::string_view e : endings)
    if (EndsWith(key, e) && key.size() > e.size() + 1) return true;
  return false;
}

// Gives every group its part of the name.
void AssignRoles(Parsed& p) {
  std::vector<Group*> words;
  for (Group& g : p.groups)
    if (!p.tokens[g.main].bracketed) words.push_back(&g);
  const std::size_t n = words.size();
  if (n == 0) return;
  std::size_t patronymic = n;  // none
  for (std::size_t i = 1; i < n; ++i)
    if (IsStrongPatronymic(p, *words[i])) {
      patronymic = i;
      break;
    }
  bool initials = false;
  for (const Token& tok : p.tokens) initials = initials || tok.initial;
  if (initials) {
    // Иванов И.И., И.И. Иванов, Иванов И. Петрович: the first full word is the surname.
    for (std::size_t i = 0; i < n; ++i)
      words[i]->role = i == 0 && !IsStrongPatronymic(p, *words[i]) ? Role::Surname
                       : IsStrongPatronymic(p, *words[i])          ? Role::Patronymic
                                                                   : Role::FirstName;
  } else if (n == 1) {
    const std::string& key = p.tokens[words[0]->main].key;
    if (IsStrongPatronymic(p, *words[0]))
      words[0]->role = Role::Patronymic;
    else if (IsKnownFirstName(key) || LooksLikeWomansName(key))
      words[0]->role = Role::FirstName;
    else
      words[0]->role = Role::Surname;
  } else if (patronymic == 1) {
    // Иван Иванович [Иванов]
    words[0]->role = Role::FirstName;
    words[1]->role = Role::Patronymic;
    if (n > 2) words[2]->role = Role::Surname;
  } else if (n == 2) {
    const std::string& first = p.tokens[words[0]->main].key;
    const std::string& second = p.tokens[words[1]->main].key;
    if (IsKnownFirstName(first) && (!IsKnownFirstName(second) || LooksLikeSurname(second))) {
      words[0]->role = Role::FirstName;  // Иван Петров
      words[1]->role = Role::Surname;
    } else {
      words[0]->role = Role::Surname;
      words[1]->role = Role::FirstName;
    }
  } else {
    words[0]->role = Role::Surname;
    std::size_t last = patronymic < n ? patronymic : 2;
    for (std::size_t i = 1; i < last; ++i) words[i]->role = Role::FirstName;
    words[last]->role = Role::Patronymic;
  }
  // A word in brackets takes the part of the word before it: Иванова (Петрова) Мария.
  Role previous = Role::Other;
  for (Group& g : p.groups) {
    if (p.tokens[g.main].bracketed)
      g.role = previous;
    else
      previous = g.role;
  }
}

Sex SexOfPatronymic(std::string_view key) {
  const Tables& t = Tables::Get();
  for (const std::string& e : t.turkicMaleList)
    if (EndsWith(key, e)) return Sex::Male;
  for (const std::string& e : t.turkicFemaleList)
    if (EndsWith(key, e)) return Sex::Female;
  if (EndsWith(key, "ич"_cp)) return Sex::Male;
  if (EndsWith(key, "вна"_cp) || EndsWith(key, "чна"_cp) || EndsWith(key, "шна"_cp)) return Sex::Female;
  return Sex::Unknown;
}

Sex SexOfFirstName(std::string_view key) {
  const Tables& t = Tables::Get();
  if (t.unisexNames.count(key)) return Sex::Unknown;
  bool male = t.maleNames.count(key) != 0, female = t.femaleNames.count(key) != 0;
  if (male != female) return male ? Sex::Male : Sex::Female;
  if (male) return Sex::Unknown;
  unsigned char last = FromEnd(key, 1);
  if (EndsWith(key, "улла"_cp)) return Sex::Male;  // Абдулла, Нурулла
  if (LooksLikeWomansName(key)) return Sex::Female;
  if (last == static_cast<unsigned char>("а"_cp[0]) || last == static_cast<unsigned char>("я"_cp[0]))
    return Sex::Female;
  if (IsConsonant(last) || last == static_cast<unsigned char>("ь"_cp[0])) return Sex::Male;
  return Sex::Unknown;
}

Sex SexOfSurname(std::string_view key) {
  static const std::string_view female[] = {"ова"_cp, "ева"_cp, "ина"_cp, "ына"_cp, "ая"_cp, "яя"_cp};
  static const std::string_view male[] = {"ов"_cp, "ев"_cp, "ин"_cp, "ын"_cp, "ий"_cp, "ый"_cp, "ой"_cp};
  const Tables& t = Tables::Get();
  for (std::string_view e : female)
    if (EndsWith(key, e) && HasVowel(key.substr(0, key.size() - e.size()))) return Sex::Female;
  for (std::string_view e : male)
    if (EndsWith(key, e) && HasVowel(key.substr(0, key.size() - e.size())) && !t.foreignLookalikes.count(key))
      return Sex::Male;
  return Sex::Unknown;
}

// The last part of a hyphenated word: Римский-Корсаков, Анна-Мария.
std::string_view LastPart(std::string_view key) {
  std::size_t h = key.rfind('-');
  return h == std::string_view::npos ? key : key.substr(h + 1);
}

// The sex of the person: from the patronymic, else the first name, else the surname.
Sex ResolveSex(const Parsed& p) {
  Sex fromName = Sex::Unknown, fromSurname = Sex::Unknown;
  for (const Group& g : p.groups) {
    const std::string& key = p.tokens[g.main].key;
    if (g.role == Role::Patronymic) {
      Sex s = g.turkic != Sex::Unknown ? g.turkic : SexOfPatronymic(LastPart(key));
      if (s != Sex::Unknown) return s;
    }
  }
  for (const Group& g : p.groups) {
    const std::string& key = p.tokens[g.main].key;
    if (g.role == Role::FirstName && fromName == Sex::Unknown) {
      std::size_t h = key.find('-');
      fromName =
          SexOfFirstName(h == std::string::npos ? std::string_view(key) : std::string_view(key).substr(0, h));
    }
    if (g.role == Role::Surname && fromSurname == Sex::Unknown && !p.tokens[g.main].bracketed)
      fromSurname = SexOfSurname(LastPart(key));
  }
  if (fromName != Sex::Unknown) return fromName;
  return fromSurname;
}

// The first part of a double first name declines in a woman's name in -а/-я
// (Анны-Марии) and stays in a man's (Жан-Жака, Абдул-Керима).
bool DeclinesAsFirstPart(std::string_view part, Sex sex) {
  const unsigned char last = part.empty() ? 0 : ToLower(static_cast<unsigned char>(part.back()));
  return sex == Sex::Female &&
         (last == static_cast<unsigned char>("а"_cp[0]) || last == static_cast<unsigned char>("я"_cp[0]));
}

}  // namespace

std::string DeclineFullName(std::string_view fio, int caseNo) {
  if (caseNo < 1 || caseNo > 6) return std::string(fio);
  Parsed p = Parse(fio);
  AssignRoles(p);
  Sex sex = ResolveSex(p);
  if (sex == Sex::Unknown) sex = Sex::Male;
  const Tables& t = Tables::Get();
  // A Western first name and no patronymic: the surname is foreign too.
  bool foreign = false, patronymic = false;
  for (const Group& g : p.groups) {
    const std::string& key = p.tokens[g.main].key;
    if (g.role == Role::Patronymic) patronymic = true;
    if (g.role == Role::FirstName && t.westernNames.count(key.substr(0, key.find('-')))) foreign = true;
  }
  foreign = foreign && !patronymic;

  std::string out;
  out.reserve(fio.size() + 16);
  std::size_t copied = 0;
  for (const Group& g : p.groups) {
    const Token& tok = p.tokens[g.main];
    if (g.role == Role::Other || !tok.cyrillic || caseNo == 1) continue;
    if (g.role == Role::Patronymic && g.turkic != Sex::Unknown) continue;
    if (t.indeclinableLastParts.count(LastPart(tok.key))) continue;
    out.append(fio.substr(copied, tok.coreBegin - copied));
    std::string_view core = fio.substr(tok.coreBegin, tok.coreEnd - tok.coreBegin);
    // Each half of a hyphenated surname declines, particles such as Тер-, Бонч- do not;
    // of a double first name only the last part does (Жан-Жака, Жан-Поля).
    std::size_t start = 0;
    while (start <= core.size()) {
      std::size_t h = core.find('-', start);
      std::size_t stop = h == std::string_view::npos ? core.size() : h;
      std::string_view part = core.substr(start, stop - start);
      bool particle = h != std::string_view::npos &&
                      (g.role == Role::FirstName ? !DeclinesAsFirstPart(part, sex)
                                                 : t.particlesBefore.count(Key(part)) != 0);
      if (part.empty() || particle)
        out.append(part);
      else
        out.append(DeclinePart(part, g.role, sex, foreign, caseNo));
      if (h == std::string_view::npos) break;
      out.push_back('-');
      start = h + 1;
    }
    copied = tok.coreEnd;
  }
  out.append(fio.substr(copied));
  return out;
}

Sex GuessSex(std::string_view text) {
  Parsed p = Parse(text);
  AssignRoles(p);
  Sex sex = ResolveSex(p);
  if (sex != Sex::Unknown || p.groups.empty()) return sex;
  // One word that is neither a known name nor a surname of a telling form: judge it by
  // its ending as a first name.
  for (const Group& g : p.groups) {
    Sex s = SexOfFirstName(p.tokens[g.main].key);
    if (s != Sex::Unknown) return s;
  }
  return Sex::Unknown;
}

}  // namespace fleks
