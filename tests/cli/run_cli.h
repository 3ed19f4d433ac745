// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built skorlin-cli with arguments and standard input, for the CLI tests.
#pragma once

#include <string>
#include <vector>

namespace skorlin::cli::testing {

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs skorlin-cli with args (no shell involved) and input on standard input.
CliRun RunCli(const std::vector<std::string>& args, const std::string& input = "");
// The same for another program, found on PATH when its name holds no slash.
CliRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::string& input = "");

// A file in a fresh temporary folder, removed with the folder when the test ends.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  std::string Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace skorlin::cli::testing
