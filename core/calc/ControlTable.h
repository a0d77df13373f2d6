// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the calculator windows' control tables are made of: each window's
// controls are named once, in its calc folder (StandardControls.h,
// ScientificControls.h, MathsControls.h, ChemControls.h), and these rows
// give a control a text (a caption, an initial text, a status-bar hint) by
// its name.
#pragma once

#include <span>
#include <string_view>

namespace numora {

struct ControlText {
    const char* control;  // the control's name: its widget's objectName
    const char* text;     // UTF-8
};

// A tab of a window's tab strip: its caption, its key (the objectName of
// its page) and its tool tip (nullptr: none).
struct TabText {
    const char* caption;
    const char* key;
    const char* toolTip = nullptr;
};

// The solution panel (解题过程) of a window: the panel and its controls,
// named after the window ("MathsSolutionPanel", "MathsSolutionPanelList1",
// "MathsSolutionPanelcmd1" ...).
struct SolutionPanelControls {
    const char* panel;
    const char* list;     // the steps, one a line
    const char* copy;     // 复制
    const char* copyAll;  // 全部复制
    const char* save;     // 保存为文本文件…
    const char* close;    // 关闭
};

// The text of `control` in `table`, or nullptr when the table has none.
constexpr const char* TextOf(std::span<const ControlText> table, std::string_view control) {
    for (const ControlText& row : table)
        if (control == row.control) return row.text;
    return nullptr;
}

}  // namespace numora
