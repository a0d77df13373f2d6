// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "FormHelpers.h"

namespace numora {

QLineEdit* Box(const QString& name, const QString& text, int maxLength) {
    auto* box = new QLineEdit(text);
    box->setObjectName(name);
    if (maxLength > 0) box->setMaxLength(maxLength);
    return box;
}

QLineEdit* Result(const QString& name, const QString& text, bool typable) {
    auto* box = new QLineEdit(text);
    box->setObjectName(name);
    box->setReadOnly(!typable);
    ResultFace(box);
    return box;
}

QPlainTextEdit* ResultBox(const QString& name, int lines) {
    auto* box = new QPlainTextEdit(QStringLiteral("0"));
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setWordWrapMode(QTextOption::WrapAnywhere);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setFixedHeight(box->fontMetrics().lineSpacing() * lines + 12);
    ResultFace(box);
    return box;
}

QPushButton* Button(const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    return button;
}

QRadioButton* Option(const QString& name, const QString& caption) {
    auto* option = new QRadioButton(caption);
    option->setObjectName(name);
    return option;
}

QCheckBox* Check(const QString& name, const QString& caption, const QString& toolTip) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    box->setToolTip(toolTip);
    return box;
}

QGroupBox* Frame(const QString& name, const QString& caption) {
    auto* frame = new QGroupBox(caption);
    frame->setObjectName(name);
    return frame;
}

QLabel* Label(const QString& text) { return new QLabel(text); }

QLabel* Note(const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

}  // namespace numora
