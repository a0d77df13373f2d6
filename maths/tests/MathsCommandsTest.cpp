// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Table-driven cases of the equation solvers, the trigonometric calculator
// and the multiplication formulas: the documented examples, the boundaries
// of the refusals, and the faults of the linear solvers that are mended
// (systems without solutions, a1 = 0 or Q = 0, half-written results).
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "EquationSolvers.h"
#include "MultiplicationFormulas.h"
#include "Trigonometry.h"

using namespace numora;
using namespace numora::maths;

namespace {

// Expected outcome: every field written (final texts), or a message and no field.
struct Expect {
    std::map<std::string, std::string> fields;
    std::string message = {};
};

Expect Fields(std::map<std::string, std::string> fields) { return {std::move(fields), {}}; }
Expect Refused(const char* message) { return {{}, message}; }

void Check(const Outcome& actual, const Expect& expected, const std::string& what) {
    SCOPED_TRACE(what);
    std::map<std::string, std::string> written;
    for (const auto& [name, text] : actual.writes) written[name] = text;
    EXPECT_EQ(written, expected.fields);
    EXPECT_EQ(actual.writes.size(), written.size()) << "a field written twice";
    EXPECT_EQ(actual.message ? actual.message->text : "", expected.message);
    if (actual.message) {
        EXPECT_EQ(actual.message->title, "Numora错误报告");
        EXPECT_EQ(actual.message->icon, MessageIcon::Exclamation);
    }
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string s;
    for (const auto& t : texts) s += "[" + t + "]";
    return s;
}

}  // namespace

TEST(Quadratic, ExamplesAndRefusals) {
    struct Case {
        const char *a, *b, *c;
        Expect expect;
    };
    auto roots = [](const char* x1, const char* x2) { return Fields({{kQuadraticX1, x1}, {kQuadraticX2, x2}}); };
    const Case cases[] = {
        {"1", "-3", "2", roots("2", "1")},
        {"1", "2", "1", roots("-1", "-1")},
        {"1", "0", "-2", roots("1.4142135623731", "-1.4142135623731")},
        {"1", "-1.5", "0.5", roots("1", "0.5")},
        {"-1", "0", "0", roots("0", "0")},  // (-0 + 0) / -2 is -0
        {"1", "0", "1", Refused(kNoRealRoot)},
        {"0", "2", "1", Refused(kZeroQuadraticCoefficient)},
        {"", "", "", Refused(kZeroQuadraticCoefficient)},  // empty boxes count as 0
        {"abc", "1", "1", Refused(kZeroQuadraticCoefficient)},
        {"4", "1", "1", Refused(kNoRealRoot)},
        // Beyond the double range.
        {"1e400", "0", "0", Refused(kTooLarge)},
        {"1", "1e200", "1", Refused(kTooLarge)},   // b·b overflows
        {"1e300", "1", "-1e300", Refused(kTooLarge)},  // 4·a·c overflows
        {"0", "1e200", "1", Refused(kZeroQuadraticCoefficient)},
        {"1e-310", "1", "0", Refused(kTooLarge)},  // x2 = -1/1e-310
        {"1e-300", "1", "0", roots("0", "-1E+300")},
    };
    for (const auto& c : cases) Check(SolveQuadratic(c.a, c.b, c.c), c.expect, Joined({c.a, c.b, c.c}));
}

