// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopSession.h"

#include <cstdio>

namespace numora {
namespace {

// Tabs, line feeds and other control characters would break the one-line
// message; a token never holds them.
std::string Printable(std::string_view text) {
    std::string out;
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) out += c;
    return out;
}

std::string_view WithoutLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    return line;
}

}  // namespace

std::string CompositorSocketPath(const SessionEnvironment& env, const std::function<bool(const std::string&)>& exists) {
    if (!env.waylandSocket.empty() || env.waylandDisplay.empty()) return {};
    std::string path = env.waylandDisplay;
    if (path.front() != '/') path = env.runtimeDir.empty() ? std::string() : env.runtimeDir + "/" + path;
    return !path.empty() && exists(path) ? path : std::string();
}

SessionChoice ChooseSession(const SessionEnvironment& env, const std::function<bool(const std::string&)>& exists) {
    if (!env.qpaPlatform.empty()) return {true, {}};
    const bool wayland = !env.waylandSocket.empty() || !CompositorSocketPath(env, exists).empty();
    const bool x11 = !env.display.empty();
    if (wayland && !(x11 && env.sessionType == "x11")) return {true, x11 ? "wayland;xcb" : "wayland"};
    if (x11) return {true, {}};
    return {false, {}};
}

std::string InstanceName(std::string_view settingsPath) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a, 64 bits
    for (unsigned char c : settingsPath) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
    return std::string("numora-") + digits;
}

std::string RaiseRequestLine(const RaiseRequest& request) {
    return "raise\t" + Printable(request.activationToken) + "\t" + Printable(request.startupId) + "\n";
}

std::optional<RaiseRequest> ParseRaiseRequest(std::string_view line) {
    if (line.size() > kMaxInstanceLine) return std::nullopt;
    line = WithoutLineEnd(line);
    const std::size_t first = line.find('\t');
    if (line.substr(0, first) != "raise") return std::nullopt;
    RaiseRequest request;
    if (first == std::string_view::npos) return request;
    std::string_view rest = line.substr(first + 1);
    const std::size_t second = rest.find('\t');
    request.activationToken = Printable(rest.substr(0, second));
    if (second != std::string_view::npos) {
        rest = rest.substr(second + 1);
        if (rest.find('\t') != std::string_view::npos) return std::nullopt;
        request.startupId = Printable(rest);
    }
    return request;
}

std::string InstanceReplyLine(InstanceReply reply) {
    switch (reply) {
    case InstanceReply::Raised: return "ok\n";
    case InstanceReply::Closing: return "closing\n";
    case InstanceReply::Unknown: break;
    }
    return "?\n";
}

InstanceReply ParseInstanceReply(std::string_view line) {
    line = WithoutLineEnd(line);
    if (line == "ok") return InstanceReply::Raised;
    if (line == "closing") return InstanceReply::Closing;
    return InstanceReply::Unknown;
}

ColorScheme ColorSchemeFromPortal(std::uint32_t value) {
    switch (value) {
    case 1: return ColorScheme::Dark;
    case 2: return ColorScheme::Light;
    default: return ColorScheme::NoPreference;
    }
}

}  // namespace numora
