// html: the HTML view of the input; save-html INDEX: the input cut into HTML pages at its
// headings, written beside INDEX, and the index that links them.
#include <string>

#include "cli/command.h"
#include "html/html_view.h"
#include "html/save_html.h"

namespace skorlin::cli {
namespace {

const std::string kNoP = "--no-p";
const std::string kNoSkipEmpty = "--no-skip-empty";
const std::string kNoTables = "--no-tables";

const bool kRegistered[] = {
    RegisterCommand({30,
                     "html",
                     "[--no-p] [--no-skip-empty] [--no-tables]",
                     "the HTML view: every line as HTML, with paragraph tags and tables from tabs",
                     {{kNoP, "", "no \"<p>\" at the start of the lines (\"Вставлять <p>\" cleared)"},
                      {kNoSkipEmpty, "", "\"<p>\" on empty lines too (\"Пропускать пустые строки\" cleared)"},
                      {kNoTables, "", "tabs become spaces, no tables (\"Табуляторы в таблицы\" cleared)"}},
                     0,
                     [](const Invocation& invocation) {
                       html::HtmlViewOptions options;
                       options.addP = !invocation.HasOption(kNoP);
                       options.addPEmpty = !invocation.HasOption(kNoSkipEmpty);
                       options.table = !invocation.HasOption(kNoTables);
                       CommandResult result;
                       result.output = html::HtmlView(invocation.text, options);
                       return result;
                     }}),
    RegisterCommand({31,
                     "save-html",
                     "INDEX",
                     "\"Сохранить HTML...\": one page per <h1> heading beside INDEX, then INDEX linking them",
                     {},
                     1,
                     [](const Invocation& invocation) {
                       try {
                         // The pages are Windows-1251 unless another encoding is asked for.
                         html::SaveHtml(invocation.text, invocation.arguments.at(0),
                                        invocation.outputEncoding.value_or(text::Encoding::Cp1251));
                       } catch (const html::SaveHtmlError& error) {
                         throw CommandFailure{error.what()};
                       }
                       return CommandResult{};
                     }}),
};

}  // namespace
}  // namespace skorlin::cli