// The root that (−b ± √D) / (2·a) loses to cancellation is right to its
// last shown digit, and x1 / x2 keep their order for either sign of a and b.
TEST(Quadratic, SmallRootsAreExact) {
    struct Case {
        const char *a, *b, *c, *x1, *x2;
    };
    const Case cases[] = {
        {"1", "1e8", "1", "-1E-08", "-100000000"},                // was -7.45058059692383E-09
        {"1", "-1e6", "1", "999999.999999", "1.000000000001E-06"},  // was 1.00000761449337E-06
        {"1e-300", "1", "1", "-1", "-1E+300"},                    // x1 was 0
        {"-1", "-1e8", "-1", "-100000000", "-1E-08"},              // a < 0: x1 is the smaller root
        {"-1", "3", "-2", "1", "2"},
        {"1", "0", "-4", "2", "-2"},
        {"2", "0", "0", "0", "0"},
        {"1", "-2", "0", "2", "0"},
        {"1", "2", "0", "0", "-2"},
    };
    for (const auto& c : cases)
        Check(SolveQuadratic(c.a, c.b, c.c), Fields({{kQuadraticX1, c.x1}, {kQuadraticX2, c.x2}}),
              Joined({c.a, c.b, c.c}));

    // x² − (10^k + 10^-k)·x + 1 = 0 has the roots 10^k and 10^-k.
    for (int k = 1; k <= 7; ++k) {
        const std::string big = "1" + std::string(static_cast<std::size_t>(k), '0');
        const std::string small = "1E-" + std::string(k < 10 ? "0" : "") + std::to_string(k);
        const std::string sum = big + "." + std::string(static_cast<std::size_t>(k - 1), '0') + "1";
        const std::string smallShown = k < 5 ? "0." + std::string(static_cast<std::size_t>(k - 1), '0') + "1" : small;
        Check(SolveQuadratic("1", "-" + sum, "1"), Fields({{kQuadraticX1, big}, {kQuadraticX2, smallShown}}),
              "k=" + std::to_string(k));
        Check(SolveQuadratic("1", sum, "1"), Fields({{kQuadraticX1, "-" + smallShown}, {kQuadraticX2, "-" + big}}),
              "-k=" + std::to_string(k));
    }
}

TEST(Linear2, ExamplesMendedFaultsAndBoundaries) {
    struct Case {
        std::vector<std::string> boxes;
        Expect expect;
    };
    auto xy = [](const char* x, const char* y) { return Fields({{kLinear2X, x}, {kLinear2Y, y}}); };
    const Case cases[] = {
        {{"1", "1", "3", "1", "-1", "1"}, xy("2", "1")},
        {{"1", "1", "2", "2", "2", "4"}, Refused(kInfinitelyManySolutions)},
        {{"1", "1", "2", "1", "1", "3"}, Refused(kNoSolution)},
        {{"0", "0", "0", "0", "0", "0"}, Refused(kInfinitelyManySolutions)},
        {{"0", "0", "1", "0", "0", "0"}, Refused(kNoSolution)},
        {{"0", "1", "2", "1", "0", "3"}, xy("3", "2")},  // a1 = 0
        {{"2", "0", "1", "0", "4", "1"}, xy("0.5", "0.25")},
        {{"3", "0", "1", "0", "1", "0"}, xy("0.333333333333333", "0")},
        // Decimals are classified as typed, not as their nearest doubles
        // (0.1·0.6 − 0.3·0.2 is not 0 in double arithmetic).
        {{"0.1", "0.2", "0.3", "0.3", "0.6", "0.9"}, Refused(kInfinitelyManySolutions)},
        {{"0.1", "0.2", "0.3", "0.3", "0.6", "0.8"}, Refused(kNoSolution)},
        // The determinant cancels to 0 in double (1E+22 − 1 rounds to 1E+22).
        {{"100000000001", "100000000000", "200000000001", "100000000000", "99999999999", "199999999999"},
         xy("1", "1")},
        // The products of Cramer's rule overflow; the solution does not.
        {{"1e200", "0", "1e200", "0", "1e200", "2e200"}, xy("1", "2")},
        {{"1e-300", "0", "1e300", "0", "1", "1"}, Refused(kTooLarge)},
        {{"1e400", "1", "1", "1", "-1", "1"}, Refused(kTooLarge)},
        {{"1.5abc", "x", "3", "0", "2", "4"}, xy("2", "2")},  // leading-number values
    };
    for (const auto& c : cases) {
        const auto& b = c.boxes;
        Check(SolveLinear2(b[0], b[1], b[2], b[3], b[4], b[5]), c.expect, Joined(b));
    }
    // An empty box anywhere is refused before any computation.
    for (int empty = 0; empty < 6; ++empty) {
        std::vector<std::string> b = {"1", "1", "2", "2", "2", "4"};
        b[static_cast<std::size_t>(empty)] = "";
        Check(SolveLinear2(b[0], b[1], b[2], b[3], b[4], b[5]), Refused(kEmptyInput), Joined(b));
    }
}

