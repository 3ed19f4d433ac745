// convert: the text as it came in, only re-encoded (and with --eol, its line breaks changed).
#include "cli/command.h"

namespace skorlin::cli {
namespace {

const bool kRegistered = RegisterCommand({
    10,
    "convert",
    "",
    "nothing but re-encoding and line breaks",
    {},
    0,
    [](const Invocation& invocation) {
      CommandResult result;
      result.output = invocation.text;
      result.keepsInputBreaks = true;
      return result;
    },
    true,
});

}  // namespace
}  // namespace skorlin::cli
