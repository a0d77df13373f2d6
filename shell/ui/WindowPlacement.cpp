// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <algorithm>
#include <vector>

#include "DesktopFit.h"
#include "PixelGeometry.h"
#include "WindowArrange.h"

namespace numora {
namespace {

// Set on a window whose size the user chose (by dragging its frame) or the
// tile command gave: page turns do not grow it; the cascade command clears it.
constexpr char kSizeKept[] = "numoraSizeKept";

bool Normal(const QMdiSubWindow* window) {
    return window->isVisible() && !window->isMinimized() && !window->isMaximized() && !window->isShaded();
}

}  // namespace

WindowPlacement::WindowPlacement(QMdiArea* area, const ChildWindowHost& host, QObject* parent)
    : QObject(parent), area_(area), host_(host) {
    setObjectName(QStringLiteral("WindowPlacement"));
    // A window never extends beyond the client area, so the area itself never
    // scrolls: a window's own scroll bars are the only ones that scroll it.
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport_ = area_->viewport();
    viewport_->installEventFilter(this);
}

QList<QMdiSubWindow*> WindowPlacement::openWindows() const {
    QList<QMdiSubWindow*> open;
    for (QMdiSubWindow* w : area_->subWindowList(QMdiArea::CreationOrder))
        if (w->isVisible()) open << w;
    return open;
}

int WindowPlacement::cascadeStep() const {
    // A title bar's height with its border, the same for every window.
    QStyleOptionTitleBar option;
    option.initFrom(area_);
    option.titleBarFlags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    return area_->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, area_) + 4;
}

QSize WindowPlacement::openingSize(QMdiSubWindow* window) const {
    QWidget* content = host_.contentOf(window);
    if (!content) return window->size();
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

PixelBox WindowPlacement::roomForBar(QMdiSubWindow* window, PixelBox box, int openingHeight) const {
    // A window cut below the height it opens at shows a vertical scroll
    // bar: it is widened by the bar (as far as the area allows), so that its
    // lines do not need a sideways one.
    if (box.height >= openingHeight) return box;
    const int room = area_->viewport()->width() - box.left;
    box.width = std::max(box.width, std::min(leastWidth(window), room));
    return box;
}

int WindowPlacement::leastWidth(QMdiSubWindow* window) const {
    QWidget* content = host_.contentOf(window);
    if (!content) return window->minimumSizeHint().width();
    content->ensurePolished();
    if (QLayout* layout = content->layout()) layout->activate();
    // The content's least width beside a vertical scroll bar: narrower, its
    // lines would need a sideways scroll bar.
    const QMargins m = window->contentsMargins();
    const int bar = area_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window);
    const QSize least = content->minimumSizeHint().expandedTo(content->minimumSize());
    return least.width() + bar + m.left() + m.right();
}

int WindowPlacement::neededHeight(QMdiSubWindow* window, int contentWidth) const {
    QWidget* content = host_.contentOf(window);
    const QMargins m = window->contentsMargins();
    const int height = content->hasHeightForWidth() ? content->heightForWidth(contentWidth) : content->sizeHint().height();
    return std::max(height, content->minimumSizeHint().height()) + m.top() + m.bottom();
}

void WindowPlacement::fitToPage(QMdiSubWindow* window) {
    if (!window || window->mdiArea() != area_ || !Normal(window) || window->property(kSizeKept).toBool()) return;
    QWidget* content = host_.contentOf(window);
    if (!content) return;
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

void WindowPlacement::place(QMdiSubWindow* window, bool storedPlace) {
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
    box = roomForBar(window, box, size.height());
    adjusting_ = true;
    window->setGeometry(ToRect(box));
    adjusting_ = false;
}

void WindowPlacement::cascade() {
    QList<QMdiSubWindow*> windows;
    QMdiSubWindow* active = area_->currentSubWindow();
    for (QMdiSubWindow* w : openWindows())
        if (!w->isMinimized() && w != active) windows << w;
    if (active && active->isVisible() && !active->isMinimized()) windows << active;  // on top, last
    std::vector<PixelSize> sizes, minimums;
    for (QMdiSubWindow* w : windows) {
        if (w->isMaximized()) w->showNormal();
        sizes.push_back(ToSize(openingSize(w)));
        minimums.push_back({leastWidth(w), 0});
    }
    const std::vector<PixelBox> boxes =
        CascadeBoxes(sizes, minimums, cascadeStep(), ToSize(area_->viewport()->size()));
    adjusting_ = true;
    for (int i = 0; i < windows.size(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        windows[i]->setGeometry(ToRect(roomForBar(windows[i], boxes[k], sizes[k].height)));
        windows[i]->setProperty(kSizeKept, false);
        windows[i]->raise();
    }
    adjusting_ = false;
    if (active) area_->setActiveSubWindow(active);
}

void WindowPlacement::tile() {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : openWindows())
        if (!w->isMinimized()) windows << w;
    int widest = 0;
    for (QMdiSubWindow* w : windows) widest = std::max(widest, leastWidth(w));
    const std::vector<PixelBox> boxes =
        TileBoxes(static_cast<int>(windows.size()), ToSize(area_->viewport()->size()), widest);
    adjusting_ = true;
    for (int i = 0; i < windows.size(); ++i) {
        if (windows[i]->isMaximized()) windows[i]->showNormal();
        windows[i]->setGeometry(ToRect(boxes[static_cast<std::size_t>(i)]));
        windows[i]->setProperty(kSizeKept, true);
    }
    adjusting_ = false;
}

void WindowPlacement::keepInside(QMdiSubWindow* window) {
    const QSize room = area_->viewport()->size();
    if (adjusting_ || !area_->isVisible() || room.isEmpty() || !Normal(window)) return;
    const PixelBox now = ToBox(window->geometry());
    const PixelBox inside = KeepInside(now, ToSize(room));
    if (inside == now) return;
    adjusting_ = true;
    window->setGeometry(ToRect(inside));
    adjusting_ = false;
}

void WindowPlacement::keepAllInside() {
    for (QMdiSubWindow* w : openWindows()) keepInside(w);
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
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
