// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Table-driven cases of the four solution calculators: the documented
// examples, each mode's refusals in their order, the leading-number reading
// of the boxes, the zero divisors and the double-range limits, and a sweep
// of awkward inputs that must never show "inf", "nan" or an empty result.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "NumberText.h"
#include "SolutionProblems.h"

using namespace numora;
using namespace numora::chem;

namespace {

constexpr auto M1 = KnownMasses::SoluteAndSolution;
constexpr auto M2 = KnownMasses::SolventAndSolution;
constexpr auto M3 = KnownMasses::SoluteAndSolvent;

// Expected outcome: one written box with its text, or a refusal and nothing written.
struct Expect {
    const char* text;
    bool refused;
};
Expect Shows(const char* text) { return {text, false}; }
Expect Refused(const char* message) { return {message, true}; }

void Check(const Outcome& actual, const char* box, const Expect& expected, const std::string& what) {
    SCOPED_TRACE(what);
    if (expected.refused) {
        EXPECT_TRUE(actual.writes.empty());
        ASSERT_TRUE(actual.message.has_value());
        EXPECT_EQ(actual.message->text, expected.text);
        EXPECT_EQ(actual.message->title, "Numora错误报告");
        EXPECT_EQ(actual.message->icon, MessageIcon::Exclamation);
    } else {
        EXPECT_FALSE(actual.message.has_value()) << actual.message->text;
        ASSERT_EQ(actual.writes.size(), 1u);
        EXPECT_EQ(actual.writes[0].first, box);
        EXPECT_EQ(actual.writes[0].second, expected.text);
    }
}

std::string Describe(int mode, const MassTexts& m, std::string_view more = {}) {
    return "mode " + std::to_string(mode) + " [" + std::string(m.solute) + "][" + std::string(m.solvent) + "][" +
           std::string(m.solution) + "] " + std::string(more);
}

struct MassCase {
    KnownMasses mode;
    MassTexts masses;
    Expect expect;
};

}  // namespace

TEST(MassFraction, SoluteFraction) {
    const MassCase cases[] = {
        // The same 20% from each pair of known masses; the locked box holds junk.
        {M1, {"10", "junk", "50"}, Shows("20%")},
        {M2, {"-5", "40", "50"}, Shows("20%")},
        {M3, {"10", "40", ""}, Shows("20%")},
        {M1, {"1", "", "3"}, Shows("33.3333333333333%")},  // fifteen significant digits
        {M1, {"1", "", "200"}, Shows("0.5%")},              // the leading zero supplied
        {M1, {"0", "", "5"}, Shows("0%")},
        {M1, {"5", "", "5"}, Shows("100%")},  // a part may equal the whole
        {M2, {"", "5", "5"}, Shows("0%")},
        {M3, {"0", "5", ""}, Shows("0%")},
        {M3, {"5", "0", ""}, Shows("100%")},
        // The leading-number parse: 12g is 12, g12 is 0.
        {M1, {"12g", "", "48"}, Shows("25%")},
        {M1, {"g12", "", "48"}, Shows("0%")},
        {M1, {"1", "", "g12"}, Refused(kSolutionNotPositive)},
        {M1, {" 1 2", "", "48"}, Shows("25%")},  // blanks are ignored inside
        // Mode 1 refusals in order.
        {M1, {"", "", "0"}, Refused(kEmptyInput)},
        {M1, {"1", "", ""}, Refused(kEmptyInput)},
        {M1, {"-1", "", "0"}, Refused(kSolutionNotPositive)},
        {M1, {"-1", "", "-1"}, Refused(kSolutionNotPositive)},
        {M1, {"-1", "", "5"}, Refused(kSoluteNegative)},
        {M1, {"6", "", "5"}, Refused(kSoluteAboveSolution)},
        // Mode 2 refusals in order.
        {M2, {"1", "", "5"}, Refused(kEmptyInput)},
        {M2, {"", "-1", "0"}, Refused(kSolutionNotPositive)},
        {M2, {"", "-1", "5"}, Refused(kSolventNegative)},
        {M2, {"", "6", "5"}, Refused(kSolventAboveSolution)},
        // Mode 3 refusals in order; both masses 0 leave no solution to divide by.
        {M3, {"", "1", "5"}, Refused(kEmptyInput)},
        {M3, {"-1", "-1", ""}, Refused(kSoluteNegative)},
        {M3, {"1", "-1", ""}, Refused(kSolventNegative)},
        {M3, {"0", "0", ""}, Refused(kSolutionNotPositive)},
        {M3, {"-0", "0", ""}, Refused(kSolutionNotPositive)},
        // The double range: typed numbers beyond it after the checks, and a
        // sum beyond it that still has a fraction.
        {M1, {"1e400", "", "1e400"}, Refused(kTooLarge)},
        {M1, {"1", "", "1e400"}, Refused(kTooLarge)},
        {M1, {"1e400", "", "5"}, Refused(kSoluteAboveSolution)},
        {M1, {"-1e400", "", "5"}, Refused(kSoluteNegative)},
        {M3, {"1e400", "1", ""}, Refused(kTooLarge)},
        {M3, {"1e308", "1e308", ""}, Shows("50%")},
        {M3, {"1.5e308", "5e307", ""}, Shows("75%")},
        {M3, {"1e-320", "0", ""}, Shows("100%")},  // a subnormal solute alone
    };
    for (const auto& c : cases)
        Check(MassFraction(c.mode, FractionOf::Solute, c.masses), kFractionResult, c.expect,
              Describe(int(c.mode), c.masses));
}

