// link_text.h: text as people pass links on: percent-encoding undone once, the slips of passing a link
// on mended, and pieces of it quoted safely, as typed.
#pragma once

#include <string>
#include <string_view>

// A piece of the text as read, safe to show in a terminal or a page: in quotes, cut at 40 characters
// (then "..."), each control character (C0, DEL, C1) and each byte of no UTF-8 character shown as '?'.
std::string quoted(std::string_view text);

// Undoes percent-encoding once ("%2C" -> ","), as mail and chat programs apply it; '+' stays '+',
// the sign of a number. A '%' without two hexadecimal digits after it is refused in `problem`.
bool decodePercents(std::string_view text, std::string& decoded, std::string& problem);

// The decoded text of a link as it most likely was before a sentence, a mail or a web page's source
// took it in: whitespace at both ends trimmed; line breaks removed with the spaces and tabs next to
// them; "&amp;" read as '&' and the whitespace next to each '&' removed; part names ("N=") in lower
// case; one trailing run of . , ; : ! ? ) ] } > " ' removed, and a leading ( < " or ' with it when
// the run holds its closing partner. Spaces anywhere else stay, so "n=1 2" is still no number.
std::string mendedLink(std::string_view decoded);
