// SPDX-License-Identifier: GPL-3.0-or-later
// A soak run: random commands on random texts, through the core functions and, offscreen,
// through the window, checking after each that the statistics are sane and that no
// character went missing that the command has no business removing.
//
//   soak [--core N] [--window N] [--seed S]
//
// Prints the seed first (a failing run is repeated with --seed), one line per failure
// (at most 20 are printed) and a summary per command. Exits 1 when anything failed. With
// SOAK_DEBUG set, a label mismatch also prints the labels shown and the labels counted.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLocale>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/error_box.h"
#include "app/main_window.h"
#include "app/text_view.h"
#include "app/view_text.h"
#include "format/formatted_view.h"
#include "html/html_view.h"
#include "lines/collation.h"
#include "lines/duplicates.h"
#include "lines/ordering.h"
#include "lines/paragraphs.h"
#include "lines/random.h"
#include "lines/whitespace.h"
#include "stats/labels.h"
#include "stats/text_stats.h"
#include "text/line_breaks.h"
#include "text/line_list.h"
#include "text/text.h"
#include "text/utf8.h"
#include "urls/cut_urls.h"
#include "urls/http_prefix.h"
#include "urls/insert_links.h"
#include "urls/keep_urls.h"

namespace {

using skorlin::text::Lines;
using skorlin::text::Text;
using skorlin::text::TextView;
namespace lines = skorlin::lines;
namespace stats = skorlin::stats;
namespace text = skorlin::text;
namespace urls = skorlin::urls;

// Pieces the random texts are made of: Russian and Latin words, addresses, numbers,
// punctuation the normalizer rewrites, blanks of every kind, characters outside
// Windows-1251 and characters above U+FFFF.
const std::vector<Text> kPieces = {U"Привет",
                                   U"мир",
                                   U"ЁЖИК",
                                   U"съешь",
                                   U"ещё",
                                   U"этих",
                                   U"мягких",
                                   U"word",
                                   U"Test",
                                   U"http://example.com/a/b.html",
                                   U"www.site.ru/path/",
                                   U"https://x.org",
                                   U"ftp.dom",
                                   U"1999",
                                   U"12,5",
                                   U"3.14",
                                   U"№",
                                   U"«",
                                   U"»",
                                   U"\"",
                                   U"'",
                                   U"--",
                                   U" - ",
                                   U"...",
                                   U"(c)",
                                   U",",
                                   U".",
                                   U"!",
                                   U"?",
                                   U":",
                                   U";",
                                   U"<b>",
                                   U"&amp;",
                                   U"\t",
                                   U"  ",
                                   U"\u00A0",
                                   U"\u2028",
                                   U"€",
                                   U"\U0001F600",
                                   U"中",
                                   U"т.е.",
                                   U"г.",
                                   U"ул.",
                                   U"Иванов Иван Иванович",
                                   U"a",
                                   U"Я"};

class Random {
 public:
  explicit Random(std::uint32_t seed) : engine_(seed) {}
  std::uint32_t Below(std::uint32_t n) {
    return n == 0 ? 0 : std::uniform_int_distribution<std::uint32_t>(0, n - 1)(engine_);
  }
  bool OneIn(std::uint32_t n) { return Below(n) == 0; }

  // A text of a few dozen lines at most; some lines repeat, some are empty or blank, the
  // breaks are mostly CR LF with an occasional lone LF or CR, the last line may end with one.
  Text MakeText() {
    const std::uint32_t lineCount = Below(40);
    Lines made;
    Text out;
    for (std::uint32_t i = 0; i < lineCount; ++i) {
      Text line;
      if (!made.empty() && OneIn(4)) {
        line = made[Below(static_cast<std::uint32_t>(made.size()))];
      } else if (!OneIn(8)) {
        const std::uint32_t pieces = Below(30);
        for (std::uint32_t p = 0; p < pieces; ++p) {
          if (p > 0 && !OneIn(4)) line += U' ';
          line += kPieces[Below(static_cast<std::uint32_t>(kPieces.size()))];
        }
      }
      made.push_back(line);
      out += line;
      if (i + 1 < lineCount || OneIn(2)) out += OneIn(20) ? (OneIn(2) ? U"\n" : U"\r") : U"\r\n";
    }
    return out;
  }