TEST(MassFraction, SolventFraction) {
    const MassCase cases[] = {
        {M1, {"10", "junk", "50"}, Shows("80%")},
        {M2, {"-5", "40", "50"}, Shows("80%")},
        {M3, {"10", "40", ""}, Shows("80%")},
        {M1, {"1", "", "3"}, Shows("66.6666666666667%")},
        {M1, {"5", "", "5"}, Shows("0%")},
        {M2, {"", "1", "200"}, Shows("0.5%")},
        {M3, {"1e308", "1e308", ""}, Shows("50%")},
        // The same checks as the solute fraction.
        {M1, {"6", "", "5"}, Refused(kSoluteAboveSolution)},
        {M2, {"", "6", "5"}, Refused(kSolventAboveSolution)},
        {M3, {"0", "0", ""}, Refused(kSolutionNotPositive)},
    };
    for (const auto& c : cases)
        Check(MassFraction(c.mode, FractionOf::Solvent, c.masses), kFractionResult, c.expect,
              Describe(int(c.mode), c.masses));
}

TEST(Solubility, ExamplesRefusalsAndLimits) {
    const MassCase cases[] = {
        // 36 g in 100 g of solvent, from each pair of known masses.
        {M1, {"36", "junk", "136"}, Shows("36g")},
        {M2, {"-5", "100", "136"}, Shows("36g")},
        {M3, {"36", "100", ""}, Shows("36g")},
        {M1, {"1", "", "201"}, Shows("0.5g")},
        {M3, {"0", "50", ""}, Shows("0g")},
        {M1, {"0", "", "50"}, Shows("0g")},
        {M3, {"36g", "g100", ""}, Refused(kSolventNotPositive)},  // g100 reads 0
        // Equal masses are refused here, unlike the mass fraction.
        {M1, {"5", "", "5"}, Refused(kSoluteNotBelowSolution)},
        {M1, {"6", "", "5"}, Refused(kSoluteNotBelowSolution)},
        {M2, {"", "5", "5"}, Refused(kSolventNotBelowSolution)},
        {M2, {"", "6", "5"}, Refused(kSolventNotBelowSolution)},
        // Refusals in order.
        {M1, {"", "", "5"}, Refused(kEmptyInput)},
        {M1, {"-1", "", "0"}, Refused(kSolutionNotPositive)},
        {M1, {"-1", "", "5"}, Refused(kSoluteNegative)},
        {M2, {"", "", "5"}, Refused(kEmptyInput)},
        {M2, {"", "-1", "-1"}, Refused(kSolutionNotPositive)},
        {M2, {"", "-1", "5"}, Refused(kSolventNegative)},
        {M3, {"5", "", ""}, Refused(kEmptyInput)},
        {M3, {"-1", "-1", ""}, Refused(kSoluteNegative)},
        {M3, {"1", "-1", ""}, Refused(kSolventNegative)},
        // No solvent to divide by.
        {M2, {"", "0", "5"}, Refused(kSolventNotPositive)},
        {M3, {"5", "0", ""}, Refused(kSolventNotPositive)},
        {M3, {"0", "0", ""}, Refused(kSolventNotPositive)},
        // The double range.
        {M3, {"1e300", "1e-300", ""}, Refused(kTooLarge)},
        {M3, {"1e307", "1", ""}, Refused(kTooLarge)},  // only the × 100 overflows
        {M2, {"", "1e-310", "1"}, Refused(kTooLarge)},
        {M1, {"1", "", "1e400"}, Refused(kTooLarge)},
        {M3, {"1e308", "1e308", ""}, Shows("100g")},
        {M3, {"1e306", "1", ""}, Shows("1E+308g")},
    };
    for (const auto& c : cases)
        Check(Solubility(c.mode, c.masses), kSolubilityResult, c.expect, Describe(int(c.mode), c.masses));
}

