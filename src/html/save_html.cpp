// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/save_html.h"

#include <utility>

#include "html/html_site.h"
#include "text/file_path.h"
#include "text/text_file.h"

namespace skorlin::html {
namespace {

std::string JoinNames(const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& name : names) {
    if (!joined.empty()) joined += ", ";
    joined += name;
  }
  return joined;
}

}  // namespace

SaveHtmlError::SaveHtmlError(std::vector<std::string> failedFiles, std::string skippedIndex)
    : std::runtime_error("Unable to write to " + JoinNames(failedFiles) +
                         (skippedIndex.empty() ? "" : " (the index " + skippedIndex + " was not written)")),
      failedFiles_(std::move(failedFiles)),
      skippedIndex_(std::move(skippedIndex)) {}

text::Encoding HtmlFileEncoding(text::Encoding encoding) {
  switch (encoding) {
    case text::Encoding::Utf16LE:
    case text::Encoding::Utf16BE:
      return text::Encoding::Utf8;
    default:
      return encoding;
  }
}

text::TextView HtmlCharset(text::Encoding encoding) {
  return HtmlFileEncoding(encoding) == text::Encoding::Cp1251 ? U"windows-1251" : U"utf-8";
}

std::string EncodeHtmlFile(text::TextView html, text::Encoding encoding) {
  encoding = HtmlFileEncoding(encoding);
  if (encoding != text::Encoding::Cp1251) return text::Encode(html, encoding);
  text::Text safe;
  safe.reserve(html.size());
  for (text::Char c : html) {
    if (text::Cp1251Code(c) >= 0) {
      safe.push_back(c);
    } else {
      safe.append(U"&#");
      for (char digit : std::to_string(static_cast<unsigned long>(c)))
        safe.push_back(static_cast<text::Char>(digit));
      safe.push_back(U';');
    }
  }
  return text::EncodeCp1251(safe);
}

void SaveHtml(text::TextView text, const std::filesystem::path& indexPath, text::Encoding encoding) {
  const HtmlSite site = BuildHtmlSite(text, HtmlCharset(encoding),
                                      text::DecodeAuto(text::Utf8FromPath(indexPath.filename())).text);
  const std::filesystem::path folder = indexPath.parent_path();
  std::vector<std::string> failed;
  auto write = [&](text::TextView html, const std::filesystem::path& path) {
    try {
      text::WriteFileAtomically(text::Utf8FromPath(path), EncodeHtmlFile(html, encoding));
    } catch (const text::FileError&) {
      failed.push_back(text::Utf8FromPath(path));
    }
  };
  // Pages go beside the index, so that its links resolve wherever the index is saved.
  for (const HtmlPage& page : site.pages)
    write(page.html, folder / text::PathFromUtf8(text::ToUtf8(page.fileName)));
  if (!failed.empty()) throw SaveHtmlError(std::move(failed), text::Utf8FromPath(indexPath));
  write(site.index, indexPath);
  if (!failed.empty()) throw SaveHtmlError(std::move(failed), std::string());
}

}  // namespace skorlin::html
