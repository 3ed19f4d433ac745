#include "cli/input.h"

#include <filesystem>
#include <system_error>

#include "text/text_file.h"

namespace skorlin::cli {

namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

bool IsStandardInput(const std::string& file) { return file.empty() || file == "-"; }

std::string StandardInputTooLarge() {
  return "Standard input is too large (the limit is " + std::to_string(text::kMaxFileBytes >> 20) + " MB)";
}

}  // namespace

std::string ReadInputBytes(const std::string& file) {
  if (!IsStandardInput(file)) return text::ReadFileBytes(file);
  std::string bytes;
  InputBlocks blocks(file);
  for (std::string_view block; blocks.Next(block);) bytes.append(block);
  return bytes;
}

InputBlocks::InputBlocks(const std::string& file) : buffer_(kBlockBytes) {
  if (IsStandardInput(file)) {
    stream_ = stdin;
    return;
  }
  file_ = file;
  std::error_code error;
  if (std::filesystem::is_directory(file, error)) throw text::FileError("Cannot open file " + file);
  stream_ = std::fopen(file.c_str(), "rb");
  if (stream_ == nullptr) throw text::FileError("Cannot open file " + file);
  // A regular file tells its size before it is read.
  const auto size = std::filesystem::file_size(file, error);
  if (!error && size > text::kMaxFileBytes) {
    std::fclose(stream_);
    stream_ = nullptr;
    throw text::FileError("File " + file + " is too large: " + std::to_string(size >> 20) +
                          " MB (the limit is " + std::to_string(text::kMaxFileBytes >> 20) + " MB)");
  }
}

InputBlocks::~InputBlocks() {
  if (stream_ != nullptr && stream_ != stdin) std::fclose(stream_);
}

void InputBlocks::TooLarge() const {
  if (file_.empty()) throw text::FileError(StandardInputTooLarge());
  throw text::FileError("File " + file_ + " is too large");
}

bool InputBlocks::Next(std::string_view& block) {
  const std::size_t got = std::fread(buffer_.data(), 1, buffer_.size(), stream_);
  if (got == 0) {
    if (std::ferror(stream_)) {
      throw text::FileError(file_.empty() ? "Cannot read standard input" : "Cannot read file " + file_);
    }
    return false;
  }
  total_ += got;
  if (total_ > text::kMaxFileBytes) TooLarge();
  block = std::string_view(buffer_.data(), got);
  return true;
}

}  // namespace skorlin::cli
