// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FixedPanel.h"

#include <QEvent>
#include <QLabel>

namespace numora {
namespace {

class PanelSizer final : public QObject {
public:
    PanelSizer(QLabel* panel, QStringList samples) : QObject(panel), panel_(panel), samples_(std::move(samples)) {
        panel->installEventFilter(this);
        // Painted on its own background: the bar behind it is not repainted.
        panel->setAutoFillBackground(true);
        fit();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == panel_ && !fitting_ &&
            (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange))
            fit();
        return QObject::eventFilter(watched, event);
    }

private:
    void fit() {
        fitting_ = true;
        // The label's own size hint for each sample: frame, margins and all.
        panel_->setMinimumSize(0, 0);
        panel_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        const QString shown = panel_->text();
        QSize size;
        for (const QString& sample : samples_) {
            panel_->setText(sample);
            size = size.expandedTo(panel_->sizeHint());
        }
        panel_->setText(shown);
        panel_->setFixedSize(size);
        fitting_ = false;
    }

    QLabel* panel_;
    QStringList samples_;
    bool fitting_ = false;
};

}  // namespace

QStringList DigitSamples(const QString& pattern) {
    QStringList samples;
    for (QChar digit = u'0'; digit <= u'9'; digit = QChar(digit.unicode() + 1)) {
        QString sample = pattern;
        sample.replace(QLatin1Char('#'), digit);
        samples << sample;
    }
    return samples;
}

void FixPanelSize(QLabel* panel, const QStringList& samples) { new PanelSizer(panel, samples); }

}  // namespace numora
