// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What assistive technology (a screen reader through the accessibility
// bridge) learns about a window's controls. Each window keeps a table from
// control name to accessible name (and, where the status-bar hint does not
// say it, a description); one helper applies it.
#pragma once

#include <QAccessible>
#include <QString>
#include <vector>

class QWidget;

namespace numora {

struct AccessibleText {
    QString control;      // objectName
    QString name;         // tells the control apart within its window
    QString description;  // empty: the control's status-bar hint, if any
    // A result: a list a command fills, or a field the user may also type
    // into (read-only fields in the table are results anyway).
    bool result = false;
};
using AccessibleTable = std::vector<AccessibleText>;

// Gives every control under `root` named in `table` its accessible name and
// description. A description left empty is taken from the window's hint
// table (the HintFilter installed under `root`), and follows later changes
// of that hint. Read-only text fields named in the table, and the fields and
// lists it marks as results, are results: what a command writes into them
// is announced (see below). The
// pages of a tab strip under `root` are named after their tabs (see below).
// Returns the table's controls that were not found (none in a finished window).
QStringList ApplyAccessibility(QWidget* root, const AccessibleTable& table);

// Announcing results. A screen reader speaks what happens at the keyboard
// focus; a result written into a field elsewhere in the window is not read
// out (the field's own text events reach the accessibility bus, but Orca
// presents them only for the focused control). So once a command's writes
// have settled (kAnnounceQuietMs without another write: a long loop that
// shows its progress, or a job that hands its lines over in batches, is
// announced once, at its end), the window tells them in one short
// notification: a one-pixel widget with the accessible role of a
// notification is shown with the text as its name, which a screen reader
// (Orca 43) speaks without moving the focus. (A change of the focused
// control's description or name is not spoken: Qt 6.4 sends the object, not
// the new text, with the change.) One field is told as "和：17", several as
// "商 3.75，整数商 4，余数 0" (each field by its name without its frame's
// name, in the order of the window's table); a result list by its number
// of lines and its first lines. Fields
// written while they have the focus (typed by the user), and empty ones,
// are not told; while a message box is open, the announcement waits for it
// to close, so it never cuts the message short.
inline constexpr int kAnnounceQuietMs = 250;
// A notification replaces the one before it: at most one reaches the screen
// reader in this time, the latest (a held arrow key on a plot does not queue
// an utterance for every step; where the marker comes to rest is told last).
inline constexpr int kAnnounceGapMs = 200;
// A told text longer than this is cut with an ellipsis (a 255-digit number
// is told by its beginning and its number of digits).
inline constexpr int kAnnounceMaxChars = 40;
// A result list is told by this many lines at most.
inline constexpr int kAnnounceListLines = 3;

// A command writes `field`, a result field: it is told even when it keeps
// its text (the same command run twice is told twice) or when the user may
// also type into it (a result that takes typing is told only this way).
// SetFieldText, the writer of the commands' outcomes, does this; nothing
// happens for a field that is not a result.
void ResultWritten(QWidget* field);

// Tells a screen reader `text` now, without moving the focus: what changes
// away from the focus and is not a result field (a plot trace step). The
// notification belongs to the window of `context` (any of its widgets); the
// listener below hears it as (context, text). A result field that shows a
// text just told this way is not told again.
void Announce(QWidget* context, const QString& text);

// Also tells `listener` of every announced field with its text (a list with
// its told lines), and of every Announce() (nullptr: nobody); a window test
// listens here.
using AnnouncementListener = void (*)(QWidget* field, const QString& text);
void SetAnnouncementListener(AnnouncementListener listener);

// Tells `listener` of every notification as the screen reader gets it: the
// window it belongs to and its whole text, e.g. "和：17" (nullptr: nobody).
using SpeechListener = void (*)(QWidget* window, const QString& text);
void SetSpeechListener(SpeechListener listener);

// The text told for result fields given as (name without the frame's name,
// text) in reading order: "和：17"; "商 3.75，整数商 4，余数 0"; a name that
// ends in a Latin letter or a digit keeps its colon ("根 x1：2，根 x2：1");
// a text that begins with its name is told alone ("精确值: 2√2").
QString ComposeAnnouncement(const QList<QPair<QString, QString>>& parts);

// Pages and windows. ApplyAccessibility also names every page of a tab
// strip under `root` after its tab: a page is presented as a page tab, so a
// screen reader says the page's name before the first control it meets on
// it (after a page turn, the page's first input).

// Makes a screen reader follow the focus just put inside `window` (a child
// window opened or brought forward from a menu): while the menu closes, its
// top-level window is not yet the active one, and the reader makes that
// window, activated after the focus moved, its point of regard and ignores
// the typing. So the focus is told again once the window is active (when
// it is active already, nothing is done).
void TellFocusWhenActive(QWidget* window);

// Presents `widget` to assistive technology with `role` instead of the one
// its class has (a message box as an alert, which a screen reader reads
// whole; a notification).
void SetAccessibleRole(QWidget* widget, QAccessible::Role role);

}  // namespace numora
