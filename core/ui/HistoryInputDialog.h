// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The input box that remembers: a prompt over a field that also offers the
// earlier entries, newest first. Up and Down walk them in the field (Down
// past the newest gives back what was being typed); the drop-down lists
// them as the caller shows them ("formula = result"), and choosing one puts
// its entry into the field to edit. 清除记录 forgets them all.
#pragma once

#include <QDialog>

#include "Services.h"

class QComboBox;
class QPushButton;

namespace numora {

class HistoryInputDialog final : public QDialog {
    Q_OBJECT

public:
    // The longest text the field takes (its tool tip says so); a paste
    // that would not fit is refused whole with a message through
    // `dialogs`, never cut.
    static constexpr int kMaxLength = 32767;

    HistoryInputDialog(QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText,
                       InputHistory history, Dialogs* dialogs = nullptr);

    // The field's text.
    QString text() const;
    QComboBox* field() const { return field_; }
    QPushButton* clearButton() const { return clear_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void walk(int step);  // +1 an older entry, -1 a newer one
    void choose(int index);
    void clearHistory();

    InputHistory history_;
    QComboBox* field_ = nullptr;
    QPushButton* clear_ = nullptr;
    int position_ = -1;  // the entry in the field; -1 what the user types
    QString draft_;      // what the user typed before walking
};

}  // namespace numora
