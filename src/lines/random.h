// SPDX-License-Identifier: GPL-3.0-or-later
// The program's pseudo-random generator, used by the shuffle and the paragraph splitting.
// A given seed always gives the same sequence, so a run can be repeated exactly.
#pragma once

#include <cstdint>

namespace skorlin::lines {

// The seed RandomizeFromClock takes for a time of day (UTC):
// ((hour × 60 + minute) × 60 + second) × 1000 + millisecond.
std::uint32_t ClockSeed(int hour, int minute, int second, int millisecond);

class RandomGenerator {
 public:
  explicit RandomGenerator(std::uint32_t seed = 0) : seed_(seed) {}

  // Seeds the generator from the current time of day in UTC (see ClockSeed).
  void RandomizeFromClock();
  // seed := seed × 134775813 + 1 (mod 2^32); gives the upper 32 bits of seed × n, a value
  // from 0 to n − 1 (0 for n = 0; the seed advances in either case).
  std::uint32_t RandomInt(std::uint32_t n);

  std::uint32_t Seed() const { return seed_; }
  void SetSeed(std::uint32_t seed) { seed_ = seed; }

 private:
  std::uint32_t seed_;
};

}  // namespace skorlin::lines
