// Reading skorlin-cli's input, a file or standard input ("" or "-"), whole or in blocks.
// Errors are text::FileError with the program's messages: a file that cannot be opened or
// read, an input larger than text::kMaxFileBytes.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace skorlin::cli {

// The input's bytes, whole.
std::string ReadInputBytes(const std::string& file);

// The input in blocks of a fixed size (the last one shorter), read as they are asked for.
class InputBlocks {
 public:
  explicit InputBlocks(const std::string& file);
  ~InputBlocks();
  InputBlocks(const InputBlocks&) = delete;
  InputBlocks& operator=(const InputBlocks&) = delete;

  // The next block, valid until the next call; false at the end of the input.
  bool Next(std::string_view& block);

 private:
  [[noreturn]] void TooLarge() const;

  std::string file_;  // "" for standard input
  std::FILE* stream_ = nullptr;
  std::vector<char> buffer_;
  std::size_t total_ = 0;
};

}  // namespace skorlin::cli
