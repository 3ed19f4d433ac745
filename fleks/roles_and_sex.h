// SPDX-License-Identifier: MIT
// Which word of a line is the surname, the first name and the patronymic, and the sex of
// the person they name, decided together from the whole line.
#pragma once

#include <string_view>

#include "declension.h"
#include "line_reader.h"

namespace fleks {

struct Person {
  bool name = false;            // the line reads as a name
  Sex sex = Sex::Unknown;       // Unknown when nothing in the line tells it
  bool foreign = false;         // a Western first name and no patronymic (Чарльз Дарвин)
  bool firstNameFirst = false;  // two words, a known first name and a surname (Зульфия Ахметова)
};

// Gives every group of a line read by ReadLine its part of the name and tells the sex.
// A line whose words are all in one case must hold a known first name, a patronymic or
// initials (or be one word shaped like a surname) to be read as a name.
Person DecideRolesAndSex(Parsed& p);

// The sex a first name tells by itself: a known name, else its ending.
Sex SexOfFirstName(std::string_view key);

}  // namespace fleks
