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

struct Group {
    bool skip = false;
    int fontHalfPoints = 24;
    int fallbackChars = 1;  // \ucN: characters after \uN that stand in for it
};

// Groups nested deeper than this count as their parent: a document of
// nothing but "{" needs no memory per brace.
constexpr std::size_t kMaxGroupDepth = 256;
// How often (in bytes read) the conversion looks at its cancel flag.
constexpr std::size_t kCancelStride = 1 << 16;

class Converter {
public:
    Converter(const HelpLimits& limits, const std::atomic<bool>* cancel) : limits_(limits), cancel_(cancel) {}

    HelpDocument run(std::string_view rtf) {
        std::vector<Group> stack{Group{}};
        std::size_t deeper = 0;  // groups beyond kMaxGroupDepth
        size_t i = 0;
        int skipFallback = 0;
        std::size_t nextCancelCheck = kCancelStride;
        while (i < rtf.size() && !full_) {
            if (cancel_ && i >= nextCancelCheck) {
                nextCancelCheck = i + kCancelStride;
                if (cancel_->load(std::memory_order_relaxed)) {
                    doc_.cancelled = true;
                    return std::move(doc_);
                }
            }
            const char c = rtf[i];
            Group& g = stack.back();
            if (c == '{') {
                if (stack.size() < kMaxGroupDepth)
                    stack.push_back(g);
                else
                    ++deeper;
                ++i;
                if (rtf.substr(i, 2) == "\\*") stack.back().skip = true;
                continue;
            }
            if (c == '}') {
                if (deeper > 0)
                    --deeper;
                else if (stack.size() > 1)
                    stack.pop_back();
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
        if (full_) doc_.cut = true;
        endParagraph();
        return std::move(doc_);
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
            if (!g.skip) append('\n');
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
        append(c);
    }

    // One character (or the line break "\n") of the paragraph, within the
    // limits: a paragraph that reaches a block's size goes on in the next.
    void append(char32_t c) {
        if (full_) return;
        if (characters_ >= limits_.characters) {
            full_ = true;
            return;
        }
        const bool lineFull = c == '\n' && blockLines_ >= limits_.blockLines;
        if (blockCharacters_ >= limits_.blockCharacters || lineFull) {
            const bool bullet = bullet_;
            emitBlock();
            bullet_ = bullet;  // the rest of the paragraph is of the same kind
            if (full_ || lineFull) return;  // the new block is the line break
        }
        AppendUtf8(paragraph_, c);
        ++characters_;
        ++blockCharacters_;
        if (c == '\n') ++blockLines_;
    }

    void endParagraph() {
        emitBlock();
        bullet_ = false;
    }

    void emitBlock() {
        while (!paragraph_.empty() && paragraph_.back() == ' ') paragraph_.pop_back();
        blockCharacters_ = blockLines_ = 0;
        if (paragraph_.empty()) return;
        if (doc_.blocks.size() >= limits_.blocks) {
            full_ = true;
            paragraph_.clear();
            return;
        }
        using Kind = HelpBlock::Kind;
        const Kind kind = bullet_ ? Kind::Item : size_ >= 32 ? Kind::Heading1 : size_ >= 26 ? Kind::Heading2 : Kind::Paragraph;
        doc_.blocks.push_back({kind, std::move(paragraph_)});
        paragraph_.clear();
    }

    const HelpLimits& limits_;
    const std::atomic<bool>* cancel_;
    HelpDocument doc_;
    std::string paragraph_;
    std::size_t characters_ = 0, blockCharacters_ = 0, blockLines_ = 0;
    int size_ = 24;
    bool bullet_ = false;
    bool full_ = false;
    char32_t highSurrogate_ = 0;
};

void AppendHtmlText(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '&': out += "&amp;"; break;
            case '"': out += "&quot;"; break;
            case '\n': out += "<br>"; break;
            default: out += c;
        }
    }
}

}  // namespace

HelpDocument ConvertHelp(std::string_view rtf, const HelpLimits& limits, const std::atomic<bool>* cancel) {
    return Converter(limits, cancel).run(rtf);
}

std::string HelpHtml(const HelpDocument& document, std::string_view title) {
    std::string html = "<html><head><meta charset=\"utf-8\"><title>";
    html += title;
    html += "</title></head><body>\n";
    bool inList = false;
    for (const HelpBlock& block : document.blocks) {
        const bool item = block.kind == HelpBlock::Kind::Item;
        if (item != inList) html += item ? "<ul>\n" : "</ul>\n";
        inList = item;
        const char* tag = item ? "li" : block.kind == HelpBlock::Kind::Heading1 ? "h1"
                                      : block.kind == HelpBlock::Kind::Heading2 ? "h2" : "p";
        html += std::string("<") + tag + ">";
        AppendHtmlText(html, block.text);
        html += std::string("</") + tag + ">\n";
    }
    if (inList) html += "</ul>\n";
    html += "</body></html>\n";
    return html;
}

std::string RtfToHtml(std::string_view rtf, std::string_view title) { return HelpHtml(ConvertHelp(rtf), title); }

}  // namespace numora
