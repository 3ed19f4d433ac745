// SPDX-License-Identifier: GPL-3.0-or-later
// Faults of the outside world through skorlin-cli: bytes nobody would call text, files
// that cannot be read or are too large, huge inputs, output that cannot be written, and a
// declension library that is missing or misbehaves. Each run either gives the whole
// result or fails with exit 1, a message on standard error and nothing on standard output.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run_cli.h"
#include "text/file_path.h"

namespace skorlin::cli::testing {
namespace {

namespace fs = std::filesystem;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Lines of Russian text in Windows-1251, "строка N" with N running modulo distinct.
std::string NumberedLines(std::size_t bytes, std::size_t distinct, std::size_t* lineCount) {
  std::string out;
  out.reserve(bytes + 64);
  std::size_t n = 0;
  while (out.size() < bytes) {
    out += "\xF1\xF2\xF0\xEE\xEA\xE0 \xB9";  // "строка №"
    out += std::to_string(n % distinct);
    out += " \xAB\xEA\xE0\xE2\xFB\xF7\xEA\xE8\xBB \x97 \t\xE5\xF9\xB8\r\n";  // «кавычки» — \tещё
    ++n;
  }
  *lineCount = n;
  return out;
}

TEST(CliHostileInput, EveryByteStringComesBackFromConvertUnchanged) {
  const std::string self = FileBytes(SKORLIN_CLI_PATH).substr(0, 64 << 10);
  ASSERT_GT(self.size(), 1000U);
  const struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"invalid UTF-8 that is no plausible Windows-1251 either",
       std::string("\xC3\x28\x80\x81\x98\x9F\xC0\xAF\xED\xA0\x80\xF8\x88\x80\x80\x80\x01\x02\x1B[0m\x7F",
                   22)},
      {"a UTF-8 byte order mark before invalid UTF-8", "\xEF\xBB\xBF\xD0\x9F\xD1\xFF\xFE\r\n\xD0"},
      {"UTF-16 with an odd number of bytes", std::string("\xFF\xFE\x1F\x04\x40\x04\x38", 7)},
      {"UTF-16 with a lone surrogate", std::string("\xFF\xFE"
                                                   "A\0\0\xD8"
                                                   "B\0",
                                                   8)},
      {"big-endian UTF-16 cut short", std::string("\xFE\xFF\x04\x1F\x04", 5)},
      {"NUL bytes at the start, inside and at the end",
       std::string("\0\xCF\xF0\xE8\0\r\n\xE2\xE5\xF2\0", 11)},
      {"only line breaks of every kind", "\r\r\n\n\r\n\n\r"},
      {"the start of a program file", self},
  };
  TempDir dir;
  for (const Case& c : cases) {
    const std::string file = dir.Write("input.bin", c.bytes);
    const CliRun run = RunCli({"convert", "-q", file});
    EXPECT_EQ(run.exitCode, 0) << c.what << ": " << run.err;
    EXPECT_TRUE(run.out == c.bytes) << c.what << ": " << run.out.size() << " bytes instead of "
                                    << c.bytes.size();
    const CliRun piped = RunCli({"convert", "-q"}, c.bytes);
    EXPECT_TRUE(piped.out == c.bytes) << c.what << " (standard input)";
  }
}

TEST(CliHostileInput, Windows1251ReadAsSuchSurvivesUtf8AndBack) {
  // Every byte from 1 to 255, 0x98 included, as Windows-1251: to UTF-8 and back again.
  std::string bytes;
  for (int b = 1; b < 256; ++b) bytes += static_cast<char>(b);
  const CliRun toUtf8 = RunCli({"convert", "--encoding", "cp1251", "--output-encoding", "utf-8"}, bytes);
  ASSERT_EQ(toUtf8.exitCode, 0) << toUtf8.err;
  const CliRun back = RunCli({"convert", "--encoding", "utf-8", "--output-encoding", "cp1251"}, toUtf8.out);
  ASSERT_EQ(back.exitCode, 0) << back.err;
  EXPECT_TRUE(back.out == bytes);
}

