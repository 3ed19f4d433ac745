// SPDX-License-Identifier: GPL-3.0-or-later
// The URL menu: insert-urls, insert-anchors, keep-urls, keep-domain, keep-folder,
// keep-filename, add-http, remove-http. Each runs on the input as the input view holds it.
#include <string>

#include "cli/command.h"
#include "cli/input.h"
#include "text/encoding.h"
#include "urls/cut_urls.h"
#include "urls/http_prefix.h"
#include "urls/insert_links.h"
#include "urls/keep_urls.h"

namespace skorlin::cli {
namespace {

const std::string kClipboardOption = "--clipboard";

// The text of the file that stands for the clipboard, as UTF-8.
std::string ReadClipboard(const Invocation& invocation) {
  const std::string bytes = ReadNamedFile(invocation.Option(kClipboardOption));
  const text::Encoding encoding = text::DetectEncoding(bytes);
  if (encoding == text::Encoding::Utf8 || encoding == text::Encoding::Utf8Bom) {
    return bytes.substr(text::TextStart(bytes, encoding));
  }
  return text::DecodeToUtf8(bytes, encoding);
}

template <text::CommandResult (*Command)(std::string_view)>
text::CommandResult RunOnView(const Invocation& invocation) {
  return Command(invocation.text);
}

const OptionSpec kClipboardFile{.name = kClipboardOption,
                                .valueName = "FILE",
                                .help = "the file standing for the clipboard",
                                .required = true};

const bool kRegistered[] = {
    RegisterCommand({.order = 90,
                     .name = "insert-urls",
                     .synopsis = "--clipboard FILE",
                     .summary = "wrap every non-blank line into a link to the next line of FILE",
                     .options = {kClipboardFile},
                     .run =
                         [](const Invocation& invocation) {
                           return urls::InsertUrls(invocation.text, ReadClipboard(invocation));
                         }}),
    RegisterCommand({.order = 91,
                     .name = "insert-anchors",
                     .synopsis = "--clipboard FILE",
                     .summary = "make every non-blank line a link with the next line of FILE as its text",
                     .options = {kClipboardFile},
                     .run =
                         [](const Invocation& invocation) {
                           return urls::InsertAnchors(invocation.text, ReadClipboard(invocation));
                         }}),
    RegisterCommand({.order = 92,
                     .name = "keep-urls",
                     .summary = "keep only the http://, ftp:// and mail:// addresses found, one per line",
                     .run = RunOnView<urls::KeepUrls>}),
    RegisterCommand({.order = 93,
                     .name = "keep-domain",
                     .summary = "cut every address down to its domain",
                     .run = RunOnView<urls::KeepDomain>}),
    RegisterCommand({.order = 94,
                     .name = "keep-folder",
                     .summary = "cut every address before its last slash",
                     .run = RunOnView<urls::KeepDomainWithFolder>}),
    RegisterCommand({.order = 95,
                     .name = "keep-filename",
                     .summary = "keep what follows the last slash of every line",
                     .run = RunOnView<urls::KeepFileName>}),
    RegisterCommand({.order = 96,
                     .name = "add-http",
                     .summary = "put http:// in front of every line without http:",
                     .run = RunOnView<urls::AddHttp>}),
    RegisterCommand({.order = 97,
                     .name = "remove-http",
                     .summary = "remove http:// from the start of every line",
                     .run = RunOnView<urls::RemoveHttp>}),
};

}  // namespace
}  // namespace skorlin::cli
