// SPDX-License-Identifier: GPL-3.0-or-later
// The line commands: trim, delete-empty, collapse-spaces, dedupe, delete-repeated,
// delete-unique, sort, sort-mirror, sort-length, invert, shuffle, split-paragraphs. Each
// runs on the input as the input view holds it and prints the command's final caption.
#include <string>

#include "cli/command.h"
#include "cli/table_inputs.h"
#include "lines/paragraphs.h"

namespace skorlin::cli {
namespace {

using enum commands::CommandId;

const OptionSpec kSeedSpec{
    .name = kSeedOption,
    .valueName = "N",
    .help = "the generator's seed (default: from the clock)",
    .takes = "a whole number from 0 to 4294967295",
    .accepts = [](const std::string& value, const Invocation&) { return ReadSeed(value).has_value(); }};

// A paragraph length field: a whole number, as the settings field reads it.
OptionSpec ParagraphLengthSpec(const std::string& name, const std::string& help) {
  return {.name = name,
          .valueName = "TEXT",
          .help = help,
          .takes = "a whole number",
          .accepts = [](const std::string& value, const Invocation&) {
            return lines::ReadParagraphLength(FieldText(value)).has_value();
          }};
}

const std::string kDefaultMin = std::to_string(lines::kDefaultParagraphMin);
const std::string kDefaultMax = std::to_string(lines::kDefaultParagraphMax);

const bool kRegistered[] = {
    RegisterCommand({.order = 50,
                     .name = "trim",
                     .summary = "remove the blanks at the start and end of every line",
                     .command = kTrim}),
    RegisterCommand(
        {.order = 51, .name = "delete-empty", .summary = "delete the empty lines", .command = kDeleteEmpty}),
    RegisterCommand({.order = 52,
                     .name = "collapse-spaces",
                     .summary = "make every run of spaces a single space",
                     .command = kCollapseSpaces}),
    RegisterCommand({.order = 60,
                     .name = "dedupe",
                     .summary = "delete the later copies of every line",
                     .command = kDedupe}),
    RegisterCommand({.order = 61,
                     .name = "delete-repeated",
                     .summary = "delete every line that occurs more than once, with all its copies",
                     .command = kDeleteRepeated}),
    RegisterCommand({.order = 62,
                     .name = "delete-unique",
                     .summary = "delete the lines that occur only once (empty lines stay)",
                     .command = kDeleteUnique}),
    RegisterCommand({.order = 70,
                     .name = "sort",
                     .summary = "sort the lines alphabetically, ignoring case (collation of --locale)",
                     .command = kSort}),
    RegisterCommand({.order = 71,
                     .name = "sort-mirror",
                     .summary = "sort the lines by their endings (collation of --locale)",
                     .command = kSortMirror}),
    RegisterCommand({.order = 72,
                     .name = "sort-length",
                     .summary = "sort the lines by length, shorter first",
                     .command = kSortLength}),
    RegisterCommand(
        {.order = 73, .name = "invert", .summary = "reverse the order of the lines", .command = kInvert}),
    RegisterCommand(
        {.order = 74,
         .name = "shuffle",
         .synopsis = "[--seed N] [--derived]",
         .summary = "shuffle the lines",
         .options = {kSeedSpec, {kDerivedOption, "", "shuffle as on the formatted and HTML views"}},
         .command = kShuffle}),
    RegisterCommand(
        {.order = 80,
         .name = "split-paragraphs",
         .synopsis = "[--min TEXT] [--max TEXT] [--seed N]",
         .summary = "break lines longer than max into paragraphs at sentence marks",
         .options = {ParagraphLengthSpec(
                         kMinOption, "the minimum paragraph length field (default \"" + kDefaultMin + "\")"),
                     ParagraphLengthSpec(
                         kMaxOption, "the maximum paragraph length field (default \"" + kDefaultMax + "\")"),
                     kSeedSpec},
         .command = kSplitParagraphs}),
};

}  // namespace
}  // namespace skorlin::cli
