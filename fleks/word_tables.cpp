// SPDX-License-Identifier: MIT
#include "word_tables.h"

#include "rules/first_names.h"

namespace fleks {

namespace {

// The words of a blank-separated UTF-8 list, in Windows-1251 lower case.
std::vector<std::string> Words(const char* utf8) {
  std::vector<std::string> out;
  const std::string all = Cp1251FromUtf8(utf8);
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

template <std::size_t N>
void LoadRules(SuffixTable<Tables::Rule>& out, const rules::EndingRule (&table)[N]) {
  for (const rules::EndingRule& r : table) out.Add(Key(Cp1251FromUtf8(r.ending)), {r.sex, r.when, r.action});
}

Sex SexOf(rules::ForSex sex) {
  return sex == rules::ForSex::Male ? Sex::Male : sex == rules::ForSex::Female ? Sex::Female : Sex::Unknown;
}

template <std::size_t N>
void LoadSexEndings(SuffixTable<Sex>& out, const rules::SexEnding (&table)[N]) {
  for (const rules::SexEnding& e : table) out.Add(Key(Cp1251FromUtf8(e.ending)), SexOf(e.sex));
}

}  // namespace

const WordInfo Tables::kNothing;

void Tables::Mark(const char* utf8, WordFlag flag) {
  for (const std::string& w : Words(utf8)) words_[Key(w)].flags |= flag;
}

Tables::Tables() {
  LoadFirstNames();
  Mark(rules::kWesternNames, kWesternName);
  Mark(rules::kUkrainianNamesInO, kUkrainianInO);
  Mark(rules::kStressedYaNames, kStressedYa);
  Mark(rules::kForeignPossessiveLookalikes, kForeignLookalike);
  Mark(rules::kParticlesBefore, kParticleBefore);
  Mark(rules::kNameSuffixes, kNameSuffix);
  Mark(rules::kCompanyForms, kCompanyForm);
  Mark(rules::kIndeclinableSurnames, kIndeclinableSurname);
  Mark(rules::kPatronymicParticlesMale, kTurkicMale);
  Mark(rules::kPatronymicParticlesFemale, kTurkicFemale);
  for (const std::string& w : Words(rules::kPatronymicParticlesMale))
    turkicEndings.Add(Key(w), {w.size(), Sex::Male});
  for (const std::string& w : Words(rules::kPatronymicParticlesFemale))
    turkicEndings.Add(Key(w), {w.size(), Sex::Female});
  for (const std::string& w : Words(rules::kPatronymicForms)) patronymicForms.Add(Key(w), true);
  LoadSexEndings(surnameSexEndings, rules::kSurnameSexEndings);
  LoadSexEndings(patronymicSexEndings, rules::kPatronymicSexEndings);
  Mark(rules::kStressedPatronymics, kStressedPatronymic);
  Mark(rules::kSoftAdjectiveSurnames, kSoftAdjective);
  Mark(rules::kIndeclinableLastParts, kIndeclinableLastPart);
  Mark(rules::kStressedSoftSurnames, kStressedSoftSurname);
  Mark(rules::kGeorgianSurnamesInAya, kGeorgianInAya);
  Mark(rules::kStressedEcNouns, kStressedEcNoun);
  for (const std::string& w : Words(rules::kStressedSibilantEndings)) stressedSibilantEndings.push_back(w);
  for (const std::string& w : Words(rules::kNotSurnameForms))
    surnameForms.Add(Key(w), rules::SurnameForm::None);
  for (const std::string& w : Words(rules::kStrongSurnameForms))
    surnameForms.Add(Key(w), rules::SurnameForm::Strong);
  for (const std::string& w : Words(rules::kWeakSurnameForms))
    surnameForms.Add(Key(w), rules::SurnameForm::Weak);
  for (const rules::FleetingVowel& f : rules::kFleetingVowels) {
    const std::string pattern = f.pattern;
    const rules::ParadigmId id = pattern == "soft-stressed" ? rules::kMascSoftStressed
                                 : pattern == "sibilant"    ? rules::kMascSibilant
                                                            : rules::kMascHard;
    words_[Key(Cp1251FromUtf8(f.nominative))].fleeting = static_cast<int>(fleeting.size());
    fleeting.push_back({Cp1251FromUtf8(f.stem), id});
  }
  LoadRules(surnameRules, rules::kSurnameRules);
  LoadRules(firstNameRules, rules::kFirstNameRules);
  LoadRules(patronymicRules, rules::kPatronymicRules);
  for (int p = 0; p < rules::kParadigmCount; ++p)
    for (int c = 0; c < 5; ++c) endings[p][c] = Cp1251FromUtf8(rules::kParadigms[p].endings[c]);
}

// A name in a men's and a women's list, or in the list of names of both sexes, is of
// either sex.
void Tables::LoadFirstNames() {
  auto add = [this](const char* utf8, Sex sex) {
    for (const std::string& w : Words(utf8)) {
      WordInfo& info = words_[Key(w)];
      info.nameSex = info.Has(kFirstName) && info.nameSex != sex ? Sex::Unknown : sex;
      info.flags |= kFirstName;
    }
  };
  for (const rules::FirstNameList& list : rules::kFirstNames) {
    add(list.male, Sex::Male);
    add(list.female, Sex::Female);
  }
  for (const std::string& w : Words(rules::kUnisexNames)) {
    WordInfo& info = words_[Key(w)];
    info.flags |= kFirstName;
    info.nameSex = Sex::Unknown;
  }
  Mark(rules::kAlsoSurnames, kAlsoSurname);
  for (const std::string& w : Words(rules::kFirstNameForms)) firstNameForms.Add(Key(w), true);
  LoadSexEndings(firstNameSexEndings, rules::kFirstNameSexEndings);
  for (const rules::NameSpelling& v : rules::kNameSpellings)
    nameSpellings.push_back({Key(Cp1251FromUtf8(v.from)), Key(Cp1251FromUtf8(v.to)), v.atEnd});
  for (const rules::SexBeginning& b : rules::kFirstNameSexBeginnings)
    firstNameSexBeginnings.emplace_back(Key(Cp1251FromUtf8(b.beginning)), SexOf(b.sex));
}

}  // namespace fleks
