// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help document as HTML, for reading it inside the program when no
// program on the machine opens it. The document is Rich Text as the help
// generator writes it: paragraphs (\pard ... \par), headings by type size,
// bulleted items, and text in \uN escapes.
#pragma once

#include <string>
#include <string_view>

namespace numora {

// HTML (UTF-8) of a Rich Text document: each paragraph becomes a heading
// (type size 16 pt and up: <h1>; 13 pt and up: <h2>), a list item (a
// paragraph that starts with a bullet; neighbours share one <ul>) or a <p>.
// Groups of destinations (font table, information, colour table, "\*") are
// left out; unknown control words are ignored; text is HTML-escaped.
std::string RtfToHtml(std::string_view rtf, std::string_view title);

}  // namespace numora
