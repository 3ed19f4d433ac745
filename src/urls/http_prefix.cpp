// SPDX-License-Identifier: GPL-3.0-or-later
#include "urls/http_prefix.h"

#include "urls/line_frame.h"
#include "urls/url_chars.h"

namespace skorlin::urls {
namespace {

constexpr std::string_view kHttpPrefix = "http://";

}  // namespace

bool AddHttpPrefix(std::string& line) {
  if (IsHttpAddress(line)) return false;
  line.insert(0, kHttpPrefix);
  return true;
}

bool RemoveHttpPrefix(std::string& line) {
  // Only a leading "http://" is removed: cutting seven characters from a line that holds
  // "http:" somewhere else would destroy its text ('см. http://host' would become
  // 'p://host'). The prefix is ASCII: seven characters are seven bytes.
  if (!MatchesNoCaseAt(line, 0, kHttpPrefix)) return false;
  line.erase(0, kHttpPrefix.size());
  return true;
}

text::CommandResult AddHttp(std::string_view viewText, text::LineWriter& out) {
  // Only a text kept whole is sized beforehand.
  const std::size_t growth = out.KeepsWhole() ? kHttpPrefix.size() * LineCountBound(viewText) : 0;
  return ChangeEachLine(viewText, out, AddHttpPrefix, growth);
}

text::CommandResult RemoveHttp(std::string_view viewText, text::LineWriter& out) {
  return ChangeEachLine(viewText, out, RemoveHttpPrefix);
}

}  // namespace skorlin::urls
