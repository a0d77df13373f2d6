// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmOption.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QKeyEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "DesktopFit.h"
#include "DesktopPlatform.h"
#include "FormHelpers.h"
#include "frmOptionAccessibility.h"
#include "FieldLimit.h"
#include "MainFrame.h"
#include "Messages.h"
#include "Reflow.h"
#include "SettingsStore.h"
#include "ShellIcons.h"
#include "TabbedWindow.h"

namespace numora {

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

const QString kSettings = QStringLiteral("Settings");
const QString kChecks = QStringLiteral("Checks");
const QString kTexts = QStringLiteral("Texts");
const QString kSliders = QStringLiteral("Sliders");

constexpr int kNameLength = 27;
constexpr int kLastPosition = 15;

QCheckBox* MakeCheck(const char* name, const char* caption, const char* tip) {
    auto* box = new QCheckBox(U(caption));
    box->setObjectName(QLatin1String(name));
    box->setToolTip(U(tip));
    return box;
}

QGroupBox* MakeFrame(const char* name, const char* caption) {
    auto* frame = new QGroupBox(U(caption));
    frame->setObjectName(QLatin1String(name));
    return frame;
}

QLabel* MakeNote(const char* name, const char* text) {
    auto* label = new QLabel(U(text));
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

}  // namespace

// ---- Fixed texts and the volume formula -------------------------------------

int frmOption::VolumeOfPosition(int position) {
    const int twice = 2 * position;
    return twice * twice - 900;
}

int frmOption::PositionOfVolume(int hundredthsDb) {
    const int above = hundredthsDb + 900;
    if (above <= 0) return 0;
    return static_cast<int>(std::lround(std::sqrt(static_cast<double>(above)) / 2.0));
}

QString frmOption::MusicDialogTitle() { return U("选择背景音乐"); }

QString frmOption::MusicDialogFilter() {
    // One entry per kind the player takes; MIDI files come as .mid and .midi.
    return QStringLiteral("*.mp3 (*.mp3);;*.wav (*.wav);;*.mid,*.midi (*.mid *.midi)");
}

QStringList frmOption::WindowStateEntries() {
    return {U("普通"), U("最小化(非任务栏图标)"), U("最大化"), U("恢复到初始化状态")};
}

// ---- Construction -------------------------------------------------------------

frmOption::frmOption(Services& services, MainFrame& frame, QWidget* parent)
    : QWidget(parent), services_(services), frame_(frame) {
    setObjectName(QStringLiteral("frmOption"));
    setWindowTitle(U("选项"));

    auto* brand = new QLabel(QStringLiteral("Numora"));
    brand->setObjectName(QStringLiteral("Label1"));
    QFont brandFont = brand->font();
    brandFont.setFamilies({QStringLiteral("Z003"), QStringLiteral("URW Chancery L"), QStringLiteral("Comic Sans MS"),
                           brandFont.family()});
    brandFont.setPointSize(26);
    brandFont.setItalic(true);
    brandFont.setBold(true);
    brand->setFont(brandFont);
    QPalette brandColours = brand->palette();
    brandColours.setColor(QPalette::WindowText, QColor(0xFF, 0x80, 0x00));
    brand->setPalette(brandColours);

    auto* closeButton = new QToolButton;
    closeButton->setObjectName(QStringLiteral("Close"));
    closeButton->setIcon(CloseIcon());  // drawn, so sharp at any screen scale
    closeButton->setIconSize(QSize(24, 24));
    closeButton->setAutoRaise(true);
    connect(closeButton, &QToolButton::clicked, this, &QWidget::close);

    auto* top = new QHBoxLayout;
    top->addWidget(brand);
    top->addStretch();
    top->addWidget(closeButton, 0, Qt::AlignTop);

    // The three pages under their tab strip, below the brand and the close
    // button; Ctrl+PageDown and Ctrl+PageUp turn them from the keyboard.
    tabs_ = new TabbedWindow(this, QStringLiteral("TabStrip"),
                             {{U("环境设置"), QStringLiteral("Back"), QString(), buildBackPage()},
                              {U("软件功能设置"), QStringLiteral("Soft"), QString(), buildSoftPage()},
                              {U("用户"), QStringLiteral("User"), QString(), buildUserPage()}},
                             top);

    ApplyAccessibility(this, OptionAccessibility());
    RefuseOverlongInput(this, services_.dialogs);
    // Where the desktop cannot keep a window above the others, the box says so.
    if (!CurrentDesktopAbilities().keepsOnTop) {
        topCheck_->setEnabled(false);
        topCheck_->setToolTip(KeepOnTopUnsupportedHint());
        topCheck_->setAccessibleDescription(KeepOnTopUnsupportedHint());
    }
    // Esc closes the window as its close box does.
    CloseOnEscape(this);
    SetDefaultSize(this, 7200);
    load();
}

frmOption::~frmOption() = default;

QWidget* frmOption::buildBackPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Back"));

