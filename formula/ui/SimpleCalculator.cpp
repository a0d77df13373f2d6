// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SimpleCalculator.h"

#include "ExactFormula.h"
#include "FormulaHistoryStore.h"
#include "Services.h"

namespace numora {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }
QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

void RunSimpleCalculator(QWidget* parent, Services& services) {
    InputHistory history;
    for (const HistoryEntry& entry : ReadFormulaHistory(services.settings)) {
        history.entries << Q(entry.formula);
        history.items << Q(HistoryItemText(entry));
    }
    history.clear = [&services] { ClearFormulaHistory(services.settings); };
    const std::optional<QString> formula = services.dialogs.HistoryInputBox(
        parent, U("输入需要计算的表达式(暂时只支持加减乘除运算):"), U("简易计算器"), QStringLiteral("0"), history);
    if (!formula || formula->isEmpty()) return;

    // One walk gives the decimal result and the exact value of the formula.
    const ExactFormulaResult result = EvaluateFormulaExact(formula->toStdString());
    if (result.exact == ExactFormulaResult::Exact::Refused) {
        AddFormulaHistory(services.settings, *formula, U("表达式错误"));
        services.dialogs.Message(parent, U("表达式错误"), U("Numora错误报告"), MsgIcon::Stop, MsgButtons::Ok);
        return;
    }
    const QString decimal = Q(result.decimal.value_or(std::string()));
    AddFormulaHistory(services.settings, *formula, decimal);
    services.clipboard.SetText(decimal);
    QString text = *formula + QLatin1Char('=') + decimal;
    if (const std::optional<std::string> fraction = FractionLine(result)) text += QLatin1Char('\n') + Q(*fraction);
    services.dialogs.Message(parent, text + QStringLiteral("\n\n") + U("计算结果已经粘贴入剪贴板"), U("Numora计算结果"),
                             MsgIcon::Information, MsgButtons::Ok);
}

}  // namespace numora
