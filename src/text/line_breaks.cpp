// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/line_breaks.h"

#include <utility>

namespace skorlin::text {

namespace {

// The number of CRs and LFs that are not part of a CR LF.
std::size_t LoneBreaks(std::string_view utf8) {
  std::size_t lone = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') {
      ++i;
    } else if (utf8[i] == '\r' || utf8[i] == '\n') {
      ++lone;
    }
  }
  return lone;
}

}  // namespace

std::string WithCrLfBreaks(std::string&& utf8) {
  if (LoneBreaks(utf8) == 0) return std::move(utf8);
  return WithCrLfBreaks(std::string_view(utf8));
}

std::string WithCrLfBreaks(std::string_view utf8) {
  const std::size_t lone = LoneBreaks(utf8);
  std::string out;
  out.reserve(utf8.size() + lone);
  std::size_t begin = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const char c = utf8[i];
    if (c != '\r' && c != '\n') continue;
    out.append(utf8.substr(begin, i - begin));
    out.append("\r\n");
    if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
    begin = i + 1;
  }
  out.append(utf8.substr(begin));
  return out;
}

std::string WithLfBreaks(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t begin = 0;
  for (std::size_t cr = utf8.find("\r\n"); cr != std::string_view::npos; cr = utf8.find("\r\n", begin)) {
    out.append(utf8.substr(begin, cr - begin));
    out.push_back('\n');
    begin = cr + 2;
  }
  out.append(utf8.substr(begin));
  return out;
}

}  // namespace skorlin::text
