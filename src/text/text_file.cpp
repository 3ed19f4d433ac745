// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file reading and atomic writing.
#include "text/text_file.h"

#include <cstdio>
#include <filesystem>
#ifdef __unix__
#include <fcntl.h>
#include <unistd.h>
#endif
#include <fstream>
#include <random>
#include <system_error>

#include "text/file_path.h"

namespace skorlin::text {

namespace {

std::string ReadOpenedFile(std::ifstream& in, const std::string& path) {
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size > static_cast<std::streamoff>(kMaxFileBytes)) {
    throw FileError("File " + path + " is too large: " + std::to_string(size >> 20) + " MB (the limit is " +
                    std::to_string(kMaxFileBytes >> 20) + " MB)");
  }
  std::string bytes;
  if (size > 0) {
    bytes.resize(static_cast<std::size_t>(size));
    in.seekg(0, std::ios::beg);
    in.read(bytes.data(), size);
    if (in.gcount() != size) throw FileError("Cannot read file " + path);
  } else {
    // Files whose size is not known in advance (pipes, /proc) are read to their end.
    in.clear();
    in.seekg(0, std::ios::beg);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (bytes.size() > kMaxFileBytes) throw FileError("File " + path + " is too large");
  }
  return bytes;
}

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

std::string ReadFileBytes(const std::string& path) {
  std::error_code error;
  const std::filesystem::path file = PathFromUtf8(path);
  if (std::filesystem::is_directory(file, error)) throw FileError("Cannot open file " + path);
  std::ifstream in(file, std::ios::binary);
  if (!in) throw FileError("Cannot open file " + path);
  try {
    return ReadOpenedFile(in, path);
  } catch (const FileError&) {
    throw;
  } catch (const std::exception&) {
    // The stream library reports a failing device in its own words, without the name.
    throw FileError("Cannot read file " + path);
  }
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
