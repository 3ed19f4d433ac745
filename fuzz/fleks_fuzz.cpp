// SPDX-License-Identifier: GPL-3.0-or-later
// The declension library's exports on any bytes, with any case number and any buffer
// size (zero, negative, one short, large), as an outside caller may pass them: nothing is
// written past the size given, the size returned says what happened, and a larger buffer
// always gives the same result.
// Byte 0: the case number (-1 to 7) and null-pointer choices; bytes 1-2: the buffer size
// (a signed 16-bit number); the rest is the name, handed over zero-terminated.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "fleks.h"
#include "fuzz_input.h"

namespace {

// Calls GetFIOFleksFSAS with a buffer of exactly capacity bytes on the heap, so the
// sanitizer sees any write beyond it.
int Decline(const char* fio, int caseNo, int capacity, bool nullBuffer, std::string& result, int& size) {
  const std::size_t bytes = capacity > 0 ? static_cast<std::size_t>(capacity) : 0;
  std::unique_ptr<char[]> buffer(new char[bytes == 0 ? 1 : bytes]);
  // A zero-sized request gets a pointer one past which nothing may be written.
  char* start = bytes == 0 ? buffer.get() + 1 : buffer.get();
  size = capacity;
  const int code = GetFIOFleksFSAS(fio, caseNo, nullBuffer ? nullptr : start, &size);
  if (code == FLEKS_OK) result.assign(start, static_cast<std::size_t>(std::max(size, 0)));
  return code;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  skorlin::fuzzing::FuzzInput in(data, size);
  const std::uint8_t mode = in.Byte();
  const int caseNo = static_cast<int>(mode % 9) - 1;
  const bool nullBuffer = (mode & 0x10) != 0;
  const bool nullName = (mode & 0xE0) == 0xE0;
  const auto capacity = static_cast<std::int16_t>((in.Byte() << 8) | in.Byte());
  const std::string_view bytes = in.Rest();
  // Exactly the bytes and their terminator: a read past the terminator is caught.
  const std::unique_ptr<char[]> owned(new char[bytes.size() + 1]);
  if (!bytes.empty()) std::memcpy(owned.get(), bytes.data(), bytes.size());
  owned[bytes.size()] = '\0';
  const char* fio = nullName ? nullptr : owned.get();
  const std::string_view name = fio == nullptr ? std::string_view() : std::string_view(fio, std::strlen(fio));

  const int sex = GetSex(fio);
  FUZZ_CHECK(sex >= -1 && sex <= 1);
  FUZZ_CHECK(GetSex(fio) == sex);
  // A text the library reads as no name has no sex and no order of its parts.
  const int order = GetFIOOrder(fio);
  FUZZ_CHECK(order >= -1 && order <= 1);
  FUZZ_CHECK(order >= 0 || sex == -1);

  std::string result;
  int returned = 0;
  const int code = Decline(fio, caseNo, capacity, nullBuffer, result, returned);
  if (caseNo < 1 || caseNo > 6) {
    FUZZ_CHECK(code == FLEKS_BAD_CASE);
    return 0;
  }
  FUZZ_CHECK(code == FLEKS_OK || code == FLEKS_BUFFER_TOO_SMALL);
  FUZZ_CHECK(GetFIOFleksFSAS(fio, caseNo, nullptr, nullptr) == FLEKS_BUFFER_TOO_SMALL);

  // Ask for the size needed, then decline into exactly that much room.
  int needed = 0;
  FUZZ_CHECK(GetFIOFleksFSAS(fio, caseNo, nullptr, &needed) == FLEKS_BUFFER_TOO_SMALL);
  FUZZ_CHECK(needed >= 1);
  std::string exact;
  int exactSize = 0;
  FUZZ_CHECK(Decline(fio, caseNo, needed, false, exact, exactSize) == FLEKS_OK);
  FUZZ_CHECK(exactSize == needed - 1 && exact.size() + 1 == static_cast<std::size_t>(needed));
  FUZZ_CHECK(exact.find('\0') == std::string::npos);
  std::string shortBy1;
  int shortSize = 0;
  FUZZ_CHECK(Decline(fio, caseNo, needed - 1, false, shortBy1, shortSize) == FLEKS_BUFFER_TOO_SMALL);
  FUZZ_CHECK(shortSize == needed);

  if (code == FLEKS_OK) {
    FUZZ_CHECK(!nullBuffer && capacity >= needed && result == exact);
  } else {
    FUZZ_CHECK(nullBuffer || capacity < needed);
    FUZZ_CHECK(returned == needed);
  }

  // The nominative is the name as given; every case keeps the spacing of the name.
  if (caseNo == 1) FUZZ_CHECK(exact == name);
  FUZZ_CHECK(std::count(exact.begin(), exact.end(), ' ') == std::count(name.begin(), name.end(), ' '));
  return 0;
}
