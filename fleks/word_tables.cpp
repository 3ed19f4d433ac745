#include "word_tables.h"

#include <cstddef>

#include "rules/first_names.h"
#include "rules/surnames.h"

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

void Fill(WordSet& set, const char* utf8) {
  for (const std::string& w : Words(utf8)) set.insert(Key(w));
}

template <std::size_t N>
void LoadRules(std::vector<Tables::Rule>& out, const rules::EndingRule (&table)[N]) {
  for (const rules::EndingRule& r : table)
    out.push_back({Key(Cp1251FromUtf8(r.ending)), r.sex, r.when, r.action});
}

Sex SexOf(rules::ForSex sex) {
  return sex == rules::ForSex::Male ? Sex::Male : sex == rules::ForSex::Female ? Sex::Female : Sex::Unknown;
}

}  // namespace

const Tables& Tables::Get() {
  static const Tables tables;
  return tables;
}

Tables::Tables() {
  LoadFirstNames();
  Fill(westernNames, rules::kWesternNames);
  Fill(ukrainianInO, rules::kUkrainianNamesInO);
  Fill(stressedYaNames, rules::kStressedYaNames);
  Fill(foreignLookalikes, rules::kForeignPossessiveLookalikes);
  Fill(particlesBefore, rules::kParticlesBefore);
  Fill(nameSuffixes, rules::kNameSuffixes);
  Fill(companyForms, rules::kCompanyForms);
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
    const std::string pattern = f.pattern;
    const rules::ParadigmId id = pattern == "soft-stressed" ? rules::kMascSoftStressed
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

// A name in a men's and a women's list, or in the list of names of both sexes, is of
// either sex.
void Tables::LoadFirstNames() {
  auto add = [this](const char* utf8, Sex sex) {
    for (const std::string& w : Words(utf8)) {
      auto [it, fresh] = firstNames.try_emplace(Key(w), NameInfo{sex, false});
      if (!fresh && it->second.sex != sex) it->second.sex = Sex::Unknown;
    }
  };
  for (const rules::FirstNameList& list : rules::kFirstNames) {
    add(list.male, Sex::Male);
    add(list.female, Sex::Female);
  }
  for (const std::string& w : Words(rules::kUnisexNames)) firstNames[Key(w)].sex = Sex::Unknown;
  for (const std::string& w : Words(rules::kAlsoSurnames)) firstNames[Key(w)].alsoSurname = true;
  for (const std::string& w : Words(rules::kFirstNameForms)) firstNameForms.push_back(Key(w));
  for (const rules::SexEnding& e : rules::kFirstNameSexEndings)
    firstNameSexEndings.push_back({Key(Cp1251FromUtf8(e.ending)), SexOf(e.sex)});
}

bool EndsWithTurkicParticle(std::string_view key) {
  const Tables& t = Tables::Get();
  for (const auto* list : {&t.turkicMaleList, &t.turkicFemaleList})
    for (const std::string& p : *list)
      if (EndsWith(key, p)) return true;
  return false;
}

}  // namespace fleks
