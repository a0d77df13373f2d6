// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Which inputs a window's results were computed from. A frame's results are
// shown as belonging to earlier input (dimmed, "结果对应先前的输入") from the
// moment one of its inputs changes until the frame computes again; each
// calculator window lists its frames in a table beside its control table
// (StandardFrames.h, ScientificFrames.h, MathsFrames.h, ChemFrames.h).
#pragma once

#include <span>

namespace numora {

using ControlNames = std::span<const char* const>;

struct ResultFrame {
    const char* frame;     // names the group: the frame's objectName where it has one
    ControlNames inputs;   // fields, option buttons, lists: a change makes the results stale
    ControlNames results;  // the fields (and lists) the frame's commands write
};

}  // namespace numora
