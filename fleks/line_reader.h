// Reading a line into the words of a name: where each word is, what it is made of, and
// which words go together (a particle and its surname, a father's name and оглы).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "decline_word.h"

namespace fleks {

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

Parsed ReadLine(std::string_view s);

}  // namespace fleks
