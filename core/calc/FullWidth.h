// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Full-width input. A Chinese input method in full-width mode types the
// digits and the arithmetic signs as full-width characters (（１＋２）×３,
// －５, ．５). They are turned into their ASCII counterparts once, where a
// typed text enters a computation, so that they mean what the user sees:
// every window field and input box through CalcText (core/ui), numora-cli's
// arguments (file names aside) and the lines of its formula files. The
// readers of numbers, formulas and typed functions then read ASCII; their
// reading rules are unchanged.
#pragma once

#include <string>
#include <string_view>

namespace numora {

// `text` (UTF-8) with each of these characters replaced by its ASCII one:
//   the full-width digits ０..９  -> 0..9
//   ＋ －                       -> + -
//   ＊ ×                       -> *   (× is the multiplication sign)
//   ／ ÷                       -> /   (÷ is the division sign)
//   （ ）                       -> ( )
//   ． and 。 (the ideographic full stop, typed for the decimal point) -> .
// × and ÷ mean multiplication and division in a formula; a number field
// holds no such operator, and there they end the leading number as "*" and
// "/" do. Everything else, invalid UTF-8 included, is kept byte for byte.
std::string FromFullWidth(std::string_view text);

// The same without a copy when there is nothing to replace: returns `text`
// itself when it is plain ASCII, otherwise the converted text, which is
// kept in `storage`.
std::string_view FromFullWidth(std::string_view text, std::string& storage);

}  // namespace numora
