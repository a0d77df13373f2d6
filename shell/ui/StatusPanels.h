// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main frame's status bar `StatusBar`: four panels in this order, the
// text ("Text", taking the spare width: the welcome line, or the simple-mode
// text once one is set), the user's name ("UserName"), the time ("Timer")
// and the date ("Date"). The clock wakes once a second, just after the
// second changes; its panels are sized once for their widest texts, so a
// tick repaints them and lays out nothing.
#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QStatusBar;
class QTimer;

namespace numora {

class StatusPanels final : public QObject {
    Q_OBJECT

public:
    explicit StatusPanels(QStatusBar* bar);

    // The simple-mode text ("Numora -- Kestrane" at first). Setting it shows
    // it, with the same tool tip, in the first panel in place of the welcome.
    void setSimpleText(const QString& text);
    QString simpleText() const { return simpleText_; }

    void setUserName(const QString& name);
    QString userName() const;

    // The clock stops for good (the frame unloads).
    void stopClock();

private:
    void updateClock();

    QLabel* textPanel_ = nullptr;
    QLabel* userPanel_ = nullptr;
    QLabel* timePanel_ = nullptr;
    QLabel* datePanel_ = nullptr;
    QTimer* clock_ = nullptr;
    QString simpleText_;
};

}  // namespace numora
