// SPDX-License-Identifier: GPL-3.0-or-later
// Protected tokens stood in by single characters, and put back.
#include "format/token_stand_ins.h"

#include <algorithm>

#include "format/protected_tokens.h"

namespace skorlin::format {
namespace {

// The first stand-in lies past the last Unicode code point: no decoded text holds such a
// value, so it is outside Windows-1251 and every class. Should a caller's line hold one
// all the same, that value is skipped.
constexpr text::Char kFirstStandIn = 0x110000;

std::vector<text::Char> StandInValuesIn(text::TextView line) {
  std::vector<text::Char> taken;
  for (const text::Char c : line) {
    if (c >= kFirstStandIn) taken.push_back(c);
  }
  std::sort(taken.begin(), taken.end());
  return taken;
}

}  // namespace

TokenStandIns::TokenStandIns(text::Text& line) {
  const std::vector<TokenSpan> spans = FindProtectedTokens(line);
  if (spans.empty()) return;
  const std::vector<text::Char> taken = StandInValuesIn(line);
  text::Char next = kFirstStandIn;
  text::Text stoodIn;
  stoodIn.reserve(line.size());
  std::size_t copied = 0;
  for (const TokenSpan& span : spans) {
    while (std::binary_search(taken.begin(), taken.end(), next)) ++next;
    stoodIn.append(line, copied, span.begin - copied);
    stoodIn.push_back(next);
    tokens_.emplace_back(next, line.substr(span.begin, span.end - span.begin));
    copied = span.end;
    ++next;
  }
  stoodIn.append(line, copied);
  line = std::move(stoodIn);
}

TokenStandIns::Tokens::const_iterator TokenStandIns::Find(text::Char c) const {
  if (c < kFirstStandIn) return tokens_.end();
  const auto token =
      std::lower_bound(tokens_.begin(), tokens_.end(), c,
                       [](const auto& entry, text::Char value) { return entry.first < value; });
  return token != tokens_.end() && token->first == c ? token : tokens_.end();
}

bool TokenStandIns::IsStandIn(text::Char c) const { return Find(c) != tokens_.end(); }

void TokenStandIns::PutBack(text::Text& line, TokenWriter write) const {
  if (tokens_.empty()) return;
  text::Text restored;
  restored.reserve(line.size() + line.size() / 2);
  for (const text::Char c : line) {
    const auto token = Find(c);
    if (token != tokens_.end()) {
      write(token->second, restored);
    } else {
      restored.push_back(c);
    }
  }
  line = std::move(restored);
}

}  // namespace skorlin::format
