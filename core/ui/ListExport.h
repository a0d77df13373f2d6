// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Copying and saving a result list. Every result list (prime factors,
// Goldbach pairs, Mersenne primes, the big-number list) gets the same
// context menu and keys:
//   复制 (Ctrl+C)              the selected lines
//   全选 (Ctrl+A)              selects every line
//   全部复制 (Ctrl+Shift+C)    every line
//   保存为文本文件… (Ctrl+S)   every line into a UTF-8 text file, one line an
//                              item, chosen in the file dialog
// The text is made from a snapshot of the list as a long job (JobRunner.h)
// while the window goes on reacting, so millions of lines (and a slow disk)
// neither stall the window nor trip over a list that changes meanwhile; a
// copy or save asked for while one is under way is not taken (its menu
// items are disabled). A file is written whole or not at all (SaveFile.h):
// one that cannot be written gets a message that names it and says why, and
// the dialog opens again. Closing the window gives up a copy or save under
// way (the file is then not written).
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

class QAbstractItemView;
class QMenu;
class QWidget;

namespace numora {

class JobRunner;
struct Services;

// The lines of a list at one moment. Read from a helper thread: nothing
// may change them once made.
class ListLines {
public:
    virtual ~ListLines() = default;
    virtual std::size_t count() const = 0;
    // Appends line `row` as UTF-8, without a line end.
    virtual void append(std::size_t row, std::string& out) const = 0;
};

// A model that makes its snapshot itself, cheaper than line by line through
// data() (the Goldbach list's millions of lines).
class ListLineSource {
public:
    virtual ~ListLineSource() = default;
    virtual std::shared_ptr<const ListLines> lineSnapshot() const = 0;
};

class ListExport final : public QObject {
    Q_OBJECT

public:
    // Gives `view` the menu and the keys, and selection of several lines.
    // `fileName` is the name the save dialog suggests; `showHint` shows a
    // menu item's hint in the window's status bar while it is highlighted.
    static ListExport* Install(QAbstractItemView* view, Services& services, const QString& fileName,
                               std::function<void(const QString&)> showHint = {});

    // The commands. A copy or save starts a job and returns; done() follows
    // when the clipboard has the text, or the file is written (or given up).
    void copySelection();
    void selectAll();
    void copyAll();
    void save();

    // The context menu, its items enabled as the list allows.
    std::unique_ptr<QMenu> makeMenu(QWidget* parent);
    // A copy or save is under way.
    bool busy() const;

signals:
    void done();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ListExport(QAbstractItemView* view, Services& services, const QString& fileName,
               std::function<void(const QString&)> showHint);
    std::shared_ptr<const ListLines> snapshot() const;
    void copyRows(bool selectedOnly);
    void saveAs(const QString& suggested);
    void showMenu(const QPoint& globalPos);

    QAbstractItemView* view_;
    Services& services_;
    QString fileName_;
    std::function<void(const QString&)> showHint_;
    JobRunner* job_ = nullptr;
};

}  // namespace numora