TEST(CliHostileInput, InputThatCannotBeReadFailsWithNothingWritten) {
  TempDir dir;
  // A file larger than the program reads: a sparse file, so it costs no disk space.
  const std::string large = dir.path() + "/large.txt";
  { std::ofstream(large, std::ios::binary) << "x"; }
  fs::resize_file(large, std::uintmax_t{513} << 20);
  // A file whose opening works but whose reading fails.
  const struct Case {
    std::string path;
    const char* mentions;
  } cases[] = {
      {large, "large.txt is too large: 513 MB"},
#ifndef _WIN32
      {"/proc/self/mem", "Cannot read file /proc/self/mem"},
#endif
      {dir.path() + "/missing.txt", "Cannot open file"},
      {dir.path(), "Cannot open file"},
  };
  for (const Case& c : cases) {
    for (const char* command : {"convert", "format", "stats"}) {
      const CliRun run = RunCli({command, c.path});
      EXPECT_EQ(run.exitCode, 1) << command << " " << c.path;
      EXPECT_TRUE(run.out.empty()) << command << " " << c.path;
      EXPECT_NE(run.err.find("skorlin-cli: "), std::string::npos) << run.err;
      EXPECT_NE(run.err.find(c.mentions), std::string::npos) << run.err;
    }
  }
}

#ifndef _WIN32  // permissions, devices and limits of POSIX
TEST(CliHostileInput, AFileWithoutReadPermissionIsNamed) {
  TempDir dir;
  const std::string file = dir.Write("secret.txt", "\xF2\xE5\xEA\xF1\xF2");
  ASSERT_EQ(chmod(file.c_str(), 0), 0);
  // Permissions do not stop root: as root the program runs as the unprivileged user.
  std::string asUser;
  if (geteuid() == 0) {
    asUser = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    const std::string probe = asUser + SKORLIN_CLI_PATH + " --version >/dev/null 2>&1";
    if (std::system(probe.c_str()) != 0)
      GTEST_SKIP() << "cannot run the program as an unprivileged user here";
  }
  const std::string command = asUser + SKORLIN_CLI_PATH + " convert " + file + " >" + dir.path() +
                              "/out.txt 2>" + dir.path() + "/err.txt";
  EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), 1);
  EXPECT_EQ(dir.Read("out.txt"), "");
  EXPECT_NE(dir.Read("err.txt").find("Cannot open file " + file), std::string::npos) << dir.Read("err.txt");
}

TEST(CliHostileInput, OutputThatCannotBeWrittenIsAnError) {
  TempDir dir;
  const std::string input = dir.Write("input.txt", "\xCF\xF0\xE8\xE2\xE5\xF2\r\n");
  // A full device: the write fails and the exit status says so (convert writes decoded
  // text, invert the input's own bytes).
  for (const std::string command : {"convert", "invert"}) {
    const std::string full = std::string(SKORLIN_CLI_PATH) + " " + command + " " + input + " >/dev/full 2>" +
                             dir.path() + "/err.txt";
    EXPECT_EQ(WEXITSTATUS(std::system(full.c_str())), 1) << command;
    EXPECT_NE(dir.Read("err.txt").find("Unable to write to standard output"), std::string::npos)
        << dir.Read("err.txt");
  }

  // The commands that write as they go, on an input whose output takes several writes:
  // a full device refuses the first, a file size limit one halfway. Either way the run
  // fails and says why, and no caption reports the command done.
  std::string lines;
  for (int i = 0; i < 40000; ++i) lines += "  http://site.ru/" + std::to_string(i) + "/  a   b \n";
  const std::string large = dir.Write("large.txt", lines);
  const std::string clipboard = dir.Write("clipboard.txt", "http://a.ru\n");
  for (const std::string& command :
       std::vector<std::string>{"trim", "collapse-spaces", "keep-folder", "invert", "dedupe", "keep-urls",
                                "insert-anchors --clipboard " + clipboard}) {
    const std::string run = std::string(SKORLIN_CLI_PATH) + " " + command + " " + large;
    const std::string err = dir.path() + "/err.txt";
    const std::string limited =
        "trap '' XFSZ; ulimit -f 200; exec " + run + " >" + dir.path() + "/out.txt 2>" + err;
    for (const std::string& shell : {run + " >/dev/full 2>" + err, "sh -c \"" + limited + "\""}) {
      EXPECT_EQ(WEXITSTATUS(std::system(shell.c_str())), 1) << shell;
      const std::string said = dir.Read("err.txt");
      EXPECT_NE(said.find("Unable to write to standard output"), std::string::npos) << shell << said;
      EXPECT_EQ(said.find("100%"), std::string::npos) << shell << said;
      EXPECT_EQ(said.find("Готово"), std::string::npos) << shell << said;
    }
    EXPECT_LE(fs::file_size(dir.path() + "/out.txt"), 200U * 1024) << command;
  }

  // Pages in a folder that cannot exist (a path through a file): each one is named.
  const std::string notAFolder = dir.Write("plain.txt", "keep");
  const CliRun run = RunCli({"save-html", notAFolder + "/index.htm"}, "<h1>A</h1>b");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("Unable to write to " + notAFolder + "/"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find(notAFolder + "/index.htm"), std::string::npos) << run.err;
  EXPECT_EQ(dir.Read("plain.txt"), "keep");
}

