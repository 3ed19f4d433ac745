// SPDX-License-Identifier: GPL-3.0-or-later
// html: the HTML view of the input; save-html INDEX: the input cut into HTML pages at its
// headings, written beside INDEX, and the index that links them.
#include <string>

#include "cli/command.h"
#include "html/html_view.h"
#include "html/save_html.h"
#include "text/file_path.h"
#include "text/utf8.h"

namespace skorlin::cli {
namespace {

const std::string kNoP = "--no-p";
const std::string kNoSkipEmpty = "--no-skip-empty";
const std::string kNoTables = "--no-tables";

const bool kRegistered[] = {
    RegisterCommand(
        {.order = 30,
         .name = "html",
         .synopsis = "[--no-p] [--no-skip-empty] [--no-tables]",
         .summary = "the HTML view: every line as HTML, with paragraph tags and tables from tabs",
         .options = {{kNoP, "", "no \"<p>\" at the start of the lines (\"Вставлять <p>\" cleared)"},
                     {kNoSkipEmpty, "", "\"<p>\" on empty lines too (\"Пропускать пустые строки\" cleared)"},
                     {kNoTables, "", "tabs become spaces, no tables (\"Табуляторы в таблицы\" cleared)"}},
         .run =
             [](const Invocation& invocation) {
               html::HtmlViewOptions options;
               options.addP = !invocation.HasOption(kNoP);
               options.skipEmptyLines = !invocation.HasOption(kNoSkipEmpty);
               options.table = !invocation.HasOption(kNoTables);
               text::CommandResult result;
               result.text = html::HtmlViewFromUtf8(invocation.text, options);
               return result;
             }}),
    RegisterCommand(
        {.order = 31,
         .name = "save-html",
         .synopsis = "INDEX",
         .summary = "\"Сохранить HTML...\": one page per <h1> heading beside INDEX, then INDEX linking them",
         .positionalArguments = 1,
         .run =
             [](const Invocation& invocation) {
               try {
                 // The pages are Windows-1251 unless another encoding is asked for.
                 html::SaveHtml(text::DecodeUtf8(invocation.text),
                                text::PathFromUtf8(invocation.arguments.at(0)),
                                invocation.outputEncoding.value_or(text::Encoding::Cp1251));
               } catch (const html::SaveHtmlError& error) {
                 throw CommandFailure{error.what()};
               }
               return text::CommandResult{};
             },
         .output = Output::kNothing}),
};

}  // namespace
}  // namespace skorlin::cli
