// The line commands: trim, delete-empty, collapse-spaces, dedupe, delete-repeated,
// delete-unique, sort, sort-mirror, sort-length, invert, shuffle, split-paragraphs. Each
// runs on the input as the input view holds it and prints the command's final caption.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "cli/arguments.h"
#include "cli/command.h"
#include "lines/duplicates.h"
#include "lines/ordering.h"
#include "lines/paragraphs.h"
#include "lines/random.h"
#include "lines/whitespace.h"

namespace skorlin::cli {
namespace {

const std::string kSeedOption = "--seed";

CommandResult FromLineResult(lines::LineCommandResult result) {
  CommandResult out;
  out.output = std::move(result.text);
  out.caption = std::move(result.caption);
  return out;
}

ByteCommandResult FromByteResult(lines::ByteLineResult result) {
  return {std::move(result.lines), std::nullopt, std::move(result.caption)};
}

template <lines::LineCommandResult (*Command)(text::TextView, const lines::Progress&)>
CommandResult RunWithProgress(const Invocation& invocation) {
  return FromLineResult(Command(invocation.text, {}));
}

template <lines::LineCommandResult (*Command)(text::TextView)>
CommandResult RunPlain(const Invocation& invocation) {
  return FromLineResult(Command(invocation.text));
}

// --seed N (0 to 4294967295) sets the generator's seed; without it the seed comes from
// the clock, as in the window.
lines::RandomGenerator SeededGenerator(const Invocation& invocation) {
  lines::RandomGenerator random;
  if (!invocation.HasOption(kSeedOption)) {
    random.RandomizeFromClock();
    return random;
  }
  const std::string value = invocation.Option(kSeedOption);
  std::uint64_t seed = 0;
  bool valid = !value.empty() && value.size() <= 10;
  for (const char c : value) {
    if (c < '0' || c > '9') valid = false;
    if (valid) seed = seed * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (!valid || seed > UINT32_MAX) {
    throw UsageError(kSeedOption + " wants a whole number from 0 to 4294967295, not \"" + value + "\"");
  }
  random.SetSeed(static_cast<std::uint32_t>(seed));
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

const OptionSpec kSeedSpec{kSeedOption, "N", "the generator's seed (default: from the clock)"};

const bool kRegistered[] = {
    RegisterCommand({50,
                     "trim",
                     "",
                     "remove the blanks at the start and end of every line",
                     {},
                     0,
                     RunWithProgress<lines::TrimLineBlanks>}),
    RegisterCommand(
        {51, "delete-empty", "", "delete the empty lines", {}, 0, RunWithProgress<lines::DeleteEmptyLines>}),
    RegisterCommand({52,
                     "collapse-spaces",
                     "",
                     "make every run of spaces a single space",
                     {},
                     0,
                     RunWithProgress<lines::DeleteDoubleSpaces>,
                     false,
                     [](std::string_view bytes, const Invocation&) {
                       lines::ByteTextResult result = lines::DeleteDoubleSpacesInBytes(bytes);
                       return ByteCommandResult{{}, std::move(result.bytes), std::move(result.caption)};
                     }}),
    RegisterCommand({60,
                     "dedupe",
                     "",
                     "delete the later copies of every line",
                     {},
                     0,
                     RunWithProgress<lines::DeleteDuplicateLines>}),
    RegisterCommand({61,
                     "delete-repeated",
                     "",
                     "delete every line that occurs more than once, with all its copies",
                     {},
                     0,
                     RunWithProgress<lines::DeleteAllDuplicateLines>}),
    RegisterCommand({62,
                     "delete-unique",
                     "",
                     "delete the lines that occur only once (empty lines stay)",
                     {},
                     0,
                     [](const Invocation& invocation) {
                       return FromLineResult(lines::DeleteUniqueLines(invocation.text, lines::View::kInput));
                     }}),
    RegisterCommand({70,
                     "sort",
                     "",
                     "sort the lines alphabetically, ignoring case (collation of --locale)",
                     {},
                     0,
                     [](const Invocation& invocation) {
                       const lines::LineCollator collator(invocation.locale);
                       return FromLineResult(lines::SortLines(invocation.text, collator));
                     }}),
    RegisterCommand({71,
                     "sort-mirror",
                     "",
                     "sort the lines by their endings (collation of --locale)",
                     {},
                     0,
                     [](const Invocation& invocation) {
                       const lines::LineCollator collator(invocation.locale);
                       return FromLineResult(lines::MirrorSortLines(invocation.text, collator));
                     }}),
    RegisterCommand({72,
                     "sort-length",
                     "",
                     "sort the lines by length, shorter first",
                     {},
                     0,
                     RunPlain<lines::SortLinesByLength>}),
    RegisterCommand(
        {73,
         "invert",
         "",
         "reverse the order of the lines",
         {},
         0,
         RunPlain<lines::InvertLines>,
         false,
         [](std::string_view bytes, const Invocation&) { return FromByteResult(lines::InvertLineBytes(bytes)); }}),
    RegisterCommand({74,
                     "shuffle",
                     "[--seed N] [--derived]",
                     "shuffle the lines",
                     {kSeedSpec, {"--derived", "", "shuffle as on the formatted and HTML views"}},
                     0,
                     [](const Invocation& invocation) {
                       lines::RandomGenerator random = SeededGenerator(invocation);
                       return FromLineResult(lines::ShuffleLines(invocation.text, random, ShuffledView(invocation)));
                     },
                     false,
                     [](std::string_view bytes, const Invocation& invocation) {
                       lines::RandomGenerator random = SeededGenerator(invocation);
                       return FromByteResult(lines::ShuffleLineBytes(bytes, random, ShuffledView(invocation)));
                     }}),
    RegisterCommand(
        {80,
         "split-paragraphs",
         "[--min TEXT] [--max TEXT] [--seed N]",
         "break lines longer than max into paragraphs at sentence marks",
         {{"--min", "TEXT", "the minimum paragraph length field (default \"250\")"},
          {"--max", "TEXT", "the maximum paragraph length field (default \"400\")"},
          kSeedSpec},
         0,
         [](const Invocation& invocation) {
           lines::RandomGenerator random = SeededGenerator(invocation);
           const lines::ParagraphLimits limits = lines::ReadParagraphLimits(
               FieldText(invocation.Option("--min", "250")), FieldText(invocation.Option("--max", "400")));
           return FromLineResult(lines::SplitParagraphs(invocation.text, limits.min, limits.max, random));
         }}),
};

}  // namespace
}  // namespace skorlin::cli
