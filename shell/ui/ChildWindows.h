// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main frame's child windows: which window each toggle command opens,
// and their life in the client area. A window is created on first use
// (hidden, at its stored place `<Prefix>Left`, `<Prefix>Top` under
// `Settings`, in twips), shown and hidden by its toggle with its contents
// kept, and unloaded by its own close box or a close() of its widget (its
// closeEvent may refuse): its place is stored and both of its check marks
// cleared, so a window needs no code of its own for any of that.
//
// DESIGN: each window's widget sits in a scroll area (its content scrolls
// when the window is smaller than it) inside a QMdiSubWindow. That nesting
// is this class's own: the placement learns a window's widget through
// ChildWindowHost, and a window laid out by TabbedWindow reports its page
// turns through that object's own signal, which this class connects to the
// placement of that one window.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "FrameCommands.h"
#include "WindowPlacement.h"

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace numora {

class FrameMenus;
class SettingsStore;

class ChildWindows final : public QObject, public ChildWindowHost {
    Q_OBJECT

public:
    // Builds a window's widget, without a parent; its window title becomes
    // the sub-window's caption.
    using Make = std::function<QWidget*()>;

    // `frame` is the widget around the client area `area`: windows are
    // placed within its screen before it is first shown.
    ChildWindows(QMdiArea* area, SettingsStore& settings, FrameMenus& menus, QWidget* frame);
    ~ChildWindows() override;

    // The window `name` is what `command` toggles. False for a command that
    // toggles no window, an empty factory, or a name or command taken.
    bool add(FrameCommand command, const QString& name, Make make);
    bool isRegistered(const QString& name) const;
    // The name of the window `command` toggles; empty when none is registered.
    QString nameOf(FrameCommand command) const;
    // The prefix of the window's position keys; empty for an unknown name.
    QString positionPrefix(const QString& name) const;

    // The loaded window's widget and its sub-window, or nullptr.
    QWidget* child(const QString& name) const;
    QMdiSubWindow* window(const QString& name) const;
    // Creates the window hidden at its stored place unless it is loaded;
    // its widget, or nullptr for a name without a factory.
    QWidget* load(const QString& name);
    // The toggle: load on first use; a shown window not in front comes
    // forward; else shown or hidden, and both marks inverted.
    void toggle(const QString& name);
    // Unloads the window as its close box does; false when it refused or is
    // not loaded.
    bool unload(const QString& name);
    void clearMarks(const QString& name);

    // Every loaded window's place into the store (the session ends).
    void storePlaces();
    // Unloads every window; one that refuses is unloaded all the same.
    void unloadAll();

    WindowPlacement& placement() { return *placement_; }
    QWidget* contentOf(const QMdiSubWindow* window) const override;

private:
    struct Slot;
    Slot* slot(const QString& name) const;
    void closing(const QString& name);
    void storePlace(const Slot& s);
    QRect placementArea() const;

    QMdiArea* area_;
    SettingsStore& settings_;
    FrameMenus& menus_;
    QWidget* frame_;
    WindowPlacement* placement_;
    QList<Slot*> slots_;
};

}  // namespace numora
