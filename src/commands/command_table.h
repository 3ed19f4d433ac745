// SPDX-License-Identifier: GPL-3.0-or-later
// The one table of the commands both front ends run on a text: the line, URL and name
// commands. A row names the command, the core function it runs and what that function
// needs beside the text; the window's menus and skorlin-cli's registry are built from it
// and add only what is their own (a menu item's name and caption, a command-line name and
// its options).
#pragma once

#include <span>
#include <string_view>

#include "lines/collation.h"
#include "lines/line_command.h"
#include "lines/random.h"
#include "names/declension_library.h"
#include "text/command_result.h"
#include "text/line_writer.h"
#include "text/text.h"

namespace skorlin::commands {

enum class CommandId {
  kTrim,
  kDeleteEmpty,
  kCollapseSpaces,
  kDedupe,
  kDeleteRepeated,
  kDeleteUnique,
  kSort,
  kSortMirror,
  kSortLength,
  kInvert,
  kShuffle,
  kSplitParagraphs,
  kInsertUrls,
  kInsertAnchors,
  kKeepUrls,
  kKeepDomain,
  kKeepFolder,
  kKeepFileName,
  kAddHttp,
  kRemoveHttp,
  kInitials,
  kFirstPatronymic,
  kDecline,
  kSalutation,
};

// What a command needs beside its text, one bit each: a front end supplies what the row
// of a command names.
enum Need : unsigned {
  kViewKind = 1U << 0,         // which view the text is (the input, formatted or HTML view)
  kCollation = 1U << 1,        // the collation of the alphabetical sorts
  kRandom = 1U << 2,           // a random generator, seeded as the front end chooses
  kClipboard = 1U << 3,        // the clipboard's text
  kDeclension = 1U << 4,       // the declension library
  kParagraphFields = 1U << 5,  // the settings' two paragraph length fields, as text
  kCaseNumber = 1U << 6,       // the grammatical case, 1 to 6
};

// A command's text and what its row needs; what it does not need stays unset.
struct CommandInput {
  std::string_view text;  // the view's whole text, UTF-8
  lines::View view = lines::View::kInput;
  const lines::LineCollator* collator = nullptr;
  lines::RandomGenerator* random = nullptr;
  std::string_view clipboard;  // UTF-8
  names::DeclensionLibrary* declension = nullptr;
  text::Text paragraphMin;  // the settings fields' text ("250" when new)
  text::Text paragraphMax;
  int caseNumber = 3;       // dative, as the window's menu declines
  text::Progress progress;  // the progress captions, for the commands that show them
  // Where a command that rewrites its lines one by one writes them as it goes; without
  // one it gives the view's whole text.
  text::LineWriter* output = nullptr;
};

struct CoreCommand {
  CommandId id;
  unsigned needs;  // Need bits
  text::CommandResult (*run)(const CommandInput& input);
};

// Every command, in the order of the id.
std::span<const CoreCommand> CoreCommands();
const CoreCommand& CoreCommandOf(CommandId id);

// Runs a command. Throws std::invalid_argument when the input lacks an object its row
// needs (a front end's mistake, never the text's).
text::CommandResult RunCoreCommand(CommandId id, const CommandInput& input);

}  // namespace skorlin::commands
