// A command of skorlin-cli: its name, options, help line and the core call it makes.
// Each subsystem registers its commands from its own file in src/cli (commands_*.cpp).
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/encoding.h"
#include "text/text.h"

namespace skorlin::cli {

struct OptionSpec {
  std::string name;       // "--rate"
  std::string valueName;  // "TEXT"; empty for a flag
  std::string help;       // one line
};

// What a command receives: the input text as a view holds it, its own options and the
// global settings.
struct Invocation {
  text::Text text;                               // the decoded input
  std::map<std::string, std::string> options;    // the command's options given ("" for a flag)
  std::vector<std::string> arguments;            // positional arguments before FILE (e.g. INDEX)
  std::string decimalSeparator;                  // "," or "." (UTF-8)
  std::string locale;                            // collation locale name, "" for the user's
  std::optional<text::Encoding> outputEncoding;  // --output-encoding, when given
  bool HasOption(const std::string& name) const { return options.count(name) != 0; }
  std::string Option(const std::string& name, const std::string& fallback = "") const;
};

// Thrown by a command when it cannot be done: the message goes to standard error and the
// program exits with status 1.
struct CommandFailure {
  std::string message;
};

struct CommandResult {
  std::optional<text::Text> output;  // written to standard output; CR LF breaks become --eol
  std::string caption;               // the final caption, UTF-8, on standard error unless -q
  int exitCode = 0;                  // 1 when the command reports that it could not be done
  // The output keeps the input's own line breaks (convert): they change only when --eol
  // is given, and then every break of any kind becomes the one asked for.
  bool keepsInputBreaks = false;
};

// What a command that runs on the input's bytes gives back: the output's lines as views
// into the input's bytes, or new bytes with CR LF after every line.
struct ByteCommandResult {
  std::vector<std::string_view> lines;
  std::optional<std::string> text;  // when set, the output instead of lines
  std::string caption;              // as CommandResult::caption
};

struct CommandSpec {
  int order;             // position in --help
  std::string name;      // "dedupe"
  std::string synopsis;  // "[--seed N] [--derived]" (options and arguments, not FILE)
  std::string summary;   // what it does, in one line
  std::vector<OptionSpec> options;
  int positionalArguments = 0;  // how many arguments come before FILE
  std::function<CommandResult(const Invocation&)> run;
  // The command reads the whole text, past a NUL; the others see the text as a view
  // holds it, which ends at the first NUL, and the CLI warns when it cut something off.
  bool readsPastNul = false;
  // For a command whose rules see only line breaks: the same command on the input's
  // bytes, used when the input is UTF-8 or Windows-1251 without a byte order mark and no
  // encoding is asked for, so a large input is never decoded. Its lines, each followed by
  // a line break, must be exactly what run gives, encoded in the input's encoding.
  std::function<ByteCommandResult(std::string_view bytes, const Invocation&)> runOnBytes = nullptr;
};

// Adds a command to the table; returns true so it can initialise a static.
bool RegisterCommand(CommandSpec command);
// All commands in --help order.
std::vector<const CommandSpec*> Commands();
const CommandSpec* FindCommand(const std::string& name);

}  // namespace skorlin::cli
