// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ToolbarDialog.h"
#include "Utf8.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace numora {

ToolbarDialog::ToolbarDialog(const QStringList& standard, const QStringList& shown,
                             const QHash<QString, QString>& captions, const QHash<QString, QIcon>& icons,
                             QWidget* parent)
    : QDialog(parent), standard_(standard), captions_(captions), icons_(icons) {
    setObjectName(QStringLiteral("ToolbarDialog"));
    setWindowTitle(U("自定义工具栏"));

    auto* grid = new QGridLayout(this);
    auto* label = new QLabel(U("选中要显示的按钮(&B)，用“上移”“下移”调整顺序:"));
    grid->addWidget(label, 0, 0, 1, 2);
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("ToolbarList"));
    list_->setAccessibleName(U("工具栏按钮"));
    label->setBuddy(list_);
    grid->addWidget(list_, 1, 0, 4, 1);

    auto* up = new QPushButton(U("上移(&U)"));
    up->setObjectName(QStringLiteral("ToolbarUp"));
    auto* down = new QPushButton(U("下移(&D)"));
    down->setObjectName(QStringLiteral("ToolbarDown"));
    auto* standardSet = new QPushButton(U("重置(&R)"));
    standardSet->setObjectName(QStringLiteral("ToolbarReset"));
    standardSet->setToolTip(U("恢复标准工具栏"));
    for (QPushButton* b : {up, down, standardSet}) b->setAutoDefault(false);
    connect(up, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveSelected(+1); });
    connect(standardSet, &QPushButton::clicked, this, &ToolbarDialog::reset);
    grid->addWidget(up, 1, 1);
    grid->addWidget(down, 2, 1);
    grid->addWidget(standardSet, 3, 1);

    auto* box = new QDialogButtonBox;
    box->setObjectName(QStringLiteral("ToolbarButtons"));
    QPushButton* ok = box->addButton(U("确定"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ToolbarOk"));
    ok->setDefault(true);
    box->addButton(U("取消"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("ToolbarCancel"));
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(box, 5, 0, 1, 2);

    fill(shown);
    list_->setCurrentRow(0);
}

void ToolbarDialog::fill(const QStringList& shown) {
    list_->clear();
    QStringList order = shown;
    for (const QString& key : standard_)
        if (!order.contains(key)) order << key;
    for (const QString& key : order) {
        auto* item = new QListWidgetItem(icons_.value(key), captions_.value(key, key));
        item->setData(Qt::UserRole, key);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(shown.contains(key) ? Qt::Checked : Qt::Unchecked);
        list_->addItem(item);
    }
}

QStringList ToolbarDialog::chosenKeys() const {
    QStringList keys;
    for (int i = 0; i < list_->count(); ++i) {
        const QListWidgetItem* item = list_->item(i);
        if (item->checkState() == Qt::Checked) keys << item->data(Qt::UserRole).toString();
    }
    return keys;
}

void ToolbarDialog::moveSelected(int step) {
    const int row = list_->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= list_->count()) return;
    QListWidgetItem* item = list_->takeItem(row);
    list_->insertItem(target, item);
    list_->setCurrentRow(target);
}

void ToolbarDialog::reset() {
    fill(standard_);
    list_->setCurrentRow(0);
}

}  // namespace numora
