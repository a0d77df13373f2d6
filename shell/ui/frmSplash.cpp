// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmSplash.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <exception>

#include "DesktopPlatform.h"
#include "MainFrame.h"
#include "SettingsStore.h"
#include "ShellIcons.h"
#include "Twips.h"
#include "Version.h"

namespace numora {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

const QString kSettings = QStringLiteral("Settings");
const QString kChecks = QStringLiteral("Checks");
constexpr int kTwips = kTwipsPerPixel;

// The logo: the application's icon and name on a soft gradient.
class Logo final : public QWidget {
public:
    Logo() {
        setObjectName(QStringLiteral("imgLogo"));
        setFixedHeight(3255 / kTwips / 2);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QLinearGradient g(0, 0, width(), height());
        g.setColorAt(0, QColor(36, 94, 170));
        g.setColorAt(1, QColor(120, 180, 235));
        p.fillRect(rect(), g);
        const QIcon icon = QApplication::windowIcon().isNull() ? PaintedApplicationIcon() : QApplication::windowIcon();
        const int side = height() - 24;
        icon.paint(&p, QRect(16, 12, side, side));
        QFont font = p.font();
        font.setPointSize(26);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRect(side + 32, 0, width() - side - 40, height()), Qt::AlignVCenter | Qt::AlignLeft,
                   QStringLiteral("Numora"));
    }
};

}  // namespace

frmSplash::frmSplash(Services& services, MainFrame& frame, Hooks hooks, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), services_(services), frame_(frame),
      hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Numora"));
    setFixedSize(420, 300);

    auto* frame1 = new QWidget(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(rect());
    frame1->setAutoFillBackground(true);
    auto* column = new QVBoxLayout(frame1);
    column->setContentsMargins(0, 0, 0, 8);
    column->addWidget(new Logo);

    welcome_ = new QLabel;
    welcome_->setObjectName(QStringLiteral("Label4"));
    status_ = new QLabel(U("正准备加载,开始初始化系统..."));
    status_->setObjectName(QStringLiteral("Label1"));
    percent_ = new QLabel;
    percent_->setObjectName(QStringLiteral("Label2"));
    auto* version = new QLabel(QLatin1String(kCaptionVersion));
    version->setObjectName(QStringLiteral("lblVersion"));
    for (QLabel* label : {welcome_, status_})
        label->setContentsMargins(16, 0, 16, 0);
    column->addWidget(welcome_);
    column->addWidget(status_);

    // The progress bar: a background strip and the moving part.
    auto* barRow = new QWidget;
    barRow->setFixedHeight(16);
    backBox_ = new QWidget(barRow);
    backBox_->setObjectName(QStringLiteral("BackBox"));
    backBox_->setGeometry(16, 2, 4000 / kTwips, 12);
    backBox_->setAutoFillBackground(true);
    backBox_->setStyleSheet(QStringLiteral("background: #d8dee8; border: 1px solid #9aa5b5;"));
    moveBox_w = new QWidget(barRow);
    moveBox_w->setObjectName(QStringLiteral("MoveBox"));
    moveBox_w->setGeometry(16, 2, 0, 12);
    percent_->setParent(barRow);
    percent_->setGeometry(16 + 4000 / kTwips + 8, 0, 60, 16);
    column->addWidget(barRow);

    slogan_ = new QLabel(U("在这里，您可以尽情享受“算”的乐趣！！！！！"), frame1);
    slogan_->setObjectName(QStringLiteral("Text"));
    auto* sloganRow = new QWidget;
    sloganRow->setFixedHeight(22);
    slogan_->setParent(sloganRow);
    column->addWidget(sloganRow);
    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(16, 0, 16, 0);
    bottom->addStretch();
    bottom->addWidget(version);
    column->addLayout(bottom);
    layoutMoving();

    selfTest_ = new QTimer(this);
    selfTest_->setInterval(kTickMs);
    connect(selfTest_, &QTimer::timeout, this, &frmSplash::tick);
    // The running flag stays "True" while the self-test runs (the store
    // writes only changes, so the refresh costs nothing on disk).
    keepFlag_ = new QTimer(this);
    keepFlag_->setInterval(1000);
    connect(keepFlag_, &QTimer::timeout, this,
            [this] { services_.settings.WriteSetting(kSettings, QStringLiteral("LoadAlready"), TruthText(true)); });
    quick_ = new QTimer(this);
    quick_->setSingleShot(true);
    quick_->setInterval(kQuickStartMs);
    connect(quick_, &QTimer::timeout, this, &frmSplash::quickStart);
}

