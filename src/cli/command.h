// SPDX-License-Identifier: GPL-3.0-or-later
// A command of skorlin-cli: its name, options, help line and the core call it makes.
// Each subsystem registers its commands from its own file in src/cli (commands_*.cpp),
// with designated initializers, so each field is named where it is set.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands/command_table.h"
#include "text/command_result.h"
#include "text/encoding.h"
#include "text/line_writer.h"

namespace skorlin::cli {

struct Invocation;

// An option of a command. One that takes a value says which values it takes: any other
// value is a usage error, found before the input is read.
struct OptionSpec {
  std::string name{};       // "--rate"
  std::string valueName{};  // "TEXT"; empty for a flag
  std::string help{};       // one line
  std::string takes{};      // the values it takes, for the message ("a case number from 1 to 6")
  bool (*accepts)(const std::string& value, const Invocation& invocation) = nullptr;
  bool required = false;  // the command cannot run without it
};

// What a command receives: the input text as a view holds it, its own options and the
// global settings.
struct Invocation {
  std::string_view text;                         // the input as UTF-8, whole (past a NUL too)
  std::map<std::string, std::string> options;    // the command's options given ("" for a flag)
  std::vector<std::string> arguments;            // positional arguments before FILE (e.g. INDEX)
  std::string decimalSeparator;                  // "," or "." (UTF-8)
  std::string locale;                            // collation locale name, "" for the user's
  std::optional<text::Encoding> outputEncoding;  // --output-encoding, when given
  // Where a command that rewrites its lines one by one writes them (standard output), or
  // null when it is to give its whole text.
  text::LineWriter* output = nullptr;
  bool HasOption(const std::string& name) const { return options.count(name) != 0; }
  std::string Option(const std::string& name, const std::string& fallback = "") const;
};

// Thrown by a command when it cannot be done: the message goes to standard error and the
// program exits with status 1.
struct CommandFailure {
  std::string message;
};

// A command that reads its input in pieces (UTF-8, cut anywhere), so that an input of any
// size takes the same memory.
class PieceConsumer {
 public:
  virtual ~PieceConsumer() = default;
  virtual void Add(std::string_view utf8) = 0;
  virtual text::CommandResult Finish() = 0;
};

// What skorlin-cli writes of a command's result text.
enum class Output {
  kText,            // the text, its CR LF breaks becoming --eol
  kTextWithBreaks,  // the text with the input's own breaks: changed only by --eol, and then
                    // every break of any kind becomes the one asked for (convert)
  kNothing,         // nothing on standard output (save-html)
};

struct CommandSpec {
  int order = 0;           // position in --help
  std::string name{};      // "dedupe"
  std::string synopsis{};  // "[--seed N] [--derived]" (options and arguments, not FILE)
  std::string summary{};   // what it does, in one line
  std::vector<OptionSpec> options{};
  int positionalArguments = 0;  // how many arguments come before FILE
  // The command of the core's table it runs on the whole input (its run is then made from
  // the table's row).
  std::optional<commands::CommandId> command{};
  // Or its own command on the whole input.
  std::function<text::CommandResult(const Invocation&)> run = nullptr;
  // Or, for a command that reads its input in pieces, the consumer it reads them with.
  std::function<std::unique_ptr<PieceConsumer>(const Invocation&)> consume = nullptr;
  // The command reads the whole text, past a NUL; the others see the text as a view
  // holds it, which ends at the first NUL, and the CLI warns when it cut something off.
  bool readsPastNul = false;
  Output output = Output::kText;
};

// Adds a command to the table; returns true so it can initialise a static.
bool RegisterCommand(CommandSpec command);
// All commands in --help order.
std::vector<const CommandSpec*> Commands();
const CommandSpec* FindCommand(const std::string& name);

// Throws UsageError, naming the option and the value, for an option value the command
// does not take or a required option that is missing.
void CheckOptions(const CommandSpec& command, const Invocation& invocation);

}  // namespace skorlin::cli
