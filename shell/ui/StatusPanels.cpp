// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatusPanels.h"

#include <QDateTime>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include "FixedPanel.h"

namespace numora {

StatusPanels::StatusPanels(QStatusBar* bar)
    : QObject(bar), simpleText_(QStringLiteral("Numora -- Kestrane")) {
    bar->setObjectName(QStringLiteral("StatusBar"));
    auto panel = [bar](const char* key, const QString& text, const QString& tip) {
        auto* label = new QLabel(text, bar);
        label->setObjectName(QLatin1String(key));
        label->setToolTip(tip);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setContentsMargins(4, 0, 4, 0);
        return label;
    };
    const QString welcome = QString::fromUtf8("欢迎来到Numora -- Kestrane");
    textPanel_ = panel("Text", welcome, welcome);
    userPanel_ = panel("UserName", QString::fromUtf8("匿名"), QString::fromUtf8("当前用户"));
    timePanel_ = panel("Timer", QString(), QString::fromUtf8("当前时间"));
    datePanel_ = panel("Date", QString(), QString::fromUtf8("当前日期"));
    bar->addWidget(textPanel_, 1);  // takes the spare width
    bar->addPermanentWidget(userPanel_);
    bar->addPermanentWidget(timePanel_);
    bar->addPermanentWidget(datePanel_);
    FixPanelSize(timePanel_, DigitSamples(QStringLiteral("##:##:##")));
    FixPanelSize(datePanel_, DigitSamples(QStringLiteral("####-##-##")));

    clock_ = new QTimer(this);
    clock_->setSingleShot(true);
    clock_->setTimerType(Qt::PreciseTimer);
    connect(clock_, &QTimer::timeout, this, &StatusPanels::updateClock);
    updateClock();
}

void StatusPanels::setSimpleText(const QString& text) {
    simpleText_ = text;
    textPanel_->setText(text);
    textPanel_->setToolTip(text);
}

void StatusPanels::setUserName(const QString& name) { userPanel_->setText(name); }

QString StatusPanels::userName() const { return userPanel_->text(); }

void StatusPanels::stopClock() { clock_->stop(); }

void StatusPanels::updateClock() {
    // Fixed formats, so the panels do not depend on the user's locale.
    const QDateTime now = QDateTime::currentDateTime();
    timePanel_->setText(now.time().toString(QStringLiteral("HH:mm:ss")));
    datePanel_->setText(now.date().toString(QStringLiteral("yyyy-MM-dd")));
    clock_->start(1000 - now.time().msec() + 2);
}

}  // namespace numora
