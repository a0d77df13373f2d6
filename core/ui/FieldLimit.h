// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Input that does not fit a field is refused whole, never cut. A line edit
// with a maximum length keeps the part of a paste (a drop, an input
// method's text) that fits and drops the rest without a word, so pasting
// 2147483646 into a box of nine characters left 214748364, and the command
// then ran on that other number. Guarded fields instead keep their text as
// it was before the edit and show a message; a key typed into a full field
// shows the same message.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <span>

#include "ControlTable.h"

class QWidget;

namespace numora {

class Dialogs;

// The message for a field of `maxLength` characters whose window names no
// message of its own: the input is too long, the box holds at most
// `maxLength` characters.
QString OverlongInputMessage(int maxLength);

// Guards every line edit under `root`, those without a maximum length of
// their own too (the toolkit's default is 32767 characters). An edit that would not fit is undone (text, caret and
// selection as before) and its message is shown through `dialogs` with the
// exclamation icon and the title "Numora错误报告", over the field's window:
// `messages` maps a field's objectName to its message (the message its
// window gives for a value of that kind, such as "数据过大"), the others get
// OverlongInputMessage. Call it once the window's fields exist.
// Each input field (not read-only) that holds fewer characters than the
// toolkit's default also tells its length in its tool tip (LengthLimitText),
// below the tool tip it has, unless StateLimits gave it a limit of its own.
void RefuseOverlongInput(QWidget* root, Dialogs& dialogs, const QHash<QString, QString>& messages = {});

// The tool tip line that tells a field's length limit.
QString LengthLimitText(int maxLength);

// Tells the limits the table gives (field name -> its limit, UTF-8, such as
// the largest number a field accepts) in the fields' tool tips, below the
// tool tip each has; the field's length is then not told. Returns the
// table's fields that were not found.
QStringList StateLimits(QWidget* root, std::span<const ControlText> limits);

}  // namespace numora
