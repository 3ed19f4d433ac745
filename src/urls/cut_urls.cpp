#include "urls/cut_urls.h"

#include <cstddef>

#include "text/toolkit.h"
#include "urls/line_frame.h"
#include "urls/url_chars.h"

namespace skorlin::urls {
namespace {

using text::FindStr;
using text::FindStrBack;

constexpr text::TextView kSlash = U"/";

// The 1-based position of the slash that follows the first slash ("http://" has its
// second slash there); 0 when there is none. Without any slash the search from position 1
// finds nothing as well, so the result is 0.
std::size_t SecondSlash(text::TextView line) {
  const std::size_t first = FindStr(kSlash, line, 1);
  return FindStr(kSlash, line, first + 1);
}

std::size_t LastSlash(text::TextView line) { return FindStrBack(kSlash, line, line.size() + 1); }

// Keeps the first count characters of line.
bool KeepFirst(text::Text& line, std::size_t count) {
  if (count >= line.size()) return false;
  line.resize(count);
  return true;
}

// Keeps what follows the 1-based position slash.
bool KeepAfter(text::Text& line, std::size_t slash) {
  if (slash == 0) return false;
  line.erase(0, slash);
  return true;
}

}  // namespace

bool CutToDomain(text::Text& line) {
  std::size_t cut;
  if (IsHttpAddress(line)) {
    // With fewer than three slashes the searches run out and start again from position 1,
    // so 'http:/x' is cut at its only slash and gives 'http:'.
    cut = FindStr(kSlash, line, SecondSlash(line) + 1);
  } else {
    cut = FindStr(kSlash, line, 1);
  }
  return cut > 0 && KeepFirst(line, cut - 1);
}

bool CutToFolder(text::Text& line) {
  const std::size_t last = LastSlash(line);
  if (last == 0) return false;
  if (IsHttpAddress(line) && last == SecondSlash(line)) return false;
  return KeepFirst(line, last - 1);
}

bool CutToFileName(text::Text& line) {
  const std::size_t last = LastSlash(line);
  if (IsHttpAddress(line) && last == SecondSlash(line)) {
    // An address with no path: nothing names a file. The line is never empty here,
    // since it holds "http:".
    line.clear();
    return true;
  }
  return KeepAfter(line, last);
}

UrlResult KeepDomain(text::TextView viewText) { return ChangeEachLine(viewText, CutToDomain); }

UrlResult KeepDomainWithFolder(text::TextView viewText) { return ChangeEachLine(viewText, CutToFolder); }

UrlResult KeepFileName(text::TextView viewText) { return ChangeEachLine(viewText, CutToFileName); }

}  // namespace skorlin::urls
