// skorlin-cli: runs one of the program's commands on a file or standard input.
#include <clocale>
#include <cstdio>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/output.h"
#include "text/encoding.h"
#include "text/text_file.h"

namespace {

using namespace skorlin;

// The user's decimal separator, from the locale the environment names.
std::string LocaleDecimalSeparator() {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  std::string separator = ".";
  if (std::setlocale(LC_NUMERIC, "") != nullptr) {
    const char* point = std::localeconv()->decimal_point;
    if (point != nullptr && *point != '\0') separator = point;
  }
  std::setlocale(LC_NUMERIC, saved.c_str());
  return separator;
}

std::string ReadInputBytes(const std::string& file) {
  if (!file.empty() && file != "-") return text::ReadFileBytes(file);
  std::string bytes;
  char chunk[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, stdin)) > 0) {
    bytes.append(chunk, got);
    if (bytes.size() > text::kMaxFileBytes) {
      throw text::FileError("Standard input is too large (the limit is " +
                            std::to_string(text::kMaxFileBytes >> 20) + " MB)");
    }
  }
  if (std::ferror(stdin)) throw text::FileError("Cannot read standard input");
  return bytes;
}

// The input decoded; its bytes are released before the command runs.
text::DecodedText ReadInput(const cli::Arguments& args) {
  const std::string bytes = ReadInputBytes(args.file);
  if (args.inputEncoding) return {text::Decode(bytes, *args.inputEncoding), *args.inputEncoding};
  return text::DecodeAuto(bytes);
}

int Run(const cli::Arguments& args) {
  text::DecodedText input = ReadInput(args);
  const cli::Eol inputEol = cli::FirstBreakOf(input.text);
  const std::size_t nulAt = input.text.find(U'\0');
  if (nulAt != text::Text::npos && nulAt + 1 < input.text.size() && !args.command->readsPastNul) {
    std::cerr << "skorlin-cli: warning: the input holds a NUL at character " << nulAt + 1
              << "; the text ends there, as in the window (what follows it is not in the output)\n";
  }

  // The command gets the decoded text itself: a large input is held once, not twice.
  cli::Invocation invocation;
  invocation.text = std::move(input.text);
  invocation.options = args.commandOptions;
  invocation.arguments = args.positional;
  invocation.decimalSeparator = args.decimalSeparator.value_or(LocaleDecimalSeparator());
  invocation.locale = args.locale;

  cli::CommandResult result = args.command->run(invocation);
  if (result.output) {
    const cli::OutputFormat format{args.outputEncoding.value_or(input.encoding), args.eol.value_or(inputEol)};
    const std::string out =
        cli::RenderOutput(std::move(*result.output), format, result.keepsInputBreaks, args.eol.has_value());
    std::fwrite(out.data(), 1, out.size(), stdout);
    if (std::fflush(stdout) != 0) throw text::FileError("Unable to write to standard output");
  }
  if (!args.quiet && !result.caption.empty()) std::cerr << result.caption << "\n";
  return result.exitCode;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  cli::Arguments args;
  try {
    args = cli::ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const cli::UsageError& error) {
    std::cerr << "skorlin-cli: " << error.what() << " (see skorlin-cli --help)\n";
    return 2;
  }
  if (args.help) {
    std::cout << cli::HelpText();
    return 0;
  }
  if (args.version) {
    std::cout << "skorlin-cli " << SKORLIN_VERSION << "\n";
    return 0;
  }
  try {
    return Run(args);
  } catch (const cli::UsageError& error) {
    std::cerr << "skorlin-cli: " << error.what() << " (see skorlin-cli --help)\n";
    return 2;
  } catch (const cli::CommandFailure& failure) {
    std::cerr << "skorlin-cli: " << failure.message << "\n";
  } catch (const text::UnencodableError& error) {
    std::cerr << "skorlin-cli: " << error.what() << "; nothing was written (try --output-encoding utf-8)\n";
  } catch (const std::exception& error) {
    std::cerr << "skorlin-cli: " << error.what() << "\n";
  }
  return 1;
}
