// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Shared helpers of the fuzz targets: a property check that reports the
// failing input readably and aborts, so libFuzzer keeps the input as a
// crash reproducer.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace numora::fuzz {

inline std::string_view AsText(const unsigned char* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The text with control and non-ASCII bytes escaped, cut after `limit`
// characters.
inline std::string Shown(std::string_view text, std::size_t limit = 160) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size() && i < limit; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7f) {
            out += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", c);
            out += buf;
        }
    }
    out += '"';
    if (text.size() > limit) out += " ... (" + std::to_string(text.size()) + " bytes)";
    return out;
}

inline std::string Shown(double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g (%a)", value, value);
    return buf;
}

[[noreturn]] inline void Fail(const char* property, const std::string& details) {
    std::fprintf(stderr, "\n*** property failed: %s\n%s\n", property, details.c_str());
    std::fflush(stderr);
    std::abort();
}

// Checks `condition`; `details` is only built when it fails.
#define NUMORA_CHECK(condition, details)                          \
    do {                                                          \
        if (!(condition)) ::numora::fuzz::Fail(#condition, details); \
    } while (0)

// Same value, the sign of a zero included.
inline bool SameDouble(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

}  // namespace numora::fuzz
