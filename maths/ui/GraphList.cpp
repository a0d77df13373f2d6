// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphList.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "PlotSession.h"

namespace numora {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// A square of the graph's colour (as the canvas shows it on this palette).
QIcon Swatch(maths::Rgb colour, const QColor& face) {
    const maths::Rgb bg{static_cast<std::uint8_t>(face.red()), static_cast<std::uint8_t>(face.green()),
                        static_cast<std::uint8_t>(face.blue())};
    const maths::Rgb shown = maths::LegibleColour(colour, maths::Picture::Role::Curve, bg);
    QPixmap square(32, 32);
    square.fill(Qt::transparent);
    QPainter p(&square);
    p.fillRect(QRect(4, 12, 24, 8), QColor(shown.r, shown.g, shown.b));
    return QIcon(square);
}

}  // namespace

GraphList::GraphList(maths::PlotSession& session, QWidget* parent)
    : QGroupBox(U("图象列表"), parent), session_(session), list_(new QListWidget), remove_(new QPushButton(U("删除"))) {
    setObjectName(QStringLiteral("MathsFunctionShapeList"));
    list_->setObjectName(QStringLiteral("MathsFunctionShapeList1"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->installEventFilter(this);
    remove_->setObjectName(QStringLiteral("MathsFunctionShapeListcmd1"));
    remove_->setEnabled(false);
    auto* column = new QVBoxLayout(this);
    column->addWidget(list_);
    column->addWidget(remove_, 0, Qt::AlignLeft);
    // Room for three graphs before the list scrolls.
    list_->setMinimumHeight(list_->fontMetrics().height() * 4);
    list_->setMaximumHeight(list_->fontMetrics().height() * 8);

    connect(remove_, &QPushButton::clicked, this, &GraphList::removeSelected);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        remove_->setEnabled(row >= 0);
        if (!filling_) emit selectedGraph(selected());
    });
    connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (filling_) return;
        session_.Show(static_cast<std::size_t>(list_->row(item)), item->checkState() == Qt::Checked);
        emit changed();
    });
}

void GraphList::refresh() {
    filling_ = true;
    const int row = list_->currentRow();
    const auto& graphs = session_.Graphs();
    while (list_->count() > static_cast<int>(graphs.size())) delete list_->takeItem(list_->count() - 1);
    const QColor face = list_->palette().color(QPalette::Base);
    for (std::size_t i = 0; i < graphs.size(); ++i) {
        QListWidgetItem* item = list_->item(static_cast<int>(i));
        if (!item) {
            item = new QListWidgetItem(list_);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        }
        const QString formula = QString::fromStdString(graphs[i].formula);
        item->setText(formula);
        item->setData(Qt::AccessibleTextRole, formula);
        item->setToolTip(QString::fromStdString(maths::PlotSession::GraphName(i)) + QLatin1Char(' ') + formula);
        item->setIcon(Swatch(graphs[i].colour, face));
        item->setCheckState(graphs[i].shown ? Qt::Checked : Qt::Unchecked);
    }
    list_->setCurrentRow(row < list_->count() ? row : -1);
    remove_->setEnabled(list_->currentRow() >= 0);
    filling_ = false;
}

std::optional<std::size_t> GraphList::selected() const {
    const int row = list_->currentRow();
    if (row < 0 || !list_->item(row) || !list_->item(row)->isSelected()) return std::nullopt;
    return static_cast<std::size_t>(row);
}

void GraphList::select(std::optional<std::size_t> graph) {
    filling_ = true;
    if (graph && static_cast<int>(*graph) < list_->count()) {
        list_->setCurrentRow(static_cast<int>(*graph));
    } else {
        list_->setCurrentRow(-1);
        list_->clearSelection();
    }
    remove_->setEnabled(list_->currentRow() >= 0);
    filling_ = false;
}

void GraphList::removeSelected() {
    const auto graph = selected();
    if (!graph) return;
    session_.Remove(*graph);
    filling_ = true;
    delete list_->takeItem(static_cast<int>(*graph));
    list_->setCurrentRow(-1);
    list_->clearSelection();
    filling_ = false;
    refresh();
    emit removed(*graph);
    emit changed();
    emit selectedGraph(std::nullopt);
}

bool GraphList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        removeSelected();
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

}  // namespace numora
