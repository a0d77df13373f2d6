// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmBye.h"

#include <QLabel>
#include <QPainter>
#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

#include "DesktopPlatform.h"
#include "FormHelpers.h"
#include "SettingsStore.h"
#include "Utf8.h"

namespace numora {

frmBye::frmBye(Services& services, Hooks hooks, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), services_(services),
      hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("frmBye"));
    setWindowTitle(QStringLiteral("Numora"));
    setFixedSize(380, 170);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(228, 236, 247));
    // Its own light face, so its own dark text too (also on a dark desktop).
    palette.setColor(QPalette::WindowText, QColor(0x1a, 0x1a, 0x1a));
    setPalette(palette);
    // Where a mask does not cut the outline (Wayland), the window is
    // transparent and paints its rounded face itself.
    if (!CurrentDesktopAbilities().masksOutline) {
        setAttribute(Qt::WA_TranslucentBackground);
        setAutoFillBackground(false);
    }

    moving_ = new QLabel(U("谢谢使用！再见！"), this);
    moving_->setObjectName(QStringLiteral("Label1"));
    auto* name = new QLabel(QStringLiteral("Numora"), this);
    name->setObjectName(QStringLiteral("Label2"));
    QFont big = name->font();
    big.setPointSize(18);
    big.setBold(true);
    name->setFont(big);
    auto* wait = new QLabel(U("请稍候  退出中..."), this);
    wait->setObjectName(QStringLiteral("Label3"));
    status_ = new QLabel(U("正在准备退出..."), this);
    status_->setObjectName(QStringLiteral("Label4"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setRange(0, 1950);
    progress_->setValue(0);
    progress_->setTextVisible(false);

    name->setGeometry(40, 18, 300, 32);
    wait->setGeometry(40, 56, 300, 20);
    status_->setGeometry(40, 80, 300, 20);
    progress_->setGeometry(40, 108, 300, 14);
    movingLeft_ = 40;
    moving_->setGeometry(movingLeft_, 132, 200, 20);

    timer_ = new QTimer(this);
    timer_->setInterval(kTickMs);
    connect(timer_, &QTimer::timeout, this, &frmBye::tick);
}

int frmBye::clock() const { return progress_->value(); }

QString frmBye::status() const { return status_->text(); }

void frmBye::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ShapeWindow(this);
}

void frmBye::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!testAttribute(Qt::WA_TranslucentBackground)) return;
    QPainter painter(this);
    painter.setClipRegion(mask().isEmpty() ? QRegion(rect()) : mask());
    painter.fillRect(rect(), palette().color(QPalette::Window));
}

void frmBye::start() {
    ShapeWindow(this);
    // Centred on the frame's screen (a Wayland compositor places it over
    // the frame, its parent).
    QScreen* screen = parentWidget() ? parentWidget()->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (screen) move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    timer_->start();
}

void frmBye::tick() {
    if (ended_) return;
    switch (progress_->value()) {
        case 0:
            status_->setText(U("保存环境信息..."));
            break;
        case 1000:
            status_->setText(U("加载程序启动安全确认..."));
            services_.settings.WriteSetting(QStringLiteral("Settings"), QStringLiteral("LoadAlready"), TruthText(false));
            break;
        case 1500:
            status_->setText(U("安全确认完成"));
            status_->setText(U("关闭 后台服务 ..."));
            if (hooks_.closeMusic) hooks_.closeMusic();
            break;
        case 1700:
            timer_->setInterval(kFastTickMs);
            break;
        case 1900:
            status_->setText(U("操作完成,安全退出Numora..."));
            ended_ = true;
            timer_->stop();
            pendingReset();
            if (hooks_.endProgram) hooks_.endProgram(0);
            return;
        default:
            break;
    }
    movingLeft_ += 1;  // 10 twips
    moving_->move(movingLeft_, moving_->y());
    progress_->setValue(progress_->value() + 100);
}

void frmBye::finishNow() {
    if (ended_) return;
    timer_->stop();
    if (progress_->value() <= 1000)
        services_.settings.WriteSetting(QStringLiteral("Settings"), QStringLiteral("LoadAlready"), TruthText(false));
    if (progress_->value() <= 1500 && hooks_.closeMusic) hooks_.closeMusic();
    status_->setText(U("操作完成,安全退出Numora..."));
    progress_->setValue(1900);
    ended_ = true;
    pendingReset();
    if (hooks_.endProgram) hooks_.endProgram(0);
}

// A reset left by the Options window: the settings are erased first, so a
// new instance started for "1" always reads the defaults; the new instance
// is this program's own executable, wherever it is installed.
void frmBye::pendingReset() {
    const int clean = ReadWholeSetting(services_.settings, QStringLiteral("Settings"), QStringLiteral("Clean"), 0);
    if (clean == 0) return;
    services_.settings.EraseAllSettings();
    if (clean == 1) services_.launcher.StartDetached(services_.launcher.ProgramPath(), {});
}

}  // namespace numora
