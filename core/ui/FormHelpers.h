// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers shared by every window: select-all on focus, the window outline,
// status-bar hints and result-field tool tips.
#pragma once

#include <functional>

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class QStatusBar;

namespace numora {

class Dialogs;
struct Outcome;

// Loads Qt's own Simplified Chinese translations (the file dialogs, the text
// fields' context menu, the standard buttons), whatever the system locale:
// the suite speaks Chinese throughout. False when the translation file is
// not installed; the toolkit's texts then stay English.
bool InstallQtChineseTranslations();

// Selects the whole text of a field, so that typing replaces it.
void SelectAllText(QLineEdit* field);

// Makes `field` select its whole text whenever it gets the focus, also when
// the focus comes from a mouse click (the click would otherwise place the
// caret and drop the selection).
void SelectAllOnFocus(QLineEdit* field);
// The same for a multi-line field (the big-number results).
void SelectAllOnFocus(QPlainTextEdit* field);

// SelectAllOnFocus for every single-line and multi-line text field under `root`.
void SelectAllOnFocusEverywhere(QWidget* root);

// Applies a command's outcome to the window `root`: writes each field (a
// QLineEdit, QPlainTextEdit or QTextEdit found by objectName under root), in
// order, then shows the message, if any, through `dialogs`.
void ApplyOutcome(QWidget* root, const Outcome& outcome, Dialogs& dialogs);

// The text of the field named `name` under `root` (empty when none).
QString FieldText(QWidget* root, const QString& name);
// Sets the text of the field named `name` under `root`.
void SetFieldText(QWidget* root, const QString& name, const QString& text);

// Gives `window` the rounded outline of the exit window, computed from its
// size in twips.
void ShapeWindow(QWidget* window);

// Shows a hint in a status bar while the mouse is over a control. The table
// maps a control's objectName to its hint; `show` receives the text.
class HintFilter : public QObject {
    Q_OBJECT
public:
    using Show = std::function<void(const QString&)>;
    HintFilter(QHash<QString, QString> hints, Show show, QObject* parent = nullptr);
    // Installs the filter on every descendant of `root` named in the table
    // (and on root itself when it is named there).
    void installOn(QWidget* root);
    // Changes one control's hint (hints that follow the window's state).
    // The control's accessible description follows a hint it was taken from.
    void setHint(const QString& control, const QString& hint);
    QString hint(const QString& control) const { return hints_.value(control); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QString, QString> hints_;
    QHash<QString, QPointer<QWidget>> watched_;
    Show show_;
};

// Gives a read-only result field the button face of the window's palette
// (text stays the palette's text colour), and keeps it so when the palette
// changes (a light or dark desktop theme chosen while the program runs).
void ResultFace(QWidget* field);

// Keeps a result field's tool tip equal to its text.
void TooltipFollowsText(QLineEdit* field);

// The keyboard's Enter key in a window, as desktop users expect it: Enter
// on a focused command button presses it; Enter in a text field runs the
// command of the field's frame, the button the user would press next (the
// first command button after the field in tab order within its frame, or in
// the frame around that when the frame has none; nothing for a field outside
// any frame with a button). A field may name its
// button in the property "enterCommand" (a button's objectName) instead.
// Read-only fields, lists and fields that handle Enter themselves are left
// alone.
void EnterPressesButtons(QWidget* root);
// The button Enter in `field` presses, or nullptr.
QPushButton* EnterCommandOf(QWidget* root, QLineEdit* field);

// Keeps the keyboard focus where the user had it while a command disables
// and enables controls of its window (a control that is disabled hands its
// focus on to the next one). Construct before disabling, call settled()
// right after, restore() once the controls are enabled again: the focus goes
// back unless the user has moved it meanwhile.
class FocusKeeper {
public:
    FocusKeeper();
    void settled();
    void restore();

private:
    QPointer<QWidget> had_;
    QPointer<QWidget> landed_;
};

// The longest text a result field shows: a negative number with 15
// significant digits and a three-digit exponent (the longest number text),
// followed by the field's unit.
QString LongestResultText(const QString& unit = {});
// Sizes a result field for rows that reflow: at least wide enough for a
// short number and its unit, at most for LongestResultText(unit). A longer
// text scrolls inside the field.
void FitResultWidth(QLineEdit* field, const QString& unit = {});

}  // namespace numora
