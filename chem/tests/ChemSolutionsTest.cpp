// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Worked solutions of the solution calculators: the substituted numbers,
// the third mass worked out where the formula needs it, and the result
// exactly as the command shows it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ChemSolutions.h"

using namespace numora;
using namespace numora::chem;

namespace {

bool Has(const WorkedSolution& s, const std::string& line) {
    return std::find(s.lines.begin(), s.lines.end(), line) != s.lines.end();
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\n";
    return s;
}

constexpr auto kMode1 = KnownMasses::SoluteAndSolution;
constexpr auto kMode2 = KnownMasses::SolventAndSolution;
constexpr auto kMode3 = KnownMasses::SoluteAndSolvent;

}  // namespace

TEST(ChemSolutions, MassFractionAndSolubility) {
    const struct {
        KnownMasses mode;
        FractionOf of;
        MassTexts masses;
        std::vector<std::string> lines;  // each among the steps, the last one last
    } fractions[] = {
        {kMode1, FractionOf::Solute, {"10", "", "50"}, {"溶质的质量分数 = 溶质质量 ÷ 溶液质量 × 100%", "= 10g ÷ 50g × 100%", "= 20%"}},
        {kMode1, FractionOf::Solvent, {"10", "x", "50"}, {"溶剂质量 = 溶液质量 - 溶质质量 = 50g - 10g = 40g", "= 40g ÷ 50g × 100%", "= 80%"}},
        {kMode2, FractionOf::Solute, {"-9", "40", "50"}, {"溶质质量 = 溶液质量 - 溶剂质量 = 50g - 40g = 10g", "= 20%"}},
        {kMode3, FractionOf::Solvent, {"10", "40", ""}, {"溶液质量 = 溶质质量 + 溶剂质量 = 10g + 40g = 50g", "= 80%"}},
        {kMode1, FractionOf::Solute, {"1", "", "3"}, {"= 1g ÷ 3g × 100%", "= 33.3333333333333%"}},
        {kMode1, FractionOf::Solute, {"12g", "", "200"}, {"= 12g ÷ 200g × 100%", "= 6%"}},
    };
    for (const auto& row : fractions) {
        const WorkedSolution s = MassFractionSolution(row.mode, row.of, row.masses);
        SCOPED_TRACE(Joined(s.lines));
        EXPECT_FALSE(s.message);
        for (const auto& line : row.lines) EXPECT_TRUE(Has(s, line)) << line;
        EXPECT_EQ(s.lines.back(), row.lines.back());
        EXPECT_EQ("= " + *MassFraction(row.mode, row.of, row.masses).Field(kFractionResult), s.lines.back());
    }
    // Mode 1 gives both masses the solute fraction needs: no line for the solvent.
    EXPECT_EQ(MassFractionSolution(kMode1, FractionOf::Solute, {"10", "", "50"}).lines.size(), 3u);

    const WorkedSolution solubility = SolubilitySolution(kMode1, {"36", "", "136"});
    EXPECT_TRUE(Has(solubility, "溶剂质量 = 溶液质量 - 溶质质量 = 136g - 36g = 100g"));
    EXPECT_TRUE(Has(solubility, "溶解度 = 溶质质量 ÷ 溶剂质量 × 100g"));
    EXPECT_TRUE(Has(solubility, "= 36g ÷ 100g × 100g"));
    EXPECT_EQ(solubility.lines.back(), "= 36g");
    EXPECT_EQ(SolubilitySolution(kMode3, {"1", "200", ""}).lines.back(), "= 0.5g");

    const WorkedSolution molarity = MolarConcentrationSolution("1", "2");
    EXPECT_EQ(molarity.lines, (std::vector<std::string>{"物质的量浓度 = 溶质的物质的量 ÷ 溶液体积", "= 1mol ÷ 2L", "= 0.5mol/L"}));
}

TEST(ChemSolutions, DilutionBothWays) {
    const WorkedSolution dilute = DilutionSolution(Direction::Dilute, kMode1, {"20", "", "100"}, "10");
    SCOPED_TRACE(Joined(dilute.lines));
    for (const char* line : {"溶剂质量 = 溶液质量 - 溶质质量 = 100g - 20g = 80g",
                             "当前溶质的质量分数 = 溶质质量 ÷ 溶液质量 × 100% = 20g ÷ 100g × 100% = 20%",
                             "减少溶质后的溶液质量 = 溶剂质量 ÷ (1 - 10%) = 80g ÷ 90% = 88.8888888888889g",
                             "应减少溶质 = 100g - 88.8888888888889g = 11.1111111111111g",
                             "方法二：增加溶剂，稀释前后溶质的质量不变",
                             "稀释后的溶液质量 = 溶质质量 ÷ 10% = 20g ÷ 10% = 200g"})
        EXPECT_TRUE(Has(dilute, line)) << line;
    EXPECT_EQ(dilute.lines.back(), "应增加溶剂 = 200g - 100g = 100g");
    // Modes 2 and 3 with the same masses give the same amounts.
    EXPECT_EQ(DilutionSolution(Direction::Dilute, kMode2, {"", "80", "100"}, "10").lines.back(), dilute.lines.back());
    EXPECT_EQ(DilutionSolution(Direction::Dilute, kMode3, {"20", "80", ""}, "10").lines.back(), dilute.lines.back());

    const WorkedSolution concentrate = DilutionSolution(Direction::Concentrate, kMode1, {"10", "", "100"}, "20");
    EXPECT_TRUE(Has(concentrate, "应增加溶质 = 112.5g - 100g = 12.5g"));
    EXPECT_TRUE(Has(concentrate, "方法二：减少溶剂，浓缩前后溶质的质量不变"));
    EXPECT_EQ(concentrate.lines.back(), "应减少溶剂 = 100g - 50g = 50g");
    // The window writes " .5" in its answer; the step gives the same number as 0.5.
    EXPECT_TRUE(Has(DilutionSolution(Direction::Dilute, kMode1, {"1", "", "3"}, "20"), "应减少溶质 = 3g - 2.5g = 0.5g"));
}

TEST(ChemSolutions, RefusalsAreTheCommandsMessages) {
    const struct {
        WorkedSolution solution;
        const char* message;
    } rows[] = {
        {MassFractionSolution(kMode1, FractionOf::Solute, {"6", "", "5"}), "溶质质量不能大于溶液的质量"},
        {MassFractionSolution(kMode1, FractionOf::Solute, {"1", "", ""}), "请不要使输入框为空"},
        {SolubilitySolution(kMode1, {"5", "", "5"}), "溶质质量应小于溶液的质量"},
        {MolarConcentrationSolution("3", "0"), "溶液体积不能小于或等于0"},
        {DilutionSolution(Direction::Dilute, kMode1, {"20", "", "100"}, "20"), "稀释后的质量分数应小于稀释前的质量分数"},
        {DilutionSolution(Direction::Concentrate, kMode1, {"20", "", "100"}, "100"), "质量分数应小于100%,大于0%(不需填“%”)"},
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(row.solution.message) << row.message;
        EXPECT_EQ(row.solution.message->text, row.message);
        EXPECT_TRUE(row.solution.lines.empty());
    }
    EXPECT_TRUE(MassFractionSolution(static_cast<KnownMasses>(7), FractionOf::Solute, {"1", "1", "1"}).lines.empty());
}
