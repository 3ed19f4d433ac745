// SPDX-License-Identifier: GPL-3.0-or-later
// A linear congruential generator seeded from the time of day.
#include "lines/random.h"

#include <chrono>

namespace skorlin::lines {

std::uint32_t ClockSeed(int hour, int minute, int second, int millisecond) {
  return static_cast<std::uint32_t>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond);
}

void RandomGenerator::RandomizeFromClock() {
  using namespace std::chrono;
  const auto now = system_clock::now();  // system_clock counts UTC
  const auto sinceMidnight = now - floor<days>(now);
  const auto ms = duration_cast<milliseconds>(sinceMidnight).count();
  const int hour = static_cast<int>(ms / 3600000);
  const int minute = static_cast<int>(ms / 60000 % 60);
  const int second = static_cast<int>(ms / 1000 % 60);
  const int millisecond = static_cast<int>(ms % 1000);
  seed_ = ClockSeed(hour, minute, second, millisecond);
}

std::uint32_t RandomGenerator::RandomInt(std::uint32_t n) {
  seed_ = seed_ * 134775813U + 1U;
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * n) >> 32);
}

}  // namespace skorlin::lines
