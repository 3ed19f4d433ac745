#include "html/replacements.h"

#include <array>
#include <cstdint>
#include <utility>

#include "text/toolkit.h"

namespace skorlin::html {

namespace {

// Which characters and which pairs of neighbouring characters a text may hold, hashed
// into a few bits: a clear bit means certainly absent, a set bit calls for a search.
// Most rows of a table find nothing in most lines, and this decides so in one pass.
class PairFilter {
 public:
  explicit PairFilter(text::TextView s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
      Set(chars_, s[i]);
      if (i > 0) Set(pairs_, Pair(s[i - 1], s[i]));
    }
  }
  bool MayHold(text::TextView find) const {
    return find.size() == 1 ? Test(chars_, find[0]) : Test(pairs_, Pair(find[0], find[1]));
  }

 private:
  static constexpr std::size_t kWords = 16;  // 1024 bits
  using Bits = std::array<std::uint64_t, kWords>;
  static std::uint32_t Pair(text::Char a, text::Char b) { return a * 31u + b; }
  static void Set(Bits& bits, std::uint32_t h) { bits[(h >> 6) % kWords] |= std::uint64_t{1} << (h & 63); }
  static bool Test(const Bits& bits, std::uint32_t h) { return (bits[(h >> 6) % kWords] >> (h & 63)) & 1; }

  Bits chars_{};
  Bits pairs_{};
};

}  // namespace

void ApplyReplacements(text::Text& s, std::span<const Replacement> rows) {
  PairFilter filter(s);
  for (const Replacement& row : rows) {
    if (row.find.empty() || !filter.MayHold(row.find)) continue;
    if (text::FindStr(row.find, s) == 0) continue;
    s = text::ReplaceAll(s, row.find, row.replace);
    // The replacement brings in new characters and joins new neighbours.
    filter = PairFilter(s);
  }
}

void PutEntities(text::Text& s, const std::vector<std::size_t>& positions, text::TextView entity) {
  if (positions.empty()) return;
  text::Text result;
  result.reserve(s.size() + positions.size() * entity.size());
  std::size_t from = 0;  // 0-based index of the first character not yet copied
  for (std::size_t p : positions) {
    result.append(s, from, p - 1 - from);
    result.append(entity);
    from = p;
  }
  result.append(s, from);
  s = std::move(result);
}

}  // namespace skorlin::html
