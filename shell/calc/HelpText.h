// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help document as HTML, for reading it inside the program when no
// program on the machine opens it. The document is Rich Text as the help
// generator writes it: paragraphs (\pard ... \par), headings by type size,
// bulleted items, and text in \uN escapes.
//
// The work is bounded whatever the document holds: one pass over the bytes
// (time linear in the document's size), and a result of at most
// HelpLimits' blocks and characters, so a window can show it in a time and
// memory that do not grow with the document. A document beyond the limits
// is cut there (`cut`), and the conversion stops reading it.
#pragma once

#include <atomic>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

struct HelpBlock {
    enum class Kind { Heading1, Heading2, Item, Paragraph };
    Kind kind = Kind::Paragraph;
    // UTF-8, without markup; "\n" is a line break inside the block.
    std::string text;
    bool operator==(const HelpBlock&) const = default;
};

struct HelpLimits {
    // Characters (line breaks included) of all blocks together: some
    // hundred pages, far more than a help document holds.
    std::size_t characters = std::size_t{256} << 10;
    std::size_t blocks = 10000;
    // A longer paragraph goes on in another block of its kind, so that no
    // block is long to lay out.
    std::size_t blockCharacters = 2000;
    std::size_t blockLines = 100;
};

struct HelpDocument {
    std::vector<HelpBlock> blocks;
    bool cut = false;        // the document goes on beyond the limits
    bool cancelled = false;  // `cancel` was set before the end
};

// The blocks of a Rich Text document: each paragraph becomes a heading
// (type size 16 pt and up: Heading1; 13 pt and up: Heading2), a list item
// (a paragraph that starts with a bullet) or a paragraph; \line is a line
// break. Groups of destinations (font table, information, colour table,
// "\*") are left out; unknown control words are ignored; groups nested
// deeper than any document needs count as their parent. `cancel`, when
// given, is looked at now and then: once set, the conversion stops.
HelpDocument ConvertHelp(std::string_view rtf, const HelpLimits& limits = {},
                         const std::atomic<bool>* cancel = nullptr);

// HTML (UTF-8) of the blocks: <h1>, <h2>, <p>, neighbouring items in one
// <ul>, line breaks as <br>, text HTML-escaped.
std::string HelpHtml(const HelpDocument& document, std::string_view title);

// HelpHtml(ConvertHelp(rtf), title).
std::string RtfToHtml(std::string_view rtf, std::string_view title);

}  // namespace numora
