// SPDX-License-Identifier: GPL-3.0-or-later
// format and typeset: the formatted view of the input, every line typographically
// normalized, or that view typeset in real characters; with --diff, a unified diff of the
// input against it (written by main, which holds the bytes).
#include "cli/command.h"
#include "format/formatted_view.h"
#include "text/utf8.h"
#include "typeset/typeset.h"

namespace skorlin::cli {
namespace {

// The one --diff of both commands: main writes the diff for whichever command has it.
const OptionSpec kDiffOption{
    "--diff", "",
    "a unified diff of the input against it, for patch (exit 0 no change, 1 changes, 2 trouble)"};

const bool kFormatRegistered = RegisterCommand({
    .order = 20,
    .name = "format",
    .synopsis = "[--diff]",
    .summary = "the formatted view: every line with its typography put in order",
    .options = {kDiffOption},
    .run =
        [](const Invocation& invocation) {
          text::CommandResult result;
          result.text = format::FormattedViewFromUtf8(invocation.text);
          return result;
        },
});

const bool kTypesetRegistered = RegisterCommand({
    .order = 21,
    .name = "typeset",
    .synopsis = "[--diff]",
    .summary = "the formatted view typeset in real characters: «ёлочки», dashes, no-break spaces",
    .options = {kDiffOption},
    .run =
        [](const Invocation& invocation) {
          text::CommandResult result;
          result.text = typeset::TypesetFromUtf8(invocation.text);
          return result;
        },
});

}  // namespace
}  // namespace skorlin::cli
