// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowMenu.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <algorithm>

#include "DesktopFit.h"
#include "Utf8.h"
#include "WindowArrange.h"

namespace numora {
namespace {

PixelBox ToBox(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
QRect ToRect(const PixelBox& b) { return QRect(b.left, b.top, b.width, b.height); }
PixelSize ToSize(const QSize& s) { return {s.width(), s.height()}; }

// The child's own widget inside the sub-window's scroll area.
QWidget* ContentOf(QMdiSubWindow* window) {
    auto* scroller = qobject_cast<QScrollArea*>(window->widget());
    return scroller && scroller->widget() ? scroller->widget() : window->widget();
}

// Set on a window whose size the user chose (by dragging its frame) or the
// tile command gave: page turns do not grow it; the cascade command clears it.
constexpr char kSizeKept[] = "numoraSizeKept";

bool Normal(const QMdiSubWindow* window) {
    return window->isVisible() && !window->isMinimized() && !window->isMaximized() && !window->isShaded();
}

}  // namespace

WindowMenu::WindowMenu(QMdiArea* area, QWidget* parent) : QObject(parent), area_(area) {
    setObjectName(QStringLiteral("WindowMenu"));
    // A window never extends beyond the client area, so the area itself never
    // scrolls: a window's own scroll bars are the only ones that scroll it.
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport_ = area_->viewport();
    viewport_->installEventFilter(this);

    menu_ = new QMenu(U("窗口(&W)"), parent);
    menu_->setObjectName(QStringLiteral("mnuWindow"));
    menu_->menuAction()->setObjectName(QStringLiteral("mnuWindow"));
    auto item = [this](const char* name, const char* caption, void (WindowMenu::*command)()) {
        QAction* action = menu_->addAction(U(caption));
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    close_ = item("mnuWindowClose", "关闭(&O)\tCtrl+W", &WindowMenu::closeActive);
    // Ctrl+W closes the active window. Where the desktop's key bindings make
    // it the close key, the child windows hear it themselves (a second
    // listener would make the key ambiguous and nothing would close); else
    // the frame listens for it.
    const QKeySequence ctrlW(Qt::CTRL | Qt::Key_W);
    if (parent && !QKeySequence::keyBindings(QKeySequence::Close).contains(ctrlW)) {
        auto* key = new QShortcut(ctrlW, parent);
        key->setContext(Qt::WindowShortcut);
        connect(key, &QShortcut::activated, this, &WindowMenu::closeActive);
    }
    menu_->addSeparator()->setObjectName(QStringLiteral("mnuWindowBar1"));
    item("mnuWindowCascade", "层叠(&C)", &WindowMenu::cascade);
    item("mnuWindowTile", "平铺(&T)", &WindowMenu::tile);
    minimize_ = item("mnuWindowMinimizeAll", "全部最小化(&M)", &WindowMenu::minimizeAll);
    restore_ = item("mnuWindowRestoreAll", "全部还原(&R)", &WindowMenu::restoreAll);
    listStart_ = menu_->addSeparator();
    listStart_->setObjectName(QStringLiteral("mnuWindowBar2"));
    connect(menu_, &QMenu::aboutToShow, this, &WindowMenu::refresh);
    refresh();
    QPointer<WindowMenu> self = this;
    WatchPageTurns([self](QWidget* page) {
        if (self) self->fitToPage(page);
    });
}

WindowMenu::~WindowMenu() {
    WatchPageTurns({});
}

QList<QMdiSubWindow*> WindowMenu::openWindows() const {
    QList<QMdiSubWindow*> open;
    for (QMdiSubWindow* w : area_->subWindowList(QMdiArea::CreationOrder))
        if (w->isVisible()) open << w;
    return open;
}

void WindowMenu::refresh() {
    for (QAction* a : std::as_const(list_)) {
        menu_->removeAction(a);
        a->deleteLater();
    }
    list_.clear();
    const QList<QMdiSubWindow*> open = openWindows();
    bool anyNormal = false, anyChanged = false;
    for (QMdiSubWindow* w : open) {
        anyNormal = anyNormal || !w->isMinimized();
        anyChanged = anyChanged || w->isMinimized() || w->isMaximized();
    }
    for (QAction* a : menu_->actions())
        if (a != listStart_ && !a->isSeparator()) a->setEnabled(!open.isEmpty());
    minimize_->setEnabled(anyNormal);
    restore_->setEnabled(anyChanged);
    listStart_->setVisible(!open.isEmpty());

    // The open windows, numbered, with a check at the active one.
    QMdiSubWindow* active = area_->currentSubWindow();
    int number = 0;
    for (QMdiSubWindow* w : open) {
        ++number;
        const QString prefix = number < 10 ? QStringLiteral("&%1 ").arg(number) : QStringLiteral("%1 ").arg(number);
        auto* action = new QAction(prefix + w->windowTitle(), menu_);
        action->setObjectName(QStringLiteral("mnuWindowList%1").arg(number));
        action->setCheckable(true);
        action->setChecked(w == active);
        QPointer<QMdiSubWindow> target = w;
        connect(action, &QAction::triggered, this, [this, target] {
            if (!target) return;
            if (target->isMinimized()) target->showNormal();
            area_->setActiveSubWindow(target);
        });
        menu_->addAction(action);
        list_ << action;
    }
}

void WindowMenu::closeActive() {
    if (QMdiSubWindow* active = area_->activeSubWindow() ? area_->activeSubWindow() : area_->currentSubWindow())
        active->close();
}

int WindowMenu::cascadeStep() const {
    // A title bar's height with its border, the same for every window.
    QStyleOptionTitleBar option;
    option.initFrom(area_);
    option.titleBarFlags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    return area_->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, area_) + 4;
}

QSize WindowMenu::openingSize(QMdiSubWindow* window) const {
    QWidget* content = ContentOf(window);
    // Its fonts and layouts final: a fixed size is set when its layout runs.
    content->ensurePolished();
    if (QLayout* layout = content->layout()) layout->activate();
    const QMargins m = window->contentsMargins();
    const QSize chrome(m.left() + m.right(), m.top() + m.bottom());
    const QSize room = area_->viewport()->size();
    // The least: the content's least width beside a vertical scroll bar,
    // and no taller than the default.
    const QSize preferred = DefaultSize(content);
    const QSize least = content->minimumSizeHint().expandedTo(content->minimumSize());
    const int bar = area_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window);
    const PixelSize minimum{least.width() + bar + chrome.width(),
                            std::min(least.height(), preferred.height()) + chrome.height()};
    PixelSize size = OpeningSize(ToSize(preferred + chrome), minimum, ToSize(room));
    const int natural = neededHeight(window, size.width - chrome.width());
    if (HasNaturalHeight(content) && content->hasHeightForWidth()) {
        // As tall as the content at the width it opens at.
        size.height = std::min(std::max(natural, minimum.height), room.height());
    } else {
        // Taller than its default where the area has room for the whole page.
        size.height = std::max(size.height, std::min(natural, room.height()));
    }
    // A window of a fixed size does not grow (beyond the room its vertical
    // scroll bar takes when it is cut to the area's height).
    QSize most = content->maximumSize() + chrome;
    if (size.height < least.height() + chrome.height()) most.rwidth() += bar;
    return QSize(size.width, size.height).boundedTo(most);
}

int WindowMenu::neededHeight(QMdiSubWindow* window, int contentWidth) const {
    QWidget* content = ContentOf(window);
    const QMargins m = window->contentsMargins();
    const int height = content->hasHeightForWidth() ? content->heightForWidth(contentWidth) : content->sizeHint().height();
    return std::max(height, content->minimumSizeHint().height()) + m.top() + m.bottom();
}

void WindowMenu::fitToPage(QWidget* page) {
    QMdiSubWindow* window = nullptr;
    for (QWidget* w = page; w && !window; w = w->parentWidget()) window = qobject_cast<QMdiSubWindow*>(w);
    if (!window || window->mdiArea() != area_ || !Normal(window) || window->property(kSizeKept).toBool()) return;
    QWidget* content = ContentOf(window);
    if (QLayout* layout = content->layout()) layout->activate();
    const int room = area_->viewport()->height();
    const QMargins m = window->contentsMargins();
    const int most = content->maximumHeight() >= QWIDGETSIZE_MAX ? room : content->maximumHeight() + m.top() + m.bottom();
    const int height = std::min({neededHeight(window, content->width()), room - window->y(), most});
    if (height <= window->height()) return;
    adjusting_ = true;
    window->resize(window->width(), height);
    adjusting_ = false;
}

void WindowMenu::place(QMdiSubWindow* window, bool storedPlace) {
    if (!window) return;
    window->installEventFilter(this);
    const QSize room = area_->viewport()->size();
    if (room.isEmpty()) return;
    const QSize size = openingSize(window);
    PixelBox box{window->x(), window->y(), size.width(), size.height()};
    if (storedPlace) {
        box = PlaceInside(box, {std::min(size.width(), 200), std::min(size.height(), 120)}, ToSize(room));
    } else {
        std::vector<PixelPoint> shown;
        for (QMdiSubWindow* w : openWindows())
            if (w != window && !w->isMinimized()) shown.push_back({w->x(), w->y()});
        const PixelPoint at = FirstFreeCascadePlace(shown, cascadeStep(), ToSize(room));
        box = {at.x, at.y, std::min(box.width, room.width() - at.x), std::min(box.height, room.height() - at.y)};
    }
    adjusting_ = true;
    window->setGeometry(ToRect(box));
    adjusting_ = false;
}

void WindowMenu::cascade() {
    QList<QMdiSubWindow*> windows;
    QMdiSubWindow* active = area_->currentSubWindow();
    for (QMdiSubWindow* w : openWindows())
        if (!w->isMinimized() && w != active) windows << w;
    if (active && active->isVisible() && !active->isMinimized()) windows << active;  // on top, last
    std::vector<PixelSize> sizes;
    for (QMdiSubWindow* w : windows) {
        if (w->isMaximized()) w->showNormal();
        sizes.push_back(ToSize(openingSize(w)));
    }
    const std::vector<PixelBox> boxes = CascadeBoxes(sizes, cascadeStep(), ToSize(area_->viewport()->size()));
    adjusting_ = true;
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->setGeometry(ToRect(boxes[static_cast<std::size_t>(i)]));
        windows[i]->setProperty(kSizeKept, false);
        windows[i]->raise();
    }
    adjusting_ = false;
    if (active) area_->setActiveSubWindow(active);
}

