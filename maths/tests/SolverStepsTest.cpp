// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Worked solutions of the solvers and of the trigonometric calculator:
// tables of their intermediate values (Δ, the multipliers and sums of the
// elimination, the substituted numbers, the reduced angle), and sweeps
// checking that the last lines give the exact answers and that refusals
// and endings are the commands' own messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "EquationSolvers.h"
#include "ExactNotation.h"
#include "ExactSolvers.h"
#include "ExactTrig.h"
#include "SolverSteps.h"

using namespace numora;
using namespace numora::maths;

namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\n";
    return s;
}

bool Has(const WorkedSolution& s, const std::string& line) {
    return std::find(s.lines.begin(), s.lines.end(), line) != s.lines.end();
}

// The first line starting with `prefix`, "" without one.
std::string LineStarting(const WorkedSolution& s, const std::string& prefix) {
    for (const auto& l : s.lines)
        if (l.starts_with(prefix)) return l;
    return "";
}

// What follows the last "= " (or "≈ ") of a line.
std::string Answer(const std::string& line) {
    const std::size_t eq = line.rfind("= "), approx = line.rfind("≈ ");
    std::size_t at = eq == std::string::npos ? approx : approx == std::string::npos ? eq : std::max(eq, approx);
    return at == std::string::npos ? "" : line.substr(at + (at == approx ? std::string("≈ ").size() : 2));
}

class Sequence {
public:
    std::uint32_t Below(std::uint32_t n) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state_ >> 33) % n;
    }
    std::string Coefficient() {
        const long n = static_cast<long>(Below(41)) - 20;
        mpq_class q(n, Below(4) == 0 ? 10ul : 1ul);
        q.canonicalize();
        return exact::DecimalText(q);
    }

private:
    std::uint64_t state_ = 33;
};

}  // namespace

TEST(QuadraticSteps, IntermediateValues) {
    const struct {
        const char *a, *b, *c;
        const char* delta;
        const char* cleared;     // the line that clears decimals, or nullptr
        const char* factorised;  // the factor line of 因式分解法, or nullptr
        const char* formula;     // the substituted formula line, or nullptr
        std::vector<std::string> last;
    } rows[] = {
        {"1", "-3", "1", "5", nullptr, nullptr, "x = (-b±√Δ)/(2a) = (-(-3)±√5)/(2×1) = (3±√5)/2",
         {"x1 = (3+√5)/2", "x2 = (3-√5)/2"}},
        {"1", "-3", "2", "1", nullptr, "(x-2)(x-1) = 0", "x = (-b±√Δ)/(2a) = (-(-3)±1)/(2×1) = (3±1)/2",
         {"x1 = (3+1)/2 = 2", "x2 = (3-1)/2 = 1"}},
        {"1", "-1.5", "0.5", "1", "方程两边同乘以2，得 2x²-3x+1 = 0", "(x-1)(2x-1) = 0", nullptr,
         {"x1 = (3+1)/4 = 1", "x2 = (3-1)/4 = 1/2"}},
        {"1", "2", "1", "0", nullptr, "(x+1)² = 0", nullptr, {"x1 = x2 = -b/(2a) = -2/(2×1) = -1"}},
        {"1", "-2", "-1", "8", nullptr, nullptr, "x = (-b±√Δ)/(2a) = (-(-2)±2√2)/(2×1) = 1±√2",
         {"x1 = 1+√2", "x2 = 1-√2"}},
        {"-1", "3", "-1", "5", nullptr, nullptr, "x = (-b±√Δ)/(2a) = (-3±√5)/(2×(-1)) = (3∓√5)/2",
         {"x1 = (3-√5)/2", "x2 = (3+√5)/2"}},
        {"2", "0", "-2", "16", nullptr, "2(x-1)(x+1) = 0", "x = (-b±√Δ)/(2a) = (±4)/(2×2) = ±1", {"x1 = 1", "x2 = -1"}},
        {"1", "-3", "0", "9", nullptr, "x(x-3) = 0", nullptr, {"x1 = (3+3)/2 = 3", "x2 = (3-3)/2 = 0"}},
        {"4", "0", "-1", "16", nullptr, "(2x-1)(2x+1) = 0", nullptr, {"x1 = 1/2", "x2 = -1/2"}},
    };
    for (const auto& row : rows) {
        const WorkedSolution s = QuadraticSolution(row.a, row.b, row.c);
        SCOPED_TRACE(Joined(s.lines));
        EXPECT_FALSE(s.message);
        EXPECT_EQ(Answer(LineStarting(s, "Δ = b²-4ac = ")), row.delta);
        EXPECT_EQ(!LineStarting(s, "方程两边同乘以").empty(), row.cleared != nullptr);
        if (row.cleared) {
            EXPECT_TRUE(Has(s, row.cleared));
        }
        EXPECT_EQ(Has(s, "因式分解法:"), row.factorised != nullptr);
        if (row.factorised) {
            EXPECT_TRUE(Has(s, row.factorised));
        }
        if (row.formula) {
            EXPECT_TRUE(Has(s, row.formula));
        }
        ASSERT_GE(s.lines.size(), row.last.size());
        EXPECT_TRUE(std::equal(row.last.rbegin(), row.last.rend(), s.lines.rbegin()));
    }
}