TEST(MolarConcentration, ExamplesRefusalsAndLimits) {
    struct Case {
        const char *amount, *volume;
        Expect expect;
    };
    const Case cases[] = {
        {"1", "2", Shows("0.5mol/L")},
        {"4", "2", Shows("2mol/L")},
        {"0", "1", Shows("0mol/L")},
        {"2mol", "4L", Shows("0.5mol/L")},
        {"1", "3", Shows("0.333333333333333mol/L")},
        {"3", "0", Refused(kVolumeNotPositive)},
        {"3", "-2", Refused(kVolumeNotPositive)},
        {"3", "L", Refused(kVolumeNotPositive)},
        {"-1", "2", Refused(kAmountNegative)},
        {"-1", "0", Refused(kAmountNegative)},  // the amount is checked first
        {"", "2", Refused(kEmptyInput)},
        {"1", "", Refused(kEmptyInput)},
        {"-1", "", Refused(kEmptyInput)},
        {"1e308", "1e-10", Refused(kTooLarge)},
        {"1e400", "1", Refused(kTooLarge)},
        {"1", "1e400", Refused(kTooLarge)},
        {"-1e400", "1", Refused(kAmountNegative)},
        {"1e-300", "1e300", Shows("0mol/L")},  // underflows to 0
    };
    for (const auto& c : cases)
        Check(MolarConcentration(c.amount, c.volume), kMolarityResult, c.expect,
              std::string(c.amount) + " / " + c.volume);
}

namespace {

struct DilutionCase {
    Direction direction;
    KnownMasses mode;
    MassTexts masses;
    const char* target;
    Expect expect;  // the answer text, or a refusal
};

void CheckDilution(const DilutionCase& c) {
    const Outcome actual = Dilution(c.direction, c.mode, c.masses, c.target);
    SCOPED_TRACE(Describe(int(c.mode), c.masses,
                          std::string(c.direction == Direction::Dilute ? "求稀 " : "求浓 ") + c.target));
    EXPECT_TRUE(actual.writes.empty());
    ASSERT_TRUE(actual.message.has_value());
    EXPECT_EQ(actual.message->text, c.expect.text);
    if (c.expect.refused) {
        EXPECT_EQ(actual.message->title, "Numora错误报告");
        EXPECT_EQ(actual.message->icon, MessageIcon::Exclamation);
    } else {
        EXPECT_EQ(actual.message->title, "Numora计算结果");
        EXPECT_EQ(actual.message->icon, MessageIcon::Information);
    }
}

constexpr auto Dilute = Direction::Dilute;
constexpr auto Concentrate = Direction::Concentrate;

// 20 g in 100 g, diluted to 10%: the padded numbers, each after a blank.
constexpr const char* kTwentyToTen = "当前溶质的质量分数为 20%\n\n应减少溶质 11.1111111111111g\n或者\n增加溶剂 100g";

}  // namespace

