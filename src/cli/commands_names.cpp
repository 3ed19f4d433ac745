// SPDX-License-Identifier: GPL-3.0-or-later
// The name menu: initials, first-patronymic, dative, salutation, and decline --case N.
// The declension library is the one beside skorlin-cli (else the system's search).
#include <optional>
#include <string>

#include "cli/command.h"
#include "names/name_commands.h"

namespace skorlin::cli {
namespace {

const std::string kCaseOption = "--case";

text::CommandResult RunNames(const Invocation& invocation, names::NameCommand command, int caseNo) {
  return names::RunNameCommand(command, invocation.text, names::DeclensionLibrary::Default(), caseNo);
}

// --case N: a case number from 1 to 6, or nothing.
std::optional<int> ReadCaseNumber(const std::string& value) {
  if (value.size() != 1 || value[0] < '1' || value[0] > '6') return std::nullopt;
  return value[0] - '0';
}

int CaseNumber(const Invocation& invocation) {
  return ReadCaseNumber(invocation.Option(kCaseOption)).value();
}

const bool kRegistered[] = {
    RegisterCommand(
        {.order = 100,
         .name = "initials",
         .summary = "shorten every full name to the surname and initials; a line that is not a name "
                    "stays (recognised only with libfleks.so)",
         .run = [](const Invocation& i) { return RunNames(i, names::NameCommand::Initials, 3); }}),
    RegisterCommand(
        {.order = 101,
         .name = "first-patronymic",
         .summary = "keep the first name and patronymic of every full name; a line that is not a name "
                    "stays (recognised only with libfleks.so)",
         .run = [](const Invocation& i) { return RunNames(i, names::NameCommand::NameAndPatronymic, 3); }}),
    RegisterCommand({.order = 102,
                     .name = "dative",
                     .summary = "decline every full name into the dative case (кому); a line that is not "
                                "a name, or whose sex cannot be told, stays",
                     .run = [](const Invocation& i) { return RunNames(i, names::NameCommand::Decline, 3); }}),
    RegisterCommand(
        {.order = 103,
         .name = "salutation",
         .summary = "replace every surname by \"Уважаемый\" or \"Уважаемая\" as the name says; a line "
                    "that is not a name, or whose sex cannot be told, stays",
         .run = [](const Invocation& i) { return RunNames(i, names::NameCommand::Salutation, 3); }}),
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
         .run = [](const Invocation& i) { return RunNames(i, names::NameCommand::Decline, CaseNumber(i)); }}),
};

}  // namespace
}  // namespace skorlin::cli
