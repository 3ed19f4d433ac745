// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/run_cli.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "temp_folder.h"
#include "text/file_path.h"

namespace skorlin::cli::testing {
namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(text::PathFromUtf8(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

#ifdef _WIN32

// One argument as CommandLineToArgvW and the C runtime read it back.
std::wstring Quoted(const std::wstring& arg) {
  std::wstring out = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    out.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    out += c;
  }
  out.append(2 * backslashes, L'\\');
  return out + L"\"";
}

HANDLE OpenInherited(const std::string& path, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return CreateFileW(text::PathFromUtf8(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                     disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Runs the program with its standard streams on the three files; its exit status, 127
// when it cannot be started.
int Spawn(const std::string& program, const std::vector<std::string>& args, const std::string& in,
          const std::string& out, const std::string& err) {
  std::wstring line = Quoted(text::PathFromUtf8(program).native());
  for (const std::string& a : args) line += L" " + Quoted(text::PathFromUtf8(a).native());
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = OpenInherited(in, GENERIC_READ, OPEN_EXISTING);
  startup.hStdOutput = OpenInherited(out, GENERIC_WRITE, CREATE_ALWAYS);
  startup.hStdError = OpenInherited(err, GENERIC_WRITE, CREATE_ALWAYS);
  PROCESS_INFORMATION process{};
  // Under Wine on a busy machine a start now and then fails for no reason of the program's;
  // a program that cannot be started at all fails every try.
  bool started = false;
  for (int attempt = 0; attempt < 3 && !started; ++attempt) {
    if (attempt > 0) Sleep(200);
    started =
        CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
  }
  DWORD status = 127;
  if (started) {
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  for (HANDLE h : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) CloseHandle(h);
  return static_cast<int>(status);
}

#else

int Spawn(const std::string& program, const std::vector<std::string>& args, const std::string& in,
          const std::string& out, const std::string& err) {
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    const int inFd = open(in.c_str(), O_RDONLY);
    const int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(inFd, 0);
    dup2(outFd, 1);
    dup2(errFd, 2);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execvp(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

#endif

}  // namespace

CliRun RunCli(const std::vector<std::string>& args, const std::string& input) {
  return RunProgram(SKORLIN_CLI_PATH, args, input);
}

CliRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::string& input) {
  TempDir dir;
  const std::string in = dir.Write("stdin", input);
  const std::string out = dir.path() + "/stdout";
  const std::string err = dir.path() + "/stderr";
  CliRun run;
  run.exitCode = Spawn(program, args, in, out, err);
  run.out = ReadAll(out);
  run.err = ReadAll(err);
  return run;
}

TempDir::TempDir() : path_(text::Utf8FromPath(skorlin::testing::MakeTempFolder("skorlin-test-"))) {}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(text::PathFromUtf8(path_), ignored);
}

std::string TempDir::Write(const std::string& name, const std::string& bytes) const {
  std::string file = path_ + "/" + name;
  std::ofstream(text::PathFromUtf8(file), std::ios::binary) << bytes;
  return file;
}

std::string TempDir::Read(const std::string& name) const { return ReadAll(path_ + "/" + name); }

}  // namespace skorlin::cli::testing
