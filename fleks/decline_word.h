// SPDX-License-Identifier: MIT
// Declining one word of a name once its part of the name and the person's sex are known.
#pragma once

#include <string>
#include <string_view>

#include "declension.h"

namespace fleks {

enum class Role { Surname, FirstName, Patronymic, Other };

struct WordInfo;

// The word (one part of a hyphenated word, letters only) in case caseNo, 1 … 6, in the
// letter case it was written in. info: what the lists say of it, when already looked up
// (else null). foreign: the name is a Western one (Чарльз Дарвин), whose -ин and -ов are
// not Russian suffixes.
std::string DeclineWord(std::string_view word, const WordInfo* info, Role role, Sex sex, bool foreign,
                        int caseNo);

}  // namespace fleks
