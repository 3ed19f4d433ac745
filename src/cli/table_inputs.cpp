// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/table_inputs.h"

#include <memory>

#include "lines/paragraphs.h"
#include "text/encoding.h"
#include "text/text_file.h"

namespace skorlin::cli {
namespace {

// --seed sets the generator's seed; without it the seed comes from the clock, as in the
// window.
lines::RandomGenerator SeededGenerator(const Invocation& invocation) {
  lines::RandomGenerator random;
  if (invocation.HasOption(kSeedOption)) {
    random.SetSeed(ReadSeed(invocation.Option(kSeedOption)).value());
  } else {
    random.RandomizeFromClock();
  }
  return random;
}

// The text of the file that stands for the clipboard, as UTF-8.
std::string ReadClipboard(const Invocation& invocation) {
  const std::string bytes = text::ReadFileBytes(invocation.Option(kClipboardOption));
  const text::Encoding encoding = text::DetectEncoding(bytes);
  if (encoding == text::Encoding::Utf8 || encoding == text::Encoding::Utf8Bom) {
    return bytes.substr(text::TextStart(bytes, encoding));
  }
  return text::DecodeToUtf8(bytes, encoding);
}

}  // namespace

std::optional<std::uint32_t> ReadSeed(const std::string& value) {
  if (value.empty() || value.size() > 10) return std::nullopt;
  std::uint64_t seed = 0;
  for (const char c : value) {
    if (c < '0' || c > '9') return std::nullopt;
    seed = seed * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (seed > UINT32_MAX) return std::nullopt;
  return static_cast<std::uint32_t>(seed);
}

std::optional<int> ReadCaseNumber(const std::string& value) {
  if (value.size() != 1 || value[0] < '1' || value[0] > '6') return std::nullopt;
  return value[0] - '0';
}

text::Text FieldText(const std::string& bytes) {
  text::Text field;
  for (const char c : bytes) field += static_cast<text::Char>(static_cast<unsigned char>(c));
  return field;
}

text::CommandResult RunTableCommand(commands::CommandId id, const Invocation& invocation) {
  const unsigned needs = commands::CoreCommandOf(id).needs;
  commands::CommandInput input;
  input.text = invocation.text;
  input.output = invocation.output;
  // --derived works as on the formatted and HTML views.
  if ((needs & commands::kViewKind) != 0 && invocation.HasOption(kDerivedOption)) {
    input.view = lines::View::kFormatted;
  }
  std::unique_ptr<lines::LineCollator> collator;
  if ((needs & commands::kCollation) != 0) {
    collator = std::make_unique<lines::LineCollator>(invocation.locale);
    input.collator = collator.get();
  }
  lines::RandomGenerator random;
  if ((needs & commands::kRandom) != 0) {
    random = SeededGenerator(invocation);
    input.random = &random;
  }
  std::string clipboard;
  if ((needs & commands::kClipboard) != 0) {
    clipboard = ReadClipboard(invocation);
    input.clipboard = clipboard;
  }
  if ((needs & commands::kDeclension) != 0) input.declension = &names::DeclensionLibrary::Default();
  if ((needs & commands::kParagraphFields) != 0) {
    input.paragraphMin =
        FieldText(invocation.Option(kMinOption, std::to_string(lines::kDefaultParagraphMin)));
    input.paragraphMax =
        FieldText(invocation.Option(kMaxOption, std::to_string(lines::kDefaultParagraphMax)));
  }
  if ((needs & commands::kCaseNumber) != 0 && invocation.HasOption(kCaseOption)) {
    input.caseNumber = ReadCaseNumber(invocation.Option(kCaseOption)).value();
  }
  return commands::RunCoreCommand(id, input);
}

}  // namespace skorlin::cli
