// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the command table: each binds a command to its core function, the one place
// the front ends' commands reach the core.
#include "commands/command_table.h"

#include <stdexcept>
#include <string>

#include "lines/duplicates.h"
#include "lines/ordering.h"
#include "lines/paragraphs.h"
#include "lines/whitespace.h"
#include "names/name_commands.h"
#include "urls/cut_urls.h"
#include "urls/http_prefix.h"
#include "urls/insert_links.h"
#include "urls/keep_urls.h"

namespace skorlin::commands {
namespace {

using text::CommandResult;

// A command of the text alone that shows progress captions.
template <CommandResult (*Command)(std::string_view, const text::Progress&)>
CommandResult WithProgress(const CommandInput& in) {
  return Command(in.text, in.progress);
}

// A command of the text alone.
template <CommandResult (*Command)(std::string_view)>
CommandResult Plain(const CommandInput& in) {
  return Command(in.text);
}

// The writer a command that rewrites its lines writes to: the input's, or own, which keeps
// the lines whole.
text::LineWriter& WriterOf(const CommandInput& in, text::LineWriter& own) {
  return in.output != nullptr ? *in.output : own;
}

// A command of the text alone that writes its lines as it goes and shows progress captions.
template <CommandResult (*Command)(std::string_view, const text::Progress&, text::LineWriter&)>
CommandResult WritingWithProgress(const CommandInput& in) {
  text::LineWriter own;
  return Command(in.text, in.progress, WriterOf(in, own));
}

// A command of the text alone that writes its lines as it goes.
template <CommandResult (*Command)(std::string_view, text::LineWriter&)>
CommandResult Writing(const CommandInput& in) {
  text::LineWriter own;
  return Command(in.text, WriterOf(in, own));
}

template <names::NameCommand Command>
CommandResult Names(const CommandInput& in) {
  return names::RunNameCommand(Command, in.text, *in.declension, in.caseNumber);
}

CommandResult DeleteUnique(const CommandInput& in) {
  // The HTML view takes part with one more, empty, line at its end.
  return lines::DeleteUniqueLines(in.text, in.view, in.progress);
}

CommandResult Sort(const CommandInput& in) { return lines::SortLines(in.text, *in.collator); }

CommandResult SortMirror(const CommandInput& in) {
  return lines::MirrorSortLines(in.text, *in.collator, in.progress);
}

CommandResult Shuffle(const CommandInput& in) {
  return lines::ShuffleLines(in.text, *in.random, in.view, in.progress);
}

CommandResult SplitParagraphs(const CommandInput& in) {
  // A field that is not a number falls back to its default length.
  const lines::ParagraphLimits limits = lines::ReadParagraphLimits(in.paragraphMin, in.paragraphMax);
  return lines::SplitParagraphs(in.text, limits.min, limits.max, *in.random);
}

CommandResult InsertUrls(const CommandInput& in) {
  text::LineWriter own;
  return urls::InsertUrls(in.text, in.clipboard, WriterOf(in, own));
}

CommandResult InsertAnchors(const CommandInput& in) {
  text::LineWriter own;
  return urls::InsertAnchors(in.text, in.clipboard, WriterOf(in, own));
}

using enum CommandId;

constexpr CoreCommand kCommands[] = {
    {kTrim, 0, WritingWithProgress<lines::TrimLineBlanks>},
    {kDeleteEmpty, 0, WithProgress<lines::DeleteEmptyLines>},
    {kCollapseSpaces, 0, WritingWithProgress<lines::DeleteDoubleSpaces>},
    {kDedupe, 0, WithProgress<lines::DeleteDuplicateLines>},
    {kDeleteRepeated, 0, WithProgress<lines::DeleteAllDuplicateLines>},
    {kDeleteUnique, kViewKind, DeleteUnique},
    {kSort, kCollation, Sort},
    {kSortMirror, kCollation, SortMirror},
    {kSortLength, 0, Plain<lines::SortLinesByLength>},
    {kInvert, 0, Plain<lines::InvertLines>},
    {kShuffle, kViewKind | kRandom, Shuffle},
    {kSplitParagraphs, kRandom | kParagraphFields, SplitParagraphs},
    {kInsertUrls, kClipboard, InsertUrls},
    {kInsertAnchors, kClipboard, InsertAnchors},
    {kKeepUrls, 0, Plain<urls::KeepUrls>},
    {kKeepDomain, 0, Writing<urls::KeepDomain>},
    {kKeepFolder, 0, Writing<urls::KeepDomainWithFolder>},
    {kKeepFileName, 0, Writing<urls::KeepFileName>},
    {kAddHttp, 0, Writing<urls::AddHttp>},
    {kRemoveHttp, 0, Writing<urls::RemoveHttp>},
    {kInitials, kDeclension, Names<names::NameCommand::Initials>},
    {kFirstPatronymic, kDeclension, Names<names::NameCommand::NameAndPatronymic>},
    {kDecline, kDeclension | kCaseNumber, Names<names::NameCommand::Decline>},
    {kSalutation, kDeclension, Names<names::NameCommand::Salutation>},
};

// The first object the row needs that the input lacks, or nullptr.
const char* MissingNeed(unsigned needs, const CommandInput& in) {
  if ((needs & kCollation) != 0 && in.collator == nullptr) return "collation";
  if ((needs & kRandom) != 0 && in.random == nullptr) return "random generator";
  if ((needs & kDeclension) != 0 && in.declension == nullptr) return "declension library";
  return nullptr;
}

}  // namespace

std::span<const CoreCommand> CoreCommands() { return kCommands; }

const CoreCommand& CoreCommandOf(CommandId id) {
  for (const CoreCommand& command : kCommands) {
    if (command.id == id) return command;
  }
  throw std::invalid_argument("no such command: " + std::to_string(static_cast<int>(id)));
}

text::CommandResult RunCoreCommand(CommandId id, const CommandInput& input) {
  const CoreCommand& command = CoreCommandOf(id);
  if (const char* missing = MissingNeed(command.needs, input)) {
    throw std::invalid_argument(std::string("the command needs the ") + missing);
  }
  return command.run(input);
}

}  // namespace skorlin::commands
