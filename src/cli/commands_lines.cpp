// SPDX-License-Identifier: GPL-3.0-or-later
// The line commands: trim, delete-empty, collapse-spaces, dedupe, delete-repeated,
// delete-unique, sort, sort-mirror, sort-length, invert, shuffle, split-paragraphs. Each
// runs on the input as the input view holds it and prints the command's final caption.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cli/command.h"
#include "lines/duplicates.h"
#include "lines/ordering.h"
#include "lines/paragraphs.h"
#include "lines/random.h"
#include "lines/whitespace.h"

namespace skorlin::cli {
namespace {

const std::string kSeedOption = "--seed";

template <text::CommandResult (*Command)(std::string_view, const text::Progress&)>
text::CommandResult RunWithProgress(const Invocation& invocation) {
  return Command(invocation.text, {});
}

template <text::CommandResult (*Command)(std::string_view)>
text::CommandResult RunPlain(const Invocation& invocation) {
  return Command(invocation.text);
}

// --seed N: a whole number from 0 to 4294967295, or nothing.
std::optional<std::uint32_t> ReadSeed(const std::string& value) {
  if (value.empty() || value.size() > 10) return std::nullopt;
  std::uint64_t seed = 0;
  for (const char c : value) {
    if (c < '0' || c > '9') return std::nullopt;
    seed = seed * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (seed > UINT32_MAX) return std::nullopt;
  return static_cast<std::uint32_t>(seed);
}

// --seed sets the generator's seed; without it the seed comes from the clock, as in the
// window.
lines::RandomGenerator SeededGenerator(const Invocation& invocation) {
  lines::RandomGenerator random;
  if (invocation.HasOption(kSeedOption)) {
    random.SetSeed(ReadSeed(invocation.Option(kSeedOption)).value());
  } else {
    random.RandomizeFromClock();
  }
  return random;
}

// A settings field's text from the command line. Only ASCII signs and digits make a
// number, so each byte is taken as one character and no encoding can get in the way.
text::Text FieldText(const std::string& bytes) {
  text::Text field;
  for (const char c : bytes) field += static_cast<text::Char>(static_cast<unsigned char>(c));
  return field;
}

// --derived shuffles as the formatted and HTML views do.
lines::View ShuffledView(const Invocation& invocation) {
  return invocation.HasOption("--derived") ? lines::View::kFormatted : lines::View::kInput;
}

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
                     .run = RunWithProgress<lines::TrimLineBlanks>}),
    RegisterCommand({.order = 51,
                     .name = "delete-empty",
                     .summary = "delete the empty lines",
                     .run = RunWithProgress<lines::DeleteEmptyLines>}),
    RegisterCommand({.order = 52,
                     .name = "collapse-spaces",
                     .summary = "make every run of spaces a single space",
                     .run = RunWithProgress<lines::DeleteDoubleSpaces>}),
    RegisterCommand({.order = 60,
                     .name = "dedupe",
                     .summary = "delete the later copies of every line",
                     .run = RunWithProgress<lines::DeleteDuplicateLines>}),
    RegisterCommand({.order = 61,
                     .name = "delete-repeated",
                     .summary = "delete every line that occurs more than once, with all its copies",
                     .run = RunWithProgress<lines::DeleteAllDuplicateLines>}),
    RegisterCommand({.order = 62,
                     .name = "delete-unique",
                     .summary = "delete the lines that occur only once (empty lines stay)",
                     .run =
                         [](const Invocation& invocation) {
                           return lines::DeleteUniqueLines(invocation.text, lines::View::kInput);
                         }}),
    RegisterCommand({.order = 70,
                     .name = "sort",
                     .summary = "sort the lines alphabetically, ignoring case (collation of --locale)",
                     .run =
                         [](const Invocation& invocation) {
                           const lines::LineCollator collator(invocation.locale);
                           return lines::SortLines(invocation.text, collator);
                         }}),
    RegisterCommand({.order = 71,
                     .name = "sort-mirror",
                     .summary = "sort the lines by their endings (collation of --locale)",
                     .run =
                         [](const Invocation& invocation) {
                           const lines::LineCollator collator(invocation.locale);
                           return lines::MirrorSortLines(invocation.text, collator);
                         }}),
    RegisterCommand({.order = 72,
                     .name = "sort-length",
                     .summary = "sort the lines by length, shorter first",
                     .run = RunPlain<lines::SortLinesByLength>}),
    RegisterCommand({.order = 73,
                     .name = "invert",
                     .summary = "reverse the order of the lines",
                     .run = RunPlain<lines::InvertLines>}),
    RegisterCommand({.order = 74,
                     .name = "shuffle",
                     .synopsis = "[--seed N] [--derived]",
                     .summary = "shuffle the lines",
                     .options = {kSeedSpec, {"--derived", "", "shuffle as on the formatted and HTML views"}},
                     .run =
                         [](const Invocation& invocation) {
                           lines::RandomGenerator random = SeededGenerator(invocation);
                           return lines::ShuffleLines(invocation.text, random, ShuffledView(invocation));
                         }}),
    RegisterCommand(
        {.order = 80,
         .name = "split-paragraphs",
         .synopsis = "[--min TEXT] [--max TEXT] [--seed N]",
         .summary = "break lines longer than max into paragraphs at sentence marks",
         .options = {ParagraphLengthSpec(
                         "--min", "the minimum paragraph length field (default \"" + kDefaultMin + "\")"),
                     ParagraphLengthSpec(
                         "--max", "the maximum paragraph length field (default \"" + kDefaultMax + "\")"),
                     kSeedSpec},
         .run =
             [](const Invocation& invocation) {
               lines::RandomGenerator random = SeededGenerator(invocation);
               const lines::ParagraphLimits limits =
                   lines::ReadParagraphLimits(FieldText(invocation.Option("--min", kDefaultMin)),
                                              FieldText(invocation.Option("--max", kDefaultMax)));
               return lines::SplitParagraphs(invocation.text, limits.min, limits.max, random);
             }}),
};

}  // namespace
}  // namespace skorlin::cli
