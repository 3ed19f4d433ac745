#include "html/replacements.h"

#include "text/toolkit.h"

namespace skorlin::html {

void ApplyReplacements(text::Text& s, std::span<const Replacement> rows) {
  for (const Replacement& row : rows) {
    if (text::FindStr(row.find, s) != 0) s = text::ReplaceAll(s, row.find, row.replace);
  }
}

text::Text PutEntities(text::TextView s, const std::vector<std::size_t>& positions, text::TextView entity) {
  if (positions.empty()) return text::Text(s);
  text::Text result;
  result.reserve(s.size() + positions.size() * entity.size());
  std::size_t from = 0;  // 0-based index of the first character not yet copied
  for (std::size_t p : positions) {
    result.append(s.substr(from, p - 1 - from));
    result.append(entity);
    from = p;
  }
  result.append(s.substr(from));
  return result;
}

}  // namespace skorlin::html
