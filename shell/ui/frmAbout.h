// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// frmAbout: the About window. Shows the program's name, version and
// description and the user's name, animates the colour of its separator line,
// lights up the title under the mouse, and starts the system's
// system-information tool.
//
// Position, check marks and unloading belong to the main frame (MainFrame.h);
// this window only closes its own widget.
#pragma once

#include <QColor>
#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>
#include <QList>
#include <QPair>
#include <QWidget>
#include <optional>

#include "Services.h"

class QLabel;
class QPushButton;
class QTimer;

namespace numora {

class frmAbout : public QWidget {
    Q_OBJECT

public:
    // `icon` is the main frame's icon, shown in picIcon; when null the
    // application's icon is used.
    explicit frmAbout(Services& services, const QIcon& icon = QIcon(), QWidget* parent = nullptr);
    ~frmAbout() override;

    // "版本 " and the program's version (major, minor and revision: 1.8.0).
    static QString versionText();
    // The fixed texts the window shows: control name -> text ("" names the
    // window's own caption).
    static const QList<QPair<QString, QString>>& captions();

    // ---- Colour animation of Line1 -----------------------------------------
    // Colour values are 24-bit numbers with red in the low byte, green in the
    // middle and blue in the high byte. Each tick adds kColourStep; passing
    // kLargestColour wraps around to the low values.
    static constexpr int kLargestColour = 0xFFFFFF;
    static constexpr int kColourStep = 5;
    static constexpr int kTickMs = 10;   // one step per 10 ms
    static constexpr int kFrameMs = 40;  // the timer's interval: four steps a frame
    static int nextColourValue(int value);
    static QColor colourOfValue(int value);
    int lineColourValue() const { return lineValue_; }
    // Starts the animation from another colour (values outside 0..largest
    // are brought into range the same way as the animation wraps).
    void setLineColourValue(int value);
    // The animation timer's slot: one step of Line1's colour.
    void tick();

    // ---- System information -------------------------------------------------
    struct SystemInfoTool {
        QString program;
        QStringList arguments;
    };
    // The tools tried, in order, where the system keeps no registry entry for
    // its system-information program: the first one found on PATH is started.
    static QList<SystemInfoTool> systemInfoCandidates();
    // The tool to start (full path and arguments), or nothing when the
    // system has none.
    std::optional<SystemInfoTool> locateSystemInfoTool() const;
    // cmdSysInfo: starts the tool detached; when there is none, or it does
    // not start, says "此时系统信息不可用" and the window stays open.
    void startSystemInfo();

    // Title colours: orange while the mouse is over the window, magenta while
    // it is over the title itself.
    static QColor titleAwayColour() { return QColor(255, 128, 0); }
    static QColor titleUnderColour() { return QColor(255, 0, 255); }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setTitleColour(const QColor& colour);

    Services& services_;
    QLabel* title_ = nullptr;
    QWidget* line_ = nullptr;
    QTimer* timer_ = nullptr;
    int lineValue_ = 0;
};

}  // namespace numora
