// Declining one word of a name once its part of the name and the person's sex are known.
#pragma once

#include <string>
#include <string_view>

#include "declension.h"

namespace fleks {

enum class Role { Surname, FirstName, Patronymic, Other };

// The word (one part of a hyphenated word, letters only) in case caseNo, 1 … 6, in the
// letter case it was written in. foreign: the name is a Western one (Чарльз Дарвин),
// whose -ин and -ов are not Russian suffixes.
std::string DeclineWord(std::string_view word, Role role, Sex sex, bool foreign, int caseNo);

}  // namespace fleks
