// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// frmOption: the Options window ("选项"), a child window of the main frame.
// Three pages under one tab strip: the environment (window state, always on
// top, the toolbar's look, background music with mute and volume), the
// software functions (skip the start-up self-test, reset everything) and the
// user's name. Every change acts at once and is stored at once; there is no
// apply step.
//
// Position, check marks and unloading belong to the main frame (MainFrame.h):
// the Close button only closes this widget.
#pragma once

#include <QString>
#include <QWidget>

#include "Services.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QSlider;

namespace numora {

class MainFrame;
class TabbedWindow;

class frmOption : public QWidget {
    Q_OBJECT

public:
    // Builds the window and runs its load steps (controls from the store and
    // the player, each check box's action run once so the settings apply).
    frmOption(Services& services, MainFrame& frame, QWidget* parent = nullptr);
    ~frmOption() override;

    // The player volume, in hundredths of a decibel, of a slider position
    // 0 to 15: (2 × position)² − 900, so 0 → −900, 10 → −500, 15 → 0.
    static int VolumeOfPosition(int position);
    // The slider position for a player volume when none is stored:
    // √(volume + 900) / 2 rounded (0 for volumes below −900).
    static int PositionOfVolume(int hundredthsDb);

    // The music file dialog's title and filter, and the window-state entries
    // in list order.
    static QString MusicDialogTitle();
    static QString MusicDialogFilter();
    static QStringList WindowStateEntries();

    // The tab keys "Back", "Soft", "User".
    void selectTab(const QString& key);
    QString currentTab() const;

    // The commands behind the controls (tests drive the real widgets; these
    // are their slots).
    void chooseMusic();
    void stopMusic();
    void applyWindowState(const QString& entry);
    void reset();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildBackPage();
    QWidget* buildSoftPage();
    QWidget* buildUserPage();
    void load();
    void applyNormalState();

    // The check boxes' click actions; each stores its value afterwards.
    void hotBarClicked();
    void appearanceClicked();
    void customizeClicked();
    void topClicked();
    void muteClicked();
    void volumeScrolled();
    void storeCheck(QCheckBox* box, const char* key);

    Services& services_;
    MainFrame& frame_;
    TabbedWindow* tabs_ = nullptr;
    QListWidget* stateList_ = nullptr;
    QCheckBox* topCheck_ = nullptr;
    QCheckBox* hotBar_ = nullptr;
    QCheckBox* appearance_ = nullptr;
    QCheckBox* customize_ = nullptr;
    QCheckBox* autoplay_ = nullptr;
    QCheckBox* mute_ = nullptr;
    QCheckBox* skipTest_ = nullptr;
    QLineEdit* musicFile_ = nullptr;
    QLineEdit* userName_ = nullptr;
    QSlider* volume_ = nullptr;
    bool loading_ = true;
};

}  // namespace numora
