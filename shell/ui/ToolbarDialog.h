// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The dialog that defines the main toolbar: which of its seven buttons show
// and in what order, with a reset to the standard set. The frame opens it
// when the user double-clicks the toolbar while customising is allowed.
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace numora {

class ToolbarDialog final : public QDialog {
    Q_OBJECT

public:
    // `standard`: every key in the standard order; `shown`: the keys shown
    // now, in their order; `captions`: key -> text to show for it.
    ToolbarDialog(const QStringList& standard, const QStringList& shown,
                  const QHash<QString, QString>& captions, const QHash<QString, QIcon>& icons,
                  QWidget* parent = nullptr);

    // The checked keys in list order.
    QStringList chosenKeys() const;
    // Moves the selected entry one place up (-1) or down (+1).
    void moveSelected(int step);
    // The standard set: every button, in the standard order.
    void reset();

private:
    void fill(const QStringList& shown);

    QStringList standard_;
    QHash<QString, QString> captions_;
    QHash<QString, QIcon> icons_;
    QListWidget* list_ = nullptr;
};

}  // namespace numora
