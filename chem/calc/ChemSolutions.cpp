// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChemSolutions.h"

#include <cmath>
#include <string>
#include <vector>

#include "NumberText.h"

namespace numora::chem {
namespace {

std::string Number(double v) { return FormatResult(NumberText(v)); }
std::string Grams(double v) { return Number(v) + "g"; }

struct Masses {
    double solute = 0, solvent = 0, solution = 0;
};

// The masses of a frame the command accepted, the third one worked out in
// a line of its own when the formula uses it (`uses`). False when that
// mass leaves the double range.
bool ReadMasses(KnownMasses mode, const MassTexts& texts, std::initializer_list<MassBox> uses, Masses& m,
                std::vector<std::string>& lines) {
    m.solute = LeadingValue(texts.solute);
    m.solvent = LeadingValue(texts.solvent);
    m.solution = LeadingValue(texts.solution);
    const MassBox locked = ModeOf(mode).locked;
    std::string line;
    switch (locked) {
    case MassBox::Solvent:
        m.solvent = m.solution - m.solute;
        line = "溶剂质量 = 溶液质量 - 溶质质量 = " + Grams(m.solution) + " - " + Grams(m.solute) + " = " + Grams(m.solvent);
        break;
    case MassBox::Solute:
        m.solute = m.solution - m.solvent;
        line = "溶质质量 = 溶液质量 - 溶剂质量 = " + Grams(m.solution) + " - " + Grams(m.solvent) + " = " + Grams(m.solute);
        break;
    case MassBox::Solution:
        m.solution = m.solute + m.solvent;
        line = "溶液质量 = 溶质质量 + 溶剂质量 = " + Grams(m.solute) + " + " + Grams(m.solvent) + " = " + Grams(m.solution);
        break;
    }
    if (!std::isfinite(m.solute) || !std::isfinite(m.solvent) || !std::isfinite(m.solution)) return false;
    for (MassBox used : uses)
        if (used == locked) lines.push_back(line);
    return true;
}

WorkedSolution TooLarge() { return WorkedSolution::Refusal(Outcome::Error(kTooLarge).message.value()); }

// The number after `label` in the dilution answer's line that starts with it.
double AnswerNumber(const std::string& answer, const std::string& label) {
    const std::size_t at = answer.find(label);
    return at == std::string::npos ? 0 : LeadingValue(std::string_view(answer).substr(at + label.size()));
}

}  // namespace

WorkedSolution MassFractionSolution(KnownMasses mode, FractionOf of, const MassTexts& texts) {
    const Outcome decimal = MassFraction(mode, of, texts);
    if (decimal.failed()) return WorkedSolution::Refusal(*decimal.message);
    if (!IsKnownMode(mode)) return {};
    WorkedSolution s;
    const bool solute = of == FractionOf::Solute;
    Masses m;
    if (!ReadMasses(mode, texts, {solute ? MassBox::Solute : MassBox::Solvent, MassBox::Solution}, m, s.lines))
        return TooLarge();
    const char* name = solute ? "溶质" : "溶剂";
    s.lines.push_back(std::string(name) + "的质量分数 = " + name + "质量 ÷ 溶液质量 × 100%");
    s.lines.push_back("= " + Grams(solute ? m.solute : m.solvent) + " ÷ " + Grams(m.solution) + " × 100%");
    s.lines.push_back("= " + decimal.Field(kFractionResult).value_or(""));
    return s;
}

WorkedSolution SolubilitySolution(KnownMasses mode, const MassTexts& texts) {
    const Outcome decimal = Solubility(mode, texts);
    if (decimal.failed()) return WorkedSolution::Refusal(*decimal.message);
    if (!IsKnownMode(mode)) return {};
    WorkedSolution s;
    Masses m;
    if (!ReadMasses(mode, texts, {MassBox::Solute, MassBox::Solvent}, m, s.lines)) return TooLarge();
    s.lines.emplace_back("溶解度 = 溶质质量 ÷ 溶剂质量 × 100g");
    s.lines.push_back("= " + Grams(m.solute) + " ÷ " + Grams(m.solvent) + " × 100g");
    s.lines.push_back("= " + decimal.Field(kSolubilityResult).value_or(""));
    return s;
}

WorkedSolution MolarConcentrationSolution(std::string_view amount, std::string_view volume) {
    const Outcome decimal = MolarConcentration(amount, volume);
    if (decimal.failed()) return WorkedSolution::Refusal(*decimal.message);
    WorkedSolution s;
    s.lines.emplace_back("物质的量浓度 = 溶质的物质的量 ÷ 溶液体积");
    s.lines.push_back("= " + Number(LeadingValue(amount)) + "mol ÷ " + Number(LeadingValue(volume)) + "L");
    s.lines.push_back("= " + decimal.Field(kMolarityResult).value_or(""));
    return s;
}

WorkedSolution DilutionSolution(Direction direction, KnownMasses mode, const MassTexts& texts,
                                std::string_view targetText) {
    const Outcome decimal = Dilution(direction, mode, texts, targetText);
    if (decimal.failed() && decimal.message->icon != MessageIcon::Information)
        return WorkedSolution::Refusal(*decimal.message);
    if (!IsKnownMode(mode) || !decimal.message) return {};
    const std::string& answer = decimal.message->text;
    const bool dilute = direction == Direction::Dilute;
    WorkedSolution s;
    auto& lines = s.lines;
    Masses m;
    if (!ReadMasses(mode, texts, {MassBox::Solute, MassBox::Solvent, MassBox::Solution}, m, lines)) return TooLarge();
    const double t = LeadingValue(targetText);
    const std::string target = Number(t) + "%";
    lines.push_back("当前溶质的质量分数 = 溶质质量 ÷ 溶液质量 × 100% = " + Grams(m.solute) + " ÷ " +
                    Grams(m.solution) + " × 100% = " + Number(AnswerNumber(answer, "当前溶质的质量分数为")) + "%");

    // The solute changed, the solvent kept: the new solution weighs solvent ÷ (1 − t%).
    const double keptSolvent = m.solvent / (1 - t / 100);
    const std::string change1 = dilute ? "应减少溶质" : "应增加溶质";
    lines.push_back(std::string("方法一：") + (dilute ? "减少溶质" : "增加溶质") + "，溶剂的质量不变");
    lines.push_back(std::string(dilute ? "减少溶质后" : "增加溶质后") + "的溶液质量 = 溶剂质量 ÷ (1 - " + target +
                    ") = " + Grams(m.solvent) + " ÷ " + Number(100 - t) + "% = " + Grams(keptSolvent));
    const std::string d1 = Grams(AnswerNumber(answer, change1));
    lines.push_back(change1 + " = " +
                    (dilute ? Grams(m.solution) + " - " + Grams(keptSolvent) : Grams(keptSolvent) + " - " + Grams(m.solution)) +
                    " = " + d1);

    // The solvent changed, the solute kept: the new solution weighs solute ÷ t%.
    const double keptSolute = 100 * m.solute / t;
    const std::string change2 = dilute ? "增加溶剂" : "减少溶剂";
    lines.push_back(std::string("方法二：") + change2 + "，" + (dilute ? "稀释" : "浓缩") + "前后溶质的质量不变");
    lines.push_back(std::string(dilute ? "稀释后" : "浓缩后") + "的溶液质量 = 溶质质量 ÷ " + target + " = " +
                    Grams(m.solute) + " ÷ " + target + " = " + Grams(keptSolute));
    const std::string d2 = Grams(AnswerNumber(answer, change2));
    lines.push_back("应" + change2 + " = " +
                    (dilute ? Grams(keptSolute) + " - " + Grams(m.solution) : Grams(m.solution) + " - " + Grams(keptSolute)) +
                    " = " + d2);
    return s;
}

}  // namespace numora::chem