TEST(Dilution, Answers) {
    const DilutionCase cases[] = {
        {Dilute, M1, {"20", "junk", "100"}, "10", Shows(kTwentyToTen)},
        {Dilute, M2, {"-5", "80", "100"}, "10", Shows(kTwentyToTen)},  // the locked solute is not read
        {Dilute, M3, {"20", "80", "-1"}, "10", Shows(kTwentyToTen)},
        {Dilute, M1, {"20", "", "100"}, "10%", Shows(kTwentyToTen)},
        // A value below 1 has no zero before its point in the padded form.
        {Dilute, M1, {"1", "", "3"}, "20",
         Shows("当前溶质的质量分数为 33.3333333333333%\n\n应减少溶质 .5g\n或者\n增加溶剂 2g")},
        // Concentration: the result form, no blank, a zero before the point.
        {Concentrate, M1, {"10", "", "100"}, "20",
         Shows("当前溶质的质量分数为10%\n\n应增加溶质12.5g\n或者\n减少溶剂50g")},
        {Concentrate, M1, {"1", "", "200"}, "1",
         Shows("当前溶质的质量分数为0.5%\n\n应增加溶质1.01010101010101g\n或者\n减少溶剂100g")},
        {Concentrate, M2, {"", "90", "100"}, "20",
         Shows("当前溶质的质量分数为10%\n\n应增加溶质12.5g\n或者\n减少溶剂50g")},
        {Concentrate, M3, {"0", "50", ""}, "50",
         Shows("当前溶质的质量分数为0%\n\n应增加溶质50g\n或者\n减少溶剂50g")},
        // All solute: nothing but solvent can be added.
        {Dilute, M2, {"", "0", "40"}, "50", Shows("当前溶质的质量分数为 100%\n\n应减少溶质 40g\n或者\n增加溶剂 40g")},
        // Masses whose sum leaves the double range but whose answer does not.
        {Concentrate, M3, {"1e308", "1e308", ""}, "60",
         Shows("当前溶质的质量分数为50%\n\n应增加溶质5E+307g\n或者\n减少溶剂3.33333333333333E+307g")},
    };
    for (const auto& c : cases) CheckDilution(c);
}

