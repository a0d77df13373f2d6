// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpText.h"

#include <cctype>
#include <cstdlib>
#include <cstdint>
#include <vector>

namespace numora {
namespace {

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendEscaped(std::string& out, char32_t c) {
    switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        default: AppendUtf8(out, c);
    }
}

struct Group {
    bool skip = false;
    int fontHalfPoints = 24;
    int fallbackChars = 1;  // \ucN: characters after \uN that stand in for it
};

class Converter {
public:
    std::string run(std::string_view rtf, std::string_view title) {
        std::vector<Group> stack{Group{}};
        size_t i = 0;
        int skipFallback = 0;
        while (i < rtf.size()) {
            const char c = rtf[i];
            Group& g = stack.back();
            if (c == '{') {
                stack.push_back(g);
                ++i;
                if (rtf.substr(i, 2) == "\\*") stack.back().skip = true;
                continue;
            }
            if (c == '}') {
                if (stack.size() > 1) stack.pop_back();
                ++i;
                continue;
            }
            if (c == '\r' || c == '\n') {
                ++i;
                continue;
            }
            if (c != '\\') {
                ++i;
                if (skipFallback > 0) {
                    --skipFallback;
                    continue;
                }
                if (!g.skip) text(static_cast<unsigned char>(c), g);
                continue;
            }
            // A control symbol or word.
            ++i;
            if (i >= rtf.size()) break;
            const char s = rtf[i];
            if (s == '\\' || s == '{' || s == '}') {
                ++i;
                if (skipFallback > 0) --skipFallback;
                else if (!g.skip) text(static_cast<unsigned char>(s), g);
                continue;
            }
            if (s == '\'') {  // a byte in the code page: kept only when it is ASCII
                const std::string hex(rtf.substr(i + 1, 2));
                i += 3;
                if (skipFallback > 0) {
                    --skipFallback;
                    continue;
                }
                const long byte = std::strtol(hex.c_str(), nullptr, 16);
                if (!g.skip && byte > 0 && byte < 0x80) text(static_cast<char32_t>(byte), g);
                continue;
            }
            if (!std::isalpha(static_cast<unsigned char>(s))) {
                if (s == '~' && !g.skip) text(' ', g);
                ++i;
                continue;
            }
            size_t start = i;
            while (i < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[i]))) ++i;
            const std::string_view word = rtf.substr(start, i - start);
            bool hasParam = false;
            long param = 0;
            bool negative = false;
            if (i < rtf.size() && rtf[i] == '-') {
                negative = true;
                ++i;
            }
            while (i < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[i]))) {
                hasParam = true;
                if (param < 1000000) param = param * 10 + (rtf[i] - '0');
                ++i;
            }
            if (negative) param = -param;
            if (i < rtf.size() && rtf[i] == ' ') ++i;  // the delimiter belongs to the word
            skipFallback = 0;
            control(word, hasParam, param, g, skipFallback);
        }
        endParagraph();
        closeList();
        std::string html = "<html><head><meta charset=\"utf-8\"><title>";
        for (char ch : title) html += ch;
        html += "</title></head><body>\n" + body_ + "</body></html>\n";
        return html;
    }

private:
    void control(std::string_view word, bool hasParam, long param, Group& g, int& skipFallback) {
        if (word == "fonttbl" || word == "colortbl" || word == "stylesheet" || word == "info" ||
            word == "pict" || word == "header" || word == "footer") {
            g.skip = true;
        } else if (word == "par") {
            endParagraph();
        } else if (word == "pard") {
            bullet_ = false;
        } else if (word == "fs" && hasParam) {
            g.fontHalfPoints = static_cast<int>(param);
        } else if (word == "uc" && hasParam) {
            g.fallbackChars = static_cast<int>(param);
        } else if (word == "u" && hasParam) {
            long unit = param < 0 ? param + 65536 : param;
            skipFallback = g.fallbackChars;
            if (g.skip) return;
            if (unit >= 0xD800 && unit <= 0xDBFF) {
                highSurrogate_ = static_cast<char32_t>(unit);
                return;
            }
            if (unit >= 0xDC00 && unit <= 0xDFFF) {
                if (highSurrogate_) text(0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00), g);
                highSurrogate_ = 0;
                return;
            }
            text(static_cast<char32_t>(unit), g);
        } else if (word == "bullet") {
            if (!g.skip) {
                if (paragraph_.empty()) bullet_ = true;
                else text(0x2022, g);
            }
        } else if (word == "line") {
            if (!g.skip) paragraph_ += "<br>";
        } else if (word == "tab" || word == "emspace" || word == "enspace") {
            if (!g.skip) text(' ', g);
        }
    }

    void text(char32_t c, const Group& g) {
        highSurrogate_ = 0;
        if (c < 0x20 || c == 0x7F) return;  // control characters have no place in the text
        if (paragraph_.empty()) {
            if (c == ' ') return;  // leading blanks (after the bullet, say)
            size_ = g.fontHalfPoints;
        }
        AppendEscaped(paragraph_, c);
    }

    void endParagraph() {
        while (!paragraph_.empty() && paragraph_.back() == ' ') paragraph_.pop_back();
        if (paragraph_.empty()) {
            bullet_ = false;
            return;
        }
        if (bullet_) {
            if (!inList_) body_ += "<ul>\n";
            inList_ = true;
            body_ += "<li>" + paragraph_ + "</li>\n";
        } else {
            closeList();
            const char* tag = size_ >= 32 ? "h1" : size_ >= 26 ? "h2" : "p";
            body_ += std::string("<") + tag + ">" + paragraph_ + "</" + tag + ">\n";
        }
        paragraph_.clear();
        bullet_ = false;
    }

    void closeList() {
        if (inList_) body_ += "</ul>\n";
        inList_ = false;
    }

    std::string body_, paragraph_;
    int size_ = 24;
    bool bullet_ = false;
    bool inList_ = false;
    char32_t highSurrogate_ = 0;
};

}  // namespace

std::string RtfToHtml(std::string_view rtf, std::string_view title) { return Converter().run(rtf, title); }

}  // namespace numora