TEST(Linear3, ExamplesMendedFaultsAndBoundaries) {
    struct Case {
        std::vector<std::string> boxes;
        Expect expect;
    };
    auto xyz = [](const char* x, const char* y, const char* z) {
        return Fields({{kLinear3X, x}, {kLinear3Y, y}, {kLinear3Z, z}});
    };
    const Case cases[] = {
        {{"1", "1", "1", "6", "0", "2", "5", "-4", "2", "5", "-1", "27"}, xyz("5", "3", "-2")},
        // a1 = 0 and Q = a2·b1 − a1·b2 = 0 stopped the first-row pivot; both have one solution.
        {{"0", "1", "1", "5", "1", "0", "1", "4", "1", "1", "0", "3"}, xyz("1", "2", "3")},
        {{"1", "1", "1", "6", "2", "2", "1", "7", "1", "0", "0", "1"}, xyz("1", "0", "5")},
        {{"", "1", "1", "5", "1", "", "1", "4", "1", "1", "", "3"}, xyz("1", "2", "3")},  // empty is 0
        {{"1", "0", "0", "1", "0", "3", "0", "1", "0", "0", "1", "0"}, xyz("1", "0.333333333333333", "0")},
        {{"0", "0", "2", "-1", "0", "4", "0", "1", "8", "0", "0", "-2"}, xyz("-0.25", "0.25", "-0.5")},
        {{"1", "1", "1", "1", "1", "1", "1", "2", "0", "0", "1", "0"}, Refused(kNoSolution)},
        {{"1", "1", "1", "1", "2", "2", "2", "2", "0", "1", "0", "0"}, Refused(kInfinitelyManySolutions)},
        {{"", "", "", "", "", "", "", "", "", "", "", ""}, Refused(kInfinitelyManySolutions)},
        {{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "7"}, Refused(kNoSolution)},
        // Coefficients beyond exact decimal arithmetic: elimination in double.
        {{"1e20", "0", "0", "1e20", "0", "1e20", "0", "2e20", "0", "0", "1e20", "3e20"}, xyz("1", "2", "3")},
        // Rows 1 and 2 are proportional only up to the rounding of 15-digit decimals.
        {{"0.123456789012345", "1", "0", "1", "0.370370367037035", "3", "0", "3", "0", "0", "1", "1"},
         Refused(kInfinitelyManySolutions)},
        {{"0.123456789012345", "1", "0", "1", "0.370370367037035", "3", "0", "4", "0", "0", "1", "1"},
         Refused(kNoSolution)},
        // Nearly singular, still one solution (determinant 1E-10 of the products' size).
        {{"1E13", "1E13", "0", "2E13", "1E13", "1.0000000001E13", "0", "2.0000000001E13", "0", "0", "1", "1"},
         xyz("1", "1", "1")},
        // A tiny first pivot: elimination must pick the larger one.
        {{"1e-20", "1", "0", "1", "1", "1", "0", "2", "0", "0", "1", "1"}, xyz("1", "1", "1")},
        {{"1e-300", "0", "0", "1e300", "0", "1", "0", "1", "0", "0", "1", "1"}, Refused(kTooLarge)},
        {{"1e400", "0", "0", "1", "0", "1", "0", "1", "0", "0", "1", "1"}, Refused(kTooLarge)},
    };
    for (const auto& c : cases) {
        const auto& b = c.boxes;
        Check(SolveLinear3(b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11]), c.expect,
              Joined(b));
    }
}