TEST(CliHostileInput, AWriteThatFailsHalfwayLeavesTheOldPageWhole) {
  TempDir dir;
  const std::string index = dir.path() + "/index.htm";
  ASSERT_EQ(RunCli({"save-html", index}, "<h1>Old</h1>old text").exitCode, 0);
  const std::string oldPage = dir.Read("old.htm");
  ASSERT_NE(oldPage.find("old text"), std::string::npos);
  // The same page again, too large for the file size limit: its write fails halfway.
  const std::string input = dir.Write("input.txt", "<h1>Old</h1>" + std::string(64 << 10, 'x'));
  const std::string command = "trap '' XFSZ; ulimit -f 8; " + std::string(SKORLIN_CLI_PATH) + " save-html " +
                              index + " " + input + " 2>" + dir.path() + "/err.txt";
  EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), 1);
  EXPECT_NE(dir.Read("err.txt").find("Unable to write to " + dir.path() + "/old.htm"), std::string::npos)
      << dir.Read("err.txt");
  EXPECT_EQ(dir.Read("old.htm"), oldPage);
  for (const auto& entry : fs::directory_iterator(dir.path())) {
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
  }
}

#endif

TEST(CliHostileInput, AHugeFileComesThroughWhole) {
  // The sanitizer build checks the same code on less: it is many times slower.
  const std::size_t size = kSanitized ? std::size_t{16} << 20 : std::size_t{200} << 20;
  TempDir dir;
  std::size_t lines = 0;
  const std::string bytes = NumberedLines(size, 1000, &lines);
  const std::string file = dir.Write("huge.txt", bytes);
  const CliRun converted = RunCli({"convert", "-q", file});
  ASSERT_EQ(converted.exitCode, 0) << converted.err;
  EXPECT_TRUE(converted.out == bytes) << converted.out.size() << " bytes instead of " << bytes.size();

  const CliRun counted = RunCli({"stats", "--json", file});
  ASSERT_EQ(counted.exitCode, 0) << counted.err;
  EXPECT_NE(counted.out.find("\"AllLineCount\": " + std::to_string(lines + 1) + ","), std::string::npos)
      << counted.out;

  // The duplicate table on a part of it (still a hundred thousand lines).
  std::size_t partLines = 0;
  const std::string part = NumberedLines(std::size_t{8} << 20, 1000, &partLines);
  const CliRun deduplicated = RunCli({"dedupe", dir.Write("part.txt", part)});
  ASSERT_EQ(deduplicated.exitCode, 0) << deduplicated.err;
  // The first thousand lines are all there is.
  std::size_t end = 0;
  for (int line = 0; line < 1000; ++line) end = part.find("\r\n", end) + 2;
  EXPECT_TRUE(deduplicated.out == part.substr(0, end)) << deduplicated.out.size() << " bytes";
  EXPECT_NE(deduplicated.err.find("100% " + std::to_string(partLines - 1000)), std::string::npos)
      << deduplicated.err;
}

