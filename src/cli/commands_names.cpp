// The name menu: initials, first-patronymic, dative, salutation, and decline --case N.
// The declension library is the one beside skorlin-cli (else the system's search).
#include <string>

#include "cli/arguments.h"
#include "cli/command.h"
#include "names/name_commands.h"

namespace skorlin::cli {
namespace {

const std::string kCaseOption = "--case";

text::CommandResult RunNames(const Invocation& invocation, names::NameCommand command, int caseNo) {
  return names::RunNameCommand(command, invocation.text, names::DeclensionLibrary::Default(), caseNo);
}

// --case N: a whole number; the library itself rejects one outside 1..6.
int CaseNumber(const Invocation& invocation) {
  const std::string value = invocation.Option(kCaseOption);
  bool valid = !value.empty() && value.size() <= 9;
  std::size_t start = !value.empty() && value[0] == '-' ? 1 : 0;
  if (start == value.size()) valid = false;
  int n = 0;
  for (std::size_t i = start; valid && i < value.size(); ++i) {
    if (value[i] < '0' || value[i] > '9')
      valid = false;
    else
      n = n * 10 + (value[i] - '0');
  }
  if (!invocation.HasOption(kCaseOption) || !valid)
    throw UsageError("decline wants " + kCaseOption +
                     " N, a case number from 1 to 6 (1 nominative, "
                     "2 genitive, 3 dative, 4 accusative, 5 instrumental, 6 prepositional)");
  return start == 1 ? -n : n;
}

const bool kRegistered[] = {
    RegisterCommand(
        {.order = 100,
         .name = "initials",
         .summary = "shorten every full name to the surname and initials",
         .run = [](const Invocation& i) { return RunNames(i, names::NameCommand::Initials, 3); }}),
    RegisterCommand(
        {.order = 101,
         .name = "first-patronymic",
         .summary = "keep the first name and patronymic of every full name",
         .run = [](const Invocation& i) { return RunNames(i, names::NameCommand::NameAndPatronymic, 3); }}),
    RegisterCommand({.order = 102,
                     .name = "dative",
                     .summary = "decline every full name into the dative case (кому)",
                     .run = [](const Invocation& i) { return RunNames(i, names::NameCommand::Decline, 3); }}),
    RegisterCommand(
        {.order = 103,
         .name = "salutation",
         .summary = "replace every surname by \"Уважаемый\" or \"Уважаемая\" as the patronymic says",
         .run = [](const Invocation& i) { return RunNames(i, names::NameCommand::Salutation, 3); }}),
    RegisterCommand(
        {.order = 104,
         .name = "decline",
         .synopsis = "--case N",
         .summary = "decline every full name into case N: 1 nominative ... 6 prepositional",
         .options = {{kCaseOption, "N", "the case number, 1 to 6"}},
         .run = [](const Invocation& i) { return RunNames(i, names::NameCommand::Decline, CaseNumber(i)); }}),
};

}  // namespace
}  // namespace skorlin::cli