TEST(Trig, Results) {
    using enum TrigFunction;
    struct Case {
        TrigFunction f;
        bool radians;
        const char* angle;
        Expect expect;
    };
    auto is = [](const char* text) { return Fields({{kTrigResult, text}}); };
    const Case cases[] = {
        {Sine, false, "30", is("0.5")},
        {Cosine, false, "60", is("0.500000000000001")},
        {Tangent, false, "45", is("0.999999999999998")},
        {Cosine, false, "90", is("1.61554457443259E-15")},
        {Secant, false, "60", is("2")},
        {Cosecant, false, "30", is("2")},
        {Cotangent, false, "45", is("1")},
        {Cotangent, false, "1", is("57.2899616307595")},
        {Tangent, false, "90.6", is("-95.489475171128")},
        {Sine, false, "-30", is("-0.5")},
        {Sine, false, "abc", is("0")},
        {Tangent, false, "180", is("-3.23108914886517E-15")},
        {Secant, false, "89.4", is("95.4947112067062")},
        {Cotangent, false, "90", is("1.61554457443259E-15")},
        {Cosecant, false, "90", is("1")},
        {Sine, true, "1", is("0.841470984807897")},
        {Tangent, true, "1", is("1.5574077246549")},
        {Cosine, true, "1.5707963267949", is("-3.49148133884313E-15")},  // never refused
        {Sine, true, "3.14159265358979", is("3.23108914886517E-15")},
        // Near an axis but typed as such to fewer digits: computed.
        {Tangent, true, "1.57", is("1255.76559150079")},
        {Cotangent, true, "3.14", is("-627.882397586913")},
        {Cosecant, true, "3.14159265358", is("102111901627.987")},
        {Cotangent, true, "1.5707963267949", is("-3.49148133884313E-15")},
        {Cotangent, true, "1e-12", is("1000000000000")},
        {Sine, false, "1e400", Refused(kTooLarge)},
        {Cosine, false, "", Refused(kEmptyInput)},
        {Tangent, true, "", Refused(kEmptyInput)},
    };
    for (const auto& c : cases)
        Check(Trig(c.f, c.angle, c.radians), c.expect,
              std::string(c.angle) + (c.radians ? " rad f" : " deg f") + std::to_string(int(c.f)));
}

// A degree angle is reduced by whole turns, exactly, before it is turned
// into radians: sin 1E+16° was -0.999998177012593; it is sin 280°, which the
// suite's pi (3.14159265358979) shows as -0.984807753012209 (the true value
// is -0.98480775301220806), and the refusals test the same reduced angle.
TEST(Trig, HugeDegreeAnglesAreReducedExactly) {
    using enum TrigFunction;
    auto is = [](const char* text) { return Fields({{kTrigResult, text}}); };
    Check(Trig(Sine, "10000000000000000", false), is("-0.984807753012209"), "sin 1E+16");
    Check(Trig(Sine, "280", false), is("-0.984807753012209"), "sin 280");
    Check(Trig(Tangent, "3000000000", false), is("-1.73205080756889"), "tan 3000000000");
    // Each pair: a huge angle and the angle it is a whole number of turns from.
    const std::pair<const char*, const char*> same[] = {
        {"10000000000000000", "280"}, {"-10000000000000000", "-280"}, {"3000000000", "120"},
        {"3000000000.25", "120.25"},  {"1e22", "280"},                 {"360", "0"},
        {"-720.5", "-0.5"},           {"395824185999450", "90"},        {"10000000000000170", "90"},
    };
    for (const auto& [huge, reduced] : same)
        for (TrigFunction f : {Sine, Cosine, Tangent, Cotangent, Secant, Cosecant}) {
            const Outcome a = Trig(f, huge, false), b = Trig(f, reduced, false);
            SCOPED_TRACE(std::string(huge) + " f" + std::to_string(int(f)));
            EXPECT_EQ(a.Field(kTrigResult), b.Field(kTrigResult));
            EXPECT_EQ(a.message ? a.message->text : "", b.message ? b.message->text : "");
        }
}

