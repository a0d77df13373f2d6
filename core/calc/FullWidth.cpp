// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FullWidth.h"

#include <algorithm>

namespace numora {
namespace {

// The ASCII character of the UTF-8 sequence at the start of `s`, and the
// sequence's length; length 0 when it is none of the full-width forms.
struct Narrowed {
    char ascii = 0;
    std::size_t length = 0;
};

Narrowed NarrowAt(std::string_view s) {
    const auto byte = [&s](std::size_t i) { return i < s.size() ? static_cast<unsigned char>(s[i]) : 0u; };
    const unsigned b0 = byte(0);
    if (b0 == 0xC3) {  // U+00D7 × and U+00F7 ÷
        if (byte(1) == 0x97) return {'*', 2};
        if (byte(1) == 0xB7) return {'/', 2};
    } else if (b0 == 0xE3) {  // U+3002 。
        if (byte(1) == 0x80 && byte(2) == 0x82) return {'.', 3};
    } else if (b0 == 0xEF && byte(1) == 0xBC) {  // U+FF00..U+FF3F
        const unsigned b2 = byte(2);
        if (b2 >= 0x90 && b2 <= 0x99) return {static_cast<char>('0' + (b2 - 0x90)), 3};
        switch (b2) {
            case 0x88: return {'(', 3};
            case 0x89: return {')', 3};
            case 0x8A: return {'*', 3};
            case 0x8B: return {'+', 3};
            case 0x8D: return {'-', 3};
            case 0x8E: return {'.', 3};
            case 0x8F: return {'/', 3};
            default: break;
        }
    }
    return {};
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::string FromFullWidth(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) >= 0x80) {
            if (const Narrowed n = NarrowAt(text.substr(i)); n.length != 0) {
                out += n.ascii;
                i += n.length;
                continue;
            }
        }
        out += text[i++];
    }
    return out;
}

std::string_view FromFullWidth(std::string_view text, std::string& storage) {
    if (IsAscii(text)) return text;
    storage = FromFullWidth(text);
    return storage;
}

}  // namespace numora