    // Window environment.
    auto* windowFrame = MakeFrame("BackFrame3", "窗口环境");
    stateList_ = new QListWidget;
    stateList_->setObjectName(QStringLiteral("BackFrame3List1"));
    stateList_->setToolTip(U("双击选项,调节窗口的可见状态"));
    stateList_->addItems(WindowStateEntries());
    stateList_->setMaximumHeight(stateList_->sizeHintForRow(0) * 4 + 2 * stateList_->frameWidth() + 4);
    connect(stateList_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { applyWindowState(item->text()); });
    stateList_->installEventFilter(this);  // Enter applies the current entry
    topCheck_ = MakeCheck("TopCheck", "总在最前", "使窗口一直保持在屏幕的最前端");
    connect(topCheck_, &QCheckBox::clicked, this, &frmOption::topClicked);
    auto* windowColumn = new QVBoxLayout(windowFrame);
    windowColumn->addWidget(stateList_);
    windowColumn->addWidget(topCheck_);

    // Toolbar.
    auto* barFrame = MakeFrame("BackFrame2", "工具栏");
    hotBar_ = MakeCheck("BackCheck2", "热样式", "使工具栏采用热跟踪样式");
    appearance_ = MakeCheck("BackCheck3", "立体外观", "使工具栏外表与其它控件分隔开");
    appearance_->setChecked(true);
    customize_ = MakeCheck("BackCheck5", "允许自定义", "双击工具栏可弹出定义工具栏对话框");
    connect(hotBar_, &QCheckBox::clicked, this, &frmOption::hotBarClicked);
    connect(appearance_, &QCheckBox::clicked, this, &frmOption::appearanceClicked);
    connect(customize_, &QCheckBox::clicked, this, &frmOption::customizeClicked);
    auto* barColumn = new QVBoxLayout(barFrame);
    barColumn->addWidget(hotBar_);
    barColumn->addWidget(appearance_);
    barColumn->addWidget(customize_);
    barColumn->addStretch();

