// SPDX-License-Identifier: GPL-3.0-or-later
// Protected tokens taken out of a line while typographic rules run over it. Each token
// stands as one character that no rule knows (outside Windows-1251, in no class, equal to
// no literal) and that occurs nowhere else in the line; afterwards every token is put back
// exactly as it was.
#pragma once

#include <utility>
#include <vector>

#include "text/text.h"

namespace skorlin::format {

class TokenStandIns {
 public:
  // Writes a token where its stand-in stood, appending it to out.
  using TokenWriter = void (*)(text::TextView token, text::Text& out);

  // Replaces every protected token of line (FindProtectedTokens) by its own stand-in.
  explicit TokenStandIns(text::Text& line);

  bool Empty() const { return tokens_.empty(); }
  // Whether c is the stand-in of one of the tokens.
  bool IsStandIn(text::Char c) const;
  // Every stand-in in line replaced by its token, as write writes it (as it was, unless
  // told otherwise).
  void PutBack(text::Text& line, TokenWriter write = AppendAsItWas) const;

  static void AppendAsItWas(text::TextView token, text::Text& out) { out.append(token); }

  // The same tokens, stood in by the same characters.
  bool operator==(const TokenStandIns&) const = default;

 private:
  using Tokens = std::vector<std::pair<text::Char, text::Text>>;  // stand-in and token, stand-ins ascending
  Tokens::const_iterator Find(text::Char c) const;

  Tokens tokens_;
};

}  // namespace skorlin::format
