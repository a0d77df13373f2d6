// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SolutionPanel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "Controls.h"
#include "DialogPlace.h"
#include "FormHelpers.h"
#include "ListExport.h"
#include "Outcome.h"
#include "Services.h"
#include "Utf8.h"

namespace numora {
namespace {

// The size the panel opens at, in device-independent pixels, at most this
// share of the screen's free area.
constexpr int kPanelWidth = 600;
constexpr int kPanelHeight = 440;
constexpr double kScreenShare = 0.8;

}  // namespace

SolutionPanel::SolutionPanel(QWidget* window, Services& services, const SolutionPanelControls& names)
    : QDialog(window, Qt::Dialog), window_(window), services_(services) {
    setObjectName(QLatin1String(names.panel));
    setModal(false);
    setWindowTitle(U("解题过程"));

    list_ = new QListWidget;
    list_->setObjectName(QLatin1String(names.list));
    list_->setWordWrap(true);  // a long step wraps rather than scrolling sideways
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setResizeMode(QListView::Adjust);
    list_->setUniformItemSizes(false);
    list_->setTextElideMode(Qt::ElideNone);
    export_ = ListExport::Install(list_, services_, U("解题过程.txt"));

    auto* copy = Button(QLatin1String(names.copy), "复制(&C)");
    auto* copyAll = Button(QLatin1String(names.copyAll), "全部复制(&L)");
    auto* save = Button(QLatin1String(names.save), "保存为文本文件(&S)…");
    auto* close = Button(QLatin1String(names.close), "关闭");
    for (QPushButton* b : {copy, copyAll, save, close}) b->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, export_, &ListExport::copySelection);
    connect(copyAll, &QPushButton::clicked, export_, &ListExport::copyAll);
    connect(save, &QPushButton::clicked, export_, &ListExport::save);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    // 复制 takes the selected steps; without a selection there is nothing to take.
    auto follow = [this, copy] { copy->setEnabled(list_->selectionModel()->hasSelection()); };
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, follow);
    follow();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addWidget(copyAll);
    buttons->addWidget(save);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    // The panel goes when its window closes or hides.
    window_->installEventFilter(this);
    hide();
}

bool SolutionPanel::present(const QString& problem, const WorkedSolution& solution, QWidget* button) {
    if (solution.lines.empty()) {
        if (solution.message) ApplyOutcome(window_, Outcome{{}, solution.message}, services_.dialogs);
        return false;
    }
    setWindowTitle(U("解题过程 - %1").arg(problem));
    list_->clear();
    for (const std::string& line : solution.lines) list_->addItem(QString::fromStdString(line));
    returnTo_ = button;
    if (!isVisible()) {
        place();
        show();
    }
    raise();
    activateWindow();
    list_->setCurrentRow(0);
    list_->scrollToTop();
    list_->setFocus(Qt::OtherFocusReason);
    return true;
}

QStringList SolutionPanel::lines() const {
    QStringList all;
    for (int row = 0; row < list_->count(); ++row) all << list_->item(row)->text();
    return all;
}

void SolutionPanel::done(int result) {
    QDialog::done(result);
    // Back to the button that showed the steps, in its window.
    if (returnTo_ && returnTo_->isVisible()) {
        returnTo_->window()->activateWindow();
        returnTo_->setFocus(Qt::OtherFocusReason);
    }
}

bool SolutionPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && (event->type() == QEvent::Close || event->type() == QEvent::Hide)) hide();
    return QDialog::eventFilter(watched, event);
}

// Beside the calculator window where the screen has room (right, else
// left), else over it; never larger than the screen's free area.
void SolutionPanel::place() {
    QScreen* screen = window_->screen();
    const QRect free = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize size(std::min(kPanelWidth, static_cast<int>(free.width() * kScreenShare)),
                     std::min(kPanelHeight, static_cast<int>(free.height() * kScreenShare)));
    resize(size);
    if (placed_) return;
    placed_ = true;
    const QRect over = VisibleWindowRect(window_);
    if (over.isEmpty()) return;
    QRect box(QPoint(), size);
    if (over.right() + size.width() < free.right())
        box.moveTopLeft(QPoint(over.right() + 1, over.top()));
    else if (over.left() - size.width() > free.left())
        box.moveTopLeft(QPoint(over.left() - size.width(), over.top()));
    else
        box = CentredOver(size, over, free);
    box.moveTop(std::clamp(box.top(), free.top(), std::max(free.top(), free.bottom() - size.height())));
    move(box.topLeft());
}

void AddSolutionPanelRows(AccessibleTable& table, const SolutionPanelControls& names) {
    const QString keys = U("右键菜单或 Ctrl+C 复制选中的行，Ctrl+A 全选，Ctrl+Shift+C 全部复制，Ctrl+S 保存为文本文件");
    table.push_back({QLatin1String(names.panel), U("解题过程"), U("解题过程，每行一步")});
    table.push_back({QLatin1String(names.list), U("解题过程 步骤"), U("解题过程，每行一步；") + keys, true});
    table.push_back({QLatin1String(names.copy), U("解题过程 复制"), U("复制选中的步骤")});
    table.push_back({QLatin1String(names.copyAll), U("解题过程 全部复制"), U("复制全部步骤")});
    table.push_back({QLatin1String(names.save), U("解题过程 保存为文本文件"), U("把全部步骤保存为文本文件")});
    table.push_back({QLatin1String(names.close), U("解题过程 关闭"), U("关闭解题过程(Esc)")});
}

}  // namespace numora
