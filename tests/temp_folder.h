// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh folder under the system's temporary folder, for the tests that write files.
#pragma once

#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>

namespace skorlin::testing {

// Creates and returns a folder of a new name starting with prefix.
inline std::filesystem::path MakeTempFolder(const std::string& prefix) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / (prefix + std::to_string(random()));
    std::error_code error;
    if (std::filesystem::create_directory(folder, error)) return folder;
  }
  throw std::runtime_error("cannot make a temporary folder");
}

}  // namespace skorlin::testing
