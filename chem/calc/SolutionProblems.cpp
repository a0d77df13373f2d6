// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SolutionProblems.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "NumberText.h"

namespace numora::chem {
namespace {

struct Masses {
    double solute = 0;
    double solvent = 0;
    double solution = 0;
};

// The checked masses of a frame, the third completed from solution =
// solute + solvent, or the first refusal.
struct Reading {
    const char* refusal = nullptr;
    Masses masses;
};
Reading Refuse(const char* message) { return {message, {}}; }

std::string_view TextOf(const MassTexts& texts, MassBox box) {
    return box == MassBox::Solute ? texts.solute : box == MassBox::Solvent ? texts.solvent : texts.solution;
}

Masses Complete(KnownMasses mode, Masses m) {
    switch (mode) {
    case KnownMasses::SoluteAndSolution: m.solvent = m.solution - m.solute; break;
    case KnownMasses::SolventAndSolution: m.solute = m.solution - m.solvent; break;
    case KnownMasses::SoluteAndSolvent: m.solution = m.solute + m.solvent; break;
    }
    return m;
}

// Reads the two boxes the mode reads and runs the mode's checks in order.
// `partBelowWhole`: a known solute or solvent equal to the solution is refused.
Reading ReadMasses(KnownMasses mode, const MassTexts& texts, bool partBelowWhole) {
    const ModeRow& row = ModeOf(mode);
    if (TextOf(texts, row.reads[0]).empty() || TextOf(texts, row.reads[1]).empty()) return Refuse(kEmptyInput);
    Masses m;
    switch (mode) {
    case KnownMasses::SoluteAndSolution:
        m.solute = LeadingValue(texts.solute);
        m.solution = LeadingValue(texts.solution);
        if (m.solution <= 0) return Refuse(kSolutionNotPositive);
        if (m.solute < 0) return Refuse(kSoluteNegative);
        if (partBelowWhole ? m.solution <= m.solute : m.solution < m.solute)
            return Refuse(partBelowWhole ? kSoluteNotBelowSolution : kSoluteAboveSolution);
        break;
    case KnownMasses::SolventAndSolution:
        m.solvent = LeadingValue(texts.solvent);
        m.solution = LeadingValue(texts.solution);
        if (m.solution <= 0) return Refuse(kSolutionNotPositive);
        if (m.solvent < 0) return Refuse(kSolventNegative);
        if (partBelowWhole ? m.solution <= m.solvent : m.solution < m.solvent)
            return Refuse(partBelowWhole ? kSolventNotBelowSolution : kSolventAboveSolution);
        break;
    case KnownMasses::SoluteAndSolvent:
        m.solute = LeadingValue(texts.solute);
        m.solvent = LeadingValue(texts.solvent);
        if (m.solute < 0) return Refuse(kSoluteNegative);
        if (m.solvent < 0) return Refuse(kSolventNegative);
        break;
    }
    // A typed number beyond the double range reads as an infinity.
    if (!std::isfinite(m.solute) || !std::isfinite(m.solvent) || !std::isfinite(m.solution)) return Refuse(kTooLarge);
    // The sum of mode 3 may still leave the range; ScaleDown deals with it.
    return {nullptr, Complete(mode, m)};
}

// Masses near the top of the double range, where the sum of mode 3 or the
// "100 × s" of the dilution would overflow, are taken at 2^-64 of their size.
// Multiplying by a power of two is exact, and it commutes with every sum,
// difference, product and quotient of the commands, so a ratio comes out
// the same and a mass, multiplied by the returned factor, is the double the
// direct computation gives whenever that computation stays in range. Masses
// too small to keep all their bits at that scale are below 2^-958 and
// vanish beside the largest one (above 2^1000) in every result anyway.
double ScaleDown(KnownMasses mode, Masses& m) {
    if (std::max({m.solute, m.solvent, m.solution}) <= 0x1p1000) return 1;
    m.solute *= 0x1p-64;
    m.solvent *= 0x1p-64;
    m.solution *= 0x1p-64;
    m = Complete(mode, m);
    return 0x1p64;
}

// A number as the result boxes show it: 15 digits, a zero before the point.
std::string ResultText(double value) { return FormatResult(NumberText(value)); }

// "<value><unit>" into `box`, or "数据过大" for a value beyond the double range.
Outcome WriteResult(const char* box, double value, const char* unit) {
    if (!std::isfinite(value)) return Outcome::Error(kTooLarge);
    return Outcome().Write(box, ResultText(value) + unit);
}

}  // namespace

Outcome MassFraction(KnownMasses mode, FractionOf of, const MassTexts& texts) {
    if (!IsKnownMode(mode)) return {};
    const Reading reading = ReadMasses(mode, texts, false);
    if (reading.refusal) return Outcome::Error(reading.refusal);
    Masses m = reading.masses;
    if (m.solution == 0) return Outcome::Error(kSolutionNotPositive);  // mode 3, both masses 0
    ScaleDown(mode, m);
    const double s = m.solute, w = m.solvent, l = m.solution;
    const bool solute = of == FractionOf::Solute;
    double p = 0;
    switch (mode) {
    case KnownMasses::SoluteAndSolution: p = solute ? s / l * 100 : (l - s) / l * 100; break;
    case KnownMasses::SolventAndSolution: p = solute ? (l - w) / l * 100 : w / l * 100; break;
    case KnownMasses::SoluteAndSolvent: p = solute ? s / (w + s) * 100 : w / (s + w) * 100; break;
    }
    return WriteResult(kFractionResult, p, "%");
}

Outcome Solubility(KnownMasses mode, const MassTexts& texts) {
    if (!IsKnownMode(mode)) return {};
    const Reading reading = ReadMasses(mode, texts, true);
    if (reading.refusal) return Outcome::Error(reading.refusal);
    // Mode 1 refuses a solute equal to the solution, so only modes 2 and 3
    // can come here with no solvent.
    const Masses& m = reading.masses;
    if (m.solvent == 0) return Outcome::Error(kSolventNotPositive);
    const double s = m.solute, w = m.solvent, l = m.solution;
    double grams = 0;
    switch (mode) {
    case KnownMasses::SoluteAndSolution: grams = s / (l - s) * 100; break;
    case KnownMasses::SolventAndSolution: grams = (l - w) / w * 100; break;
    case KnownMasses::SoluteAndSolvent: grams = s / w * 100; break;
    }
    return WriteResult(kSolubilityResult, grams, "g");
}

Outcome MolarConcentration(std::string_view amountText, std::string_view volumeText) {
    if (amountText.empty() || volumeText.empty()) return Outcome::Error(kEmptyInput);
    const double amount = LeadingValue(amountText);
    const double volume = LeadingValue(volumeText);
    if (amount < 0) return Outcome::Error(kAmountNegative);
    if (volume <= 0) return Outcome::Error(kVolumeNotPositive);
    if (!std::isfinite(amount) || !std::isfinite(volume)) return Outcome::Error(kTooLarge);
    return WriteResult(kMolarityResult, amount / volume, "mol/L");
}

Outcome Dilution(Direction direction, KnownMasses mode, const MassTexts& texts, std::string_view targetText) {
    if (!IsKnownMode(mode)) return {};
    if (targetText.empty()) return Outcome::Error(kEmptyInput);
    const double t = LeadingValue(targetText);
    if (t <= 0 || t >= 100) return Outcome::Error(kTargetOutOfRange);
    const Reading reading = ReadMasses(mode, texts, false);
    if (reading.refusal) return Outcome::Error(reading.refusal);
    Masses m = reading.masses;
    if (m.solution == 0) return Outcome::Error(kSolutionNotPositive);  // mode 3, both masses 0
    const double scale = ScaleDown(mode, m);
    const double s = m.solute, w = m.solvent, l = m.solution;

    const double x = s / l;
    const bool dilute = direction == Direction::Dilute;
    if (dilute && x <= t / 100) return Outcome::Error(kNotMoreDilute);
    if (!dilute && x >= t / 100) return Outcome::Error(kNotMoreConcentrated);

    // Solute to change with the solvent kept, solvent to change with the solute kept.
    const double d1 = std::abs(l - w / (1 - t / 100)) * scale;
    const double d2 = std::abs(100 * s / t - l) * scale;
    const double p = x * 100;
    if (!std::isfinite(d1) || !std::isfinite(d2)) return Outcome::Error(kTooLarge);

    const auto number = dilute ? PaddedNumberText : ResultText;
    std::string text = "当前溶质的质量分数为" + number(p) + "%\n\n";
    text += (dilute ? "应减少溶质" : "应增加溶质") + number(d1) + "g\n或者\n";
    text += (dilute ? "增加溶剂" : "减少溶剂") + number(d2) + "g";
    Outcome answer;
    answer.message = Message{std::move(text), kResultTitle, MessageIcon::Information};
    return answer;
}

}  // namespace numora::chem
