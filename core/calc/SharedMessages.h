// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The titles, status text and messages that several calculators share,
// written once. What only one calculator says stays in its own messages
// header (ChemMessages.h, MathsMessages.h, ...).
#pragma once

namespace numora {

// ---- Titles -----------------------------------------------------------------

// Every input error of the calculator windows (exclamation icon,
// Outcome::Error) and the formula calculator's refusal (stop icon).
inline constexpr const char* kErrorTitle = "Numora错误报告";
// An answer shown in a message box: the dilution answer, the formula
// calculator's result.
inline constexpr const char* kResultTitle = "Numora计算结果";
// A notice of the program itself, such as a stopped computation.
inline constexpr const char* kNoticeTitle = "Numora";

// ---- Status -----------------------------------------------------------------

// The status bar's text when a command starts; the window sets it, the
// commands do not report it, and it stays whatever the outcome.
inline constexpr const char* kCalculating = "正在计算......";

// ---- Messages ---------------------------------------------------------------

inline constexpr const char* kEmptyInput = "请不要使输入框为空";
// A typed number, an intermediate value or a result beyond what the command
// computes with (the double range, 32 bits, 255 digits).
inline constexpr const char* kTooLarge = "数据过大";
// A run-time failure that has no message of its own (an undefined result).
inline constexpr const char* kUnknownError = "捕获到未知错误";
inline constexpr const char* kDivisorZero = "除数不能为0";
// A formula or a typed function that cannot be read.
inline constexpr const char* kBadExpression = "表达式错误";

}  // namespace numora