    // Background music.
    auto* musicFrame = MakeFrame("BackFrame1", "背景音乐");
    autoplay_ = MakeCheck("BackCheck4", "程序启动后自动播放", "程序正常启动后播放最近播放过的音频文件");
    connect(autoplay_, &QCheckBox::clicked, this, [this] { storeCheck(autoplay_, "MusicStartWhileApply"); });
    auto* choose = new QPushButton(U("选择音频文件"));
    choose->setObjectName(QStringLiteral("Backcmd1"));
    choose->setToolTip(U("从本地目录中查找音频文件"));
    connect(choose, &QPushButton::clicked, this, &frmOption::chooseMusic);
    musicFile_ = new QLineEdit;
    musicFile_->setObjectName(QStringLiteral("BackText1"));
    musicFile_->setToolTip(U("双击停止播放当前音频文件"));
    musicFile_->setReadOnly(true);
    QPalette grey = musicFile_->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Window));
    musicFile_->setPalette(grey);
    musicFile_->installEventFilter(this);
    mute_ = MakeCheck("BackCheck1", "静音", "隐匿声音");
    connect(mute_, &QCheckBox::clicked, this, &frmOption::muteClicked);
    volume_ = new QSlider(Qt::Horizontal);
    volume_->setObjectName(QStringLiteral("BackSlider1"));
    volume_->setToolTip(U("调节音乐播放声音大小"));
    volume_->setRange(0, kLastPosition);
    volume_->setSingleStep(1);
    volume_->setPageStep(5);
    volume_->setTickPosition(QSlider::TicksBelow);
    volume_->setTickInterval(1);
    connect(volume_, &QSlider::valueChanged, this, [this] {
        if (!loading_) volumeScrolled();
    });
    auto* musicGrid = new QGridLayout(musicFrame);
    musicGrid->addWidget(autoplay_, 0, 0, 1, 2);
    musicGrid->addWidget(choose, 1, 0);
    musicGrid->addWidget(musicFile_, 1, 1);
    musicGrid->addWidget(mute_, 2, 0);
    musicGrid->addWidget(volume_, 2, 1);
    musicGrid->setColumnStretch(1, 1);

    // The window and toolbar frames side by side while they fit; the music
    // frame under them.
    auto* flow = new FlowLayout(page);
    windowFrame->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    flow->addWidget(windowFrame);
    flow->addWidget(barFrame);
    flow->newLine();
    flow->addWidget(musicFrame);
    musicFrame->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    return page;
}

QWidget* frmOption::buildSoftPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Soft"));

    auto* startFrame = MakeFrame("SoftFrame1", "启动设置");
    skipTest_ = MakeCheck("SoftFrame1Check1", "取消检测工作", "启动时不检测与控件的连接状态");
    connect(skipTest_, &QCheckBox::clicked, this, [this] { storeCheck(skipTest_, "ExamOK"); });
    auto* startColumn = new QVBoxLayout(startFrame);
    startColumn->addWidget(skipTest_);
    startColumn->addWidget(MakeNote(
        "SoftFrame1Label1", "取消检测工作,虽然可以增加加载速度,但在程序运行过程中一旦出现系统错误,将无法修复！"));

    auto* resetFrame = MakeFrame("SoftFrame2", "复位");
    auto* resetButton = new QPushButton(U("软件复位"));
    resetButton->setObjectName(QStringLiteral("SoftFrame2cmd1"));
    resetButton->setToolTip(U("复位软件的信息"));
    connect(resetButton, &QPushButton::clicked, this, &frmOption::reset);
    auto* resetRow = new FlowLayout(resetFrame);
    resetRow->add(resetButton, Qt::AlignTop);
    resetRow->addWidget(MakeNote("SoftFrame2Label1", "使用此功能将会重置Numora的所有已存用户信息！"));

    auto* column = new QVBoxLayout(page);
    column->addWidget(startFrame);
    column->addWidget(resetFrame);
    column->addStretch();
    return page;
}

QWidget* frmOption::buildUserPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("User"));

    auto* userFrame = MakeFrame("UserFrame1", "用户信息设定");
    auto* label = new QLabel(U("设定用户名:"));
    label->setObjectName(QStringLiteral("UserLabel1"));
    userName_ = new QLineEdit(U("匿名"));
    userName_->setObjectName(QStringLiteral("UserText1"));
    userName_->setToolTip(U("更改用户的名称"));
    userName_->setMaxLength(kNameLength);
    SelectAllOnFocus(userName_);
    // Every edit by the user (typing, pasting, deleting) is stored at once.
    connect(userName_, &QLineEdit::textEdited, this,
            [this](const QString& text) {
                services_.settings.WriteSetting(kTexts, QStringLiteral("Name"), text);
                frame_.setUserName(text);
            });
    auto* row = new QHBoxLayout(userFrame);
    row->addWidget(label);
    row->addWidget(userName_, 1);

    auto* column = new QVBoxLayout(page);
    column->addWidget(userFrame);
    column->addStretch();
    return page;
}

// ---- Load ---------------------------------------------------------------------

