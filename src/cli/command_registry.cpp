// SPDX-License-Identifier: GPL-3.0-or-later
// The table of skorlin-cli's commands, filled by the commands_*.cpp files at start-up.
#include <algorithm>
#include <memory>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/table_inputs.h"

namespace skorlin::cli {
namespace {

std::vector<std::unique_ptr<CommandSpec>>& Table() {
  static std::vector<std::unique_ptr<CommandSpec>> table;
  return table;
}

}  // namespace

std::string Invocation::Option(const std::string& name, const std::string& fallback) const {
  const auto it = options.find(name);
  return it == options.end() ? fallback : it->second;
}

bool RegisterCommand(CommandSpec command) {
  if (command.command && !command.run) {
    command.run = [id = *command.command](const Invocation& invocation) {
      return RunTableCommand(id, invocation);
    };
  }
  Table().push_back(std::make_unique<CommandSpec>(std::move(command)));
  return true;
}

std::vector<const CommandSpec*> Commands() {
  std::vector<const CommandSpec*> commands;
  for (const auto& entry : Table()) commands.push_back(entry.get());
  std::stable_sort(commands.begin(), commands.end(),
                   [](const CommandSpec* a, const CommandSpec* b) { return a->order < b->order; });
  return commands;
}

const CommandSpec* FindCommand(const std::string& name) {
  for (const auto& entry : Table()) {
    if (entry->name == name) return entry.get();
  }
  return nullptr;
}

void CheckOptions(const CommandSpec& command, const Invocation& invocation) {
  for (const OptionSpec& option : command.options) {
    if (!invocation.HasOption(option.name)) {
      if (option.required) {
        throw UsageError("command '" + command.name + "' needs " + option.name + " " + option.valueName);
      }
      continue;
    }
    const std::string value = invocation.Option(option.name);
    if (option.accepts != nullptr && !option.accepts(value, invocation)) {
      throw UsageError("option '" + option.name + "' takes " + option.takes + ", not '" + value + "'");
    }
  }
}

}  // namespace skorlin::cli
