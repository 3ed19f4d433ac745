// skorlin-cli: runs one of the program's commands on a file or standard input.
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/output.h"
#include "text/encoding.h"
#include "text/text_file.h"
#include "text/unified_diff.h"

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

text::DecodedText DecodeInput(const cli::Arguments& args, const std::string& bytes) {
  if (args.inputEncoding) return {text::Decode(bytes, *args.inputEncoding), *args.inputEncoding};
  return text::DecodeAuto(bytes);
}

bool StartsWithByteOrderMark(std::string_view bytes) {
  return bytes.starts_with("\xEF\xBB\xBF") || bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}

// Without a byte order mark and without an encoding asked for, the input is read as UTF-8
// or Windows-1251 and written back in it: a command whose rules see only line breaks can
// then work on the bytes themselves.
bool RunsOnBytes(const cli::Arguments& args, std::string_view bytes) {
  return args.command->runOnBytes && !args.inputEncoding && !args.outputEncoding &&
         !StartsWithByteOrderMark(bytes);
}

// The position (from 1) of the character at byte offset `at`, as the decoded text counts:
// UTF-8 input counts the bytes that start a character, Windows-1251 every byte.
std::size_t CharacterNumber(std::string_view bytes, std::size_t at) {
  if (!text::IsValidUtf8(bytes)) return at + 1;
  return static_cast<std::size_t>(
             std::count_if(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
                           [](char b) { return (static_cast<unsigned char>(b) & 0xC0) != 0x80; })) +
         1;
}

void WarnOfNul(std::size_t characterNumber) {
  std::cerr << "skorlin-cli: warning: the input holds a NUL at character " << characterNumber
            << "; the text ends there, as in the window (what follows it is not in the output)\n";
}

cli::Invocation MakeInvocation(const cli::Arguments& args, text::Text text) {
  cli::Invocation invocation;
  invocation.text = std::move(text);
  invocation.options = args.commandOptions;
  invocation.arguments = args.positional;
  invocation.decimalSeparator = args.decimalSeparator.value_or(LocaleDecimalSeparator());
  invocation.locale = args.locale;
  invocation.outputEncoding = args.outputEncoding;
  return invocation;
}

void WriteOutput(const std::string& out) {
  std::fwrite(out.data(), 1, out.size(), stdout);
  if (std::fflush(stdout) != 0) throw text::FileError("Unable to write to standard output");
}

// With --diff (an option of format) the output is not written but compared with the
// input's own bytes: a unified diff goes out instead, and the exit status is diff's.
bool WantsDiff(const cli::Arguments& args) { return args.commandOptions.count("--diff") != 0; }

int WriteDiff(std::string_view input, std::string_view output, const std::string& file) {
  const std::string name = file.empty() ? "-" : file;
  const std::string diff = text::UnifiedDiff(input, output, name, name);
  WriteOutput(diff);
  return diff.empty() ? 0 : 1;
}

int RunOnBytes(const cli::Arguments& args, std::string_view bytes) {
  const std::size_t nulAt = bytes.find('\0');
  if (nulAt != std::string_view::npos && nulAt + 1 < bytes.size() && !args.command->readsPastNul) {
    WarnOfNul(CharacterNumber(bytes, nulAt));
  }
  cli::ByteCommandResult result = args.command->runOnBytes(bytes, MakeInvocation(args, {}));
  const cli::Eol eol = args.eol.value_or(cli::FirstBreakOf(bytes));
  if (result.text) {
    WriteOutput(cli::RenderByteText(std::move(*result.text), eol));
  } else {
    cli::WriteLines(result.lines, eol, stdout);
  }
  if (!args.quiet && !result.caption.empty()) std::cerr << result.caption << "\n";
  return 0;
}

int Run(const cli::Arguments& args) {
  std::string bytes = ReadInputBytes(args.file);
  const bool diff = WantsDiff(args);
  if (!diff && RunsOnBytes(args, bytes)) return RunOnBytes(args, bytes);
  text::DecodedText input = DecodeInput(args, bytes);
  if (!diff) bytes = std::string();  // freed: the command needs only the decoded text
  const cli::Eol inputEol = cli::FirstBreakOf(input.text);
  const std::size_t nulAt = input.text.find(U'\0');
  if (nulAt != text::Text::npos && nulAt + 1 < input.text.size() && !args.command->readsPastNul) {
    WarnOfNul(nulAt + 1);
  }

  // The command gets the decoded text itself: a large input is held once, not twice.
  cli::CommandResult result = args.command->run(MakeInvocation(args, std::move(input.text)));
  int status = result.exitCode;
  if (result.output) {
    const cli::OutputFormat format{args.outputEncoding.value_or(input.encoding), args.eol.value_or(inputEol)};
    const std::string rendered =
        cli::RenderOutput(std::move(*result.output), format, result.keepsInputBreaks, args.eol.has_value());
    if (diff) {
      status = WriteDiff(bytes, rendered, args.file);
    } else {
      WriteOutput(rendered);
    }
  }
  if (!args.quiet && !result.caption.empty()) std::cerr << result.caption << "\n";
  return status;
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
  return WantsDiff(args) ? 2 : 1;  // as diff, which reports trouble with 2
}
