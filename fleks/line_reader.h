// SPDX-License-Identifier: MIT
// Reading a line into the words of a name: where each word is, what it is made of, and
// which words go together (a particle and its surname, a father's name and оглы). A line
// that cannot be a name (digits, an address, punctuation inside a word, more words than a
// name has, lower-case words in a capitalised line) is marked as such.
#pragma once

#include <cstddef>
#include <new>
#include <string>
#include <string_view>
#include <utility>

#include "decline_word.h"

namespace fleks {

struct WordInfo;

// A list of at most N items kept in place (a name has only a few words); only the items
// pushed are ever constructed.
template <typename T, std::size_t N>
class FixedList {
 public:
  FixedList() = default;
  FixedList(const FixedList&) = delete;
  FixedList& operator=(const FixedList&) = delete;
  ~FixedList() {
    for (T& item : *this) item.~T();
  }

  bool push_back(T item) {
    if (size_ == N) return false;
    new (begin() + size_) T(std::move(item));
    ++size_;
    return true;
  }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  T& operator[](std::size_t i) { return begin()[i]; }
  const T& operator[](std::size_t i) const { return begin()[i]; }
  T& back() { return begin()[size_ - 1]; }
  T* begin() { return std::launder(reinterpret_cast<T*>(storage_)); }
  T* end() { return begin() + size_; }
  const T* begin() const { return std::launder(reinterpret_cast<const T*>(storage_)); }
  const T* end() const { return begin() + size_; }

 private:
  alignas(T) unsigned char storage_[N * sizeof(T)];
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
  bool hyphenated = false;                 // Римский-Корсаков, Анна-Мария
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

// Reads the line s into p (a fresh Parsed).
void ReadLine(std::string_view s, Parsed& p);

}  // namespace fleks
