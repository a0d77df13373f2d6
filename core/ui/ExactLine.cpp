// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExactLine.h"

#include <QLineEdit>

#include "FormHelpers.h"

namespace numora {

QLineEdit* ExactLine(const QString& name) {
    auto* line = new QLineEdit;
    line->setObjectName(name);
    line->setReadOnly(true);
    line->setFrame(false);
    // The results' face, without their box, a little smaller than they are.
    ResultFace(line);
    QFont small = line->font();
    if (small.pointSizeF() > 0) small.setPointSizeF(small.pointSizeF() * 0.9);
    line->setFont(small);
    line->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    line->setMinimumWidth(line->fontMetrics().horizontalAdvance(QStringLiteral("360 = 2³×3²×5")) + 8);
    TooltipFollowsText(line);  // whole where the line is cut
    line->setVisible(false);
    QObject::connect(line, &QLineEdit::textChanged, line, [line](const QString& text) {
        line->setVisible(!text.isEmpty());
        line->setCursorPosition(0);
    });
    return line;
}

Outcome WithExactLine(Outcome outcome, const char* control, const std::optional<ExactForms>& forms) {
    outcome.writes.emplace_back(control, forms ? forms->line : std::string());
    return outcome;
}

}  // namespace numora
