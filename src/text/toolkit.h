// SPDX-License-Identifier: GPL-3.0-or-later
// The string routines every subsystem calls. Positions are 1-based; 0 means "not found".
// Searches allocate nothing; the replacements count first and allocate their result once.
#pragma once

#include <cstddef>

#include "text/text.h"

namespace skorlin::text {

// The 0-based index of the first c in s at index from or after; s.size() when there is
// none.
std::size_t FindChar(TextView s, Char c, std::size_t from);

// The position of the first occurrence of sub in s that begins at start or later; 0 if none.
// A start of 0 is taken as 1.
std::size_t FindStr(TextView sub, TextView s, std::size_t start = 1);
// As FindStr; two characters match when UpperCaseTable gives them the same upper case.
std::size_t FindStrNoCase(TextView sub, TextView s, std::size_t start = 1);
// The position of the last occurrence of sub that ends at start - 1 or earlier (at the
// end of s when start - 1 lies beyond it); 0 if none or when start is 1 or less.
std::size_t FindStrBack(TextView sub, TextView s, std::size_t start);

// s with every occurrence of find replaced by repl, left to right, without overlap; the
// inserted text is not searched again. An empty find leaves s unchanged.
Text ReplaceAll(TextView s, TextView find, TextView repl);
// As ReplaceAll with the matching rule of FindStrNoCase; the inserted text is exactly repl.
Text ReplaceAllNoCase(TextView s, TextView find, TextView repl);

// Removes count characters from 1-based index; nothing when count <= 0, s is empty,
// index < 1 or index lies beyond the last character; cuts s at index - 1 when the range
// reaches the end.
void DeleteRange(Text& s, std::ptrdiff_t index, std::ptrdiff_t count);
// Removes every leading and trailing character with code 0 to 32.
void TrimBlanks(Text& s);
// Removes every leading character with code 0 to 32.
void TrimLeadingBlanks(Text& s);
// How many times ch occurs in s.
std::size_t CountChar(TextView s, Char ch);
// Reverses the characters of s in place.
void ReverseStr(Text& s);
// Each character of s replaced by its lower case.
Text LowerStr(TextView s);
// Writes the lower case of each of the n source characters into dest; returns dest.
Char* LowerBuf(const Char* source, Char* dest, std::size_t n);

}  // namespace skorlin::text
