// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls the windows are built of, each made with its objectName (the
// control's name in its window's control table) and its look: text boxes
// for input and for results, the multi-line result box, command and option
// buttons, check boxes, frames and labels. Layouts place them; every window
// makes its controls here, so that one kind of control looks and behaves
// the same in all of them.
#pragma once

#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace numora {

// An input box starting with `text`; it takes at most `maxLength`
// characters (0: the toolkit's own limit, 32767).
QLineEdit* Box(const QString& name, const QString& text, int maxLength = 0);

// A result box starting with `text`, with the button face (ResultFace):
// read-only unless `typable` (the user may then type over the result).
QLineEdit* Result(const QString& name, const QString& text = QStringLiteral("0"), bool typable = false);

// A read-only result box of several lines (the big-number results),
// starting with "0": a long number wraps at any digit, the vertical scroll
// bar always stands, and the box is `lines` lines high; the button face.
QPlainTextEdit* ResultBox(const QString& name, int lines);

QPushButton* Button(const QString& name, const QString& caption);
QRadioButton* Option(const QString& name, const QString& caption);
QCheckBox* Check(const QString& name, const QString& caption, const QString& toolTip = {});
// A frame around a group of controls, with its caption.
QGroupBox* Frame(const QString& name, const QString& caption);

// A text beside the boxes (a sign, a unit, a caption), without a name.
QLabel* Label(const QString& text);
// A named note, wrapped at the width it gets.
QLabel* Note(const QString& name, const QString& text);

}  // namespace numora