void frmOption::load() {
    const SettingsStore& store = services_.settings;
    loading_ = true;

    musicFile_->setText(services_.music.FileName());
    userName_->setText(store.ReadSetting(kTexts, QStringLiteral("Name"), U("匿名")));

    // Each check box from its setting, then its action, so the setting applies.
    const auto fromStore = [&](QCheckBox* box, const char* key, int defaultValue) {
        box->setChecked(ReadWholeSetting(store, kChecks, QLatin1String(key), defaultValue) != 0);
    };
    fromStore(mute_, "Mute", 0);
    muteClicked();
    fromStore(hotBar_, "HotBar", 0);
    hotBarClicked();
    fromStore(appearance_, "Appearance", 1);
    appearanceClicked();
    fromStore(autoplay_, "MusicStartWhileApply", 0);
    storeCheck(autoplay_, "MusicStartWhileApply");
    fromStore(customize_, "BarCus", 0);
    customizeClicked();
    fromStore(topCheck_, "AlwaysTop", 0);
    topClicked();

    // The slider from its stored position, or from the player's volume.
    const int fromVolume = PositionOfVolume(services_.music.Volume());
    const float stored = ReadSingleSetting(store, kSliders, QStringLiteral("Value"), static_cast<float>(fromVolume));
    volume_->setValue(std::isfinite(stored)
                          ? static_cast<int>(std::lround(std::clamp(stored, 0.0f, float(kLastPosition))))
                          : fromVolume);
    volumeScrolled();

    skipTest_->setChecked(ReadWholeSetting(store, kChecks, QStringLiteral("ExamOK"), 0) == 1);

    // The player has the last word on muting.
    const bool muted = services_.music.Muted();
    mute_->setChecked(muted);
    volume_->setEnabled(!muted);

    selectTab(QStringLiteral("Back"));
    loading_ = false;
}

// ---- Tabs -----------------------------------------------------------------------

void frmOption::selectTab(const QString& key) { tabs_->select(key); }

QString frmOption::currentTab() const { return tabs_->currentKey(); }

// ---- Check boxes and the slider -------------------------------------------------

void frmOption::storeCheck(QCheckBox* box, const char* key) {
    services_.settings.WriteSetting(kChecks, QLatin1String(key), box->isChecked() ? QStringLiteral("1")
                                                                                  : QStringLiteral("0"));
}

void frmOption::hotBarClicked() {
    frame_.setToolbarStyle(hotBar_->isChecked() ? 1 : 0);
    storeCheck(hotBar_, "HotBar");
}

void frmOption::appearanceClicked() {
    frame_.setToolbarAppearance(appearance_->isChecked() ? 1 : 0);
    storeCheck(appearance_, "Appearance");
}

void frmOption::customizeClicked() {
    frame_.setToolbarCustomizable(customize_->isChecked());
    storeCheck(customize_, "BarCus");
}

void frmOption::topClicked() {
    frame_.setTopmost(topCheck_->isChecked());
    storeCheck(topCheck_, "AlwaysTop");
}

void frmOption::muteClicked() {
    const bool muted = mute_->isChecked();
    services_.music.SetMuted(muted);
    volume_->setEnabled(!muted);
    storeCheck(mute_, "Mute");
}

void frmOption::volumeScrolled() {
    const int position = volume_->value();
    services_.music.SetVolume(VolumeOfPosition(position));
    services_.settings.WriteSetting(kSliders, QStringLiteral("Value"), QString::number(position));
}

// ---- Music file -------------------------------------------------------------------

void frmOption::chooseMusic() {
    QString folder = services_.launcher.ProgramFolder();
    if (!folder.endsWith(QLatin1Char('/')) && !folder.endsWith(QDir::separator())) folder += QDir::separator();
    const QString path = services_.dialogs.OpenFileName(this, MusicDialogTitle(), MusicDialogFilter(), folder);
    if (path.isEmpty()) {
        // Cancelled: the shown name is stored again.
        services_.settings.WriteSetting(kTexts, QStringLiteral("FileName"), musicFile_->text());
        return;
    }
    musicFile_->setText(path);
    services_.music.SetFileName(path);
    services_.music.Play();
    services_.music.SetVolume(VolumeOfPosition(volume_->value()));
    services_.settings.WriteSetting(kTexts, QStringLiteral("FileName"), path);
    frame_.setSimpleText(MusicStatusText(path));
}

