// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "DesktopSession.h"

using namespace numora;

TEST(DesktopSession, ChoosesTheDisplay) {
    // The compositor's socket is /run/1000/wayland-0; nothing else exists.
    const auto exists = [](const std::string& path) { return path == "/run/1000/wayland-0"; };
    const struct {
        SessionEnvironment env;
        SessionChoice choice;
    } cases[] = {
        {{"", "wayland-0", "", "", "wayland", "/run/1000"}, {true, "wayland"}},            // no X server
        {{"", "wayland-0", "", ":0", "wayland", "/run/1000"}, {true, "wayland;xcb"}},      // with XWayland
        {{"", "wayland-0", "", ":0", "", "/run/1000"}, {true, "wayland;xcb"}},             // session type unset
        {{"", "/run/1000/wayland-0", "", "", "", ""}, {true, "wayland"}},                  // an absolute socket
        {{"", "wayland-0", "", ":0", "x11", "/run/1000"}, {true, ""}},                     // an X11 session
        {{"", "wayland-1", "", ":0", "wayland", "/run/1000"}, {true, ""}},                 // a dead socket: X
        {{"", "wayland-1", "", "", "wayland", "/run/1000"}, {false, ""}},                  // nothing alive
        {{"", "wayland-0", "", "", "wayland", ""}, {false, ""}},                           // no runtime folder
        {{"", "", "5", "", "", ""}, {true, "wayland"}},                                    // a handed-in socket
        {{"", "", "", ":99", "", ""}, {true, ""}},                                         // X only
        {{"offscreen", "", "", "", "", ""}, {true, ""}},                                   // the user's choice
        {{"", "", "", "", "", "/run/1000"}, {false, ""}},                                  // a console
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseSession(c.env, exists), c.choice)
            << c.env.waylandDisplay << " / " << c.env.display << " / " << c.env.sessionType;
}

TEST(DesktopSession, OneInstanceNamePerSettingsFile) {
    const std::string a = InstanceName("/home/a/.config/Numora/Numora.ini");
    EXPECT_EQ(a, InstanceName("/home/a/.config/Numora/Numora.ini"));
    EXPECT_EQ(a.size(), 7u + 16u);
    EXPECT_EQ(a.rfind("numora-", 0), 0u);
    EXPECT_EQ(a.find_first_not_of("numora-0123456789abcdef"), std::string::npos);
    std::set<std::string> names;
    for (const char* path : {"/home/a/.config/Numora/Numora.ini", "/home/b/.config/Numora/Numora.ini",
                             "/home/a/.config/Numora/Numora.inj", "", "/"})
        names.insert(InstanceName(path));
    EXPECT_EQ(names.size(), 5u);
}

TEST(DesktopSession, RaiseRequestRoundTrip) {
    const RaiseRequest cases[] = {
        {"", ""},
        {"token-123_abc", ""},
        {"", "host;pid=1;TIME12345"},
        {"a.b:c/d", "e f"},
    };
    for (const auto& request : cases) {
        const std::string line = RaiseRequestLine(request);
        EXPECT_EQ(line.back(), '\n');
        EXPECT_EQ(ParseRaiseRequest(line), request) << line;
    }
    // Control characters cannot break the line apart.
    EXPECT_EQ(RaiseRequestLine({"a\tb\nc", "d\re"}), "raise\tabc\tde\n");
}

TEST(DesktopSession, RejectsWhatIsNotARaiseRequest) {
    for (const char* line : {"", "\n", "raised\t\t\n", "RAISE\n", "quit\ta\tb\n", "raise\ta\tb\tc\n"})
        EXPECT_FALSE(ParseRaiseRequest(line)) << line;
    EXPECT_FALSE(ParseRaiseRequest("raise\t" + std::string(kMaxInstanceLine, 'x')));
    EXPECT_EQ(ParseRaiseRequest("raise\n"), (RaiseRequest{}));
}

TEST(DesktopSession, Replies) {
    for (InstanceReply reply : {InstanceReply::Raised, InstanceReply::Closing})
        EXPECT_EQ(ParseInstanceReply(InstanceReplyLine(reply)), reply);
    for (const char* line : {"", "okay\n", "?\n", "closing now\n"})
        EXPECT_EQ(ParseInstanceReply(line), InstanceReply::Unknown) << line;
}

TEST(DesktopSession, PortalColourScheme) {
    EXPECT_EQ(ColorSchemeFromPortal(0), ColorScheme::NoPreference);
    EXPECT_EQ(ColorSchemeFromPortal(1), ColorScheme::Dark);
    EXPECT_EQ(ColorSchemeFromPortal(2), ColorScheme::Light);
    EXPECT_EQ(ColorSchemeFromPortal(7), ColorScheme::NoPreference);  // a value of a newer portal
}

TEST(DesktopSession, CompositorSocket) {
    const auto exists = [](const std::string& path) { return path == "/run/1000/wayland-0"; };
    const struct {
        SessionEnvironment env;
        const char* socket;
    } cases[] = {
        {{"", "wayland-0", "", "", "", "/run/1000"}, "/run/1000/wayland-0"},           // a name in the runtime folder
        {{"", "/run/1000/wayland-0", "", ":0", "", ""}, "/run/1000/wayland-0"},        // a path
        {{"wayland", "wayland-0", "", "", "", "/run/1000"}, "/run/1000/wayland-0"},    // the user chose Wayland
        {{"", "wayland-1", "", "", "", "/run/1000"}, ""},                              // a dead socket
        {{"", "wayland-0", "", "", "", ""}, ""},                                       // no runtime folder
        {{"", "wayland-0", "5", "", "", "/run/1000"}, ""},                             // a handed-in connection
        {{"", "", "", ":0", "", "/run/1000"}, ""},                                     // X only
    };
    for (const auto& c : cases) EXPECT_EQ(CompositorSocketPath(c.env, exists), c.socket) << c.env.waylandDisplay;
}