TEST(QuadraticSteps, EndingsAndRefusals) {
    const WorkedSolution none = QuadraticSolution("1", "0", "1");
    ASSERT_TRUE(none.message);
    EXPECT_EQ(none.message->text, "此方程无解！");
    EXPECT_EQ(Answer(LineStarting(none, "Δ = ")), "-4");
    EXPECT_TRUE(Has(none, "Δ < 0，方程没有实数根"));
    EXPECT_EQ(none.lines.back(), "此方程无解！");
    for (const auto& [a, b, c, message] : {std::tuple{"0", "2", "1", "二次项系数不能为0"}, {"1", "1E+309", "1", "数据过大"}}) {
        const WorkedSolution s = QuadraticSolution(a, b, c);
        ASSERT_TRUE(s.message);
        EXPECT_EQ(s.message->text, message);
        EXPECT_TRUE(s.lines.empty());
    }
}

TEST(QuadraticSteps, SweepEndsWithTheExactRoots) {
    Sequence seq;
    for (int i = 0; i < 300; ++i) {
        const std::string a = seq.Coefficient(), b = seq.Coefficient(), c = seq.Coefficient();
        const WorkedSolution s = QuadraticSolution(a, b, c);
        const Outcome decimal = SolveQuadratic(a, b, c);
        SCOPED_TRACE(a + " " + b + " " + c + "\n" + Joined(s.lines));
        EXPECT_EQ(s.message.has_value(), decimal.failed());
        if (decimal.failed()) {
            EXPECT_EQ(s.message->text, decimal.message->text);
            continue;
        }
        const auto forms = ExactQuadratic(a, b, c);
        ASSERT_TRUE(forms);
        const std::string x1 = *forms->Field(kQuadraticX1), x2 = *forms->Field(kQuadraticX2);
        EXPECT_EQ(Answer(s.lines.back()), x2);
        if (x1 != x2 || !s.lines.back().starts_with("x1 = x2 = ")) {
            EXPECT_EQ(Answer(s.lines[s.lines.size() - 2]), x1);
        }
    }
}

