// SPDX-License-Identifier: GPL-3.0-or-later
// convert: the text as it came in, only re-encoded (and with --eol, its line breaks changed).
#include <string>

#include "cli/command.h"

namespace skorlin::cli {
namespace {

const bool kRegistered = RegisterCommand({
    .order = 10,
    .name = "convert",
    .summary = "nothing but re-encoding and line breaks",
    .run =
        [](const Invocation& invocation) {
          text::CommandResult result;
          result.text = std::string(invocation.text);
          return result;
        },
    .readsPastNul = true,
    .output = Output::kTextWithBreaks,
});

}  // namespace
}  // namespace skorlin::cli
