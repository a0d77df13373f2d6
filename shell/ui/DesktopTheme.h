// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// DesktopTheme: the desktop's light or dark preference, and windows that
// stay legible on a dark face.
//
// The preference comes from the desktop portal (org.freedesktop.portal
// Settings, "org.freedesktop.appearance" / "color-scheme": what GNOME's and
// KDE's portals report), read at start and followed while the program runs.
// KDE's own palette reaches the toolkit through its platform theme; GNOME's
// dark preference does not, so where the desktop prefers dark and the
// toolkit's palette is light, the program's dark palette replaces it (and
// the toolkit's comes back when the preference does).
//
// On any dark palette the style draws an edge around check boxes, option
// buttons and fields that stands 3:1 against the window, so an unchecked box
// does not vanish; result fields keep a face apart from input fields
// (ResultFace in the form helpers).
#pragma once

#include <QObject>
#include <QPalette>
#include <QProxyStyle>

#include "DesktopSession.h"

#include <QDBusMessage>

namespace numora {

// The application style with the dark-face edges, over the style it wraps.
class LegibleStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

// The program's dark palette as the toolkit's palette.
QPalette DarkQPalette();
// Whether a palette's window face is dark.
bool IsDarkPalette(const QPalette& palette);

class DesktopTheme : public QObject {
    Q_OBJECT

public:
    explicit DesktopTheme(QObject* parent = nullptr);
    ~DesktopTheme() override;

    // Installs the legible style, then reads the portal's preference (for
    // at most a moment) and follows its changes.
    void start();

    // Applies a preference: dark over a light toolkit palette gives the
    // dark palette; anything else gives the toolkit's own palette back.
    void applyScheme(ColorScheme scheme);
    ColorScheme scheme() const { return scheme_; }
    bool darkPaletteApplied() const { return applied_; }

    static constexpr int kPortalWaitMs = 700;

private slots:
    // The portal's SettingChanged (group, key, value).
    void settingChanged(const QDBusMessage& message);

private:
    QPalette platformPalette_;
    ColorScheme scheme_ = ColorScheme::NoPreference;
    bool applied_ = false;
    bool captured_ = false;  // platformPalette_ holds the toolkit's palette
    bool started_ = false;
};

}  // namespace numora
