// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChildWindows.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>

#include "Accessibility.h"
#include "ChildFocus.h"
#include "FocusRules.h"
#include "FormHelpers.h"
#include "FrameMenus.h"
#include "PixelGeometry.h"
#include "SettingsStore.h"
#include "TabbedWindow.h"

namespace numora {
namespace {

const QString kSettings = QStringLiteral("Settings");

// Pixels of a window's top edge that stay inside the client area, so that
// its title bar can still be grabbed.
constexpr int kTitleGrip = 40;

// The content of a child window scrolls when the window is smaller than it:
// the child's layout gives its natural size, which is the window's starting
// size, and the user may still shrink or maximize the window on a small
// screen without losing any control. Title, icon and closing are the
// child's own.
class ChildScroller final : public QScrollArea {
public:
    explicit ChildScroller(QWidget* content) : content_(content) {
        setObjectName(content->objectName() + QStringLiteral("Scroller"));
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setWidget(content);
        setWindowTitle(content->windowTitle());
        setWindowIcon(content->windowIcon());
        // Not a stop of its own: Tab goes to the content's controls, and the
        // area scrolls to show the one that takes the focus.
        setFocusPolicy(Qt::NoFocus);
        setAccessibleName(content->windowTitle());
        content->installEventFilter(this);
    }

    // The natural size of the content: QScrollArea's own hint is capped at
    // a few dozen lines of text.
    QSize sizeHint() const override {
        if (!content_) return QScrollArea::sizeHint();
        const QSize natural = content_->sizeHint().expandedTo(content_->minimumSizeHint())
                                  .expandedTo(content_->minimumSize());
        const int f = 2 * frameWidth();
        return natural + QSize(f, f);
    }

protected:
    // Closing the window closes the child, which may refuse.
    void closeEvent(QCloseEvent* event) override {
        event->setAccepted(!content_ || content_->close());
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == content_) {
            if (event->type() == QEvent::WindowTitleChange) {
                setWindowTitle(content_->windowTitle());
                setAccessibleName(content_->windowTitle());
            }
            if (event->type() == QEvent::WindowIconChange) setWindowIcon(content_->windowIcon());
        }
        return QScrollArea::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> content_;
};

// A child window's frame in the client area. Closing it (its close box, or
// the child closing its own widget) closes the child widget, which may refuse,
// and then reports the unload once. The sub-window deletes itself afterwards.
class ChildWindow final : public QMdiSubWindow {
public:
    ChildWindow(QWidget* content, std::function<void()> unloading)
        : content_(content), unloading_(std::move(unloading)) {
        setAttribute(Qt::WA_DeleteOnClose);
        setWidget(new ChildScroller(content));
        content->installEventFilter(this);
    }

