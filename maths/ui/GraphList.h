// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The plotter's frame "图象列表" (list of graphs): every drawn graph in its
// colour with its formula ("y = x²-2") as its text and accessible name, a
// check box that shows or hides it, and 删除 (or the Delete key) to remove
// the selected one. Selecting a graph tells the page, which puts its kind
// and coefficients back into the boxes and lets the sliders move it.
#pragma once

#include <QGroupBox>
#include <optional>

class QListWidget;
class QPushButton;

namespace numora {

namespace maths {
class PlotSession;
}

class GraphList : public QGroupBox {
    Q_OBJECT

public:
    explicit GraphList(maths::PlotSession& session, QWidget* parent = nullptr);

    // Shows the session's graphs as they are now, keeping the selection.
    void refresh();
    std::optional<std::size_t> selected() const;
    void select(std::optional<std::size_t> graph);
    QListWidget* list() const { return list_; }

signals:
    void selectedGraph(std::optional<std::size_t> graph);
    // A graph was shown, hidden or removed.
    void changed();
    // One was removed: the graphs after it moved up.
    void removed(std::size_t graph);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void removeSelected();

    maths::PlotSession& session_;
    QListWidget* list_;
    QPushButton* remove_;
    bool filling_ = false;
};

}  // namespace numora
