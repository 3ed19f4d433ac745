// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/text_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "temp_folder.h"

namespace skorlin::text {
namespace {

namespace fs = std::filesystem;

class TextFileTest : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = skorlin::testing::MakeTempFolder("skorlin-file-"); }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(TextFileTest, WritesReplaceTheFileAndLeaveNoTemporaryBehind) {
  const std::string path = (dir_ / std::string(240, 'x')).string();  // a name near the limit
  WriteFileAtomically(path, "old");
  WriteFileAtomically(path, std::string("new\0bytes", 9));
  EXPECT_EQ(ReadFileBytes(path), std::string("new\0bytes", 9));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(TextFileTest, FailuresNameTheFileAndKeepTheOldOne) {
  const std::string missingFolder = (dir_ / "no" / "such.txt").string();
  try {
    WriteFileAtomically(missingFolder, "x");
    FAIL();
  } catch (const FileError& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + missingFolder);
  }
  // A folder in the way: the rename fails and the folder stays as it was.
  const fs::path folder = dir_ / "folder";
  fs::create_directory(folder);
  EXPECT_THROW(WriteFileAtomically(folder.string(), "x"), FileError);
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
  try {
    ReadFileBytes((dir_ / "missing.txt").string());
    FAIL();
  } catch (const FileError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot open file " + (dir_ / "missing.txt").string() + ": " + std::strerror(ENOENT));
  }
  EXPECT_THROW(ReadFileBytes(folder.string()), FileError);
}

}  // namespace
}  // namespace skorlin::text