void frmOption::stopMusic() {
    services_.music.SetFileName(QString());
    musicFile_->clear();
    frame_.setSimpleText(PlainStatusText());
}

bool frmOption::eventFilter(QObject* watched, QEvent* event) {
    if (watched == musicFile_ && event->type() == QEvent::MouseButtonDblClick) {
        stopMusic();
        return true;
    }
    // The same commands from the keyboard: Delete in the music field stops
    // the music, Enter in the state list applies its current entry.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == musicFile_ && key == Qt::Key_Delete) {
            stopMusic();
            return true;
        }
        if (watched == stateList_ && (key == Qt::Key_Return || key == Qt::Key_Enter) && stateList_->currentItem()) {
            applyWindowState(stateList_->currentItem()->text());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Window state ------------------------------------------------------------------

void frmOption::applyWindowState(const QString& entry) {
    switch (WindowStateEntries().indexOf(entry)) {
        case 0: applyNormalState(); break;
        case 1: frame_.setFrameStateCode(1); break;
        case 2: frame_.setFrameStateCode(2); break;
        case 3: {
            int code = ReadWholeSetting(services_.settings, kSettings, QStringLiteral("MainState"), 2);
            if (code < 0 || code > 2) code = 2;  // not a state the frame writes: the default
            if (code == 0) applyNormalState();
            else frame_.setFrameStateCode(code);
            break;
        }
        default: break;
    }
}

void frmOption::applyNormalState() {
    // The frame stores its geometry as soon as it is normal, so leaving the
    // maximized state would overwrite the stored geometry with the maximized
    // one before it is read. Take the stored values first and put them back.
    SettingsStore& store = services_.settings;
    const std::pair<const char*, float> keys[] = {
        {"MainLeft", 1000}, {"MainTop", 1000}, {"MainWidth", 7680}, {"MainHeight", 5475}};
    float values[4];
    for (int i = 0; i < 4; ++i) values[i] = ReadSingleSetting(store, kSettings, QLatin1String(keys[i].first), keys[i].second);
    frame_.setFrameStateCode(0);
    for (int i = 0; i < 4; ++i) store.WriteSetting(kSettings, QLatin1String(keys[i].first), SingleText(values[i]));
    frame_.applyStoredNormalGeometry();
}

// ---- Reset ----------------------------------------------------------------------------

void frmOption::reset() {
    Dialogs& dialogs = services_.dialogs;
    const QString title = QStringLiteral("Numora");
    if (dialogs.Message(this, U("确实要执行复位命令吗?"), title, MsgIcon::Information, MsgButtons::OkCancel,
                        MsgAnswer::Cancel) != MsgAnswer::Ok)
        return;
    services_.settings.EraseAllSettings();
    const QString restart = U("现在要重新启动Numora吗?") + QLatin1Char('\n') +
                            U("单击“是”重新启动本程序，单击“否”退出本程序，单击“取消”程序继续工作。") +
                            QLatin1Char('\n') + U("取消后有可能再次修改程序设置！");
    const MsgAnswer answer = dialogs.Message(this, restart, title, MsgIcon::Information, MsgButtons::YesNoCancel);
    const QString clean = answer == MsgAnswer::Yes ? QStringLiteral("1")
                          : answer == MsgAnswer::No ? QStringLiteral("2")
                                                    : QStringLiteral("3");
    services_.settings.WriteSetting(kSettings, QStringLiteral("Clean"), clean);
    // Restart or quit: the exit sequence acts on Clean. The frame unloads this
    // window on the way, so nothing here may touch it afterwards.
    if (answer == MsgAnswer::Yes || answer == MsgAnswer::No) frame_.quit();
}

}  // namespace numora
