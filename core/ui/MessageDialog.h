// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The message box of the suite: icon, text and buttons with Chinese
// captions, sized so that the window shows its whole title and its whole
// text. Text lines wider than the box are broken (a long formula has no
// blanks to break at), so the box's height fits every line.
#pragma once

#include <QDialog>
#include <optional>

#include "Services.h"

class QFontMetrics;
class QLabel;

namespace numora {

class MessageDialog final : public QDialog {
    Q_OBJECT

public:
    MessageDialog(QWidget* parent, const QString& text, const QString& title, MessageIcon icon,
                  MsgButtons buttons, std::optional<MsgAnswer> defaultButton = std::nullopt);

    // The button pressed; Cancel when the box was closed otherwise.
    MsgAnswer answer() const { return answer_; }
    // The text as shown, with the breaks of long lines (and, for a text too
    // long for the screen, the middle of its longest paragraphs left out).
    QString shownText() const;
    // The whole text: the shown text's tool tip, and what Ctrl+C copies.
    QString wholeText() const { return text_; }
    // Breaks `text` into lines of at most `width` pixels (WrapLines) and,
    // when that gives more than `maxLines` lines, shortens its long
    // paragraphs (those of more than a few lines), which share the lines
    // the others leave: each keeps its first lines and its last two (where
    // a formula's result stands) around a line "…".
    static QString BoundParagraphs(const QString& text, const QFontMetrics& metrics, int width, int maxLines);
    // The width the window needs for its title bar to show `title` whole:
    // the title in the title bar's bold face and room for the window
    // manager's icon and buttons.
    static int TitleBarWidth(const QString& title, const QFont& font);
    // Breaks every line of `text` wider than `width` pixels: after the last
    // blank or operator that fits, else between two characters.
    static QString WrapLines(const QString& text, const QFontMetrics& metrics, int width);

protected:
    void reject() override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void press(MsgAnswer answer);

    QString text_;
    QLabel* label_ = nullptr;
    class QPushButton* default_ = nullptr;
    MsgAnswer answer_ = MsgAnswer::Cancel;
    std::optional<MsgAnswer> escapeAnswer_;
};

}  // namespace numora