TEST(LinearSteps, TwoUnknowns) {
    const struct {
        std::vector<const char*> rows;
        std::vector<std::string> lines;  // each must be among the steps
        std::string x, y;                // "" for an ending
        const char* ending;
    } cases[] = {
        {{"3", "1", "1", "1", "2", "1"},
         {"3x+y = 1 ①", "由①得 y = 1-3x ③", "把③代入②，得 x+2(1-3x) = 1", "整理得 -5x = -1", "解得 x = 1/5",
          "把x = 1/5代入③，得 y = 1-3×(1/5) = 2/5"},
         "1/5", "2/5", nullptr},
        {{"2", "3", "1", "3", "-4", "5"},
         {"①×3，得 6x+9y = 3 ③", "②×2，得 6x-8y = 10 ④", "③-④，得 17y = -7", "解得 y = -7/17",
          "把y = -7/17代入①，得 2x+3×(-7/17) = 1", "解得 x = 19/17"},
         "19/17", "-7/17", nullptr},
        {{"3", "2", "7", "5", "-2", "1"}, {"①+②，得 8x = 8", "解得 x = 1", "把x = 1代入①，得 3×1+2y = 7", "解得 y = 2"}, "1", "2",
         nullptr},
        {{"0.3", "0.2", "0.7", "5", "-2", "1"}, {"0.3x+0.2y = 0.7 ①", "方程①两边同乘以10，得 3x+2y = 7"}, "1", "2", nullptr},
        {{"0", "2", "4", "3", "0", "6"}, {"由①得 y = 2", "由②得 x = 2"}, "2", "2", nullptr},
        {{"0", "2", "4", "3", "1", "8"}, {"由①得 y = 2", "把y = 2代入②，得 3x+2 = 8", "解得 x = 2"}, "2", "2", nullptr},
        {{"1", "1", "2", "1", "1", "3"}, {"由①得 y = 2-x ③", "把③代入②，得 x+(2-x) = 3", "整理得 0 = 1"}, "", "",
         "此方程组无解！"},
        {{"2", "4", "6", "3", "6", "9"}, {"①×3，得 6x+12y = 18 ③", "②×2，得 6x+12y = 18 ④", "③-④，得 0 = 0"}, "", "",
         "此方程组不止一组解"},
        {{"0", "0", "1", "1", "1", "1"}, {"由①得 0 = 1"}, "", "", "此方程组无解！"},
        // The value put in keeps the expression's order: y = x-3 gives 5-3.
        {{"-1", "1", "-3", "1", "1", "7"}, {"由①得 y = x-3 ③", "把x = 5代入③，得 y = 5-3 = 2"}, "5", "2", nullptr},
        {{"1", "1", "-3", "2", "1", "-4"}, {"由①得 y = -3-x ③", "把x = -1代入③，得 y = -3-(-1) = -2"}, "-1", "-2", nullptr},
    };
    for (const auto& c : cases) {
        const auto& r = c.rows;
        const WorkedSolution s = Linear2Solution(r[0], r[1], r[2], r[3], r[4], r[5]);
        SCOPED_TRACE(Joined(s.lines));
        for (const auto& line : c.lines) EXPECT_TRUE(Has(s, line)) << line;
        if (c.ending) {
            ASSERT_TRUE(s.message);
            EXPECT_EQ(s.message->text, c.ending);
            EXPECT_EQ(s.lines.back(), c.ending);
            continue;
        }
        EXPECT_FALSE(s.message);
        ASSERT_GE(s.lines.size(), 3u);
        EXPECT_EQ(s.lines[s.lines.size() - 3], "所以方程组的解是");
        EXPECT_EQ(s.lines[s.lines.size() - 2], "x = " + c.x);
        EXPECT_EQ(s.lines.back(), "y = " + c.y);
    }
    const WorkedSolution empty = Linear2Solution("", "1", "1", "1", "1", "1");
    ASSERT_TRUE(empty.message);
    EXPECT_EQ(empty.message->text, "请不要使输入框为空");
    EXPECT_TRUE(empty.lines.empty());
}

