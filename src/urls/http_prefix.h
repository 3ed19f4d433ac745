// "Добавить http" and "Удалить http": the "http://" prefix of every line of the input view.
#pragma once

#include "text/text.h"
#include "urls/url_result.h"

namespace skorlin::urls {

// Puts "http://" in front of a line that is not an http address (an empty line too);
// 'Http://host' and 'see http://host' stay. Returns true when the line changed.
bool AddHttpPrefix(text::Text& line);
// Removes the first seven characters of a line that begins with "http://" in any mix of
// case; every other line stays, also one that holds "http:" further on ('see http://host').
bool RemoveHttpPrefix(text::Text& line);

// The two commands on the whole input view; caption "Готово.".
UrlResult AddHttp(text::TextView viewText);
UrlResult RemoveHttp(text::TextView viewText);

}  // namespace skorlin::urls