TEST(Dilution, RefusalsInOrder) {
    const DilutionCase cases[] = {
        // The target comes first, before any mass is examined.
        {Dilute, M1, {"", "", ""}, "", Refused(kEmptyInput)},
        {Dilute, M1, {"", "", ""}, "0", Refused(kTargetOutOfRange)},
        {Dilute, M1, {"", "", ""}, "100", Refused(kTargetOutOfRange)},
        {Concentrate, M1, {"-1", "", "0"}, "-5", Refused(kTargetOutOfRange)},
        {Dilute, M1, {"20", "", "100"}, "abc", Refused(kTargetOutOfRange)},
        {Dilute, M1, {"20", "", "100"}, "1e400", Refused(kTargetOutOfRange)},
        // Then the masses of the mode.
        {Dilute, M1, {"20", "", ""}, "10", Refused(kEmptyInput)},
        {Dilute, M1, {"-1", "", "0"}, "10", Refused(kSolutionNotPositive)},
        {Dilute, M1, {"-1", "", "100"}, "10", Refused(kSoluteNegative)},
        {Dilute, M1, {"101", "", "100"}, "10", Refused(kSoluteAboveSolution)},
        {Dilute, M2, {"20", "", "100"}, "10", Refused(kEmptyInput)},
        {Dilute, M2, {"", "-1", "0"}, "10", Refused(kSolutionNotPositive)},
        {Dilute, M2, {"", "-1", "100"}, "10", Refused(kSolventNegative)},
        {Dilute, M2, {"", "101", "100"}, "10", Refused(kSolventAboveSolution)},
        {Dilute, M3, {"", "80", "100"}, "10", Refused(kEmptyInput)},
        {Dilute, M3, {"-1", "-1", ""}, "10", Refused(kSoluteNegative)},
        {Dilute, M3, {"1", "-1", ""}, "10", Refused(kSolventNegative)},
        {Dilute, M3, {"0", "0", ""}, "10", Refused(kSolutionNotPositive)},
        // Then the direction: the target equal to the current fraction, or on the wrong side.
        {Dilute, M1, {"20", "", "100"}, "20", Refused(kNotMoreDilute)},
        {Concentrate, M1, {"20", "", "100"}, "20", Refused(kNotMoreConcentrated)},
        {Dilute, M1, {"10", "", "100"}, "20", Refused(kNotMoreDilute)},
        {Concentrate, M1, {"20", "", "100"}, "10", Refused(kNotMoreConcentrated)},
        {Dilute, M1, {"0", "", "100"}, "1e-300", Refused(kNotMoreDilute)},
        // The double range.
        {Dilute, M1, {"1e400", "", "1e400"}, "10", Refused(kTooLarge)},
        {Concentrate, M1, {"1", "", "1e300"}, "99.99999999999999", Refused(kTooLarge)},  // w / (1 − t/100)
        {Dilute, M1, {"1", "", "1"}, "1e-307", Refused(kTooLarge)},                      // 100 × s / t
        {Dilute, M3, {"1e308", "1e308", ""}, "10", Refused(kTooLarge)},                  // D2 = 8E+308
    };
    for (const auto& c : cases) CheckDilution(c);
}

// Each command, in each mode, ignores the box that mode locks: whatever it
// holds, the outcome is the one it gives with that box at "0".
TEST(LockedBox, NeverRead) {
    const char* junk[] = {"", "-5", "1e400", "abc", "0"};
    const MassTexts known = {"20", "80", "100"};
    for (const ModeRow& row : kModes) {
        const ModeState state = StateOf(row.mode);
        auto withLocked = [&](const char* text) {
            MassTexts m = known;
            if (row.locked == MassBox::Solute) m.solute = text;
            if (row.locked == MassBox::Solvent) m.solvent = text;
            if (row.locked == MassBox::Solution) m.solution = text;
            return m;
        };
        auto results = [&](const MassTexts& m) {
            std::vector<std::string> texts;
            for (const Outcome& o :
                 {MassFraction(row.mode, FractionOf::Solute, m), MassFraction(row.mode, FractionOf::Solvent, m),
                  Solubility(row.mode, m), Dilution(Direction::Dilute, row.mode, m, "10"),
                  Dilution(Direction::Concentrate, row.mode, m, "30")})
                texts.push_back((o.writes.empty() ? "" : o.writes[0].second) + "|" +
                                (o.message ? o.message->text : ""));
            return texts;
        };
        const auto expected = results(withLocked("0"));
        for (const char* text : junk) EXPECT_EQ(results(withLocked(text)), expected) << "mode " << int(row.mode);
        // The window locks the same box in every frame.
        for (const BoxLock& lock : state.boxes)
            if (lock.locked) {
                EXPECT_EQ(std::string(lock.control).back(), "123"[int(row.locked)]);
            }
    }
}

