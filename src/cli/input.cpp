// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/input.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>
#include <system_error>

#include "text/file_path.h"
#include "text/huge_pages.h"
#include "text/text_file.h"

namespace skorlin::cli {

namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

bool IsStandardInput(const std::string& file) { return file.empty() || file == "-"; }

std::string StandardInputTooLarge() {
  return "Standard input is too large (the limit is " + std::to_string(text::kMaxFileBytes >> 20) + " MB)";
}

std::string FileTooLarge(const std::string& file, std::uintmax_t size) {
  return "File " + file + " is too large: " + std::to_string(size >> 20) + " MB (the limit is " +
         std::to_string(text::kMaxFileBytes >> 20) + " MB)";
}

// "Cannot open file X: " and the system's reason for the error number.
text::FileError CannotOpen(const std::string& file, int errorNumber) {
  return text::FileError("Cannot open file " + file + ": " + std::strerror(errorNumber));
}

// Opens a file for reading, refusing a folder and a file larger than the limit.
std::FILE* OpenInputFile(const std::string& file) {
  std::error_code error;
  const std::filesystem::path path = text::PathFromUtf8(file);
  if (std::filesystem::is_directory(path, error)) throw CannotOpen(file, EISDIR);
  std::FILE* stream = text::OpenFile(file, "rb");
  if (stream == nullptr) throw CannotOpen(file, errno);
  const auto size = std::filesystem::file_size(path, error);
  if (!error && size > text::kMaxFileBytes) {
    std::fclose(stream);
    throw text::FileError(FileTooLarge(file, size));
  }
  return stream;
}

struct CloseFile {
  void operator()(std::FILE* stream) const { std::fclose(stream); }
};

}  // namespace

InputBytes::InputBytes(const std::string& file) {
  if (IsStandardInput(file)) {
    ReadToEnd(stdin, "");
    return;
  }
  const std::unique_ptr<std::FILE, CloseFile> stream(OpenInputFile(file));
  ReadToEnd(stream.get(), file);
}

// Reads to the end of the stream, growing the storage as the bytes come; a regular file
// fills it at its own size at once.
void InputBytes::ReadToEnd(std::FILE* stream, const std::string& name) {
  std::error_code error;
  const auto known =
      name.empty() ? std::uintmax_t{0} : std::filesystem::file_size(text::PathFromUtf8(name), error);
  std::size_t capacity = error || known == 0 ? kBlockBytes : static_cast<std::size_t>(known) + 1;
  data_.reset(static_cast<char*>(std::malloc(capacity)));
  if (!data_) throw std::bad_alloc();
  text::PreferHugePages(data_.get(), capacity);
  for (;;) {
    if (size_ == capacity) {
      capacity *= 2;
      // Large blocks are moved by remapping, without copying their bytes.
      char* const held = data_.release();
      char* const grown = static_cast<char*>(std::realloc(held, capacity));
      if (grown == nullptr) {
        data_.reset(held);
        throw std::bad_alloc();
      }
      data_.reset(grown);
      text::PreferHugePages(data_.get(), capacity);
    }
    const std::size_t wanted = capacity - size_;
    const std::size_t got = std::fread(data_.get() + size_, 1, wanted, stream);
    size_ += got;
    if (size_ > text::kMaxFileBytes) {
      throw text::FileError(name.empty() ? StandardInputTooLarge() : "File " + name + " is too large");
    }
    // A short read is the end of the input (or an error): asking again would wait at a
    // terminal for a second end-of-file.
    if (got < wanted) break;
  }
  if (std::ferror(stream)) {
    throw text::FileError(name.empty() ? "Cannot read standard input" : "Cannot read file " + name);
  }
}

InputBlocks::InputBlocks(const std::string& file) : buffer_(kBlockBytes) {
  if (IsStandardInput(file)) {
    stream_ = stdin;
  } else {
    file_ = file;
    stream_ = OpenInputFile(file);
  }
  // Standard input may be a file read from some way in: that is where it starts again.
  start_ = std::ftell(stream_);
  canRewind_ = start_ >= 0 && std::fseek(stream_, start_, SEEK_SET) == 0;
}

void InputBlocks::Rewind() {
  if (std::fseek(stream_, start_, SEEK_SET) != 0) {
    throw text::FileError(file_.empty() ? "Cannot read standard input" : "Cannot read file " + file_);
  }
  total_ = 0;
  ended_ = false;
}

InputBlocks::~InputBlocks() {
  if (stream_ != nullptr && stream_ != stdin) std::fclose(stream_);
}

void InputBlocks::TooLarge() const {
  if (file_.empty()) throw text::FileError(StandardInputTooLarge());
  throw text::FileError("File " + file_ + " is too large");
}

bool InputBlocks::Next(std::string_view& block) {
  if (ended_) return false;
  const std::size_t got = std::fread(buffer_.data(), 1, buffer_.size(), stream_);
  if (got < buffer_.size()) {
    if (std::ferror(stream_)) {
      throw text::FileError(file_.empty() ? "Cannot read standard input" : "Cannot read file " + file_);
    }
    // The end of the input: it is not read again (a terminal would wait for another end).
    ended_ = true;
    if (got == 0) return false;
  }
  total_ += got;
  if (total_ > text::kMaxFileBytes) TooLarge();
  block = std::string_view(buffer_.data(), got);
  return true;
}

}  // namespace skorlin::cli