TEST(CliHostileInput, AHugeLineIsNoTrouble) {
  // One line of a megabyte (a quarter in the slower sanitizer build).
  const std::size_t size = kSanitized ? std::size_t{256} << 10 : std::size_t{1} << 20;
  std::string line;
  while (line.size() < size) {
    line += "\xC8\xE2\xE0\xED\xEE\xE2 \xC8.\xC8. \x97 \"\xF2\xE5\xEA\xF1\xF2\" (\xB9 5) http://example.ru/a ";
  }
  for (const char* command :
       {"format", "html", "trim", "collapse-spaces", "keep-urls", "initials", "stats"}) {
    const CliRun run = RunCli({command, "-q", "--encoding", "cp1251"}, line);
    EXPECT_EQ(run.exitCode, 0) << command << ": " << run.err;
    EXPECT_FALSE(run.out.empty()) << command;
  }
}

#ifdef _WIN32
constexpr const char* kLibraryFile = "FLEKS.DLL";
constexpr const char* kStubSuffix = ".dll";
constexpr const char* kFolderSeparator = "\\";
#else
constexpr const char* kLibraryFile = "libfleks.so";
constexpr const char* kStubSuffix = ".so";
constexpr const char* kFolderSeparator = "/";
#endif

// A copy of skorlin-cli in a folder of its own, with a chosen library beside it (or none).
class LonelyCli {
 public:
  // The folder's name has Cyrillic letters: the library is found there all the same.
  explicit LonelyCli(const std::string& library) : folder_(dir_.path() + kFolderSeparator + "Программа") {
    fs::create_directory(text::PathFromUtf8(folder_));
    program_ = folder_ + kFolderSeparator + fs::path(SKORLIN_CLI_PATH).filename().string();
    fs::copy_file(SKORLIN_CLI_PATH, text::PathFromUtf8(program_));
    if (!library.empty())
      fs::copy_file(library, text::PathFromUtf8(folder_ + kFolderSeparator + kLibraryFile));
  }
  // command: the command and its options, separated by spaces.
  CliRun Run(const std::string& command, const std::string& input) const {
    std::vector<std::string> args;
    std::istringstream words(command);
    for (std::string word; words >> word;) args.push_back(word);
    args.push_back(dir_.Write("in.txt", input));
    return RunProgram(program_, args);
  }
  const std::string& folder() const { return folder_; }

 private:
  TempDir dir_;
  std::string folder_;
  std::string program_;
};

// The stand-in libraries built beside the tests of the binding.
std::string Stub(const std::string& variant) {
  const fs::path path = fs::path(SKORLIN_CLI_PATH).parent_path() / "tests" / "fleks" / "stubs" /
                        ("libfleks_stub_" + variant + kStubSuffix);
  return path.string();
}

const std::string kNames =
    "\xC8\xE2\xE0\xED\xEE\xE2 \xC8\xE2\xE0\xED \xC8\xE2\xE0\xED\xEE\xE2\xE8\xF7\r\n"  // Иванов Иван Иванович
    "\xCF\xE5\xF2\xF0\xEE\xE2\xE0 \xCC\xE0\xF0\xE8\xFF\r\n";  // Петрова Мария

TEST(CliDeclensionLibrary, MissingLibraryIsReportedAndNothingIsWritten) {
  const LonelyCli cli("");
  for (const char* command : {"dative", "salutation", "decline --case 2"}) {
    const CliRun run = cli.Run(command, kNames);
    EXPECT_EQ(run.exitCode, 1) << command;
    EXPECT_TRUE(run.out.empty()) << command;
    EXPECT_NE(run.err.find(std::string("Cannot load the declension library ") + kLibraryFile +
                           "; looked for " + cli.folder() + kFolderSeparator + kLibraryFile),
              std::string::npos)
        << run.err;
  }
  // The commands that need no library still work, and recognise no line that is not a name.
  const CliRun initials = cli.Run("initials -q", kNames);
  EXPECT_EQ(initials.exitCode, 0) << initials.err;
  EXPECT_EQ(initials.out, "\xC8\xE2\xE0\xED\xEE\xE2 \xC8.\xC8.\r\n\xCF\xE5\xF2\xF0\xEE\xE2\xE0 \xCC..\r\n");
  const CliRun heading = cli.Run("first-patronymic -q", "Список участников:\n");
  EXPECT_EQ(heading.exitCode, 0) << heading.err;
  EXPECT_EQ(heading.out, "участников:\n");
}

