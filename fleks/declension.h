// The declension engine: full Russian names in Windows-1251, declined by case and sex.
#pragma once

#include <string>
#include <string_view>

namespace fleks {

enum class Sex { Unknown, Male, Female };

// Declines a full name given in the order surname, first name, patronymic (any of them
// may be missing) into case 1 (nominative) … 6 (prepositional). Initials, particles and
// words that are not Cyrillic names stay as they are; the spacing and the letter case of
// the input are kept. caseNo outside 1..6 gives the name unchanged.
std::string DeclineFullName(std::string_view fio, int caseNo);

// The sex of a full name or of one part of it (a patronymic, a first name, a surname);
// Unknown when the text holds nothing to judge by.
Sex GuessSex(std::string_view text);

}  // namespace fleks
