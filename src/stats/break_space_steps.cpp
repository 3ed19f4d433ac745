// SPDX-License-Identifier: GPL-3.0-or-later
// The automaton's table, built by running the rules once for every state and class.
//
// With the CR LF pairs of the trimmed text removed, the collapsed count counts a run of
// spaces once, and leaves out a space that stands right after or right before a CR LF
// made by that removal (a lone CR, then a removed pair, then a lone LF); a space with such
// a break on both sides is left out once.
#include "stats/break_space_steps.h"

namespace skorlin::stats {
namespace {

struct BreakState {
  unsigned last = kOtherChar;        // class of the last character (no pairs); other at start
  unsigned beforeLast = kOtherChar;  // and of the one before it
  bool spaceRunDropped = false;      // the latest run of spaces is already left out
  bool afterPair = false;            // the previous step was a CR LF pair

  static BreakState Decode(unsigned code) {
    return {code & 3u, (code >> 2) & 3u, ((code >> 4) & 1u) != 0, ((code >> 5) & 1u) != 0};
  }
  unsigned char Encode() const {
    return static_cast<unsigned char>(last | beforeLast << 2 | unsigned{spaceRunDropped} << 4 |
                                      unsigned{afterPair} << 5);
  }
};

BreakStep Step(BreakState s, unsigned charClass) {
  BreakStep step{};
  if (charClass == kCrLfPair) {
    step.pairs = 1;
    step.breakRuns = s.afterPair ? 0 : 1;
    s.afterPair = true;
  } else {
    s.afterPair = false;
    if (charClass == kSpaceChar) {
      if (s.last == kSpaceChar) {
        step.dropped = 1;  // a further space of a run
      } else {
        s.spaceRunDropped = s.last == kLf && s.beforeLast == kLoneCr;  // right after a made break
        step.dropped = s.spaceRunDropped ? 1 : 0;
      }
    } else if (charClass == kLf && s.last == kLoneCr && s.beforeLast == kSpaceChar && !s.spaceRunDropped) {
      step.dropped = 1;  // the space right before a made break
      s.spaceRunDropped = true;
    }
    s.beforeLast = s.last;
    s.last = charClass;
  }
  step.next = s.Encode();
  return step;
}

}  // namespace

const std::array<BreakStep, kBreakStates * kBreakClasses>& BreakStepTable() {
  static const std::array<BreakStep, kBreakStates* kBreakClasses> table = [] {
    std::array<BreakStep, kBreakStates * kBreakClasses> t{};
    for (unsigned state = 0; state < kBreakStates; ++state) {
      for (unsigned charClass = 0; charClass < kBreakClasses; ++charClass) {
        t[state * kBreakClasses + charClass] = Step(BreakState::Decode(state), charClass);
      }
    }
    return t;
  }();
  return table;
}

}  // namespace skorlin::stats
