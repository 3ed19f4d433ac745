// format: the formatted view of the input, every line typographically normalized.
#include "cli/command.h"
#include "format/formatted_view.h"
#include "text/utf8.h"

namespace skorlin::cli {
namespace {

const bool kRegistered = RegisterCommand({
    .order = 20,
    .name = "format",
    .summary = "the formatted view: every line with its typography put in order",
    .run =
        [](const Invocation& invocation) {
          text::CommandResult result;
          text::AppendUtf8(result.text, format::FormattedView(text::DecodeUtf8(invocation.text)));
          return result;
        },
});

}  // namespace
}  // namespace skorlin::cli
