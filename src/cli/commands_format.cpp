// format: the formatted view of the input, every line typographically normalized.
#include "cli/command.h"
#include "format/formatted_view.h"

namespace skorlin::cli {
namespace {

const bool kRegistered = RegisterCommand({
    20,
    "format",
    "",
    "the formatted view: every line with its typography put in order",
    {},
    0,
    [](const Invocation& invocation) {
      CommandResult result;
      result.output = format::FormattedView(invocation.text);
      return result;
    },
});

}  // namespace
}  // namespace skorlin::cli
