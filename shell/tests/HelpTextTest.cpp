// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <sstream>

#include "HelpText.h"

using numora::RtfToHtml;

namespace {

std::string Body(const std::string& html) {
    const auto start = html.find("<body>\n") + 7;
    return html.substr(start, html.find("</body>") - start);
}

}  // namespace

TEST(HelpText, ParagraphsHeadingsAndLists) {
    const struct {
        const char* name;
        std::string rtf;
        const char* body;
    } cases[] = {
        {"heading and paragraph",
         R"({\rtf1\ansi\uc1{\fonttbl{\f0 Noto;}}{\info{\title X}}\fs22
\pard\sb280\b\fs32 Numora 1.80 \u24110?\u21161?\b0\fs22\par
\pard\sa120 text\par})",
         "<h1>Numora 1.80 \xe5\xb8\xae\xe5\x8a\xa9</h1>\n<p>text</p>\n"},
        {"subheading", R"({\rtf1\pard\b\fs26 Sub\b0\fs22\par})", "<h2>Sub</h2>\n"},
        {"neighbouring items share a list",
         R"({\rtf1\pard\li360 \bullet  one\par\pard\li360 \bullet  two\par\pard after\par})",
         "<ul>\n<li>one</li>\n<li>two</li>\n</ul>\n<p>after</p>\n"},
        {"negative \\u and a surrogate pair", R"({\rtf1\pard \u-29791?\u-10179?\u-8704?\par})",
         "<p>\xe8\xae\xa1\xf0\x9f\x98\x80</p>\n"},
        {"escapes and markup characters", R"({\rtf1\pard a\\b \{c\} <x> & "q"\par})",
         "<p>a\\b {c} &lt;x&gt; &amp; &quot;q&quot;</p>\n"},
        {"ignorable destinations and unknown words", R"({\rtf1{\*\generator Foo;}\pard\qc\zzz12 z\par})",
         "<p>z</p>\n"},
        {"last paragraph without \\par, empty paragraphs dropped", R"({\rtf1\pard\par\pard tail})",
         "<p>tail</p>\n"},
        {"cut off in the middle", "{\\rtf1\\pard half\\u2", "<p>half</p>\n"},
        {"\\uc0: no stand-in characters", R"({\rtf1\uc0\pard \u20013\u25991 x\par})",
         "<p>\xe4\xb8\xad\xe6\x96\x87x</p>\n"},
        {"line breaks", R"({\rtf1\pard a\line b\line\line c\par})", "<p>a<br>b<br><br>c</p>\n"},
        {"groups nested deeper than any document", std::string(5000, '{') + "\\pard deep\\par" + std::string(5000, '}') + "\\pard out\\par",
         "<p>deep</p>\n<p>out</p>\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(Body(RtfToHtml(c.rtf, "t")), c.body) << c.name;
    EXPECT_NE(RtfToHtml("{\\rtf1}", "Numora").find("<title>Numora</title>"), std::string::npos);
    EXPECT_EQ(Body(RtfToHtml("", "t")), "");
}

// The work is bounded: a document beyond the limits is cut there (and
// reading stops), a long paragraph goes on in blocks of its own kind.
TEST(HelpText, LimitsCutTheDocument) {
    using Kind = numora::HelpBlock::Kind;
    const numora::HelpLimits small{/*characters=*/12, /*blocks=*/3, /*blockCharacters=*/5, /*blockLines=*/2};
    const struct {
        const char* name;
        std::string rtf;
        std::vector<numora::HelpBlock> blocks;
        bool cut;
    } cases[] = {
        {"within the limits", R"({\rtf1\pard\b\fs32 Head\par\pard \bullet  one\par})",
         {{Kind::Heading1, "Head"}, {Kind::Item, "one"}}, false},
        {"a long paragraph in blocks of five", R"({\rtf1\pard abcdefghijk\par})",
         {{Kind::Paragraph, "abcde"}, {Kind::Paragraph, "fghij"}, {Kind::Paragraph, "k"}}, false},
        {"an item goes on as an item", R"({\rtf1\pard \bullet abcdefg\par})",
         {{Kind::Item, "abcde"}, {Kind::Item, "fg"}}, false},
        {"two line breaks a block", R"({\rtf1\pard a\line b\line c\line d\par})",
         {{Kind::Paragraph, "a\nb\nc"}, {Kind::Paragraph, "d"}}, false},
        {"beyond the characters", R"({\rtf1\pard abcde\par fghij\par klmno\par})",
         {{Kind::Paragraph, "abcde"}, {Kind::Paragraph, "fghij"}, {Kind::Paragraph, "kl"}}, true},
        {"beyond the blocks", R"({\rtf1\pard a\par b\par c\par d\par})",
         {{Kind::Paragraph, "a"}, {Kind::Paragraph, "b"}, {Kind::Paragraph, "c"}}, true},
    };
    for (const auto& c : cases) {
        const numora::HelpDocument document = numora::ConvertHelp(c.rtf, small);
        EXPECT_EQ(document.blocks, c.blocks) << c.name;
        EXPECT_EQ(document.cut, c.cut) << c.name;
    }
    std::atomic<bool> cancel{true};
    const std::string big = "{\\rtf1\\pard " + std::string(1 << 20, 'x');
    EXPECT_TRUE(numora::ConvertHelp(big, {}, &cancel).cancelled);
    EXPECT_FALSE(numora::ConvertHelp(big).cancelled);
}

// The document the program ships reads as headings, paragraphs and lists.
TEST(HelpText, TheShippedDocument) {
    std::ifstream in(NUMORA_HELP_DOCUMENT, std::ios::binary);
    ASSERT_TRUE(in) << NUMORA_HELP_DOCUMENT;
    std::stringstream rtf;
    rtf << in.rdbuf();
    const std::string html = RtfToHtml(rtf.str(), "Numora");
    for (const char* word : {"\\u", "\\par", "\\fs", "\\b0", "\\bullet", "{", "}"})
        EXPECT_EQ(html.find(word), std::string::npos) << word << ": no Rich Text left over";
    EXPECT_NE(html.find("<h1>Numora 1.80 \xe5\xb8\xae\xe5\x8a\xa9\xe4\xbf\xa1\xe6\x81\xaf</h1>"), std::string::npos);
    EXPECT_NE(html.find("<h2>"), std::string::npos);
    EXPECT_NE(html.find("<ul>\n<li>"), std::string::npos);
    EXPECT_EQ(html.find("Noto Sans"), std::string::npos) << "the font table is left out";
}