// With the library beside the program: lines that are not names stay as they are, a list
// written first name first is read so, and a salutation is never given to the wrong sex.
TEST(CliDeclensionLibrary, NamesAndLinesThatAreNot) {
  const LonelyCli cli((fs::path(SKORLIN_CLI_PATH).parent_path() / kLibraryFile).string());
  const std::string list =
      "Список участников:\nИтого: 15 человек\nВ 1999 году компания открыла офис\nhttp://x.ru/a\n"
      "Иванов Иван Иванович\n";
  const std::string kept =
      "Список участников:\nИтого: 15 человек\nВ 1999 году компания открыла офис\n"
      "http://x.ru/a\n";
  const struct {
    const char* command;
    std::string input, output;
  } cases[] = {
      {"initials -q", list, kept + "Иванов И.И.\n"},
      {"first-patronymic -q", list, kept + "Иван Иванович\n"},
      {"salutation -q", "Шевченко Абдулла\nШевченко Абигейль\nЗульфия Ахметова\nШевченко Саша\n",
       "Уважаемый Абдулла\nУважаемая Абигейль\nУважаемая Зульфия\nШевченко Саша\n"},
      {"initials -q", "Зульфия Ахметова\n", "Ахметова З.\n"},
      {"dative -q", "Зульфия Ахметова\n", "Зульфии Ахметовой\n"},
  };
  for (const auto& c : cases) {
    const CliRun run = cli.Run(c.command, c.input);
    EXPECT_EQ(run.exitCode, 0) << c.command << ": " << run.err;
    EXPECT_EQ(run.out, c.output) << c.command;
  }
}

TEST(CliDeclensionLibrary, EveryFaultOfTheLibraryIsReportedAndNothingIsWritten) {
  const struct Case {
    const char* stub;
    const char* command;
    const char* message;
  } cases[] = {
      {"no_decline", "dative", "Функция 'GetFIOFleksFSAS' в библиотеке FLEKS.DLL не найдена (line 1)"},
      {"no_sex", "salutation", "Функция 'GetSex' в библиотеке FLEKS.DLL не найдена (line 1)"},
      {"code_m1", "dative", "Недопустимое значение падежа (line 1)"},
      {"code_m2", "dative", "Недопустимое значение рода (line 1)"},
      {"code_m3", "decline --case 4", "Размер буфера недостаточен"},
      {"code_m7", "dative", "Неизвестный код ошибки: -7 (line 1)"},
      {"bad_length", "dative", "недопустимую длину результата"},
  };
  for (const Case& c : cases) {
    const std::string stub = Stub(c.stub);
    ASSERT_TRUE(fs::exists(stub)) << stub << " is built with the tests of the declension binding";
    const LonelyCli cli(stub);
    const CliRun run = cli.Run(c.command, kNames);
    EXPECT_EQ(run.exitCode, 1) << c.stub;
    EXPECT_TRUE(run.out.empty()) << c.stub << ": " << run.out;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.stub << ": " << run.err;
  }
  // A library that fails on the second line: the first line's result is not printed alone.
  const LonelyCli echo(Stub("echo"));
  const CliRun run = echo.Run("dative", "\xC8\xE2\xE0\xED\xEE\xE2\r\n\xCF\xE5\xF2\xF0\xEE\xE2!\r\n");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.out.empty()) << run.out;
  EXPECT_NE(run.err.find("(line 2)"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace skorlin::cli::testing
