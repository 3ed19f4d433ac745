// SPDX-License-Identifier: GPL-3.0-or-later
// skorlin-cli: runs one of the program's commands on a file or standard input.
#include <clocale>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/input.h"
#include "cli/output.h"
#include "cli/platform_io.h"
#include "text/encoding.h"
#include "text/text_file.h"
#include "text/unified_diff.h"
#include "text/utf8.h"
#include "text/utf8_stream.h"
#include "version_notice.h"

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

void WarnOfNul(std::size_t characterNumber) {
  std::cerr << "skorlin-cli: warning: the input holds a NUL at character " << characterNumber
            << "; the text ends there, as in the window (what follows it is not in the output)\n";
}

cli::Invocation MakeInvocation(const cli::Arguments& args, std::string_view text) {
  cli::Invocation invocation;
  invocation.text = text;
  invocation.options = args.commandOptions;
  invocation.arguments = args.positional;
  invocation.decimalSeparator = args.decimalSeparator.value_or(LocaleDecimalSeparator());
  invocation.locale = args.locale;
  invocation.outputEncoding = args.outputEncoding;
  return invocation;
}

void WriteOutput(const std::string& out) { cli::WriteAll(out); }

// --diff, an option of format and of typeset: the same diff for either.
bool WantsDiff(const cli::Arguments& args) { return args.commandOptions.count("--diff") != 0; }

int WriteDiff(std::string_view input, std::string_view output, const std::string& file) {
  const std::string name = file.empty() ? "-" : file;
  const std::string diff = text::UnifiedDiff(input, output, name, name);
  WriteOutput(diff);
  return diff.empty() ? 0 : 1;
}

// The one adapter of a command's result: its text on standard output in the encoding and
// with the breaks asked for, its caption on standard error, its outcome as the exit
// status. inputEncoding and inputEol are what the input was read in and its first break.
// With original (--diff), the rendered text is not written but compared with the
// input's own bytes: a unified diff goes out instead, and the exit status is diff's.
// A result given as lines (views into source) is written straight from them when it goes
// out as UTF-8; one written as the command ran (Form::kWritten) is out already.
int Finish(const cli::Arguments& args, text::CommandResult result, text::Encoding inputEncoding,
           cli::Eol inputEol, std::optional<std::string_view> original = std::nullopt,
           std::string_view source = {}) {
  const std::string failure = text::FailureMessage(result);
  if (!failure.empty()) throw cli::CommandFailure{failure};
  const cli::OutputFormat format{args.outputEncoding.value_or(inputEncoding), args.eol.value_or(inputEol)};
  if (result.form == text::Form::kLines && format.encoding == text::Encoding::Utf8 && !original &&
      args.command->output == cli::Output::kText) {
    cli::WriteLines(result.lines, cli::BreakOf(format.eol), source);
  } else if (result.form != text::Form::kWritten && args.command->output != cli::Output::kNothing) {
    result = text::Joined(std::move(result));
    const std::string rendered =
        cli::RenderOutput(std::move(result.text), format,
                          args.command->output == cli::Output::kTextWithBreaks, args.eol.has_value());
    if (original) return WriteDiff(*original, rendered, args.file);
    WriteOutput(rendered);
  }
  if (!args.quiet && !result.caption.empty()) std::cerr << result.caption << "\n";
  // "URLs не найдены" and an empty clipboard: the text comes out unchanged, exit status 1.
  return result.outcome == text::Outcome::kNothingToDo ? 1 : 0;
}

// A command on the whole input. UTF-8 input is handed over as it came; any other
// encoding is converted to UTF-8 once.
int RunOnWholeInput(const cli::Arguments& args) {
  cli::InputBytes input(args.file);
  const std::string_view bytes = input.View();
  // Detection has found UTF-8 valid; UTF-8 asked for is checked here.
  const text::Encoding encoding = args.inputEncoding ? *args.inputEncoding : text::DetectEncoding(bytes);
  std::string converted;
  std::string_view utf8;
  if (encoding == text::Encoding::Utf8 || encoding == text::Encoding::Utf8Bom) {
    utf8 = bytes.substr(text::TextStart(bytes, encoding));
    const std::size_t invalidAt = args.inputEncoding ? text::FindInvalidUtf8(utf8) : std::string_view::npos;
    if (invalidAt != std::string_view::npos) {
      throw text::DecodeError("The input is not valid UTF-8 (byte " + std::to_string(invalidAt + 1) + ")");
    }
  } else {
    converted = text::DecodeToUtf8(bytes, encoding);
    if (!WantsDiff(args)) input.Release();  // the command needs only the converted text
    utf8 = converted;
  }
  const cli::Eol inputEol = cli::FirstBreakOf(utf8);
  const std::size_t nulAt = utf8.find('\0');
  if (nulAt != std::string_view::npos && nulAt + 1 < utf8.size() && !args.command->readsPastNul) {
    WarnOfNul(text::CountUtf8Chars(utf8.substr(0, nulAt)) + 1);
  }
  // Output in UTF-8 with the command's breaks is written while a command that rewrites
  // its lines one by one runs; any other output is made whole first (a text that another
  // encoding cannot hold is found before anything is written).
  cli::Invocation invocation = MakeInvocation(args, utf8);
  const cli::Eol eol = args.eol.value_or(inputEol);
  text::LineWriter writer(cli::BreakOf(eol), [](std::string_view bytes) { cli::WriteAll(bytes); });
  if (args.outputEncoding.value_or(encoding) == text::Encoding::Utf8 && !WantsDiff(args) &&
      args.command->output == cli::Output::kText) {
    invocation.output = &writer;
  }
  text::CommandResult result = args.command->run(invocation);
  if (result.form == text::Form::kWritten) writer.Finish();
  // A diff compares the output with the input's own bytes, and lines given as views into
  // the input are written from it; otherwise the input is let go before the output is made.
  if (WantsDiff(args)) return Finish(args, std::move(result), encoding, inputEol, input.View());
  if (result.form == text::Form::kLines) return Finish(args, std::move(result), encoding, inputEol, {}, utf8);
  input.Release();
  converted = std::string();
  return Finish(args, std::move(result), encoding, inputEol);
}

