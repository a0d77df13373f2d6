// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// numora-cli plot: the function plotter's picture into a PNG or SVG file,
// and the key points of its graphs (--points).
#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace numora::cli {

// The usage line of the command (without "numora-cli ").
extern const char* const kPlotUsage;

// Returns 0, 1 (a refusal: the window's message on `err`) or 2 (a wrong
// command line).
int PlotCommand(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace numora::cli
