// SPDX-License-Identifier: MIT
// The exported functions: argument checks and the buffer protocol around the engine.
#include <climits>
#include <cstring>
#include <new>
#include <string>

#include "declension.h"
#include "fleks.h"

namespace {

// A zero-terminated text; a null pointer reads as the empty text.
std::string_view Input(const char* text) {
  return text == nullptr ? std::string_view() : std::string_view(text);
}

}  // namespace

extern "C" FLEKS_API int FLEKS_CALL GetFIOFleksFSAS(const char* fio, int caseNo, char* buffer, int* size) {
  if (caseNo < 1 || caseNo > 6) return FLEKS_BAD_CASE;
  if (size == nullptr) return FLEKS_BUFFER_TOO_SMALL;
  try {
    const std::string result = fleks::DeclineFullName(Input(fio), caseNo);
    if (result.size() >= static_cast<std::size_t>(INT_MAX)) return FLEKS_INTERNAL_ERROR;
    const int needed = static_cast<int>(result.size()) + 1;
    if (buffer == nullptr || *size < needed) {
      *size = needed;
      return FLEKS_BUFFER_TOO_SMALL;
    }
    std::memcpy(buffer, result.data(), result.size());
    buffer[result.size()] = '\0';
    *size = static_cast<int>(result.size());
    return FLEKS_OK;
  } catch (const std::bad_alloc&) {
    return FLEKS_INTERNAL_ERROR;
  }
}

extern "C" FLEKS_API int FLEKS_CALL GetSex(const char* text) {
  try {
    switch (fleks::GuessSex(Input(text))) {
      case fleks::Sex::Male:
        return 1;
      case fleks::Sex::Female:
        return 0;
      case fleks::Sex::Unknown:
        break;
    }
  } catch (const std::bad_alloc&) {
  }
  return -1;
}

extern "C" FLEKS_API int FLEKS_CALL GetFIOOrder(const char* fio) {
  try {
    switch (fleks::ReadNameOrder(Input(fio))) {
      case fleks::NameOrder::NotAName:
        return -1;
      case fleks::NameOrder::Usual:
        return 0;
      case fleks::NameOrder::FirstNameFirst:
        return 1;
    }
  } catch (const std::bad_alloc&) {
  }
  return 0;
}