TEST(Trig, AnglesOnAnAxis) {
    using enum TrigFunction;
    struct Case {
        std::vector<TrigFunction> functions;
        bool radians;
        std::vector<const char*> refused;  // with the functions' message
        std::vector<const char*> computed;
    };
    const Case cases[] = {
        // Degrees, tangent and secant: |θ − (90 + 180k)| <= 0.5, halves included,
        // beyond the 32-bit range too.
        {{Tangent, Secant}, false,
         {"90", "270", "-90", "450", "90.5", "89.5", "-90.5", "269.5", "-269.6", "3600000090", "-3600000090.4",
          "395824185999450"},
         {"0", "180", "90.6", "89.4", "-90.51", "3600000090.6"}},
        // Degrees, cotangent and cosecant: |θ − 180k| <= 0.5; no leading number is the angle 0.
        {{Cotangent, Cosecant}, false,
         {"0", "180", "-180", "0.4", "-0.5", "179.5", "360.5", "abc", "3600000000", "3600000000.5",
          "395824185999360"},
         {"90", "0.6", "1", "-179.4", "3600000000.6"}},
        // Radians: a typed 15-digit (or longer) angle on the axis, the true pi included.
        {{Tangent, Secant}, true,
         {"1.5707963267949", "1.570796326794895", "1.5707963267948966", "4.71238898038469", "-1.5707963267949",
          "7.85398163397448", "1e14"},
         {"0", "1.57", "1.5707963267", "3.14159265358979", "-4.7123889803"}},
        {{Cotangent, Cosecant}, true,
         {"0", "abc", "3.14159265358979", "-3.14159265358979", "6.28318530717958", "3.141592653589793",
          "3.1415926535898", "314.159265358979", "1e-15"},
         {"3.14", "3.14159265358", "1.5707963267949", "1e-12", "-6.2831853"}},
    };
    for (const auto& c : cases) {
        for (TrigFunction f : c.functions) {
            const bool vertical = f == Tangent || f == Secant;
            const std::string what = (c.radians ? " rad f" : " deg f") + std::to_string(int(f));
            for (const char* angle : c.refused)
                Check(Trig(f, angle, c.radians), Refused(vertical ? kOnVerticalAxis : kOnHorizontalAxis),
                      angle + what);
            for (const char* angle : c.computed) {
                SCOPED_TRACE(angle + what);
                const Outcome out = Trig(f, angle, c.radians);
                EXPECT_FALSE(out.failed());
                EXPECT_TRUE(out.Field(kTrigResult).has_value());
            }
        }
        // Sine and cosine refuse nothing.
        for (const char* angle : c.refused)
            for (TrigFunction f : {Sine, Cosine}) EXPECT_FALSE(Trig(f, angle, c.radians).failed()) << angle;
    }
}

TEST(MultiplicationFormula, EveryButton) {
    struct Case {
        int which;
        const char *a, *b;
        Expect expect;
    };
    auto is = [](const char* text) { return Fields({{kFormulaResult, text}}); };
    const Case cases[] = {
        {1, "3", "2", is("5")},
        {2, "3", "2", is("25")},
        {3, "3", "2", is("1")},
        {4, "3", "2", is("35")},
        {5, "3", "2", is("19")},
        {1, "0.5", "0", is("0.25")},
        {4, "-2", "1", is("-7")},
        {5, "-2", "1", is("-9")},
        {3, "-0.5", "0", is("0.25")},
        {2, "abc", "-1.5", is("2.25")},
        {1, "", "2", Refused(kEmptyInput)},
        {5, "3", "", Refused(kEmptyInput)},
        {1, "1e200", "0", Refused(kTooLarge)},
        {1, "1e200", "1e200", Refused(kTooLarge)},  // infinity minus infinity
        {3, "1e200", "1e200", is("0")},             // the square of the difference, never expanded
        {4, "-1e103", "1e103", Refused(kTooLarge)},
        {2, "1e400", "-1", Refused(kTooLarge)},
        {0, "3", "2", Fields({})},
        {6, "", "", Fields({})},
    };
    for (const auto& c : cases)
        Check(MultiplicationFormula(c.which, c.a, c.b), c.expect,
              std::to_string(c.which) + Joined({c.a, c.b}));
}
