// SPDX-License-Identifier: GPL-3.0-or-later
// Parsing skorlin-cli's command line: COMMAND [OPTIONS] [ARGUMENTS] [FILE], with the global
// options accepted before or after the command.
#include "cli/arguments.h"

#include <regex>
#include <sstream>
#include <string_view>

#include "cli/command.h"
#include "text/utf8.h"

namespace skorlin::cli {
namespace {

// The encoding a name stands for, or nothing.
std::optional<text::Encoding> EncodingNamed(const std::string& value) {
  for (text::Encoding e : {text::Encoding::Utf8, text::Encoding::Utf8Bom, text::Encoding::Utf16LE,
                           text::Encoding::Utf16BE, text::Encoding::Cp1251}) {
    if (value == text::EncodingName(e)) return e;
  }
  if (value == "utf8" || value == "UTF-8") return text::Encoding::Utf8;
  if (value == "windows-1251" || value == "1251") return text::Encoding::Cp1251;
  return std::nullopt;
}

// A locale name as the environment spells one: a language, further parts after "_" or "-"
// ("ru_RU", "sr-Latn-RS"), then a character set or a modifier ("ru_RU.UTF-8"); or "C".
// The empty name stands for the user's locale.
bool IsLocaleName(const std::string& value) {
  static const std::regex kLocaleName("[A-Za-z]{1,8}([_-][A-Za-z0-9]{1,8})*([.@][A-Za-z0-9_.@=-]*)?");
  return value.empty() || std::regex_match(value, kLocaleName);
}

// A global option: how --help shows it, and what it does to the arguments (value is ""
// for a flag). apply returns false for a value the option does not take.
struct GlobalOption {
  const char* spellings;  // "-q, --quiet": the names it is given by, as --help lists them
  const char* valueName;  // "" for a flag
  const char* takes;      // the values it takes, for the message ("crlf or lf")
  const char* help;
  bool (*apply)(Arguments& arguments, const std::string& value);
};

constexpr GlobalOption kGlobalOptions[] = {
    {.spellings = "--encoding",
     .valueName = "auto|utf-8|cp1251",
     .takes = "auto, utf-8, utf-8-bom, utf-16le, utf-16be or cp1251",
     .help = "how to read the input (default auto: BOM, then UTF-8, else cp1251)",
     .apply =
         [](Arguments& a, const std::string& value) {
           a.inputEncoding = EncodingNamed(value);
           return a.inputEncoding.has_value() || value == "auto";
         }},
    {.spellings = "--output-encoding",
     .valueName = "utf-8|cp1251",
     .takes = "utf-8, utf-8-bom, utf-16le, utf-16be or cp1251",
     .help = "the encoding written (default: the one the input was read in)",
     .apply =
         [](Arguments& a, const std::string& value) {
           a.outputEncoding = EncodingNamed(value);
           return a.outputEncoding.has_value();
         }},
    {.spellings = "--eol",
     .valueName = "crlf|lf",
     .takes = "crlf or lf",
     .help = "line breaks written (default: the input's first break; LF when it has none)",
     .apply =
         [](Arguments& a, const std::string& value) {
           a.eol = value == "crlf" ? Eol::Crlf : Eol::Lf;
           return value == "crlf" || value == "lf";
         }},
    {.spellings = "--decimal-separator",
     .valueName = "C",
     .takes = "one character",
     .help = "for prices and kilo figures (default: the user's locale)",
     .apply =
         [](Arguments& a, const std::string& value) {
           a.decimalSeparator = value;
           return text::IsValidUtf8(value) && text::CountUtf8Chars(value) == 1;
         }},
    {.spellings = "--locale",
     .valueName = "NAME",
     .takes = "a locale name such as ru_RU",
     .help = "collation of the alphabetical sorts (default: the user's locale)",
     .apply =
         [](Arguments& a, const std::string& value) {
           a.locale = value;
           return IsLocaleName(value);
         }},
    {.spellings = "-q, --quiet",
     .valueName = "",
     .takes = "",
     .help = "no caption on standard error",
     .apply =
         [](Arguments& a, const std::string&) {
           a.quiet = true;
           return true;
         }},
    {.spellings = "-h, --help",
     .valueName = "",
     .takes = "",
     .help = "this help",
     .apply =
         [](Arguments& a, const std::string&) {
           a.help = true;
           return true;
         }},
    {.spellings = "--version",
     .valueName = "",
     .takes = "",
     .help = "the program's version and licence",
     .apply =
         [](Arguments& a, const std::string&) {
           a.version = true;
           return true;
         }},
};

// The global option a name stands for, or nullptr.
const GlobalOption* FindGlobalOption(std::string_view name) {
  for (const GlobalOption& option : kGlobalOptions) {
    std::string_view spellings = option.spellings;
    while (!spellings.empty()) {
      const std::size_t comma = spellings.find(", ");
      if (spellings.substr(0, comma) == name) return &option;
      spellings = comma == std::string_view::npos ? std::string_view() : spellings.substr(comma + 2);
    }
  }
  return nullptr;
}

const OptionSpec* FindCommandOption(const CommandSpec& command, const std::string& name) {
  for (const OptionSpec& option : command.options) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

class Parser {
 public:
  explicit Parser(const std::vector<std::string>& args) : args_(args) {}

  Arguments Parse() {
    std::vector<std::string> operands;
    bool optionsEnded = false;
    for (index_ = 0; index_ < args_.size(); ++index_) {
      const std::string& arg = args_[index_];
      if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
        if (result_.command == nullptr && !result_.help) {
          result_.command = FindCommand(arg);
          if (result_.command == nullptr) throw UsageError("unknown command '" + arg + "'");
        } else {
          operands.push_back(arg);
        }
      } else if (arg == "--") {
        optionsEnded = true;
      } else {
        Option(arg);
      }
    }
    if (result_.help || result_.version) return result_;
    if (result_.command == nullptr) throw UsageError("no command given");
    PlaceOperands(operands);
    return result_;
  }

 private:
  void Option(const std::string& arg) {
    std::string name = arg;
    std::optional<std::string> inlineValue;
    if (const auto eq = arg.find('='); eq != std::string::npos && arg.rfind("--", 0) == 0) {
      name = arg.substr(0, eq);
      inlineValue = arg.substr(eq + 1);
    }
    if (const GlobalOption* option = FindGlobalOption(name)) {
      // A flag given a value ("--quiet=x") is the flag.
      const std::string value = *option->valueName == '\0' ? std::string() : Value(name, inlineValue);
      if (!option->apply(result_, value)) {
        throw UsageError("option '" + name + "' takes " + option->takes + ", not '" + value + "'");
      }
    } else {
      CommandOption(name, inlineValue);
    }
  }

  void CommandOption(const std::string& name, const std::optional<std::string>& inlineValue) {
    const OptionSpec* option = result_.command ? FindCommandOption(*result_.command, name) : nullptr;
    if (option == nullptr) {
      throw UsageError("unknown option '" + name + "'" +
                       (result_.command ? " for command '" + result_.command->name + "'" : ""));
    }
    if (option->valueName.empty()) {
      if (inlineValue) throw UsageError("option '" + name + "' takes no value");
      result_.commandOptions[name] = "";
    } else {
      result_.commandOptions[name] = Value(name, inlineValue);
    }
  }

  std::string Value(const std::string& name, const std::optional<std::string>& inlineValue) {
    if (inlineValue) return *inlineValue;
    if (index_ + 1 >= args_.size()) throw UsageError("option '" + name + "' needs a value");
    return args_[++index_];
  }

  void PlaceOperands(const std::vector<std::string>& operands) {
    const auto needed = static_cast<std::size_t>(result_.command->positionalArguments);
    if (operands.size() < needed) {
      throw UsageError("command '" + result_.command->name + "' needs " + std::to_string(needed) +
                       (needed == 1 ? " argument" : " arguments") + " before FILE");
    }
    if (operands.size() > needed + 1) throw UsageError("too many arguments: '" + operands.back() + "'");
    result_.positional.assign(operands.begin(), operands.begin() + static_cast<std::ptrdiff_t>(needed));
    if (operands.size() == needed + 1) result_.file = operands.back();
  }

  const std::vector<std::string>& args_;
  std::size_t index_ = 0;
  Arguments result_;
};

}  // namespace

Arguments ParseArguments(const std::vector<std::string>& args) { return Parser(args).Parse(); }

namespace {

constexpr std::size_t kHelpWidth = 80;
constexpr std::size_t kHelpTextColumn = 32;

// The columns a UTF-8 text takes at a terminal: one a character.
std::size_t Columns(std::string_view utf8) { return text::CountUtf8Chars(utf8); }

// One help entry: the head, then the text from a column on (on the next line when the head
// reaches it), its words wrapped so that no line is wider than the terminal's 80 columns.
void HelpRow(std::ostringstream& out, const std::string& head, const std::string& text) {
  out << head;
  std::size_t column = Columns(head);
  if (column + 2 > kHelpTextColumn) {
    out << "\n";
    column = 0;
  }
  bool lineStarted = false;
  std::istringstream words(text);
  for (std::string word; words >> word;) {
    const std::size_t width = Columns(word);
    if (lineStarted && column + 1 + width > kHelpWidth) {
      out << "\n";
      column = 0;
      lineStarted = false;
    }
    if (!lineStarted) {
      out << std::string(kHelpTextColumn - column, ' ');
      column = kHelpTextColumn;
    } else {
      out << ' ';
      ++column;
    }
    out << word;
    column += width;
    lineStarted = true;
  }
  out << "\n";
}

}  // namespace

std::string HelpText() {
  std::ostringstream out;
  out << "Usage: skorlin-cli COMMAND [OPTIONS] [FILE]\n"
         "Runs one of Skorlin's commands on FILE (or standard input: no FILE, or \"-\") and\n"
         "writes the result to standard output; the command's caption goes to standard\n"
         "error.\n\n"
         "Commands:\n";
  for (const CommandSpec* command : Commands()) {
    HelpRow(out, "  " + command->name + (command->synopsis.empty() ? "" : " " + command->synopsis),
            command->summary);
    for (const OptionSpec& option : command->options) {
      HelpRow(out, "      " + option.name + (option.valueName.empty() ? "" : " " + option.valueName),
              option.help);
    }
  }
  out << "\nOptions:\n";
  for (const GlobalOption& option : kGlobalOptions) {
    HelpRow(
        out,
        std::string("  ") + option.spellings + (*option.valueName ? std::string(" ") + option.valueName : ""),
        option.help);
  }
  out << "\nExit status: 0 done; 1 the command could not be done; 2 wrong usage.\n";
  return out.str();
}

}  // namespace skorlin::cli