TEST(LinearSteps, ThreeUnknowns) {
    const WorkedSolution s = Linear3Solution("1", "1", "1", "6", "0", "2", "5", "-4", "2", "5", "-1", "27");
    SCOPED_TRACE(Joined(s.lines));
    for (const char* line : {"方程②中不含x", "①×2，得 2x+2y+2z = 12 ④", "④-③，得 -3y+3z = -15 ⑤",
                             "②×3，得 6y+15z = -12 ⑥", "⑤×2，得 -6y+6z = -30 ⑦", "⑥+⑦，得 21z = -42", "解得 z = -2",
                             "把z = -2代入②，得 2y+5×(-2) = -4", "解得 y = 3", "把y = 3，z = -2代入①，得 x+3+(-2) = 6",
                             "解得 x = 5"})
        EXPECT_TRUE(Has(s, line)) << line;
    const std::vector<std::string> last = {"x = 5", "y = 3", "z = -2"};
    EXPECT_TRUE(std::equal(last.rbegin(), last.rend(), s.lines.rbegin()));

    const WorkedSolution a1zero = Linear3Solution("0", "1", "1", "5", "1", "0", "1", "4", "1", "1", "0", "3");
    EXPECT_FALSE(a1zero.message);
    EXPECT_EQ(a1zero.lines.back(), "z = 3");
    const WorkedSolution dependent = Linear3Solution("1", "2", "3", "1", "2", "4", "6", "2", "1", "1", "1", "1");
    ASSERT_TRUE(dependent.message);
    EXPECT_EQ(dependent.message->text, "此方程组不止一组解");
    const WorkedSolution none = Linear3Solution("1", "2", "3", "1", "2", "4", "6", "3", "1", "1", "1", "1");
    ASSERT_TRUE(none.message);
    EXPECT_EQ(none.message->text, "此方程组无解！");
}

TEST(LinearSteps, SweepEndsWithTheExactSolution) {
    Sequence seq;
    for (int i = 0; i < 300; ++i) {
        std::vector<std::string> t;
        for (int j = 0; j < 12; ++j) t.push_back(seq.Coefficient());
        // Some rows made dependent, so that every ending comes up.
        if (i % 5 == 0)
            for (int j = 0; j < 4; ++j) t[static_cast<std::size_t>(4 + j)] = t[static_cast<std::size_t>(j)];
        const WorkedSolution two = Linear2Solution(t[0], t[1], t[2], t[3], t[4], t[5]);
        const Outcome twoDecimal = SolveLinear2(t[0], t[1], t[2], t[3], t[4], t[5]);
        SCOPED_TRACE(Joined(two.lines));
        ASSERT_EQ(two.message.has_value(), twoDecimal.failed());
        if (two.message) {
            EXPECT_EQ(two.message->text, twoDecimal.message->text);
        } else {
            const auto forms = ExactLinear2(t[0], t[1], t[2], t[3], t[4], t[5]);
            EXPECT_EQ(two.lines[two.lines.size() - 2], "x = " + *forms->Field(kLinear2X));
            EXPECT_EQ(two.lines.back(), "y = " + *forms->Field(kLinear2Y));
        }
        const WorkedSolution three = Linear3Solution(t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9], t[10], t[11]);
        const Outcome threeDecimal = SolveLinear3(t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9], t[10], t[11]);
        SCOPED_TRACE(Joined(three.lines));
        ASSERT_EQ(three.message.has_value(), threeDecimal.failed());
        if (three.message) {
            EXPECT_EQ(three.message->text, threeDecimal.message->text);
        } else {
            const auto forms = ExactLinear3(t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9], t[10], t[11]);
            const std::size_t n = three.lines.size();
            EXPECT_EQ(three.lines[n - 3], "x = " + *forms->Field(kLinear3X));
            EXPECT_EQ(three.lines[n - 2], "y = " + *forms->Field(kLinear3Y));
            EXPECT_EQ(three.lines[n - 1], "z = " + *forms->Field(kLinear3Z));
        }
    }
}

