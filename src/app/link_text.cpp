// link_text.cpp: text as people pass links on: percent-encoding undone once, the slips of passing a link
// on mended, and pieces of it quoted safely, as typed.
#include "app/link_text.h"

#include <cstddef>

namespace {

// What a refusal quotes of the text it could not use, in characters; a longer piece is cut.
constexpr std::size_t QUOTED_LENGTH = 40;

// The length in bytes of the UTF-8 character at `at`, or 0 where the bytes there are none: a stray
// continuation byte, a cut or overlong sequence, a surrogate, a code point past U+10FFFF.
std::size_t characterLength(std::string_view text, std::size_t at) {
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return 1;
    std::size_t length = 4;
    char32_t code = lead & 0x07, lowest = 0x10000;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2, code = lead & 0x1f, lowest = 0x80;
    } else if ((lead & 0xf0) == 0xe0) {
        length = 3, code = lead & 0x0f, lowest = 0x800;
    } else if (lead < 0xf0 || lead > 0xf4) {
        return 0;
    }
    if (text.size() - at < length) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xc0) != 0x80) return 0;
        code = code << 6 | (next & 0x3f);
    }
    if (code < lowest || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff)) return 0;
    return length;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool isSpaceOrTab(char c) {
    return c == ' ' || c == '\t';
}

bool isLineBreak(char c) {
    return c == '\n' || c == '\r';
}

bool isWhitespace(char c) {
    return isSpaceOrTab(c) || isLineBreak(c) || c == '\f' || c == '\v';
}

// Removes each run of spaces and tabs next to a `mark` character, and the characters themselves
// when `dropMarks`.
std::string withoutSpacesAround(std::string_view text, bool (*mark)(char), bool dropMarks) {
    std::string kept;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (mark(text[at])) {
            while (!kept.empty() && isSpaceOrTab(kept.back())) kept.pop_back();
            if (!dropMarks) kept += text[at];
            while (at + 1 < text.size() && isSpaceOrTab(text[at + 1])) ++at;
        } else {
            kept += text[at];
        }
    }
    return kept;
}

// What sentences put after a link, and the closing partners of what they put before it.
constexpr std::string_view TRAILING_PUNCTUATION = ".,;:!?)]}>\"'";
constexpr std::string_view OPENERS = "(<\"'", CLOSERS = ")>\"'";

}  // namespace

std::string quoted(std::string_view text) {
    std::string shown = "'";
    std::size_t at = 0;
    for (std::size_t characters = 0; at < text.size() && characters < QUOTED_LENGTH; ++characters) {
        const std::size_t length = characterLength(text, at);
        const unsigned char lead = static_cast<unsigned char>(text[at]);
        const bool control = (length == 1 && (lead < 0x20 || lead == 0x7f)) ||
                             (length == 2 && lead == 0xc2 && static_cast<unsigned char>(text[at + 1]) < 0xa0);
        if (length == 0 || control) {
            shown += '?';
        } else {
            shown += text.substr(at, length);
        }
        at += length == 0 ? 1 : length;
    }
    if (at < text.size()) shown += "...";
    return shown + "'";
}

bool decodePercents(std::string_view text, std::string& decoded, std::string& problem) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '%') {
            decoded += text[at];
            continue;
        }
        const int high = at + 1 < text.size() ? hexDigit(text[at + 1]) : -1;
        const int low = at + 2 < text.size() ? hexDigit(text[at + 2]) : -1;
        if (high < 0 || low < 0) {
            problem = quoted(text.substr(at, 3)) +
                      " is not a character written as % and two hexadecimal digits (such as %2C for a comma)";
            return false;
        }
        decoded += static_cast<char>(high * 16 + low);
        at += 2;
    }
    return true;
}

std::string mendedLink(std::string_view decoded) {
    std::string text = withoutSpacesAround(decoded, isLineBreak, true);
    std::size_t first = 0, end = text.size();
    while (first < end && isWhitespace(text[first])) ++first;
    while (end > first && isWhitespace(text[end - 1])) --end;
    std::size_t kept = end;
    while (kept > first && TRAILING_PUNCTUATION.find(text[kept - 1]) != std::string_view::npos) --kept;
    const std::string_view run = std::string_view(text).substr(kept, end - kept);
    const std::size_t opener = first < kept ? OPENERS.find(text[first]) : std::string_view::npos;
    if (opener != std::string_view::npos && run.find(CLOSERS[opener]) != std::string_view::npos) ++first;
    text = text.substr(first, kept - first);

    // Once: "&amp;amp;" is "&amp;", as a page's source would show it.
    for (std::size_t at = text.find("&amp;"); at != std::string::npos; at = text.find("&amp;", at + 1))
        text.erase(at + 1, 4);
    text = withoutSpacesAround(text, [](char c) { return c == '&'; }, false);

    // A part's name is the single letter before its '='.
    for (std::size_t at = 0; at + 1 < text.size();) {
        if (text[at] >= 'A' && text[at] <= 'Z' && text[at + 1] == '=')
            text[at] = static_cast<char>(text[at] - 'A' + 'a');
        const std::size_t ampersand = text.find('&', at);
        if (ampersand == std::string::npos) break;
        at = ampersand + 1;
    }
    return text;
}
