// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Scientific: the scientific-calculation window. Three tools on three
// pages: Goldbach verification, prime factorization and the Mersenne prime
// search, each a long job with its own runner and stop button (JobRunner.h):
// a tool's start button is disabled while it runs; the other tools stay
// usable and run beside it.
#pragma once

#include <QAbstractListModel>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "ListExport.h"
#include "Services.h"

class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;

namespace numora {

class HintFilter;
class SolutionPanel;
class JobRunner;
class TabbedWindow;

// The Goldbach lines "N=p+q", kept as the numbers p and made into text
// only when the view asks for a line, so millions of lines stay small.
class GoldbachModel final : public QAbstractListModel, public ListLineSource {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The lines as they are now, for copying and saving.
    std::shared_ptr<const ListLines> lineSnapshot() const override;

    void reset(std::uint32_t n);
    // Appends the lines of several pieces of the search at once.
    void append(const std::vector<std::vector<std::uint32_t>>& pieces);
    QString line(int row) const;

private:
    std::uint32_t n_ = 0;
    std::vector<std::uint32_t> ps_;
};

class Scientific : public QWidget {
    Q_OBJECT

public:
    explicit Scientific(Services& services, QWidget* parent = nullptr);
    ~Scientific() override;

    QString statusText() const;
    // The tab keys "Gdbh", "Factorization", "Mosunni".
    void selectTab(const QString& key);
    GoldbachModel* goldbachModel() const { return goldbach_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildGoldbachPage();
    QWidget* buildFactorizationPage();
    QWidget* buildMersennePage();
    void installHints();
    void setStatus(const QString& text);
    void showStopMessage();
    QString selectedLine(QObject* list) const;

    void runGoldbach();
    void runFactorization();
    void runMersenne();

    Services& services_;
    TabbedWindow* frame_ = nullptr;
    HintFilter* hints_ = nullptr;
    SolutionPanel* solutions_ = nullptr;

    GoldbachModel* goldbach_ = nullptr;
    QListView* goldbachList_ = nullptr;
    QListWidget* factorList_ = nullptr;
    QListWidget* mersenneList_ = nullptr;

    // The tools' jobs. A stop button cancels its tool's running job, which
    // then says that the count is unknown; with nothing running it does
    // nothing. Closing the window abandons them all.
    JobRunner* goldbachJob_ = nullptr;
    JobRunner* factorJob_ = nullptr;
    JobRunner* mersenneJob_ = nullptr;
};

}  // namespace numora