TEST(TrigSteps, InductionFormulas) {
    const struct {
        TrigFunction f;
        const char* angle;
        const char* acute;
        std::vector<std::string> lines;
    } rows[] = {
        {TrigFunction::Sine, "150", "30",
         {"150°是第二象限角，正弦值为正", "sin 150° = sin(180°-30°) = sin 30°", "sin 30° = 1/2", "sin 150° = 1/2"}},
        {TrigFunction::Sine, "390", "30", {"sin 390° = sin(360°+30°) = sin 30°", "sin 30° = 1/2", "sin 390° = 1/2"}},
        {TrigFunction::Sine, "750", "30", {"sin 750° = sin(2×360°+30°) = sin 30°", "sin 750° = 1/2"}},
        {TrigFunction::Sine, "-30", "30", {"sin(-30°) = -sin 30°", "sin 30° = 1/2", "sin(-30°) = -1/2"}},
        {TrigFunction::Cosine, "-30", "30", {"cos(-30°) = cos 30°", "cos(-30°) = √3/2"}},
        {TrigFunction::Cosine, "210", "30",
         {"210°是第三象限角，余弦值为负", "cos 210° = cos(180°+30°) = -cos 30°", "cos 210° = -√3/2"}},
        {TrigFunction::Tangent, "300", "60", {"tan 300° = tan(360°-60°) = -tan 60°", "tan 60° = √3", "tan 300° = -√3"}},
        {TrigFunction::Sine, "100", "80",
         {"sin 100° = sin(180°-80°) = sin 80°", "sin 80° ≈ 0.984807753012208", "sin 100° ≈ 0.984807753012208"}},
        {TrigFunction::Sine, "190.5", "10.5",
         {"sin 190.5° = sin(180°+10.5°) = -sin 10.5°", "sin 10.5° ≈ 0.182235525492147", "sin 190.5° ≈ -0.182235525492147"}},
        {TrigFunction::Sine, "180", "180", {"sin 180° = 0"}},
        {TrigFunction::Cosine, "450", "90", {"cos 450° = cos(360°+90°) = cos 90°", "cos 90° = 0", "cos 450° = 0"}},
        {TrigFunction::Secant, "135", "45", {"sec 135° = sec(180°-45°) = -sec 45°", "sec 135° = -√2"}},
    };
    for (const auto& row : rows) {
        const WorkedSolution s = TrigSolution(row.f, row.angle, false);
        SCOPED_TRACE(Joined(s.lines));
        EXPECT_FALSE(s.message);
        for (const auto& line : row.lines) EXPECT_TRUE(Has(s, line)) << line;
        EXPECT_EQ(s.lines.back(), row.lines.back());
        const auto r = ReduceDegreeAngle(row.f, row.angle);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->acute, *exact::TypedValue(row.acute)) << row.angle;
    }
    const WorkedSolution refused = TrigSolution(TrigFunction::Tangent, "90", false);
    ASSERT_TRUE(refused.message);
    EXPECT_EQ(refused.message->text, "该角终边不可与纵坐标轴重合");
    EXPECT_TRUE(refused.lines.empty());
    const WorkedSolution radians = TrigSolution(TrigFunction::Sine, "1", true);
    EXPECT_EQ(radians.lines, std::vector<std::string>{"sin 1 ≈ 0.841470984807897"});
}

TEST(TrigSteps, SweepEndsWithTheExactValueOrTheDecimal) {
    for (long a = -400; a <= 400; a += 3) {
        for (const TrigButton& button : kTrigButtons) {
            const std::string angle = std::to_string(a);
            const Outcome decimal = Trig(button.function, angle, false);
            const WorkedSolution s = TrigSolution(button.function, angle, false);
            SCOPED_TRACE(Joined(s.lines));
            ASSERT_EQ(s.message.has_value(), decimal.failed());
            if (s.message) continue;
            const auto exact = ExactTrig(button.function, angle, false);
            EXPECT_EQ(Answer(s.lines.back()), exact ? *exact->Field(kTrigResult) : *decimal.Field(kTrigResult));
        }
    }
}

// Typed digits beyond a double's: where the solver refuses a system or an
// equation that the digits solve, the worked solution gives its message.
TEST(Steps, FollowTheSolversRefusalsBeyondADoublesDigits) {
    // 1.00000000000000000001 reads as the double 1: no solution for the
    // solver, one solution for the digits.
    const WorkedSolution two = Linear2Solution("1", "1", "1", "1", "1.00000000000000000001", "2");
    ASSERT_TRUE(two.message);
    EXPECT_EQ(two.message->text, "此方程组无解！");
    EXPECT_TRUE(two.lines.empty());
    // b reads as 2 and c as 1.0000000000000002: Δ < 0 for the solver, above 0 for the digits.
    const WorkedSolution quadratic = QuadraticSolution("1", "2.0000000000000002", "1.00000000000000015");
    ASSERT_TRUE(quadratic.message);
    EXPECT_EQ(quadratic.message->text, "此方程无解！");
    EXPECT_TRUE(quadratic.lines.empty());
}
