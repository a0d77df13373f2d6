// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// numora-cli: the suite's computations in a terminal. Each command prints
// the texts the windows would show and returns 0; a refusal prints the
// window's message to standard error and returns 1; a usage error returns 2.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

namespace numora::cli {

// The longest line `eval --file` reads: 16 MiB, far above the formulas the
// evaluator is measured with (1 MB). A longer line is refused (a message,
// exit 1) as soon as the limit is passed, without reading the rest of it.
inline constexpr std::size_t kMaxFormulaLineBytes = std::size_t{16} << 20;

// Exit statuses: the result printed; the input refused (the window's
// message on standard error); a wrong command line.
inline constexpr int kOk = 0;
inline constexpr int kRefused = 1;
inline constexpr int kUsage = 2;

// The message when standard output cannot be written (exit 1).
inline constexpr const char* kOutputFailed = "无法写入标准输出";

// Runs one command line (without the program name). Ends by flushing
// `out`; output that could not be written gives kOutputFailed on `err` and
// the result 1, whatever the command returned.
int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace numora::cli
