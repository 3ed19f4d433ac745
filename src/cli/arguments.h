// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of skorlin-cli, parsed: the command, its options and the global ones.
#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "text/encoding.h"

namespace skorlin::cli {

struct CommandSpec;

// A wrong command line: the message goes to standard error and the exit status is 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class Eol { Crlf, Lf };

struct Arguments {
  bool help = false;
  bool version = false;
  bool quiet = false;
  const CommandSpec* command = nullptr;
  std::map<std::string, std::string> commandOptions;
  std::vector<std::string> positional;           // the command's own arguments
  std::string file;                              // "" or "-": standard input
  std::optional<text::Encoding> inputEncoding;   // none: detect
  std::optional<text::Encoding> outputEncoding;  // none: as read
  std::optional<Eol> eol;                        // none: the input's first break
  std::optional<std::string> decimalSeparator;   // none: the user's locale
  std::string locale;                            // "": the user's locale
};

// Throws UsageError naming the problem.
Arguments ParseArguments(const std::vector<std::string>& args);

std::string HelpText();

}  // namespace skorlin::cli
