// SPDX-License-Identifier: GPL-3.0-or-later
// What skorlin-cli needs of the system beyond the C++ library: its arguments in UTF-8 and
// standard streams that pass bytes as they are.
#pragma once

#include <string>
#include <vector>

namespace skorlin::cli {

// The program's arguments after its name, in UTF-8. On Windows they are taken from the
// wide-character command line, so that Cyrillic file names survive any code page.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Standard input, output and error in binary mode: on Windows the C runtime would
// otherwise write CR LF for every LF and end the input at a Ctrl-Z. Messages on a Windows console
// are shown in UTF-8 while the program runs. Nothing to do elsewhere.
void UseBinaryStandardStreams();

}  // namespace skorlin::cli
