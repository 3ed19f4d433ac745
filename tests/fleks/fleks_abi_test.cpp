// SPDX-License-Identifier: GPL-3.0-or-later
// The library's C interface: the case number, the buffer protocol and inputs that are not
// names at all. Nothing may be written beyond the buffer or claimed beyond what was written.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "fleks.h"
#include "text/encoding.h"
#include "text/text.h"

namespace {

std::string Cp1251(const char* utf8) { return skorlin::text::EncodeCp1251(skorlin::text::FromUtf8(utf8)); }

TEST(FleksAbi, CaseOutsideOneToSixIsRejected) {
  char buffer[64];
  for (int caseNo : {0, 7, -1, 100, INT_MIN, INT_MAX}) {
    int size = sizeof buffer;
    EXPECT_EQ(GetFIOFleksFSAS(Cp1251("Иванов").c_str(), caseNo, buffer, &size), FLEKS_BAD_CASE) << caseNo;
  }
}

TEST(FleksAbi, BufferProtocol) {
  const std::string name = Cp1251("Иванов Иван Иванович");
  const std::string dative = Cp1251("Иванову Ивану Ивановичу");
  const int needed = static_cast<int>(dative.size()) + 1;
  for (int capacity : {INT_MIN, -1, 0, 1, needed - 1, needed, needed + 1, 200}) {
    char buffer[256];
    std::memset(buffer, '#', sizeof buffer);
    const int usable = capacity < 0 ? 0 : std::min(capacity, 200);
    int size = capacity;
    const int code = GetFIOFleksFSAS(name.c_str(), 3, buffer, &size);
    for (int i = usable; i < static_cast<int>(sizeof buffer); ++i)
      ASSERT_EQ(buffer[i], '#') << "written beyond a buffer of " << capacity << " at " << i;
    if (capacity >= needed) {
      ASSERT_EQ(code, FLEKS_OK) << capacity;
      EXPECT_EQ(size, needed - 1);
      EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(size)), dative);
      EXPECT_EQ(buffer[size], '\0');
    } else {
      EXPECT_EQ(code, FLEKS_BUFFER_TOO_SMALL) << capacity;
      EXPECT_EQ(size, needed) << capacity;
    }
  }
  int size = 10;
  EXPECT_EQ(GetFIOFleksFSAS(name.c_str(), 3, nullptr, &size), FLEKS_BUFFER_TOO_SMALL);
  EXPECT_EQ(GetFIOFleksFSAS(name.c_str(), 3, nullptr, nullptr), FLEKS_BUFFER_TOO_SMALL);
}

TEST(FleksAbi, InputsThatAreNotNames) {
  std::string many;
  for (int i = 0; i < 500; ++i) many += Cp1251(i % 3 == 0 ? "Петров " : i % 3 == 1 ? "Ильич " : "Анна ");
  std::string allBytes;
  for (int b = 1; b < 256; ++b) allBytes.push_back(static_cast<char>(b));
  const std::string inputs[] = {"",
                                "a",
                                Cp1251("Я"),
                                "12345",
                                "...,,,!!!",
                                "- - -",
                                "-",
                                "--Ив--",
                                Cp1251("(((("),
                                Cp1251("Иванов-"),
                                Cp1251("-Иванов"),
                                Cp1251("а-а-а-а"),
                                Cp1251("ь"),
                                Cp1251("ьь ъъ йй"),
                                Cp1251("ов ин ая"),
                                many,
                                allBytes,
                                std::string(5000, ' '),
                                Cp1251("И.И.И.И."),
                                Cp1251("Ё ё Ё")};
  for (const std::string& input : inputs) {
    for (int caseNo = 1; caseNo <= 6; ++caseNo) {
      std::string buffer(input.size() * 3 + 64, '#');
      int size = static_cast<int>(buffer.size()) - 8;
      ASSERT_EQ(GetFIOFleksFSAS(input.c_str(), caseNo, buffer.data(), &size), FLEKS_OK);
      ASSERT_GE(size, 0);
      ASSERT_LT(size, static_cast<int>(buffer.size()) - 8);
      EXPECT_EQ(std::strlen(buffer.c_str()), static_cast<std::size_t>(size));
      // None of them reads as a name: it comes back byte for byte.
      EXPECT_EQ(buffer.substr(0, static_cast<std::size_t>(size)), input) << caseNo;
    }
    EXPECT_EQ(GetSex(input.c_str()), -1);
  }
  EXPECT_EQ(GetSex(nullptr), -1);
  EXPECT_EQ(GetSex(""), -1);
  EXPECT_EQ(GetSex("12345"), -1);
  int size = 64;
  char buffer[64];
  EXPECT_EQ(GetFIOFleksFSAS(nullptr, 3, buffer, &size), FLEKS_OK);
  EXPECT_EQ(size, 0);
}

TEST(FleksAbi, NominativeAndUnknownWordsComeBackUnchanged) {
  const char* names[] = {"Иванов Иван Иванович", "  Петрова   Анна  ", "Smith John", "Иванов И.И.",
                         "Иванов Иван Иванович младший"};
  for (const char* utf8 : names) {
    const std::string name = Cp1251(utf8);
    char buffer[256];
    int size = sizeof buffer;
    ASSERT_EQ(GetFIOFleksFSAS(name.c_str(), 1, buffer, &size), FLEKS_OK);
    EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(size)), name) << utf8;
  }
}

}  // namespace
