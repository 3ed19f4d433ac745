// format: the formatted view of the input, every line typographically normalized; with
// --diff, a unified diff of the input against it (written by main, which holds the bytes).
#include "cli/command.h"
#include "format/formatted_view.h"

namespace skorlin::cli {
namespace {

const bool kRegistered = RegisterCommand({
    20,
    "format",
    "[--diff]",
    "the formatted view: every line with its typography put in order",
    {{"--diff", "",
      "a unified diff of the input against it, for patch (exit 0 no change, 1 changes, 2 trouble)"}},
    0,
    [](const Invocation& invocation) {
      CommandResult result;
      result.output = format::FormattedView(invocation.text);
      return result;
    },
});

}  // namespace
}  // namespace skorlin::cli