frmSplash::~frmSplash() = default;

QString frmSplash::status() const { return status_->text(); }
QString frmSplash::progress() const { return percent_->text(); }
QString frmSplash::welcome() const { return welcome_->text(); }
bool frmSplash::selfTestRunning() const { return selfTest_->isActive(); }

void frmSplash::layoutMoving() {
    moveBox_w->setFixedWidth(moveBox_ / kTwips);
    moveBox_w->setStyleSheet(QStringLiteral("background: rgb(%1, %2, 230);")
                                 .arg(40 + boxColour_ % 160)
                                 .arg(90 + boxColour_ % 120));
    slogan_->move(sloganLeft_ / kTwips, 2);
    slogan_->adjustSize();
}

void frmSplash::start() {
    if (done_) return;  // abandoned meanwhile
    try {
        const QString name = services_.settings.ReadSetting(QStringLiteral("Texts"), QStringLiteral("Name"), U("匿名"));
        setCursor(Qt::WaitCursor);
        findChild<QLabel*>(QStringLiteral("lblVersion"))->setText(QLatin1String(kVersion));
        frame_.rightMenu()->menuAction()->setVisible(false);
        status_->show();
        percent_->show();
        welcome_->setText(name + U("   欢迎您的到来！"));
        if (QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
        sloganLeft_ = 210;
        moveBox_ = 0;
        layoutMoving();
        show();

        const InstanceCheck other = hooks_.otherInstance ? hooks_.otherInstance() : InstanceCheck::None;
        if (other == InstanceCheck::Forwarded) {
            hide();
            if (hooks_.endProgram) hooks_.endProgram(0);
            return;
        }
        if (other == InstanceCheck::Unanswered) {
            selfTest_->stop();
            const MsgAnswer answer = services_.dialogs.Message(
                this, U("系统检测到:“Numora已经加载！”如果是由于系统错误造成，请重试。"), QStringLiteral("Numora"),
                MsgIcon::Exclamation, MsgButtons::RetryCancel);
            if (answer == MsgAnswer::Retry) {
                services_.settings.WriteSetting(kSettings, QStringLiteral("LoadAlready"), TruthText(false));
                hide();
                QTimer::singleShot(0, this, &frmSplash::start);  // the load procedure again
            } else if (hooks_.endProgram) {
                hooks_.endProgram(0);  // at once, without the exit sequence
            }
            return;
        }
        services_.settings.WriteSetting(kSettings, QStringLiteral("LoadAlready"), TruthText(true));
        accepted_ = true;
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
        show();

        // ExamOK 1 skips the self-test; every other value runs it (a value
        // the options never write must not leave the window waiting).
        if (ReadWholeSetting(services_.settings, kChecks, QStringLiteral("ExamOK"), 0) == 1) {
            status_->setText(U("非检测状态,直接进入主程序"));
            quick_->start();
        } else {
            if (hooks_.loadMusic) hooks_.loadMusic();
            selfTest_->setInterval(kTickMs);
            selfTest_->start();
            keepFlag_->start();
        }
    } catch (const std::exception&) {
        setWindowFlag(Qt::WindowStaysOnTopHint, false);
        services_.settings.WriteSetting(kSettings, QStringLiteral("LoadAlready"), TruthText(false));
        fail();
    }
}

void frmSplash::abandon() {
    if (done_) return;
    done_ = true;
    selfTest_->stop();
    keepFlag_->stop();
    quick_->stop();
    close();
}

void frmSplash::fail() {
    selfTest_->stop();
    keepFlag_->stop();
    services_.dialogs.Message(this, U("与控件连接错误！"), QStringLiteral("Numora"), MsgIcon::Stop, MsgButtons::Ok);
    unsetCursor();
    frame_.unsetCursor();
    if (hooks_.endProgram) hooks_.endProgram(1);
}

void frmSplash::quickStart() {
    frame_.rightMenu()->menuAction()->setVisible(false);
    frame_.show();
    if (ReadWholeSetting(services_.settings, kChecks, QStringLiteral("AlwaysTop"), 0) == 1) frame_.setTopmost(true);
    frame_.unsetCursor();
    done_ = true;
    close();
    emit finished();
}

void frmSplash::setProgress(int add) {
    const int now = percent_->text().isEmpty() ? 0 : percent_->text().chopped(1).toInt();
    percent_->setText(QString::number(now + add) + QLatin1Char('%'));
}

void frmSplash::tick() {
    if (done_) return;
    try {
        int w = moveBox_;
        // Where the desktop cannot keep this window above the frame, the
        // frame (and the music window) appear only as this window goes.
        if (w > 800 && w < 1000 && CurrentDesktopAbilities().keepsOnTop) {
            if (hooks_.showMusic) hooks_.showMusic();
            frame_.show();
            frame_.setWindowTitle(QStringLiteral("Numora"));
            frame_.raise();
            raise();
        }
        moveBox_ += 100;
        boxColour_ += 7;
        sloganLeft_ += 50;
        layoutMoving();

        w = moveBox_;
        if (w > 0 && w < 800) {
            status_->setText(U("正在测试主窗口与控件连接是否准确..."));
            setProgress(3);
            frame_.setEnabled(false);
            frame_.setMainMenusVisible(false);
            frame_.setMainMenusEnabled(false);
            frame_.toolBar()->hide();
            frame_.toolBar()->setEnabled(false);
            frame_.statusBar()->hide();
            frame_.statusBar()->setEnabled(false);
        } else if (w > 800 && w < 1600) {
            status_->setText(U("正在测试 基本计算 与控件连接是否准确..."));
            setProgress(3);
            frame_.loadChild(QStringLiteral("Standard"));
        } else if (w > 1600 && w < 2400) {
            status_->setText(U("正在测试专科组件与控件连接是否准确..."));
            setProgress(3);
            frame_.loadChild(QStringLiteral("Maths"));
            frame_.loadChild(QStringLiteral("Chem"));
        } else if (w > 2400 && w < 3200) {
            status_->setText(U("正在测试 科学性计算 与控件连接是否准确..."));
            setProgress(3);
            frame_.loadChild(QStringLiteral("Scientific"));
        } else if (w > 3200 && w < 3900) {
            status_->setText(U("连接准确，正在返回..."));
            setProgress(2);
            selfTest_->setInterval(kFastTickMs);
            frame_.setEnabled(true);
            frame_.setMainMenusVisible(true);
            frame_.showBarsAsMarked();
            frame_.setWindowTitle(MainFrame::title());
        } else if (w >= 4000) {
            frame_.unsetCursor();
            frame_.setMainMenusEnabled(true);
            frame_.toolBar()->setEnabled(true);
            frame_.statusBar()->setEnabled(true);
            selfTest_->stop();
            keepFlag_->stop();
            done_ = true;
            if (!CurrentDesktopAbilities().keepsOnTop) {
                if (hooks_.showMusic) hooks_.showMusic();
                frame_.show();
            }
            close();
            if (ReadWholeSetting(services_.settings, kChecks, QStringLiteral("AlwaysTop"), 0) == 1)
                frame_.setTopmost(true);
            emit finished();
        }
    } catch (const std::exception&) {
        setWindowFlag(Qt::WindowStaysOnTopHint, false);
        fail();
    }
}

}  // namespace numora
