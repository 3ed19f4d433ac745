// The rule tables of rules/, converted once into Windows-1251 look-up structures.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "declension.h"
#include "rules/ending_rules.h"
#include "rules/paradigms.h"
#include "word_text.h"

namespace fleks {

// What the lists know of a first name.
struct NameInfo {
  Sex sex = Sex::Unknown;    // Unknown: a name of either sex (Саша, Женя)
  bool alsoSurname = false;  // Ким, Лев: common as a surname too
};

class Tables {
 public:
  static const Tables& Get();

  struct Rule {
    std::string ending;  // a key (ё as е)
    rules::ForSex sex;
    rules::When when;
    rules::Action action;
  };
  struct Fleeting {
    std::string stem;
    rules::ParadigmId paradigm;
  };
  struct SexEnding {
    std::string ending;  // a key
    Sex sex;
  };

  // The listed first name of a key, or null.
  const NameInfo* FirstName(std::string_view key) const {
    const auto it = firstNames.find(key);
    return it == firstNames.end() ? nullptr : &it->second;
  }

  WordMap<NameInfo> firstNames;
  std::vector<SexEnding> firstNameSexEndings;
  std::vector<std::string> firstNameForms;
  WordSet stressedYaNames, westernNames, ukrainianInO;
  WordSet foreignLookalikes, particlesBefore, nameSuffixes, companyForms, indeclinableSurnames;
  WordSet turkicMale, turkicFemale, stressedPatronymics;
  std::vector<std::string> turkicMaleList, turkicFemaleList;  // the same, for suffix tests
  WordSet softAdjectives, indeclinableLastParts, stressedSoftSurnames, georgianInAya;
  WordSet stressedEcNouns;
  std::vector<std::string> stressedSibilantEndings;  // lower case, ё kept
  WordMap<Fleeting> fleeting;
  std::vector<Rule> surnameRules, firstNameRules, patronymicRules;
  std::array<std::array<std::string, 5>, rules::kParadigmCount> endings;

 private:
  Tables();
  void LoadFirstNames();
};

// The word ends in оглы, кызы and the like: a Turkic patronymic written as one word
// (Нурланулы, Нурланкызы), or the particle itself.
bool EndsWithTurkicParticle(std::string_view key);

}  // namespace fleks
