// Which word of a line is the surname, the first name and the patronymic, and the sex of
// the person they name.
#pragma once

#include <string_view>

#include "declension.h"
#include "line_reader.h"

namespace fleks {

// Gives every group of the line its part of the name.
void AssignRoles(Parsed& p);

// The sex of the person: from the patronymic, else the first name, else the surname.
Sex ResolveSex(const Parsed& p);

// The sex a first name tells by itself: a known name, else its ending.
Sex SexOfFirstName(std::string_view key);

}  // namespace fleks
