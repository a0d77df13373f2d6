// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the exact forms and the worked solutions (解题过程) of a calculator
// hand to its window and to numora-cli. Both are made from the same input
// texts as the frame's command and never change what the command shows.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Outcome.h"

namespace numora {

// The exact forms of a frame's results, beside the decimal ones.
struct ExactForms {
    // Result control -> its value in exact notation ("(3+√5)/2"), for the
    // results that have one, in the order of the frame.
    std::vector<std::pair<std::string, std::string>> fields;
    // The one line the frame shows under its results
    // ("精确值: x1 = (3+√5)/2, x2 = (3-√5)/2", "360 = 2³×3²×5").
    std::string line;

    std::optional<std::string> Field(const std::string& control) const {
        for (const auto& [name, text] : fields)
            if (name == control) return text;
        return std::nullopt;
    }
};

// A worked solution: one step a line, in exact notation. The last line(s)
// end with the answer after their last "=" (or "≈" for a value that has no
// exact form).
struct WorkedSolution {
    std::vector<std::string> lines;
    // The command's own message, when it refuses the input or ends without
    // a result: alone when the input is refused before any step (an empty
    // box), after the lines when the working itself ends there (no real
    // root, a system with no or infinitely many solutions), whose last line
    // is then that message's text.
    std::optional<Message> message;

    bool refused() const { return message.has_value(); }
    static WorkedSolution Refusal(Message m) { return {{}, std::move(m)}; }
};

}  // namespace numora
