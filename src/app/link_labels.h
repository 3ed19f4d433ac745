// SPDX-License-Identifier: GPL-3.0-or-later
// The link labels of the statistics panel and the addresses they open.
#pragma once

#include <QString>
#include <span>

namespace skorlin::app {

// One link label: its object name, caption and hint, the address a click opens (nullptr:
// the about message instead), and its cell in the panel's grid.
struct LinkLabel {
  const char* name;
  QString caption;
  QString hint;
  QString (*address)();
  int row;
  int column;
};

// The link labels in the order of the panel.
std::span<const LinkLabel> LinkLabels();

// The program's web site.
QString HomeAddress();
// A new mail to the author, with the program's version in its subject and body.
QString MailLink();

}  // namespace skorlin::app
