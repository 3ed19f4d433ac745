// SPDX-License-Identifier: GPL-3.0-or-later
// Reading skorlin-cli's input, a file or standard input ("" or "-"), whole or in blocks.
// Errors are text::FileError with the program's messages: a file that cannot be opened (with
// the system's reason) or read, an input larger than text::kMaxFileBytes. Reading stops at
// the first end-of-file, so input typed at a terminal ends with one Ctrl-D.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace skorlin::cli {

// The input's bytes, whole, in storage that is never filled before the bytes are read
// into it (a large input is written to memory once).
class InputBytes {
 public:
  explicit InputBytes(const std::string& file);

  std::string_view View() const { return {data_.get(), size_}; }
  // Lets the bytes go.
  void Release() {
    data_.reset();
    size_ = 0;
  }

 private:
  struct Free {
    void operator()(char* p) const { std::free(p); }
  };
  void ReadToEnd(std::FILE* stream, const std::string& name);

  std::unique_ptr<char, Free> data_;
  std::size_t size_ = 0;
};

// The input in blocks of a fixed size (the last one shorter), read as they are asked for.
class InputBlocks {
 public:
  explicit InputBlocks(const std::string& file);
  ~InputBlocks();
  InputBlocks(const InputBlocks&) = delete;
  InputBlocks& operator=(const InputBlocks&) = delete;

  // The next block, valid until the next call; false at the end of the input.
  bool Next(std::string_view& block);
  // Whether the input can be read again from its start (a file; not a pipe).
  bool CanRewind() const { return canRewind_; }
  // Starts again from the first block; only when CanRewind.
  void Rewind();

 private:
  [[noreturn]] void TooLarge() const;

  std::string file_;  // "" for standard input
  std::FILE* stream_ = nullptr;
  std::vector<char> buffer_;
  std::size_t total_ = 0;
  long start_ = 0;
  bool canRewind_ = false;
  bool ended_ = false;  // a short read has been seen
};

}  // namespace skorlin::cli
