// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame's icons, drawn as vector shapes at whatever size is asked for,
// so they need no image files or image-format plugins.
#pragma once

#include <QIcon>
#include <QString>

namespace numora {

// The icon of a toolbar key ("Standard", "Maths", "Chem", "Scientific",
// "Option", "Help", "About"); a null icon for any other key.
QIcon ToolbarIcon(const QString& key);

// A close cross in the palette's text colour, sharp at any scale.
QIcon CloseIcon();

// The application's own icon (a calculator with a sigma key), used when the
// application has not set a window icon from its resources.
QIcon PaintedApplicationIcon();

}  // namespace numora
