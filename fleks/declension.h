// SPDX-License-Identifier: MIT
// The declension engine: full Russian names in Windows-1251, declined by case and sex.
#pragma once

#include <string>
#include <string_view>

namespace fleks {

enum class Sex { Unknown, Male, Female };

// Declines a full name (surname, first name, patronymic, in any usual order; any of them
// may be missing) into case 1 (nominative) … 6 (prepositional). Initials and particles
// stay as they are; the spacing and the letter case of the input are kept. A line that
// cannot be read as a name (digits, an address, punctuation inside a word, too many
// words, lower-case words beside capitalised ones, a phrase) is given back byte for byte,
// and so is every line for caseNo outside 2..6, and a name whose sex nothing tells when
// the two sexes would decline it differently.
std::string DeclineFullName(std::string_view fio, int caseNo);

// The sex of the person a full name, or one part of it (a patronymic, a first name),
// names: the patronymic decides, else a known first name, else the surname's form and an
// ending of the first name that only one sex has. Unknown when nothing in the name tells
// the sex for sure, and when the text cannot be read as a name.
Sex GuessSex(std::string_view text);

enum class NameOrder { NotAName, Usual, FirstNameFirst };

// How a line reads as a name: not a name at all (a heading, an address, a phrase), or a
// name in the order lists usually give it, or two words written first name first, a known
// first name and then a surname by its form (Зульфия Ахметова, Никита Шевченко).
NameOrder ReadNameOrder(std::string_view text);

}  // namespace fleks
