// SPDX-License-Identifier: GPL-3.0-or-later
// The URL menu: insert-urls, insert-anchors, keep-urls, keep-domain, keep-folder,
// keep-filename, add-http, remove-http. Each runs on the input as the input view holds it.
#include "cli/command.h"
#include "cli/table_inputs.h"

namespace skorlin::cli {
namespace {

using enum commands::CommandId;

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
                     .command = kInsertUrls}),
    RegisterCommand({.order = 91,
                     .name = "insert-anchors",
                     .synopsis = "--clipboard FILE",
                     .summary = "make every non-blank line a link with the next line of FILE as its text",
                     .options = {kClipboardFile},
                     .command = kInsertAnchors}),
    RegisterCommand({.order = 92,
                     .name = "keep-urls",
                     .summary = "keep only the http://, ftp:// and mail:// addresses found, one per line",
                     .command = kKeepUrls}),
    RegisterCommand({.order = 93,
                     .name = "keep-domain",
                     .summary = "cut every address down to its domain",
                     .command = kKeepDomain}),
    RegisterCommand({.order = 94,
                     .name = "keep-folder",
                     .summary = "cut every address before its last slash",
                     .command = kKeepFolder}),
    RegisterCommand({.order = 95,
                     .name = "keep-filename",
                     .summary = "keep what follows the last slash of every line",
                     .command = kKeepFileName}),
    RegisterCommand({.order = 96,
                     .name = "add-http",
                     .summary = "put http:// in front of every line without http:",
                     .command = kAddHttp}),
    RegisterCommand({.order = 97,
                     .name = "remove-http",
                     .summary = "remove http:// from the start of every line",
                     .command = kRemoveHttp}),
};

}  // namespace
}  // namespace skorlin::cli
