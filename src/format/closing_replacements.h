// SPDX-License-Identifier: GPL-3.0-or-later
// The closing table of fixed replacements: brackets and punctuation closed up, spaces beside
// TAB, CR and LF removed, a few abbreviations spelled one way, runs of hyphens and of numero
// signs joined. Rows apply to the whole line, top to bottom, each reading the previous result.
#pragma once

#include <array>

#include "text/text.h"

namespace skorlin::format {

enum class ReplaceMode {
  kAll,              // every occurrence once, left to right, the inserted text not searched again
  kRepeat,           // again and again until none is left
  kRunsOutsideCode,  // as kRepeat, but a run that touches a Latin letter or a digit stays
                     // (a command's option or code: "--prefix", "i--"), and so does a line
                     // drawn with four or more
};

struct ReplacementRow {
  text::TextView find;
  text::TextView repl;
  ReplaceMode mode;
};

inline constexpr std::array<ReplacementRow, 30> kClosingReplacements = {{
    {U"--", U"-", ReplaceMode::kRunsOutsideCode},
    {U"( ", U"(", ReplaceMode::kAll},
    {U" )", U")", ReplaceMode::kAll},
    {U"[ ", U"[", ReplaceMode::kAll},
    {U" ]", U"]", ReplaceMode::kAll},
    {U" :", U":", ReplaceMode::kAll},
    {U" ;", U";", ReplaceMode::kAll},
    {U" !", U"!", ReplaceMode::kAll},
    {U" ?", U"?", ReplaceMode::kAll},
    {U"КП (б)", U"КП(б)", ReplaceMode::kAll},
    {U"РП (б)", U"РП(б)", ReplaceMode::kAll},
    {U"КП(б) -КПСС", U"КП(б)-КПСС", ReplaceMode::kAll},
    {U"КП(б) -ВКП(б)", U"КП(б)-ВКП(б)", ReplaceMode::kAll},
    {U"но- ", U"но-", ReplaceMode::kAll},
    {U" \t", U"\t", ReplaceMode::kAll},
    {U"\t ", U"\t", ReplaceMode::kAll},
    {U" \r", U"\r", ReplaceMode::kAll},
    {U" \n", U"\n", ReplaceMode::kAll},
    {U"\r ", U"\r", ReplaceMode::kAll},
    {U"\n ", U"\n", ReplaceMode::kAll},
    {U" г. г.", U" г.г.", ReplaceMode::kAll},
    {U" г. р.", U" г.р.", ReplaceMode::kAll},
    {U" и т. д.", U" и т.д.", ReplaceMode::kAll},
    {U" и т. п.", U" и т.п.", ReplaceMode::kAll},
    {U"№ -", U"№", ReplaceMode::kAll},
    {U"№-", U"№", ReplaceMode::kAll},
    {U"КП/б/", U"КП(б)", ReplaceMode::kAll},
    {U"КП /б/", U"КП(б)", ReplaceMode::kAll},
    {U" ,", U",", ReplaceMode::kAll},
    {U"№ №", U"№№", ReplaceMode::kRepeat},
}};

// Every run of two or three hyphens made one hyphen, unless a Latin letter, a digit or one
// of the signs lines are drawn with ("\ / | + < >") stands right before or right after the
// run; a longer run that does not join two words draws a line and stays, and so do three
// hyphens and a space that begin the line (a tree of folders drawn: "--- Задачи").
void CollapseHyphenRunsOutsideCode(text::Text& s);
// Applies one row to s; false when the row's text does not occur.
bool ApplyReplacementRow(text::Text& s, const ReplacementRow& row);
// Applies every row of the closing table in order.
void ClosingReplacementsPass(text::Text& s);

}  // namespace skorlin::format
