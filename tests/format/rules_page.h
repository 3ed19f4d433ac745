// SPDX-License-Identifier: GPL-3.0-or-later
// The examples of a page of rules under docs/, each written `before` → `after`, with the
// pictures the page draws for characters a line cannot show, or that cannot be seen, read
// as those characters.
#pragma once

#include <fstream>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace skorlin::format::testing {

// Each picture and the character it stands for.
using Pictures = std::vector<std::pair<std::string, std::string>>;

struct PageExample {
  std::string before;
  std::string after;
  std::string where;  // the page's name and line, and the example as written
};

inline std::string WithPicturesRead(std::string s, const Pictures& pictures) {
  for (const auto& [picture, character] : pictures) {
    for (std::size_t p = s.find(picture); p != std::string::npos; p = s.find(picture, p + 1)) {
      s.replace(p, picture.size(), character);
    }
  }
  return s;
}

// Every example on the page at path, in order.
inline std::vector<PageExample> PageExamples(const std::string& path, const Pictures& pictures) {
  std::ifstream page(path);
  const std::regex example("`([^`]*)` → `([^`]*)`");
  const std::string name = path.substr(path.rfind('/') + 1);
  std::vector<PageExample> examples;
  int lineNumber = 0;
  for (std::string line; std::getline(page, line);) {
    ++lineNumber;
    for (std::sregex_iterator match(line.begin(), line.end(), example), end; match != end; ++match) {
      examples.push_back({WithPicturesRead((*match)[1], pictures), WithPicturesRead((*match)[2], pictures),
                          name + ":" + std::to_string(lineNumber) + ": " + match->str()});
    }
  }
  return examples;
}

}  // namespace skorlin::format::testing