void WindowMenu::tile() {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : openWindows())
        if (!w->isMinimized()) windows << w;
    const std::vector<PixelBox> boxes =
        TileBoxes(static_cast<int>(windows.size()), ToSize(area_->viewport()->size()));
    adjusting_ = true;
    for (int i = 0; i < windows.size(); ++i) {
        if (windows[i]->isMaximized()) windows[i]->showNormal();
        windows[i]->setGeometry(ToRect(boxes[static_cast<std::size_t>(i)]));
        windows[i]->setProperty(kSizeKept, true);
    }
    adjusting_ = false;
}

void WindowMenu::minimizeAll() {
    for (QMdiSubWindow* w : openWindows())
        if (!w->isMinimized()) w->showMinimized();
}

void WindowMenu::restoreAll() {
    for (QMdiSubWindow* w : openWindows())
        if (w->isMinimized() || w->isMaximized()) w->showNormal();
}

void WindowMenu::keepInside(QMdiSubWindow* window) {
    const QSize room = area_->viewport()->size();
    if (adjusting_ || !area_->isVisible() || room.isEmpty() || !Normal(window)) return;
    const PixelBox now = ToBox(window->geometry());
    const PixelBox inside = KeepInside(now, ToSize(room));
    if (inside == now) return;
    adjusting_ = true;
    window->setGeometry(ToRect(inside));
    adjusting_ = false;
}

void WindowMenu::keepAllInside() {
    for (QMdiSubWindow* w : openWindows()) keepInside(w);
}

bool WindowMenu::eventFilter(QObject* watched, QEvent* event) {
    // Only moves and resizes count; the client area is not asked anything
    // before (its widgets send their last events while they are destroyed).
    if (event->type() != QEvent::Move && event->type() != QEvent::Resize) return false;
    if (watched == viewport_) {
        if (event->type() == QEvent::Resize) keepAllInside();
    } else if (auto* window = qobject_cast<QMdiSubWindow*>(watched)) {
        // A resize while a mouse button is down is the user dragging its frame.
        if (event->type() == QEvent::Resize && !adjusting_ && QGuiApplication::mouseButtons() != Qt::NoButton)
            window->setProperty(kSizeKept, true);
        keepInside(window);
    }
    return false;
}

}  // namespace numora
