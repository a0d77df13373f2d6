// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Scientific: the scientific-calculation window. Three tools on three
// pages: Goldbach verification, prime factorization and the Mersenne prime
// search, each with its own stop button and stop flag.
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
    void append(const std::vector<std::uint32_t>& ps);
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

    GoldbachModel* goldbach_ = nullptr;
    QListView* goldbachList_ = nullptr;
    QListWidget* factorList_ = nullptr;
    QListWidget* mersenneList_ = nullptr;

    bool factorStop_ = false;    // FactorStop
    bool gdbhStop_ = false;      // GdbhStop
    bool mosunniStop_ = false;   // MosunniStop
    // A tool is running: only then does its stop button stop it and say
    // that the count is unknown.
    bool factorRunning_ = false;
    bool gdbhRunning_ = false;
    bool mosunniRunning_ = false;
    bool closing_ = false;       // the window is unloading: running tools end
};

}  // namespace numora