TEST(UnknownMode, NothingHappens) {
    const auto none = static_cast<KnownMasses>(4);
    for (const Outcome& o : {MassFraction(none, FractionOf::Solute, {"1", "1", "2"}),
                             Solubility(none, {"1", "1", "2"}), Dilution(Direction::Dilute, none, {"1", "1", "2"}, "10")}) {
        EXPECT_TRUE(o.writes.empty());
        EXPECT_FALSE(o.message.has_value());
    }
}

namespace {

// The number before `unit` at the end of a result, or nullopt when the text
// is not a finite number followed by the unit.
std::optional<double> ResultNumber(const std::string& text, std::string_view unit) {
    if (text.size() <= unit.size() || !text.ends_with(unit)) return std::nullopt;
    const auto value = StrictValue(std::string_view(text).substr(0, text.size() - unit.size()));
    if (value && !std::isfinite(*value)) return std::nullopt;
    return value;
}

const char* const kAwkward[] = {"0",     "-0",   "-1",    "1",      "12g",       "g12",   "",
                                "1e308", "-1e308", "1e400", "-1e400", "1e-320", "5e-324", "99.99999999999999"};

}  // namespace

// Over every combination of awkward box texts, a command either writes its
// one result box with a finite number in range and its unit, or refuses
// with a non-empty message; the dilution answer holds three finite numbers.
TEST(AwkwardInputs, NoInfNanOrEmptyResult) {
    auto checkWrite = [](const Outcome& o, const char* box, std::string_view unit, double low, const std::string& what) {
        if (o.message) {
            EXPECT_TRUE(o.writes.empty()) << what;
            EXPECT_FALSE(o.message->text.empty()) << what;
            EXPECT_EQ(o.message->icon, MessageIcon::Exclamation) << what;
            return;
        }
        ASSERT_EQ(o.writes.size(), 1u) << what;
        EXPECT_EQ(o.writes[0].first, box) << what;
        const auto value = ResultNumber(o.writes[0].second, unit);
        ASSERT_TRUE(value.has_value()) << what << " -> " << o.writes[0].second;
        EXPECT_GE(*value, low) << what;
    };
    const std::regex answer(
        "当前溶质的质量分数为(.+)%\n\n应(减少|增加)溶质(.+)g\n或者\n(增加|减少)溶剂(.+)g");
    for (const ModeRow& row : kModes)
        for (const char* s : kAwkward)
            for (const char* w : kAwkward)
                for (const char* l : kAwkward) {
                    const MassTexts m = {s, w, l};
                    const std::string what = Describe(int(row.mode), m);
                    for (FractionOf of : {FractionOf::Solute, FractionOf::Solvent}) {
                        const Outcome o = MassFraction(row.mode, of, m);
                        checkWrite(o, kFractionResult, "%", 0, what);
                        if (!o.failed()) {
                            EXPECT_LE(*ResultNumber(o.writes[0].second, "%"), 100) << what;
                        }
                    }
                    checkWrite(Solubility(row.mode, m), kSolubilityResult, "g", 0, what);
                    for (const char* t : kAwkward)
                        for (Direction d : {Direction::Dilute, Direction::Concentrate}) {
                            const Outcome o = Dilution(d, row.mode, m, t);
                            ASSERT_TRUE(o.message.has_value()) << what << t;
                            EXPECT_TRUE(o.writes.empty());
                            if (o.message->icon != MessageIcon::Information) {
                                EXPECT_FALSE(o.message->text.empty()) << what << t;
                                continue;
                            }
                            std::smatch parts;
                            ASSERT_TRUE(std::regex_match(o.message->text, parts, answer)) << o.message->text;
                            for (int i : {1, 3, 5}) {
                                const auto value = StrictValue(parts[i].str());
                                ASSERT_TRUE(value && std::isfinite(*value)) << o.message->text;
                                EXPECT_GE(*value, 0) << o.message->text;
                            }
                        }
                }
    for (const char* n : kAwkward)
        for (const char* v : kAwkward)
            checkWrite(MolarConcentration(n, v), kMolarityResult, "mol/L", 0, std::string(n) + " / " + v);
}
