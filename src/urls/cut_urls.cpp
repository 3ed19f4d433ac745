// SPDX-License-Identifier: GPL-3.0-or-later
#include "urls/cut_urls.h"

#include <cstddef>

#include "urls/line_frame.h"
#include "urls/url_chars.h"

namespace skorlin::urls {
namespace {

// A slash is one byte of UTF-8, so the positions below count bytes; a cut there is a cut
// between the same characters. Positions are 1-based, 0 for none, as the rules read.

// The first slash at 1-based position start or later.
std::size_t FindSlash(std::string_view line, std::size_t start) {
  const std::size_t at = line.find('/', start == 0 ? 0 : start - 1);
  return at == std::string_view::npos ? 0 : at + 1;
}

// The slash that follows the first slash ("http://" has its second slash there); 0 when
// there is none. Without any slash the search from position 1 finds nothing as well, so
// the result is 0.
std::size_t SecondSlash(std::string_view line) { return FindSlash(line, FindSlash(line, 1) + 1); }

std::size_t LastSlash(std::string_view line) {
  const std::size_t at = line.rfind('/');
  return at == std::string_view::npos ? 0 : at + 1;
}

// Keeps the first count bytes of line.
bool KeepFirst(std::string& line, std::size_t count) {
  if (count >= line.size()) return false;
  line.resize(count);
  return true;
}

// Keeps what follows the 1-based position slash.
bool KeepAfter(std::string& line, std::size_t slash) {
  if (slash == 0) return false;
  line.erase(0, slash);
  return true;
}

}  // namespace

bool CutToDomain(std::string& line) {
  std::size_t cut;
  if (IsHttpAddress(line)) {
    // With fewer than three slashes the searches run out and start again from position 1,
    // so 'http:/x' is cut at its only slash and gives 'http:'.
    cut = FindSlash(line, SecondSlash(line) + 1);
  } else {
    cut = FindSlash(line, 1);
  }
  return cut > 0 && KeepFirst(line, cut - 1);
}

bool CutToFolder(std::string& line) {
  const std::size_t last = LastSlash(line);
  if (last == 0) return false;
  if (IsHttpAddress(line) && last == SecondSlash(line)) return false;
  return KeepFirst(line, last - 1);
}

bool CutToFileName(std::string& line) {
  const std::size_t last = LastSlash(line);
  if (IsHttpAddress(line) && last == SecondSlash(line)) {
    // An address with no path: nothing names a file. The line is never empty here,
    // since it holds "http:".
    line.clear();
    return true;
  }
  return KeepAfter(line, last);
}

text::CommandResult KeepDomain(std::string_view viewText, text::LineWriter& out) {
  return ChangeEachLine(viewText, out, CutToDomain);
}

text::CommandResult KeepDomainWithFolder(std::string_view viewText, text::LineWriter& out) {
  return ChangeEachLine(viewText, out, CutToFolder);
}

text::CommandResult KeepFileName(std::string_view viewText, text::LineWriter& out) {
  return ChangeEachLine(viewText, out, CutToFileName);
}

}  // namespace skorlin::urls
