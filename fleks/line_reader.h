// Reading a line into the words of a name: where each word is, what it is made of, and
// which words go together (a particle and its surname, a father's name and оглы). A line
// that cannot be a name (digits, an address, punctuation inside a word, more words than a
// name has, lower-case words in a capitalised line) is marked as such.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "decline_word.h"

namespace fleks {

struct WordInfo;

// A list of at most N items kept in place: a name has only a few words.
template <typename T, std::size_t N>
class FixedList {
 public:
  bool push_back(T item) {
    if (size_ == N) return false;
    items_[size_++] = std::move(item);
    return true;
  }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  T& operator[](std::size_t i) { return items_[i]; }
  const T& operator[](std::size_t i) const { return items_[i]; }
  T& back() { return items_[size_ - 1]; }
  T* begin() { return items_.data(); }
  T* end() { return items_.data() + size_; }
  const T* begin() const { return items_.data(); }
  const T* end() const { return items_.data() + size_; }

 private:
  std::array<T, N> items_{};
  std::size_t size_ = 0;
};

// A name with its particles, a maiden name, initials and младший has at most this many
// words; a longer line is not a name.
inline constexpr std::size_t kMostTokens = 8;

struct Token {
  std::size_t coreBegin = 0, coreEnd = 0;  // the word itself, brackets left out
  int initials = 0;                        // И. → 1, И.И. → 2; 0 for a word
  bool bracketed = false;                  // (Петрова)
  bool lowerWritten = false;               // begins with a lower-case letter
  bool capitals = false;                   // two letters or more, none lower-case
  std::string key;                         // of the core
  const WordInfo* info = nullptr;          // what the lists say of the key (of words only)
};

struct Group {
  std::size_t main = 0;  // the token that declines
  Role role = Role::Other;
  Sex turkic = Sex::Unknown;  // Гейдар оглы, Алиевна кызы: the patronymic stays as it is
  bool particle = false;      // фон Браун, ибн Хаттаб: a particle comes before the word
};

struct Parsed {
  FixedList<Token, kMostTokens> tokens;
  FixedList<Group, kMostTokens> groups;
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
