// SPDX-License-Identifier: GPL-3.0-or-later
// Stand-ins for the declension library that misbehave in one chosen way each, built as
// several libraries from this file (see ../CMakeLists.txt): one without GetFIOFleksFSAS,
// one without GetSex, one returning a fixed error code, one claiming a result longer than
// its buffer, one that needs more room than the caller's first buffer, and an echo
// library that fails on a marked line and counts the sex queries.
#include <cstring>
#include <string>

#define STUB_API extern "C" __attribute__((visibility("default")))

#ifndef STUB_NO_DECLINE
STUB_API int GetFIOFleksFSAS(const char* fio, int caseNo, char* buffer, int* size) {
#if defined(STUB_ERROR_CODE)
  (void)fio, (void)caseNo, (void)buffer, (void)size;
  return STUB_ERROR_CODE;
#elif defined(STUB_BAD_LENGTH)
  (void)fio, (void)caseNo;
  if (*size > 0) buffer[0] = '\0';
  *size += 5;
  return 0;
#else
  // Echo: the name followed by '|' and the case number; "!" in the name fails with -2.
  if (std::strchr(fio, '!') != nullptr) return -2;
  std::string result = std::string(fio) + "|" + std::to_string(caseNo);
#ifdef STUB_GROW
  result += std::string(40, '+');  // needs more than the caller's name + 10 bytes
#endif
  if (*size < static_cast<int>(result.size()) + 1) {
    *size = static_cast<int>(result.size()) + 1;
    return -3;
  }
  std::memcpy(buffer, result.c_str(), result.size() + 1);
  *size = static_cast<int>(result.size());
  return 0;
#endif
}
#endif

static int sexCalls = 0;
static std::string lastSexText;

#ifndef STUB_NO_SEX
// 0 (female) for a text ending in the Windows-1251 letter 'а', else 1.
STUB_API int GetSex(const char* text) {
  ++sexCalls;
  lastSexText = text;
  std::size_t n = std::strlen(text);
  return n > 0 && static_cast<unsigned char>(text[n - 1]) == 0xE0 ? 0 : 1;
}
#endif

STUB_API int StubSexCalls() { return sexCalls; }
STUB_API const char* StubLastSexText() { return lastSexText.c_str(); }
