// SPDX-License-Identifier: GPL-3.0-or-later
// A command of the core's table run from the command line: what its row needs is taken
// from the command's options, or their defaults.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "cli/command.h"
#include "commands/command_table.h"
#include "text/command_result.h"
#include "text/text.h"

namespace skorlin::cli {

inline const std::string kSeedOption = "--seed";
inline const std::string kDerivedOption = "--derived";
inline const std::string kMinOption = "--min";
inline const std::string kMaxOption = "--max";
inline const std::string kClipboardOption = "--clipboard";
inline const std::string kCaseOption = "--case";

// --seed N: a whole number from 0 to 4294967295, or nothing.
std::optional<std::uint32_t> ReadSeed(const std::string& value);
// --case N: a case number from 1 to 6, or nothing.
std::optional<int> ReadCaseNumber(const std::string& value);
// A settings field's text from the command line. Only ASCII signs and digits make a
// number, so each byte is taken as one character and no encoding can get in the way.
text::Text FieldText(const std::string& bytes);

// Runs the table's command id on the invocation's text.
text::CommandResult RunTableCommand(commands::CommandId id, const Invocation& invocation);

}  // namespace skorlin::cli
