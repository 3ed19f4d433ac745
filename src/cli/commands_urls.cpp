// The URL menu: insert-urls, insert-anchors, keep-urls, keep-domain, keep-folder,
// keep-filename, add-http, remove-http. Each runs on the input as the input view holds it.
#include <string>
#include <utility>

#include "cli/arguments.h"
#include "cli/command.h"
#include "text/encoding.h"
#include "text/text_file.h"
#include "urls/cut_urls.h"
#include "urls/http_prefix.h"
#include "urls/insert_links.h"
#include "urls/keep_urls.h"

namespace skorlin::cli {
namespace {

const std::string kClipboardOption = "--clipboard";

CommandResult FromUrlResult(urls::UrlResult result) {
  CommandResult out;
  out.output = std::move(result.text);
  out.caption = std::move(result.caption);
  // "URLs не найдены" and an empty clipboard: the text comes out unchanged, exit status 1.
  out.exitCode = result.done ? 0 : 1;
  return out;
}

// The text of the file that stands for the clipboard.
text::Text ReadClipboard(const Invocation& invocation, const std::string& command) {
  if (!invocation.HasOption(kClipboardOption)) {
    throw UsageError(command + " needs " + kClipboardOption + " FILE");
  }
  return text::DecodeAuto(text::ReadFileBytes(invocation.Option(kClipboardOption))).text;
}

template <urls::UrlResult (*Command)(text::TextView)>
CommandResult RunOnView(const Invocation& invocation) {
  return FromUrlResult(Command(invocation.text));
}

const OptionSpec kClipboardFile{kClipboardOption, "FILE", "the file whose text stands for the clipboard"};

const bool kRegistered[] = {
    RegisterCommand({90,
                     "insert-urls",
                     "--clipboard FILE",
                     "wrap every non-blank line into a link to the next line of FILE",
                     {kClipboardFile},
                     0,
                     [](const Invocation& invocation) {
                       return FromUrlResult(
                           urls::InsertUrls(invocation.text, ReadClipboard(invocation, "insert-urls")));
                     }}),
    RegisterCommand({91,
                     "insert-anchors",
                     "--clipboard FILE",
                     "make every non-blank line a link with the next line of FILE as its text",
                     {kClipboardFile},
                     0,
                     [](const Invocation& invocation) {
                       return FromUrlResult(
                           urls::InsertAnchors(invocation.text, ReadClipboard(invocation, "insert-anchors")));
                     }}),
    RegisterCommand({92,
                     "keep-urls",
                     "",
                     "keep only the http://, ftp:// and mail:// addresses found, one per line",
                     {},
                     0,
                     RunOnView<urls::KeepUrls>}),
    RegisterCommand(
        {93, "keep-domain", "", "cut every address down to its domain", {}, 0, RunOnView<urls::KeepDomain>}),
    RegisterCommand({94,
                     "keep-folder",
                     "",
                     "cut every address before its last slash",
                     {},
                     0,
                     RunOnView<urls::KeepDomainWithFolder>}),
    RegisterCommand({95,
                     "keep-filename",
                     "",
                     "keep what follows the last slash of every line",
                     {},
                     0,
                     RunOnView<urls::KeepFileName>}),
    RegisterCommand({96,
                     "add-http",
                     "",
                     "put http:// in front of every line without http:",
                     {},
                     0,
                     RunOnView<urls::AddHttp>}),
    RegisterCommand({97,
                     "remove-http",
                     "",
                     "remove http:// from the start of every line",
                     {},
                     0,
                     RunOnView<urls::RemoveHttp>}),
};

}  // namespace
}  // namespace skorlin::cli
