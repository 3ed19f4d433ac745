// SPDX-License-Identifier: MIT
#include "decline_word.h"

#include <cstddef>

#include "word_tables.h"

namespace fleks {

namespace {

using rules::Action;
using rules::ParadigmId;

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
Decision ConsonantNoun(std::string_view low, std::string_view key, const WordInfo& info, bool surname) {
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
        !twoSyllables || info.Has(kStressedEcNoun) ? rules::kMascHard : rules::kMascSibilant;
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
    if (info.Has(kStressedPatronymic)) return {rules::kMascHard, std::string(low)};
    for (const std::string& e : t.stressedSibilantEndings)
      if (EndsWith(low, e)) return {rules::kMascHard, std::string(low)};
    if (CountVowels(key) <= 1 && IsOneOf(last, kSibilants) && surname)
      return {rules::kMascHard, std::string(low)};  // Грач, Чиж, Стриж
    return {rules::kMascSibilant, std::string(low)};
  }
  return {rules::kMascHard, std::string(low)};
}

Decision ApplyAction(Action action, std::string_view low, std::string_view key, const WordInfo& info,
                     Role role) {
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
      return Make(low, info.Has(kStressedYa) ? rules::kNounYaStressed : rules::kNounYa);
    case Action::FemSoft:
      return Make(low, rules::kFemSoft);
    case Action::MascSoft:
      if (role == Role::Surname && info.Has(kStressedSoftSurname))
        return {rules::kMascSoftStressed, std::string(low.substr(0, low.size() - 1))};
      return Make(low, rules::kMascSoft);
    case Action::MascIj:
      return Make(low, rules::kMascIj);
    case Action::MascJ:
      return Make(low, rules::kMascJ);
    case Action::ConsonantNoun:
      return ConsonantNoun(low, key, info, role == Role::Surname);
    case Action::AdjMascY:
      return Make(low, rules::kAdjMascHard);
    case Action::AdjMascOj:
      return Make(low, IsOneOf(FromEnd(key, 3), kVelars) || IsOneOf(FromEnd(key, 3), kSibilants)
                           ? rules::kAdjMascVelar
                           : rules::kAdjMascHard);
    case Action::AdjMascIj: {
      unsigned char before = FromEnd(key, 3);
      if (IsVowel(before)) return Make(low, rules::kMascIj);
      if (IsOneOf(before, kSibilants) || info.Has(kSoftAdjective) || EndsWith(key, "шний"_cp))
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
      return Make(low, info.Has(kStressedPatronymic) ? rules::kMascHard : rules::kMascSibilant);
  }
  return Indeclinable(low);
}

// The first row of a table that fits the word and the sex, applied.
Decision FromRules(const SuffixTable<Tables::Rule>& table, std::string_view low, std::string_view key,
                   const WordInfo& info, Sex sex, Role role) {
  const Tables::Rule* rule = table.FindIf(key, [&](const std::string& ending, const Tables::Rule& r) {
    if (r.sex == rules::ForSex::Male && sex == Sex::Female) return false;
    if (r.sex == rules::ForSex::Female && sex != Sex::Female) return false;
    const std::string_view stem = key.substr(0, key.size() - ending.size());
    if (r.when == rules::When::StemHasVowel && !HasVowel(stem)) return false;
    if (r.when == rules::When::AfterVowel && !IsVowel(FromEnd(stem, 1))) return false;
    return true;
  });
  return rule == nullptr ? Indeclinable(low) : ApplyAction(rule->action, low, key, info, role);
}

// A surname ending like a Russian possessive one: Иванов, Пушкин, Птицын.
bool LooksPossessive(std::string_view key) {
  return EndsWith(key, "ов"_cp) || EndsWith(key, "ев"_cp) || EndsWith(key, "ин"_cp) || EndsWith(key, "ын"_cp);
}

// foreign: the name is a Western one (Чарльз Дарвин), whose -ин and -ов are not suffixes.
Decision DecideWord(std::string_view low, std::string_view key, const WordInfo& info, Role role, Sex sex,
                    bool foreign) {
  const Tables& t = Tables::Get();
  if ((role == Role::Surname || role == Role::FirstName) && sex != Sex::Female && info.fleeting >= 0) {
    const Tables::Fleeting& f = t.fleeting[static_cast<std::size_t>(info.fleeting)];
    return {f.paradigm, f.stem};
  }
  switch (role) {
    case Role::Surname:
      if (info.Has(kIndeclinableSurname)) return Indeclinable(low);
      if (info.Has(kGeorgianInAya)) return Make(low, rules::kNounYa);
      if (sex != Sex::Female && (info.Has(kForeignLookalike) || (foreign && LooksPossessive(key))))
        return ConsonantNoun(low, key, info, false);
      return FromRules(t.surnameRules, low, key, info, sex, role);
    case Role::FirstName:
      if (sex != Sex::Female && info.Has(kUkrainianInO)) return Make(low, rules::kMascO);
      return FromRules(t.firstNameRules, low, key, info, sex, role);
    case Role::Patronymic:
      if (t.TurkicEnding(key) != nullptr) return Indeclinable(low);
      if (Decision d = FromRules(t.patronymicRules, low, key, info, sex, role);
          d.paradigm != rules::kIndeclinable)
        return d;
      return FromRules(t.firstNameRules, low, key, info, sex, Role::FirstName);
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

// Russian spelling puts no ы after a vowel, й, ь, ъ, г, к or х, and no ю, я or ы after ж,
// ш, ч or щ. A pattern that would (a foreign name of a shape the rules did not foresee)
// leaves the word as it is rather than give a form no reader would write.
bool KeepsSpelling(const Decision& d) {
  const unsigned char last = FromEnd(d.stem, 1);
  const bool noY = IsVowel(last) || IsOneOf(last, "йьъ"_cp) || IsOneOf(last, kVelars);
  const bool sibilant = IsOneOf(last, kSibilants);
  for (const std::string& ending : Tables::Get().endings[d.paradigm]) {
    if (ending.empty()) continue;
    const unsigned char first = static_cast<unsigned char>(ending[0]);
    if (first == static_cast<unsigned char>("ы"_cp[0]) && (noY || sibilant)) return false;
    if (sibilant && IsOneOf(first, "юя"_cp)) return false;
  }
  return true;
}

}  // namespace

std::string DeclineWord(std::string_view part, const WordInfo* info, Role role, Sex sex, bool foreign,
                        int caseNo) {
  const std::string low = LowerWord(part);
  const std::string key = Key(low);
  if (info == nullptr) info = &Tables::Get().Info(key);
  const Decision d = DecideWord(low, key, *info, role, sex, foreign);
  if (d.paradigm == rules::kIndeclinable || caseNo < 2 || caseNo > 6 || !KeepsSpelling(d))
    return std::string(part);
  std::string declined = d.stem + Tables::Get().endings[d.paradigm][caseNo - 2];
  return Recase(part, low, declined);
}

}  // namespace fleks