    // The child's own widget inside the scroller.
    QWidget* content() const { return content_; }

protected:
    void closeEvent(QCloseEvent* event) override {
        closing_ = true;
        QMdiSubWindow::closeEvent(event);  // asks the child widget to close
        closing_ = false;
        if (event->isAccepted() && !unloaded_) {
            unloaded_ = true;
            unloading_();
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // The child closes its own widget (a "close" button): unload the
        // whole sub-window instead, after the child's handler has returned.
        const bool own = watched == widget() || (content_ && watched == content_);
        if (own && event->type() == QEvent::Close && !closing_ && !unloaded_) {
            event->ignore();
            QTimer::singleShot(0, this, [this] { close(); });
            return true;
        }
        return QMdiSubWindow::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> content_;
    std::function<void()> unloading_;
    bool closing_ = false;
    bool unloaded_ = false;
};

}  // namespace

struct ChildWindows::Slot {
    FrameCommand command;
    QString name;
    QString prefix;
    Make make;
    QPointer<ChildWindow> window;
    bool fitted = false;       // its first showing has fitted it into the client area
    bool storedPlace = false;  // the store had its place when it loaded
};

ChildWindows::ChildWindows(QMdiArea* area, SettingsStore& settings, FrameMenus& menus, QWidget* frame)
    : QObject(frame), area_(area), settings_(settings), menus_(menus), frame_(frame) {
    setObjectName(QStringLiteral("ChildWindows"));
    placement_ = new WindowPlacement(area, *this, this);
    new ChildFocus(area, *this);
    KeepFocusInView();
}

ChildWindows::~ChildWindows() { qDeleteAll(slots_); }

bool ChildWindows::add(FrameCommand command, const QString& name, Make make) {
    const MarkedCommand* row = FindMarkedCommand(command);
    if (!row || !row->positionPrefix || !make || name.isEmpty() || slot(name) || !nameOf(command).isEmpty())
        return false;
    slots_.push_back(new Slot{command, name, QLatin1String(row->positionPrefix), std::move(make), {}});
    return true;
}

ChildWindows::Slot* ChildWindows::slot(const QString& name) const {
    for (Slot* s : slots_)
        if (s->name == name) return s;
    return nullptr;
}

bool ChildWindows::isRegistered(const QString& name) const { return slot(name) != nullptr; }

QString ChildWindows::nameOf(FrameCommand command) const {
    for (const Slot* s : slots_)
        if (s->command == command) return s->name;
    return {};
}

QString ChildWindows::positionPrefix(const QString& name) const {
    const Slot* s = slot(name);
    return s ? s->prefix : QString();
}

QWidget* ChildWindows::child(const QString& name) const {
    const Slot* s = slot(name);
    return s && s->window ? s->window->content() : nullptr;
}

QMdiSubWindow* ChildWindows::window(const QString& name) const {
    const Slot* s = slot(name);
    return s ? s->window.data() : nullptr;
}

QWidget* ChildWindows::contentOf(const QMdiSubWindow* window) const {
    for (const Slot* s : slots_)
        if (s->window && s->window == window) return s->window->content();
    return nullptr;
}

QWidget* ChildWindows::load(const QString& name) {
    Slot* s = slot(name);
    if (!s) return nullptr;
    if (s->window) return s->window->content();

    QWidget* widget = s->make();
    if (!widget) return nullptr;
    if (widget->objectName().isEmpty()) widget->setObjectName(name);
    auto* window = new ChildWindow(widget, [this, name] { closing(name); });
    window->setObjectName(name + QStringLiteral("Window"));
    EnterPressesButtons(widget);
    area_->addSubWindow(window);
    window->hide();  // children are shown only by their toggle command
    window->adjustSize();
    // A page turn grows this window to show the page.
    if (auto* tabs = widget->findChild<TabbedWindow*>(QString(), Qt::FindDirectChildrenOnly)) {
        QPointer<ChildWindow> shown = window;
        connect(tabs, &TabbedWindow::pageShown, this, [this, shown] { placement_->fitToPage(shown); });
    }
    // Without a stored place the window opens at the first free cascade place.
    s->storedPlace = !settings_.ReadSetting(kSettings, s->prefix + QStringLiteral("Left"), QString()).isEmpty() ||
                     !settings_.ReadSetting(kSettings, s->prefix + QStringLiteral("Top"), QString()).isEmpty();
    // A stored place outside the client area is brought back so that the
    // child's title bar can be reached, and the place applied is stored.
    const QPoint stored(TwipsToPixels(ReadSingleSetting(settings_, kSettings, s->prefix + QStringLiteral("Left"), 0)),
                        TwipsToPixels(ReadSingleSetting(settings_, kSettings, s->prefix + QStringLiteral("Top"), 0)));
    const PixelBox placed = ReachableBox({stored.x(), stored.y(), window->width(), window->height()},
                                         ToBox(placementArea()), kTitleGrip, false);
    window->move(placed.left, placed.top);
    s->window = window;
    s->fitted = false;
    if (s->storedPlace && window->pos() != stored) storePlace(*s);
    return widget;
}

// Where a child may be placed: the client area once the frame is on screen;
// before that, a client area as large as the frame's screen.
QRect ChildWindows::placementArea() const {
    QWidget* viewport = area_->viewport();
    if (frame_->isVisible() && viewport->width() > kTitleGrip && viewport->height() > kTitleGrip)
        return viewport->rect();
    QScreen* screen = frame_->screen() ? frame_->screen() : QGuiApplication::primaryScreen();
    return screen ? QRect(QPoint(0, 0), screen->availableGeometry().size()) : QRect(0, 0, 1024, 768);
}

void ChildWindows::storePlace(const Slot& s) {
    settings_.WriteSetting(kSettings, s.prefix + QStringLiteral("Left"), PixelsToTwipsText(s.window->x()));
    settings_.WriteSetting(kSettings, s.prefix + QStringLiteral("Top"), PixelsToTwipsText(s.window->y()));
}

void ChildWindows::toggle(const QString& name) {
    Slot* s = slot(name);
    if (!s || !load(name)) return;
    ChildWindow* window = s->window;
    // An open window the user is not looking at (covered, or behind the
    // active one) comes to the front; only the window in front is hidden.
    // It stays open, so its marks stay.
    if (window->isVisible() && area_->currentSubWindow() != window) {
        if (window->isMinimized()) window->showNormal();
        area_->setActiveSubWindow(window);
        TellFocusWhenActive(window);  // for a screen reader, after the menu has closed
        return;
    }
    const bool show = window->isHidden();
    window->setVisible(show);
    if (show) {
        if (!s->fitted && frame_->isVisible()) {
            placement_->place(window, s->storedPlace);
            s->fitted = true;
        }
        area_->setActiveSubWindow(window);
        // The user can type at once: the focus is on the first input, where
        // a screen reader follows it.
        FocusFirstInput(window->content());
        TellFocusWhenActive(window);
    }
    menus_.invertMarks(s->command);
}

bool ChildWindows::unload(const QString& name) {
    Slot* s = slot(name);
    if (!s || !s->window) return false;
    return s->window->close();
}

void ChildWindows::clearMarks(const QString& name) {
    if (const Slot* s = slot(name)) menus_.clearMarks(s->command);
}

// A child unloads: its place goes to the store, its marks are cleared and
// its slot is free for a fresh window at the next toggle.
void ChildWindows::closing(const QString& name) {
    Slot* s = slot(name);
    if (!s || !s->window) return;
    storePlace(*s);
    menus_.clearMarks(s->command);
    s->window = nullptr;
}

void ChildWindows::storePlaces() {
    for (const Slot* s : slots_)
        if (s->window) storePlace(*s);
}

void ChildWindows::unloadAll() {
    for (Slot* s : slots_) {
        if (!s->window) continue;
        ChildWindow* window = s->window;
        if (!window->close()) {
            // The frame is going away: a child that refuses still unloads.
            closing(s->name);
            window->deleteLater();
        }
    }
}

}  // namespace numora
