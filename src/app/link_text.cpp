// link_text.cpp: text as people pass links on: percent-encoding undone once, and pieces of it quoted
// safely, as typed.
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
