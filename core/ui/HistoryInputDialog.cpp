// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HistoryInputDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "Accessibility.h"
#include "FieldLimit.h"

namespace numora {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// Control name -> accessible name, description (also the tool tip: the box
// has no status bar for hints).
AccessibleTable HistoryInputAccessibility() {
    const struct { const char* control; const char* name; const char* description; } rows[] = {
        {"HistoryInputBox", "输入内容",
         "上、下方向键依次取出以前输入过的内容；下拉列表列出最近的记录，选中一项可以再编辑；最多可输入32767个字符"},
        {"HistoryInputClear", "清除记录", "清除以前输入过的全部记录"},
        {"HistoryInputOk", "确定", "计算输入的内容"},
        {"HistoryInputCancel", "取消", "关闭输入框，不作计算"},
    };
    AccessibleTable table;
    for (const auto& r : rows) table.push_back({QLatin1String(r.control), U(r.name), U(r.description)});
    return table;
}

}  // namespace

HistoryInputDialog::HistoryInputDialog(QWidget* parent, const QString& prompt, const QString& title,
                                       const QString& defaultText, InputHistory history, Dialogs* dialogs)
    : QDialog(parent), history_(std::move(history)) {
    setWindowTitle(title);
    auto* column = new QVBoxLayout(this);
    auto* label = new QLabel(prompt);
    label->setWordWrap(true);
    column->addWidget(label);

    field_ = new QComboBox;
    field_->setObjectName(QStringLiteral("HistoryInputBox"));
    field_->setEditable(true);
    field_->setInsertPolicy(QComboBox::NoInsert);
    field_->setCompleter(nullptr);  // no completion from the shown items: they hold results too
    field_->setMaxVisibleItems(15);
    field_->setMinimumContentsLength(36);
    field_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    for (qsizetype i = 0; i < history_.items.size() && i < history_.entries.size(); ++i)
        field_->addItem(history_.items[i]);
    field_->setCurrentIndex(-1);
    field_->lineEdit()->setMaxLength(kMaxLength);
    field_->setEditText(defaultText);
    field_->lineEdit()->selectAll();
    // The keys reach the box, which hands most of them to its line edit.
    field_->installEventFilter(this);
    field_->lineEdit()->installEventFilter(this);
    label->setBuddy(field_);
    connect(field_, &QComboBox::activated, this, &HistoryInputDialog::choose);
    connect(field_->lineEdit(), &QLineEdit::textEdited, this, [this] { position_ = -1; });
    column->addWidget(field_);

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(U("确定"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("HistoryInputOk"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(U("取消"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("HistoryInputCancel"));
    clear_ = buttons->addButton(U("清除记录"), QDialogButtonBox::ResetRole);
    clear_->setObjectName(QStringLiteral("HistoryInputClear"));
    clear_->setAutoDefault(false);
    clear_->setEnabled(field_->count() > 0);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(clear_, &QPushButton::clicked, this, &HistoryInputDialog::clearHistory);
    column->addWidget(buttons);

    const AccessibleTable table = HistoryInputAccessibility();
    ApplyAccessibility(this, table);
    for (const AccessibleText& row : table) findChild<QWidget*>(row.control)->setToolTip(row.description);
    if (dialogs) RefuseOverlongInput(this, *dialogs);
    field_->setFocus();
}

QString HistoryInputDialog::text() const { return field_->currentText(); }

bool HistoryInputDialog::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == field_ || watched == field_->lineEdit()) && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            walk(key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            accept();  // the field's Enter is the box's OK, as in any input box
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void HistoryInputDialog::walk(int step) {
    const int target = position_ + step;
    if (target < -1 || target >= field_->count()) return;
    if (position_ == -1) draft_ = field_->currentText();
    position_ = target;
    field_->setEditText(position_ == -1 ? draft_ : history_.entries[position_]);
}

void HistoryInputDialog::choose(int index) {
    if (index < 0 || index >= field_->count()) return;
    position_ = index;
    field_->setEditText(history_.entries[index]);
    field_->lineEdit()->setFocus();
    field_->lineEdit()->end(false);
}

void HistoryInputDialog::clearHistory() {
    if (history_.clear) history_.clear();
    const QString typed = field_->currentText();
    history_.entries.clear();
    history_.items.clear();
    field_->clear();
    field_->setEditText(typed);
    position_ = -1;
    clear_->setEnabled(false);
    field_->setFocus();
}

}  // namespace numora