// One reading of the input in pieces: the text in one encoding, as a command consumes it.
struct PieceReading {
  PieceReading(text::Encoding encoding, std::unique_ptr<cli::PieceConsumer> consumer)
      : encoding(encoding), stream(encoding), consumer(std::move(consumer)) {}

  void Feed(std::string_view bytes) {
    if (!stream.Failed()) stream.Feed(bytes, [this](std::string_view utf8) { Take(utf8); });
  }
  void Finish() {
    stream.Finish([this](std::string_view utf8) { Take(utf8); });
  }
  void Take(std::string_view utf8) {
    if (!firstBreak) {
      const std::size_t at = utf8.find_first_of("\r\n");
      if (at != std::string_view::npos) firstBreak = utf8[at] == '\r' ? cli::Eol::Crlf : cli::Eol::Lf;
    }
    consumer->Add(utf8);
  }

  text::Encoding encoding;
  text::Utf8Stream stream;
  std::unique_ptr<cli::PieceConsumer> consumer;
  std::optional<cli::Eol> firstBreak;
};

// The encoding a byte order mark at the start announces; UTF-8 without one.
text::Encoding AnnouncedEncoding(std::string_view start) {
  if (start.starts_with("\xEF\xBB\xBF")) return text::Encoding::Utf8Bom;
  if (start.starts_with("\xFF\xFE")) return text::Encoding::Utf16LE;
  if (start.starts_with("\xFE\xFF")) return text::Encoding::Utf16BE;
  return text::Encoding::Utf8;
}

// A command that reads its input in pieces, in constant memory. Without an encoding
// asked for, the input is read as its byte order mark (or UTF-8) says; when the bytes do
// not hold up to it to their end, as Windows-1251: a file is read again for that, input
// that cannot be read twice (a pipe) is read both ways at once.
int RunOnPieces(const cli::Arguments& args) {
  cli::InputBlocks blocks(args.file);
  const cli::Invocation invocation = MakeInvocation(args, {});
  std::string_view block;
  bool more = blocks.Next(block);
  const text::Encoding first =
      args.inputEncoding.value_or(AnnouncedEncoding(more ? block : std::string_view()));
  const bool mayFallBack = !args.inputEncoding && first != text::Encoding::Cp1251;
  std::optional<PieceReading> reading;
  reading.emplace(first, args.command->consume(invocation));
  std::optional<PieceReading> fallback;
  if (mayFallBack && !blocks.CanRewind())
    fallback.emplace(text::Encoding::Cp1251, args.command->consume(invocation));
  // A file stops at the first byte that does not hold up: it is read again from its start.
  for (; more && !(mayFallBack && !fallback && reading->stream.Failed()); more = blocks.Next(block)) {
    reading->Feed(block);
    if (fallback) fallback->Feed(block);
  }
  try {
    reading->Finish();
  } catch (const text::DecodeError&) {
    if (!mayFallBack) throw;
    if (!fallback) {
      blocks.Rewind();
      fallback.emplace(text::Encoding::Cp1251, args.command->consume(invocation));
      while (blocks.Next(block)) fallback->Feed(block);
    }
    fallback->Finish();
    reading = std::move(fallback);
  }
  return Finish(args, reading->consumer->Finish(), reading->encoding,
                reading->firstBreak.value_or(cli::Eol::Lf));
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  cli::UseBinaryStandardStreams();
  cli::Arguments args;
  try {
    args = cli::ParseArguments(cli::Utf8Arguments(argc, argv));
  } catch (const cli::UsageError& error) {
    std::cerr << "skorlin-cli: " << error.what() << " (see skorlin-cli --help)\n";
    return 2;
  }
  if (args.help) {
    std::cout << cli::HelpText();
    return 0;
  }
  if (args.version) {
    std::cout << VersionNotice("skorlin-cli");
    return 0;
  }
  try {
    // A wrong option value is found before the input is read.
    cli::CheckOptions(*args.command, MakeInvocation(args, {}));
    return args.command->consume ? RunOnPieces(args) : RunOnWholeInput(args);
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