 private:
  std::mt19937 engine_;
};

std::vector<Text> Sorted(Lines v) {
  std::sort(v.begin(), v.end());
  return v;
}

// The characters other than blanks and line breaks, in order.
Text Visible(TextView t) {
  Text out;
  for (const char32_t c : t) {
    if (!text::IsBlank(c)) out += c;
  }
  return out;
}

// CR LF pairs in t (a lone CR or LF is no line break to the statistics).
std::int64_t CrLfPairs(TextView t) {
  std::int64_t pairs = 0;
  for (std::size_t i = 0; i + 1 < t.size(); ++i) pairs += (t[i] == U'\r' && t[i + 1] == U'\n') ? 1 : 0;
  return pairs;
}

// What is wrong with a text's statistics, or the empty string. The counts are checked
// against each other and, for the lines and the characters with spaces, against a plain
// count: every CR LF pair starts a line; the characters with spaces are those between the
// first and the last non-blank, a CR LF pair not counted.
std::string StatsFault(TextView t) {
  const stats::TextStats s = stats::CountTextStats(text::ToUtf8(t));
  std::size_t begin = 0;
  while (begin < t.size() && text::IsBlank(t[begin])) ++begin;
  std::size_t end = t.size();
  while (end > begin && text::IsBlank(t[end - 1])) --end;
  const TextView core = t.substr(begin, end - begin);
  if (s.LineCount < 1 || s.WordCount < 0 || s.LetterCount < 0 || s.CharCount < 0)
    return "a count below its least";
  if (s.LineCount > s.AllLineCount) return "more lines than all lines";
  if (s.LetterCount > s.CharCount) return "more letters than characters";
  if (s.CharCount > s.SpacedCount) return "more characters than characters with collapsed spaces";
  if (s.SpacedCount > s.SpacedAllCount) return "collapsed spaces count above every space";
  if (s.WordCount > s.CharCount) return "more words than characters";
  if (s.AllLineCount != 1 + CrLfPairs(t)) return "all lines are not the CR LF pairs plus one";
  if (s.SpacedAllCount != static_cast<std::int64_t>(core.size()) - 2 * CrLfPairs(core))
    return "characters with spaces are not the characters between the outer blanks";
  return {};
}

// What a command may do to the lines of its input.
enum class Keeps {
  kLineMultiset,    // reorders: the same lines, each as often
  kEveryLine,       // removes repeats: every distinct line is still there, no new line
  kSomeLines,       // removes lines: every line left was in the input
  kVisibleInOrder,  // touches only blanks and breaks: the other characters, in order
  kLineCount,       // rewrites each line in place: as many lines
  kNothing,         // a derived view: only the statistics are checked
};

struct CoreCommand {
  const char* name;
  Keeps keeps;
  std::function<Text(TextView, Random&)> run;
};

std::vector<CoreCommand> CoreCommands(const lines::LineCollator& collator) {
  // The commands on whole lines take and give UTF-8.
  const auto line = [](text::CommandResult (*f)(std::string_view, const text::Progress&)) {
    return [f](TextView t, Random&) { return text::DecodeUtf8(text::Joined(f(text::ToUtf8(t), {})).text); };
  };
  const auto url = [](text::CommandResult (*f)(std::string_view)) {
    return [f](TextView t, Random&) { return text::DecodeUtf8(text::Joined(f(text::ToUtf8(t))).text); };
  };
  const auto utf8 = [](text::CommandResult result) {
    return text::DecodeUtf8(text::Joined(std::move(result)).text);
  };
  const auto randomView = [](Random& r) { return static_cast<lines::View>(r.Below(3)); };
  return {
      {"trim", Keeps::kVisibleInOrder, line(lines::TrimLineBlanks)},
      {"delete-empty", Keeps::kVisibleInOrder, line(lines::DeleteEmptyLines)},
      {"collapse-spaces", Keeps::kVisibleInOrder, line(lines::DeleteDoubleSpaces)},
      {"dedupe", Keeps::kEveryLine, line(lines::DeleteDuplicateLines)},
      {"delete-repeated", Keeps::kSomeLines, line(lines::DeleteAllDuplicateLines)},
      {"delete-unique", Keeps::kSomeLines,
       [&](TextView t, Random& r) { return utf8(lines::DeleteUniqueLines(text::ToUtf8(t), randomView(r))); }},
      {"sort", Keeps::kLineMultiset,
       [&](TextView t, Random&) { return utf8(lines::SortLines(text::ToUtf8(t), collator)); }},
      {"sort-mirror", Keeps::kLineMultiset,
       [&](TextView t, Random&) { return utf8(lines::MirrorSortLines(text::ToUtf8(t), collator)); }},
      {"sort-length", Keeps::kLineMultiset,
       [&](TextView t, Random&) { return utf8(lines::SortLinesByLength(text::ToUtf8(t))); }},
      {"shuffle", Keeps::kLineMultiset,
       [&](TextView t, Random& r) {
         lines::RandomGenerator generator(r.Below(0xFFFFFFFFu));
         return utf8(lines::ShuffleLines(text::ToUtf8(t), generator, randomView(r)));
       }},
      {"invert", Keeps::kLineMultiset,
       [&](TextView t, Random&) { return utf8(lines::InvertLines(text::ToUtf8(t))); }},
      {"split-paragraphs", Keeps::kVisibleInOrder,
       [&](TextView t, Random& r) {
         lines::RandomGenerator generator(r.Below(0xFFFFFFFFu));
         const int min = static_cast<int>(r.Below(60));
         return utf8(
             lines::SplitParagraphs(text::ToUtf8(t), min, min + static_cast<int>(r.Below(80)), generator));
       }},
      {"keep-urls", Keeps::kNothing, url(urls::KeepUrls)},
      {"keep-domain", Keeps::kLineCount, url(urls::KeepDomain)},
      {"keep-folder", Keeps::kLineCount, url(urls::KeepDomainWithFolder)},
      {"keep-filename", Keeps::kLineCount, url(urls::KeepFileName)},
      {"add-http", Keeps::kLineCount, url(urls::AddHttp)},
      {"remove-http", Keeps::kLineCount, url(urls::RemoveHttp)},
      {"insert-urls", Keeps::kNothing,
       [&](TextView t, Random& r) {
         return utf8(urls::InsertUrls(text::ToUtf8(t), text::ToUtf8(r.MakeText())));
       }},
      {"insert-anchors", Keeps::kNothing,
       [&](TextView t, Random& r) {
         return utf8(urls::InsertAnchors(text::ToUtf8(t), text::ToUtf8(r.MakeText())));
       }},
      {"formatted view", Keeps::kNothing,
       [](TextView t, Random&) { return skorlin::format::FormattedView(t); }},
      {"HTML view", Keeps::kNothing,
       [](TextView t, Random& r) {
         skorlin::html::HtmlViewOptions options;
         options.addP = r.OneIn(2);
         options.skipEmptyLines = r.OneIn(2);
         options.table = r.OneIn(2);
         return skorlin::html::HtmlView(t, options);
       }},
  };
}

// What is wrong with a command's output, or the empty string.
std::string KeepsFault(Keeps keeps, TextView in, TextView out) {
  const Lines before = text::SplitLines(in);
  const Lines after = text::SplitLines(out);
  switch (keeps) {
    case Keeps::kLineMultiset:
      return Sorted(before) == Sorted(after) ? "" : "the lines are not the input's lines";
    case Keeps::kEveryLine: {
      const std::set<Text> a(before.begin(), before.end()), b(after.begin(), after.end());
      if (a != b) return "a distinct line was lost or made up";
      return after.size() == b.size() ? "" : "a repeat was left";
    }
    case Keeps::kSomeLines: {
      const std::set<Text> a(before.begin(), before.end());
      // "Удалить уникальные" on the HTML view adds an empty line at the end first.
      for (const Text& l : after) {
        if (!l.empty() && !a.count(l)) return "a line that was not in the input";
      }
      return after.size() <= before.size() + 1 ? "" : "more lines than the input";
    }
    case Keeps::kVisibleInOrder:
      return Visible(in) == Visible(out) ? "" : "a character other than a blank was lost or changed";
    case Keeps::kLineCount:
      return before.size() == after.size() ? "" : "the number of lines changed";
    case Keeps::kNothing:
      return {};
  }
  return {};
}

struct Tally {
  long runs = 0;
  long failures = 0;
};

int printedFailures = 0;

void Fail(std::map<std::string, Tally>& tally, const std::string& name, long step, const std::string& what,
          TextView in) {
  ++tally[name].failures;
  if (printedFailures++ < 20) {
    std::printf("FAIL step %ld %s: %s (input %zu characters: \"%s\")\n", step, name.c_str(), what.c_str(),
                in.size(), text::ToUtf8(in.substr(0, 120)).c_str());
  }
}

void RunCore(long count, Random& random, std::map<std::string, Tally>& tally) {
  const lines::LineCollator collator("ru_RU");
  const std::vector<CoreCommand> commands = CoreCommands(collator);
  Text current = random.MakeText();
  for (long step = 0; step < count; ++step) {
    // Most commands work on the previous result, as a user's session does; now and then a
    // fresh text starts over.
    if (random.OneIn(5) || current.size() > 20000) current = random.MakeText();
    const CoreCommand& command = commands[random.Below(static_cast<std::uint32_t>(commands.size()))];
    ++tally[command.name].runs;
    Text out = command.run(current, random);
    std::string fault = StatsFault(out);
    if (fault.empty()) fault = KeepsFault(command.keeps, current, out);
    if (!fault.empty()) Fail(tally, command.name, step, fault, current);
    current = std::move(out);
  }
}

// The window's commands by their menu items, with what they may do to the view.
struct WindowCommand {
  const char* action;
  Keeps keeps;
  bool inputOnly = false;  // it works on the input view whatever the tab
};
const WindowCommand kWindowCommands[] = {
    {"mmDelSpaces", Keeps::kVisibleInOrder}, {"mmDelDSpaces", Keeps::kVisibleInOrder},
    {"mmDelEmpty", Keeps::kVisibleInOrder},  {"mmDelDouble", Keeps::kEveryLine},
    {"pmDelAllDouble", Keeps::kSomeLines},   {"mmDelUnik", Keeps::kSomeLines},
    {"mmSort", Keeps::kLineMultiset},        {"N4", Keeps::kLineMultiset},
    {"N16", Keeps::kLineMultiset, true},     {"mmShuffle", Keeps::kLineMultiset},
    {"N18", Keeps::kLineMultiset, true},     {"N14", Keeps::kVisibleInOrder, true},
    {"mmSaveURLs", Keeps::kNothing, true},   {"N6", Keeps::kLineCount, true},
    {"N7", Keeps::kLineCount, true},         {"N8", Keeps::kLineCount, true},
    {"http1", Keeps::kLineCount, true},      {"http2", Keeps::kLineCount, true},
    {"mmInsURLs", Keeps::kNothing, true},    {"mmInsAnk", Keeps::kNothing, true},
};

// The panel's five count labels as they stand.
stats::CountLabels ShownLabels(const QMainWindow& window) {
  const auto label = [&](const char* name) {
    const auto* l = window.findChild<QLabel*>(QLatin1String(name));
    return l ? skorlin::app::ToText(l->text()) : Text(U"(no label)");
  };
  return {label("lbStr"), label("lbSl"), label("lbBukv"), label("lbZn"), label("lbFull")};
}

// Whether the panel's count labels are those of the text's statistics, as a change of the
// view or a rebuild of a derived view writes them.
bool LabelsMatch(const QMainWindow& window, TextView counted) {
  const stats::CountLabels shown = ShownLabels(window);
  const stats::TextStats s = stats::CountTextStats(text::ToUtf8(counted));
  const bool match = shown == stats::RebuildLabels(s) || shown == stats::ChangeLabels(s, U"", U",").counts;
  if (!match && std::getenv("SOAK_DEBUG")) {
    const stats::CountLabels want = stats::ChangeLabels(s, U"", U",").counts;
    std::printf("  shown: %s | %s | %s | %s | %s\n  count: %s | %s | %s | %s | %s\n",
                text::ToUtf8(shown.lbStr).c_str(), text::ToUtf8(shown.lbSl).c_str(),
                text::ToUtf8(shown.lbBukv).c_str(), text::ToUtf8(shown.lbZn).c_str(),
                text::ToUtf8(shown.lbFull).c_str(), text::ToUtf8(want.lbStr).c_str(),
                text::ToUtf8(want.lbSl).c_str(), text::ToUtf8(want.lbBukv).c_str(),
                text::ToUtf8(want.lbZn).c_str(), text::ToUtf8(want.lbFull).c_str());
  }
  return match;
}

void RunWindow(long count, Random& random, std::map<std::string, Tally>& tally) {
  QTemporaryDir dir;
  QStringList errors;
  skorlin::app::SetErrorReporter([&errors](const QString& message) { errors.append(message); });
  skorlin::app::WindowEnvironment environment{dir.path() + "/program", dir.path() + "/config", {}};
  auto window = std::make_unique<skorlin::app::TfmMain>(environment);
  window->show();
  QApplication::processEvents();
  auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("PageControl"));
  const QString viewNames[] = {"RichEdit1", "RichEdit2", "RichEdit3"};
  for (long step = 0; step < count; ++step) {
    auto* input = window->findChild<skorlin::app::TextView*>(viewNames[0]);
    if (random.OneIn(4) || input->Length() > 20000) {
      tabs->setCurrentIndex(0);
      // As the user replaces the text: the view holds it with CR LF line breaks.
      input->setText(QString::fromStdString(text::WithCrLfBreaks(text::ToUtf8(random.MakeText()))));
      QApplication::processEvents();
    }
    if (random.OneIn(6)) tabs->setCurrentIndex(static_cast<int>(random.Below(3)));
    QApplication::clipboard()->setText(skorlin::app::ToQString(random.MakeText()));
    const int tab = tabs->currentIndex();
    const WindowCommand& command = kWindowCommands[random.Below(std::size(kWindowCommands))];
    auto* active = window->findChild<skorlin::app::TextView*>(viewNames[tab]);
    auto* view = command.inputOnly ? input : active;
    const std::string name = std::string("window ") + command.action;
    ++tally[name].runs;
    const Text before = skorlin::app::ViewText(*view);
    const stats::CountLabels labelsBefore = ShownLabels(*window);
    QAction* action = window->findChild<QAction*>(QLatin1String(command.action));
    if (!action) {
      Fail(tally, name, step, "no such menu item", before);
      continue;
    }
    errors.clear();
    action->trigger();
    QApplication::processEvents();
    const Text after = skorlin::app::ViewText(*view);
    std::string fault;
    if (!errors.isEmpty()) fault = "error box: " + errors.front().toStdString();
    // The panel counts the view a command changed (the input view for a URL command, on
    // whichever tab); a command that changed nothing may leave the panel as it stood.
    const bool labelsKept = after == before && ShownLabels(*window) == labelsBefore;
    if (fault.empty() && !labelsKept && !LabelsMatch(*window, after))
      fault = "the labels are not the view's statistics (tab " + std::to_string(tab) + ")";
    if (fault.empty()) fault = StatsFault(after);
    if (fault.empty()) fault = KeepsFault(command.keeps, before, after);
    if (!fault.empty()) Fail(tally, name, step, fault, before);
  }
  window.reset();
  skorlin::app::SetErrorReporter({});
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  long coreCount = 10000;
  long windowCount = 1000;
  auto seed = static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--core") == 0)
      coreCount = std::atol(argv[i + 1]);
    else if (std::strcmp(argv[i], "--window") == 0)
      windowCount = std::atol(argv[i + 1]);
    else if (std::strcmp(argv[i], "--seed") == 0)
      seed = static_cast<std::uint32_t>(std::strtoul(argv[i + 1], nullptr, 10));
  }
  std::printf("soak: seed %u, %ld core commands, %ld window commands\n", seed, coreCount, windowCount);
  std::fflush(stdout);
  // Sizes in thousands are written with the decimal comma, as the Russian locale has it.
  QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
  QApplication app(argc, argv);
  std::map<std::string, Tally> tally;
  Random random(seed);
  const auto start = std::chrono::steady_clock::now();
  RunCore(coreCount, random, tally);
  const auto coreDone = std::chrono::steady_clock::now();
  RunWindow(windowCount, random, tally);
  const auto end = std::chrono::steady_clock::now();
  long failures = 0;
  for (const auto& [name, t] : tally) {
    std::printf("%-24s %6ld runs %6ld failures\n", name.c_str(), t.runs, t.failures);
    failures += t.failures;
  }
  using Seconds = std::chrono::duration<double>;
  std::printf("soak: %ld failures; core %.1f s, window %.1f s\n", failures, Seconds(coreDone - start).count(),
              Seconds(end - coreDone).count());
  return failures == 0 ? 0 : 1;
}
