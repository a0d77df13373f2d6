// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The icons of the message boxes, drawn as shapes each time they are
// painted, so they are sharp at any screen scale.
#pragma once

#include <QWidget>

#include "Services.h"

namespace numora {

class MessageBoxIcon final : public QWidget {
    Q_OBJECT

public:
    // `side`: the icon's width and height in device-independent pixels.
    MessageBoxIcon(MessageIcon icon, int side, QWidget* parent = nullptr);
    MessageIcon icon() const { return icon_; }
    QSize sizeHint() const override { return QSize(side_, side_); }

    // The icon drawn into an image of `side` device-independent pixels at
    // `ratio` device pixels each.
    static QImage Render(MessageIcon icon, int side, qreal ratio);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    MessageIcon icon_;
    int side_;
};

}  // namespace numora
