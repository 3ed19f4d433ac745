// SPDX-License-Identifier: MIT
// The rule tables of rules/, converted once into Windows-1251 look-up structures: one map
// from a word to all that the lists say of it, and ending tables searched by the word's
// last letter.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "declension.h"
#include "rules/ending_rules.h"
#include "rules/paradigms.h"
#include "rules/surnames.h"
#include "word_text.h"

namespace fleks {

// The lists a word is in.
enum WordFlag : std::uint32_t {
  kFirstName = 1u << 0,              // a known first name (its sex in WordInfo)
  kAlsoSurname = 1u << 1,            // Ким, Лев: a common surname too
  kWesternName = 1u << 2,            // Чарльз: the surname after it is foreign
  kParticleBefore = 1u << 3,         // фон, де, ибн; Тер-, Бонч-
  kNameSuffix = 1u << 4,             // младший
  kCompanyForm = 1u << 5,            // ООО, ИП
  kTurkicMale = 1u << 6,             // оглы
  kTurkicFemale = 1u << 7,           // кызы
  kStressedPatronymic = 1u << 8,     // Ильич
  kIndeclinableSurname = 1u << 9,    // Дюма
  kGeorgianInAya = 1u << 10,         // Квирая
  kForeignLookalike = 1u << 11,      // Дарвин
  kUkrainianInO = 1u << 12,          // Петро
  kStressedYa = 1u << 13,            // Илья
  kStressedSoftSurname = 1u << 14,   // Пономарь
  kSoftAdjective = 1u << 15,         // Верхний
  kStressedEcNoun = 1u << 16,        // Стрелец
  kIndeclinableLastPart = 1u << 17,  // -заде
};

// What the lists say of one word.
struct WordInfo {
  std::uint32_t flags = 0;
  Sex nameSex = Sex::Unknown;  // of a known first name; Unknown: of either sex (Саша)
  int fleeting = -1;           // its entry in Tables::fleeting, or -1

  bool Has(WordFlag f) const { return (flags & f) != 0; }
};

// Endings searched by a word's last letter: a row is tried only on words ending in its
// last letter (a row with an empty ending on every word), rows in the table's order.
template <typename T>
class SuffixTable {
 public:
  void Add(std::string ending, T value) {
    const auto index = static_cast<std::uint16_t>(rows_.size());
    if (ending.empty()) {
      for (auto& bucket : byLast_) bucket.push_back(index);
    } else {
      byLast_[static_cast<unsigned char>(ending.back())].push_back(index);
    }
    rows_.push_back({std::move(ending), std::move(value)});
  }

  // The first row whose ending the key ends in and that pred accepts.
  template <typename Pred>
  const T* FindIf(std::string_view key, Pred pred) const {
    if (key.empty()) return nullptr;
    for (std::uint16_t i : byLast_[static_cast<unsigned char>(key.back())]) {
      const Row& r = rows_[i];
      if (EndsWith(key, r.ending) && pred(r.ending, r.value)) return &r.value;
    }
    return nullptr;
  }

  // The first row whose ending the key ends in, with at least minStem letters before it.
  const T* Find(std::string_view key, std::size_t minStem = 0) const {
    return FindIf(key, [&](const std::string& e, const T&) { return key.size() >= e.size() + minStem; });
  }

 private:
  struct Row {
    std::string ending;
    T value;
  };
  std::vector<Row> rows_;
  std::array<std::vector<std::uint16_t>, 256> byLast_;
};

class Tables {
 public:
  static const Tables& Get() {
    static const Tables tables;
    return tables;
  }

  struct Rule {
    rules::ForSex sex;
    rules::When when;
    rules::Action action;
  };
  struct TurkicParticle {
    std::size_t length;
    Sex sex;
  };
  struct Spelling {
    std::string from, to;  // Windows-1251
    bool atEnd;
  };
  struct Fleeting {
    std::string stem;
    rules::ParadigmId paradigm;
  };

  // The particle оглы, кызы … the key ends in (Нурланулы, Нурланкызы), or null.
  const TurkicParticle* TurkicEnding(std::string_view key) const { return turkicEndings.Find(key); }

  // What the lists say of a key; a word in no list gets an empty WordInfo.
  const WordInfo& Info(std::string_view key) const {
    const auto it = words_.find(key);
    return it == words_.end() ? kNothing : it->second;
  }

  std::vector<Fleeting> fleeting;
  SuffixTable<TurkicParticle> turkicEndings;         // оглы, кызы …, for one-word patronymics
  std::vector<std::string> stressedSibilantEndings;  // lower case, ё kept
  SuffixTable<Sex> firstNameSexEndings;
  std::vector<std::pair<std::string, Sex>> firstNameSexBeginnings;
  std::vector<Spelling> nameSpellings;
  SuffixTable<bool> firstNameForms;
  SuffixTable<rules::SurnameForm> surnameForms;  // the exceptions first, then the strong ones
  SuffixTable<Sex> surnameSexEndings, patronymicSexEndings;
  SuffixTable<bool> patronymicForms;
  SuffixTable<Rule> surnameRules, firstNameRules, patronymicRules;
  std::array<std::array<std::string, 5>, rules::kParadigmCount> endings;

 private:
  Tables();
  void Mark(const char* utf8, WordFlag flag);
  void LoadFirstNames();

  static const WordInfo kNothing;
  WordMap<WordInfo> words_;
};

}  // namespace fleks
