// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What assistive technology (a screen reader through the accessibility
// bridge) learns about a window's controls. Each window keeps a table from
// control name to accessible name (and, where the status-bar hint does not
// say it, a description); one helper applies it.
#pragma once

#include <QString>
#include <vector>

class QWidget;

namespace numora {

struct AccessibleText {
    QString control;      // objectName
    QString name;         // tells the control apart within its window
    QString description;  // empty: the control's status-bar hint, if any
};
using AccessibleTable = std::vector<AccessibleText>;

// Gives every control under `root` named in `table` its accessible name and
// description. A description left empty is taken from the window's hint
// table (the HintFilter installed under `root`), and follows later changes
// of that hint. Read-only text fields named in the table are result fields:
// what a command writes into them is announced (see below).
// Returns the table's controls that were not found (none in a finished window).
QStringList ApplyAccessibility(QWidget* root, const AccessibleTable& table);

// Announcing results. A screen reader speaks what happens at the keyboard
// focus, not in a field elsewhere in the window (the field's own text events
// reach the accessibility bus, but are not read out). So once a command's
// writes have settled (kAnnounceQuietMs without another write: a long loop
// that shows its progress is announced once, at its end), the control that
// has the focus in the window (the command's button, usually) takes
// "<field name>：<text>" for each written field as its accessible
// description, which a screen reader reads out; the control gets its own
// description back when the focus leaves it.
inline constexpr int kAnnounceQuietMs = 250;

// Tells a screen reader `text` now, without moving the focus: what changes
// away from the focus and is not a result field (a plot trace step, the name
// of a page just turned to). `context` is any widget of the window concerned;
// the listener below hears it as (context, text).
void Announce(QWidget* context, const QString& text);

// Also tells `listener` of every announced field (nullptr: nobody); a window
// test listens here.
using AnnouncementListener = void (*)(QWidget* field, const QString& text);
void SetAnnouncementListener(AnnouncementListener listener);

}  // namespace numora
