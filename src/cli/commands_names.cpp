// SPDX-License-Identifier: GPL-3.0-or-later
// The name menu: initials, first-patronymic, dative, salutation, and decline --case N.
// The declension library is the one beside skorlin-cli (else the system's search).
#include <string>

#include "cli/command.h"
#include "cli/table_inputs.h"

namespace skorlin::cli {
namespace {

using enum commands::CommandId;

const bool kRegistered[] = {
    RegisterCommand({.order = 100,
                     .name = "initials",
                     .summary = "shorten every full name to the surname and initials; a line that is not a "
                                "name stays (recognised only with libfleks.so)",
                     .command = kInitials}),
    RegisterCommand({.order = 101,
                     .name = "first-patronymic",
                     .summary = "keep the first name and patronymic of every full name; a line that is not a "
                                "name stays (recognised only with libfleks.so)",
                     .command = kFirstPatronymic}),
    RegisterCommand({.order = 102,
                     .name = "dative",
                     .summary = "decline every full name into the dative case (кому); a line that is not "
                                "a name, or whose sex cannot be told, stays",
                     .command = kDecline}),
    RegisterCommand({.order = 103,
                     .name = "salutation",
                     .summary = "replace every surname by \"Уважаемый\" or \"Уважаемая\" as the name says; a "
                                "line that is not a name, or whose sex cannot be told, stays",
                     .command = kSalutation}),
    RegisterCommand(
        {.order = 104,
         .name = "decline",
         .synopsis = "--case N",
         .summary = "decline every full name into case N: 1 nominative ... 6 prepositional",
         .options = {{.name = kCaseOption,
                      .valueName = "N",
                      .help = "the case number, 1 to 6",
                      .takes = "a case number from 1 to 6",
                      .accepts = [](const std::string& value,
                                    const Invocation&) { return ReadCaseNumber(value).has_value(); },
                      .required = true}},
         .command = kDecline}),
};

}  // namespace
}  // namespace skorlin::cli
