// Saving a text as HTML pages with an index, every file written safely.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "text/encoding.h"
#include "text/text.h"

namespace skorlin::html {

// Some files could not be written; the others were. The message names every one.
class SaveHtmlError : public std::runtime_error {
 public:
  explicit SaveHtmlError(std::vector<std::string> failedFiles);
  const std::vector<std::string>& FailedFiles() const { return failedFiles_; }

 private:
  std::vector<std::string> failedFiles_;
};

// The bytes of an HTML file in the given encoding. Characters Windows-1251 cannot hold
// are written as numeric character references ("&#8381;"), so nothing is lost and a
// Windows-1251 file can always be written.
std::string EncodeHtmlFile(text::TextView html, text::Encoding encoding);

// Cuts text into pages at its "<h1>" headings (BuildHtmlSite) and writes every page into
// the folder of indexPath, then the index to indexPath itself. Each file is written
// through a temporary file and a rename, so it is either replaced whole or left as it
// was. A file that cannot be written does not stop the others; at the end SaveHtmlError
// lists every such file.
void SaveHtml(text::TextView text, const std::filesystem::path& indexPath,
              text::Encoding encoding = text::Encoding::Cp1251);

}  // namespace skorlin::html
