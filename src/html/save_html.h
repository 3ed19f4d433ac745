// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a text as HTML pages with an index, every file written safely.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "text/encoding.h"
#include "text/text.h"

namespace skorlin::html {

// Some files could not be written; the others were. The message names every one, and
// the index when it was held back because a page it would link to is missing.
class SaveHtmlError : public std::runtime_error {
 public:
  SaveHtmlError(std::vector<std::string> failedFiles, std::string skippedIndex);
  const std::vector<std::string>& FailedFiles() const { return failedFiles_; }
  // The index that was not written (empty when it was written or itself failed).
  const std::string& SkippedIndex() const { return skippedIndex_; }

 private:
  std::vector<std::string> failedFiles_;
  std::string skippedIndex_;
};

// The encoding HTML files are written in for a text in the given one: a page may declare
// only an encoding that keeps ASCII as it is, so a UTF-16 text gives UTF-8 pages.
text::Encoding HtmlFileEncoding(text::Encoding encoding);
// The name a page declares for that encoding: "windows-1251" or "utf-8".
text::TextView HtmlCharset(text::Encoding encoding);

// The bytes of an HTML file in the encoding HtmlFileEncoding gives. In Windows-1251,
// characters it cannot hold are written as numeric character references ("&#8381;"), so
// nothing is lost and a Windows-1251 file can always be written.
std::string EncodeHtmlFile(text::TextView html, text::Encoding encoding);

// Cuts text into pages at its "<h1>" headings (BuildHtmlSite) and writes every page into
// the folder of indexPath, then the index to indexPath itself, all in the encoding
// HtmlFileEncoding gives and declaring it. Each file is written
// through a temporary file and a rename, so it is either replaced whole or left as it
// was. A page that cannot be written does not stop the other pages, but the index is
// then not written (an old index stays as it was) rather than link to a page that is not
// there; at the end SaveHtmlError lists every file that failed.
void SaveHtml(text::TextView text, const std::filesystem::path& indexPath,
              text::Encoding encoding = text::Encoding::Cp1251);

}  // namespace skorlin::html
