// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing whole files, for the front ends. Errors carry the program's own
// messages; a write never leaves a half-written file in place of a good one.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>

namespace skorlin::text {

// An error of the outside world (a file that cannot be read or written): the program's
// message, and the system's reason when the system gave one.
class FileError : public std::runtime_error {
 public:
  explicit FileError(const std::string& message, std::string reason = {})
      : std::runtime_error(message), reason_(std::move(reason)) {}
  const std::string& Reason() const { return reason_; }

 private:
  std::string reason_;
};

// A file larger than its reader takes.
class FileTooLargeError : public FileError {
 public:
  using FileError::FileError;
};

// The largest file the program reads: a text this size already takes four times as much
// memory once decoded.
inline constexpr std::size_t kMaxFileBytes = std::size_t{512} << 20;

// The bytes of a file: the one reader of whole files. Throws FileError "Cannot open file
// %s: " or "Cannot read file %s: " with the system's reason when it cannot be read, and a
// FileTooLargeError naming the size when it is larger than limit.
std::string ReadFileBytes(const std::string& path, std::size_t limit = kMaxFileBytes);

// Writes bytes to a temporary file in the same folder and renames it over path.
// Throws FileError "Unable to write to %s" when that fails; the old file then stays.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace skorlin::text
