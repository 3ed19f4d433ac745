// SPDX-License-Identifier: GPL-3.0-or-later
// format: the formatted view of the input, every line typographically normalized; with
// --diff, a unified diff of the input against it (written by main, which holds the bytes).
#include "cli/command.h"
#include "format/formatted_view.h"
#include "text/utf8.h"

namespace skorlin::cli {
namespace {

const bool kRegistered = RegisterCommand({
    .order = 20,
    .name = "format",
    .synopsis = "[--diff]",
    .summary = "the formatted view: every line with its typography put in order",
    .options =
        {{"--diff", "",
          "a unified diff of the input against it, for patch (exit 0 no change, 1 changes, 2 trouble)"}},
    .run =
        [](const Invocation& invocation) {
          text::CommandResult result;
          result.text = format::FormattedViewFromUtf8(invocation.text);
          return result;
        },
});

}  // namespace
}  // namespace skorlin::cli
