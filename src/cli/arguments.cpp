// Parsing skorlin-cli's command line: COMMAND [OPTIONS] [ARGUMENTS] [FILE], with the global
// options accepted before or after the command.
#include "cli/arguments.h"

#include <sstream>

#include "cli/command.h"

namespace skorlin::cli {
namespace {

std::optional<text::Encoding> ParseEncoding(const std::string& value, bool allowAuto) {
  if (allowAuto && value == "auto") return std::nullopt;
  for (text::Encoding e : {text::Encoding::Utf8, text::Encoding::Utf8Bom, text::Encoding::Utf16LE,
                           text::Encoding::Utf16BE, text::Encoding::Cp1251}) {
    if (value == text::EncodingName(e)) return e;
  }
  if (value == "utf8" || value == "UTF-8") return text::Encoding::Utf8;
  if (value == "windows-1251" || value == "1251") return text::Encoding::Cp1251;
  throw UsageError("unknown encoding '" + value + "'");
}

// A global option: how --help shows it, and what it does to the arguments (value is ""
// for a flag). Throws UsageError for a value it does not take.
struct GlobalOption {
  const char* spellings;  // "-q, --quiet": the names it is given by, as --help lists them
  const char* valueName;  // "" for a flag
  const char* help;
  void (*apply)(Arguments& arguments, const std::string& value);
};

constexpr GlobalOption kGlobalOptions[] = {
    {.spellings = "--encoding",
     .valueName = "auto|utf-8|cp1251",
     .help = "how to read the input (default auto: BOM, then UTF-8, else cp1251)",
     .apply = [](Arguments& a, const std::string& value) { a.inputEncoding = ParseEncoding(value, true); }},
    {.spellings = "--output-encoding",
     .valueName = "utf-8|cp1251",
     .help = "the encoding written (default: the one the input was read in)",
     .apply = [](Arguments& a, const std::string& value) { a.outputEncoding = ParseEncoding(value, false); }},
    {.spellings = "--eol",
     .valueName = "crlf|lf",
     .help = "line breaks written (default: the input's first break; LF when it has none)",
     .apply =
         [](Arguments& a, const std::string& value) {
           if (value != "crlf" && value != "lf")
             throw UsageError("--eol takes crlf or lf, not '" + value + "'");
           a.eol = value == "crlf" ? Eol::Crlf : Eol::Lf;
         }},
    {.spellings = "--decimal-separator",
     .valueName = "C",
     .help = "for prices and kilo figures (default: the user's locale)",
     .apply =
         [](Arguments& a, const std::string& value) {
           if (value.empty()) throw UsageError("--decimal-separator needs a character");
           a.decimalSeparator = value;
         }},
    {.spellings = "--locale",
     .valueName = "NAME",
     .help = "collation of the alphabetical sorts (default: the user's locale)",
     .apply = [](Arguments& a, const std::string& value) { a.locale = value; }},
    {.spellings = "-q, --quiet",
     .valueName = "",
     .help = "no caption on standard error",
     .apply = [](Arguments& a, const std::string&) { a.quiet = true; }},
    {.spellings = "-h, --help",
     .valueName = "",
     .help = "this help",
     .apply = [](Arguments& a, const std::string&) { a.help = true; }},
    {.spellings = "--version",
     .valueName = "",
     .help = "the program's version",
     .apply = [](Arguments& a, const std::string&) { a.version = true; }},
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
      option->apply(result_, *option->valueName == '\0' ? std::string() : Value(name, inlineValue));
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

// One help line: the head padded to a column, then the text (on the next line when the
// head is too long).
void HelpRow(std::ostringstream& out, std::string head, const std::string& text) {
  constexpr std::size_t kColumn = 44;
  if (head.size() < kColumn) {
    head.resize(kColumn, ' ');
  } else {
    head += "\n" + std::string(kColumn, ' ');
  }
  out << head << text << "\n";
}

}  // namespace

std::string HelpText() {
  std::ostringstream out;
  out << "Usage: skorlin-cli COMMAND [OPTIONS] [FILE]\n"
         "Runs one of Skorlin's commands on FILE (or standard input: no FILE, or \"-\") and\n"
         "writes the result to standard output; the command's caption goes to standard error.\n\n"
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
