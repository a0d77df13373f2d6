// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmAbout.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#ifdef Q_OS_WIN
#include <QFileInfo>
#include <QSettings>
#include <QVariant>
#endif

#include "Contrast.h"
#include "DesktopFit.h"
#include "SettingsStore.h"
#include "ShellIcons.h"
#include "Version.h"

namespace numora {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

const char* const kApplicationTitle = "Numora";
const char* const kDescription =
    "本软件可供普通用户以及高一及高一以下的学生使用的简明计算器。使用上的有关信息，请见帮助信息。";
const char* const kNotAvailable = "此时系统信息不可用";

// The separator line under the description; it only paints its colour.
class ColourLine final : public QWidget {
public:
    explicit ColourLine(QWidget* parent) : QWidget(parent) {
        setFixedHeight(2);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void setColour(const QColor& colour) {
        if (colour == colour_) return;
        colour_ = colour;
        update();
    }

protected:
    // On a dark window face the colour is lightened until it shows.
    void paintEvent(QPaintEvent*) override {
        const QColor face = palette().color(QPalette::Window);
        const Rgb8 shown = ReadableOn({colour_.red(), colour_.green(), colour_.blue()},
                                      {face.red(), face.green(), face.blue()});
        QPainter(this).fillRect(rect(), QColor(shown.r, shown.g, shown.b));
    }

private:
    QColor colour_ = Qt::black;
};

QString Caption(const QString& control) {
    for (const auto& [name, text] : frmAbout::captions())
        if (name == control) return text;
    return {};
}

#ifdef Q_OS_WIN
// A string value of a key under HKEY_LOCAL_MACHINE; empty when the key or
// the value is missing or the value is not a string.
QString MachineRegistryText(const QString& key, const QString& value) {
    QSettings registry(QStringLiteral("HKEY_LOCAL_MACHINE\\") + key, QSettings::NativeFormat);
    const QVariant v = registry.value(value);
    if (v.typeId() != QMetaType::QString) return {};
    return v.toString();
}
#endif

}  // namespace

frmAbout::frmAbout(Services& services, const QIcon& icon, QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(Caption(QString()));
    setMouseTracking(true);  // the title's colour follows the mouse

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    QIcon shown = icon;
    if (shown.isNull()) shown = QApplication::windowIcon();
    if (shown.isNull()) shown = PaintedApplicationIcon();
    // As many pixels as the screen shows in 32 points: sharp at any scale.
    picIcon->setPixmap(shown.pixmap(QSize(32, 32), picIcon->devicePixelRatioF()));
    picIcon->setFixedSize(32, 32);

    title_ = new QLabel(Caption(QStringLiteral("lblTitle")), this);
    title_->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = title_->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    title_->setFont(titleFont);
    title_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    title_->installEventFilter(this);
    setTitleColour(titleAwayColour());

    // The window's design text, replaced on load by the program's version.
    auto* version = new QLabel(U("版本 V1.80"), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setText(Caption(QStringLiteral("lblVersion")));

    auto* description = new QLabel(Caption(QStringLiteral("lblDescription")), this);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setWordWrap(true);
    description->setFixedWidth(300);

    line_ = new ColourLine(this);
    line_->setObjectName(QStringLiteral("Line1"));

    // The user's name is shown as typed, never as markup.
    auto* name = new QLabel(services_.settings.ReadSetting(QStringLiteral("Texts"), QStringLiteral("Name"),
                                                           U("匿名")),
                            this);
    name->setObjectName(QStringLiteral("NameBox"));
    name->setTextFormat(Qt::PlainText);
    name->setFrameShape(QFrame::StyledPanel);
    name->setFrameShadow(QFrame::Sunken);
    name->setMinimumWidth(160);
    name->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    auto* ok = new QPushButton(Caption(QStringLiteral("cmdOK")), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto* sysInfo = new QPushButton(Caption(QStringLiteral("cmdSysInfo")), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(sysInfo, &QPushButton::clicked, this, &frmAbout::startSystemInfo);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    // The colour keeps its pace of one step per kTickMs, drawn kFrameMs apart:
    // the eye sees no difference, the machine wakes a quarter as often.
    timer_->setInterval(kFrameMs);
    connect(timer_, &QTimer::timeout, this, [this] {
        for (int i = 0; i < kFrameMs / kTickMs; ++i) tick();
    });

    auto* texts = new QVBoxLayout;
    texts->addWidget(title_, 0, Qt::AlignLeft);
    texts->addWidget(version);
    texts->addSpacing(6);
    texts->addWidget(description);

    auto* top = new QHBoxLayout;
    top->addWidget(picIcon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(name, 1, Qt::AlignBottom);
    bottom->addSpacing(12);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(line_);
    layout->addSpacing(8);
    layout->addLayout(bottom);

    setLineColourValue(0);
    ok->setFocus();
    CloseOnEscape(this);  // as the close button does
}

frmAbout::~frmAbout() = default;

const QList<QPair<QString, QString>>& frmAbout::captions() {
    static const QList<QPair<QString, QString>> table = {
        {QString(), U("关于 ") + QLatin1String(kApplicationTitle)},
        {QStringLiteral("lblTitle"), QLatin1String(kApplicationTitle)},
        {QStringLiteral("lblVersion"), versionText()},
        {QStringLiteral("lblDescription"), U(kDescription)},
        {QStringLiteral("cmdOK"), U("关   闭")},
        {QStringLiteral("cmdSysInfo"), U("系统信息(&S)...")},
    };
    return table;
}

QString frmAbout::versionText() {
    return U("版本 ") + QLatin1String(kVersion);
}

// ---- Colour animation ---------------------------------------------------------

int frmAbout::nextColourValue(int value) {
    constexpr long long kColours = static_cast<long long>(kLargestColour) + 1;
    long long next = (static_cast<long long>(value) + kColourStep) % kColours;
    if (next < 0) next += kColours;
    return static_cast<int>(next);
}

QColor frmAbout::colourOfValue(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

void frmAbout::setLineColourValue(int value) {
    constexpr int kColours = kLargestColour + 1;
    lineValue_ = ((value % kColours) + kColours) % kColours;
    static_cast<ColourLine*>(line_)->setColour(colourOfValue(lineValue_));
}

void frmAbout::tick() {
    lineValue_ = nextColourValue(lineValue_);
    static_cast<ColourLine*>(line_)->setColour(colourOfValue(lineValue_));
}

// The animation runs only while the window can be seen: a hidden About
// window (toggled off, or its frame minimized) costs no timer wake-ups.
void frmAbout::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    timer_->start();
}

void frmAbout::hideEvent(QHideEvent* event) {
    timer_->stop();
    QWidget::hideEvent(event);
}

// ---- Title colour ----------------------------------------------------------------

void frmAbout::setTitleColour(const QColor& designed) {
    // Readable on the window's face (a dark one lightens it).
    QPalette palette = title_->palette();
    const QColor face = palette.color(QPalette::Window);
    const Rgb8 shown = ReadableOn({designed.red(), designed.green(), designed.blue()},
                                  {face.red(), face.green(), face.blue()}, 4.5);
    const QColor colour(shown.r, shown.g, shown.b);
    if (palette.color(QPalette::WindowText) == colour) return;
    palette.setColor(QPalette::WindowText, colour);
    title_->setPalette(palette);
}

// Moves over the title reach the window too (the title does not track the
// mouse itself), so the title's rectangle decides the colour.
void frmAbout::mouseMoveEvent(QMouseEvent* event) {
    setTitleColour(title_->geometry().contains(event->position().toPoint()) ? titleUnderColour()
                                                                            : titleAwayColour());
    QWidget::mouseMoveEvent(event);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == title_) {
        switch (event->type()) {
            case QEvent::Enter:
                setTitleColour(titleUnderColour());
                break;
            case QEvent::Leave:
                setTitleColour(titleAwayColour());
                break;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- System information -----------------------------------------------------------

QList<frmAbout::SystemInfoTool> frmAbout::systemInfoCandidates() {
    // Dedicated system profilers first, then the desktops' own "about this
    // system" pages, then system monitors that show the machine's resources.
    return {
        {QStringLiteral("hardinfo2"), {}},
        {QStringLiteral("hardinfo"), {}},
        {QStringLiteral("kinfocenter"), {}},
        {QStringLiteral("gnome-control-center"), {QStringLiteral("info-overview")}},
        {QStringLiteral("xfce4-about"), {}},
        {QStringLiteral("gnome-system-monitor"), {}},
        {QStringLiteral("mate-system-monitor"), {}},
    };
}

std::optional<frmAbout::SystemInfoTool> frmAbout::locateSystemInfoTool() const {
#ifdef Q_OS_WIN
    // The location the system's own installer records, then the shared
    // tools folder with the program's usual file name.
    QString path = MachineRegistryText(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                                       QStringLiteral("PATH"));
    if (path.isEmpty()) {
        const QString folder = MachineRegistryText(
            QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO"));
        if (!folder.isEmpty() && QFileInfo::exists(folder + QStringLiteral("\\MSINFO32.EXE")))
            path = folder + QStringLiteral("\\MSINFO32.EXE");
    }
    if (path.isEmpty()) return std::nullopt;
    return SystemInfoTool{path, {}};
#else
    for (const SystemInfoTool& tool : systemInfoCandidates()) {
        const QString path = services_.launcher.FindExecutable(tool.program);
        if (!path.isEmpty()) return SystemInfoTool{path, tool.arguments};
    }
    return std::nullopt;
#endif
}

void frmAbout::startSystemInfo() {
    const std::optional<SystemInfoTool> tool = locateSystemInfoTool();
    if (tool && services_.launcher.StartDetached(tool->program, tool->arguments)) return;
    services_.dialogs.Message(this, U(kNotAvailable), QLatin1String(kApplicationTitle), MsgIcon::None,
                              MsgButtons::Ok);
}

}  // namespace numora
