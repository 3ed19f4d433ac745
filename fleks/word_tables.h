// The rule tables of rules/, converted once into Windows-1251 look-up structures.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "rules/ending_rules.h"
#include "rules/paradigms.h"
#include "word_text.h"

namespace fleks {

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
  Tables();
};

// The word ends in оглы, кызы and the like: a Turkic patronymic written as one word
// (Нурланулы, Нурланкызы), or the particle itself.
bool EndsWithTurkicParticle(std::string_view key);

}  // namespace fleks
