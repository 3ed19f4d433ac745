// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file reading and atomic writing.
#include "text/text_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#ifdef __unix__
#include <fcntl.h>
#include <unistd.h>
#endif
#include <random>
#include <system_error>

#include "text/file_path.h"

namespace skorlin::text {

namespace {

std::string TooLarge(const std::string& path, std::uintmax_t size, std::size_t limit) {
  return "File " + path + " is too large: " + std::to_string(size >> 20) + " MB (the limit is " +
         std::to_string(limit >> 20) + " MB)";
}

// The program's message and the system's reason for the error number.
FileError WithReason(const std::string& message, int errorNumber) {
  const std::string reason = std::strerror(errorNumber);
  return FileError(message + ": " + reason, reason);
}

struct CloseFile {
  void operator()(std::FILE* stream) const { std::fclose(stream); }
};

// Makes the written bytes durable before the rename, so a crash cannot leave an empty file
// in place of a good one.
bool SyncFile(const std::filesystem::path& file) {
#ifdef __unix__
  const int fd = ::open(file.c_str(), O_RDONLY);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
#else
  (void)file;
  return true;
#endif
}

}  // namespace

std::string ReadFileBytes(const std::string& path, std::size_t limit) {
  std::error_code error;
  const std::filesystem::path file = PathFromUtf8(path);
  if (std::filesystem::is_directory(file, error)) throw WithReason("Cannot open file " + path, EISDIR);
  const std::unique_ptr<std::FILE, CloseFile> stream(OpenFile(path, "rb"));
  if (!stream) throw WithReason("Cannot open file " + path, errno);
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (!error && size > limit) throw FileTooLargeError(TooLarge(path, size, limit));
  // A regular file is read at its own size (one byte more finds its end); one whose size is
  // not known in advance (a pipe, /proc) in growing blocks, one byte past the limit telling
  // one that is too large.
  std::string bytes(!error && size > 0 ? static_cast<std::size_t>(size) + 1 : std::size_t{1} << 16, '\0');
  std::size_t got = 0;
  for (;;) {
    got += std::fread(bytes.data() + got, 1, bytes.size() - got, stream.get());
    if (got > limit) {
      throw FileTooLargeError("File " + path + " is too large (the limit is " + std::to_string(limit >> 20) +
                              " MB)");
    }
    if (got < bytes.size()) break;
    bytes.resize(std::min(bytes.size() * 2, limit + 1));
  }
  if (std::ferror(stream.get())) throw WithReason("Cannot read file " + path, errno);
  bytes.resize(got);
  return bytes;
}

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
  namespace fs = std::filesystem;
  const fs::path target = PathFromUtf8(path);
  std::random_device random;
  // A short name of its own, so that a long target name cannot make it too long.
  const fs::path temporary = target.parent_path() / (".skorlin-" + std::to_string(random()) + ".tmp");
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) throw FileError("Unable to write to " + path);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      fs::remove(temporary, ignored);
      throw FileError("Unable to write to " + path);
    }
  }
  std::error_code error;
  if (!SyncFile(temporary)) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    throw FileError("Unable to write to " + path);
  }
  fs::rename(temporary, target, error);
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    throw FileError("Unable to write to " + path);
  }
}

}  // namespace skorlin::text
