// SPDX-License-Identifier: GPL-3.0-or-later
// The messy Russian text the formatted-view and HTML-view benchmarks measure: the same
// generated text for both, so their figures compare.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "text/text.h"

namespace skorlin::bench {

using skorlin::text::FromUtf8;
using skorlin::text::Text;

inline const std::vector<std::string>& Words() {
  static const std::vector<std::string> words = {
      "договор",  "заключён", "между",  "сторонами", "стоимость", "работ", "составляет", "в",
      "течение",  "дней",     "Москва", "Россия",    "приказ",    "пункт", "согласно",   "и",
      "также",    "был",      "Пушкин", "Толстой",   "глава",     "стр",   "рис",        "см",
      "кв",       "тыс",      "руб",    "года",      "около",     "ООО",   "ИП",         "Иванов",
      "поставка", "товара",   "на",     "складе",    "оплата",    "счёт",  "цена",       "кг",
  };
  return words;
}

inline const std::vector<std::string>& Fragments() {
  static const std::vector<std::string> fragments = {
      "\" цитата \"",
      "\"Ромашка\"",
      "--",
      " - ",
      "-",
      "N12",
      "#5",
      "№ 5 - № 7",
      "№3,4,5",
      "1999г",
      "(1941 - 1945)",
      "1941 - 1945 гг.",
      "А.С.Пушкин",
      "Иванов И. И.",
      "и т. д.",
      "т.е.",
      "т.ч.",
      "г.р.",
      "www.example.ru/docs",
      "http://site.ru/a/b.html",
      "\t",
      "\t",
      "см(рис.1)",
      "25кг",
      "стр5",
      "1,5",
      "0,0",
      "a,b",
      "конец.Начало",
      "слово .",
      "ВКП /б/",
      "a:b",
      "a;b",
      "слово !",
      "( скобки )",
      "12.03.2024",
      "10%",
      "5 000 руб.",
      "«ёлка»",
      "₽",
  };
  return fragments;
}

// A text of about targetChars characters, in lines of a few to a few dozen words.
inline Text MessyRussianText(std::size_t targetChars) {
  std::mt19937 engine(2024);
  std::uniform_int_distribution<std::size_t> lineWords(3, 40);
  std::uniform_int_distribution<int> percent(0, 99);
  const auto& words = Words();
  const auto& fragments = Fragments();
  std::uniform_int_distribution<std::size_t> pickWord(0, words.size() - 1);
  std::uniform_int_distribution<std::size_t> pickFragment(0, fragments.size() - 1);
  std::string utf8;
  std::size_t chars = 0;
  while (chars < targetChars) {
    std::string line = percent(engine) < 10 ? "  " : "";
    for (std::size_t w = lineWords(engine); w > 0; --w) {
      const int roll = percent(engine);
      if (roll < 20) {
        line += fragments[pickFragment(engine)];
      } else {
        line += words[pickWord(engine)];
      }
      line += roll < 8 ? "," : roll < 12 ? "." : "";
      line += percent(engine) < 6 ? "  " : " ";
    }
    line += percent(engine) < 50 ? "\r\n" : "\n";
    chars += FromUtf8(line).size();
    utf8 += line;
  }
  return FromUtf8(utf8);
}

inline const Text& Sample() {
  static const Text sample = MessyRussianText(4'000'000);
  return sample;
}

inline std::size_t Utf8Size(const Text& text) { return skorlin::text::ToUtf8(text).size(); }

}  // namespace skorlin::bench
