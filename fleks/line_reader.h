// Reading a line into the words of a name: where each word is, what it is made of, and
// which words go together (a particle and its surname, a father's name and оглы). A line
// that cannot be a name (digits, an address, punctuation inside a word, more words than a
// name has, lower-case words in a capitalised line) is marked as such.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "decline_word.h"

namespace fleks {

struct Token {
  std::size_t coreBegin = 0, coreEnd = 0;  // the word itself, brackets left out
  int initials = 0;                        // И. → 1, И.И. → 2; 0 for a word
  bool bracketed = false;                  // (Петрова)
  bool lowerWritten = false;               // begins with a lower-case letter
  bool capitals = false;                   // two letters or more, none lower-case
  std::string key;                         // of the core
};

struct Group {
  std::size_t main = 0;  // the token that declines
  Role role = Role::Other;
  Sex turkic = Sex::Unknown;  // Гейдар оглы, Алиевна кызы: the patronymic stays as it is
  bool particle = false;      // фон Браун, ибн Хаттаб: a particle comes before the word
};

struct Parsed {
  std::vector<Token> tokens;
  std::vector<Group> groups;
  // The line can be read as a name; even so, the roles must find what makes it one when
  // its words are all written in one case (see caseUniform).
  bool name = false;
  // Every word is in lower case, or every word in capitals: such a line must hold a word
  // that only names have to be read as a name (компания открыла офис is not one).
  bool caseUniform = false;
  int initialLetters = 0;

  std::size_t Words() const;  // the groups that are not in brackets
};

Parsed ReadLine(std::string_view s);

}  // namespace fleks
