// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Table-driven cases of the equation solvers, the trigonometric calculator
// and the multiplication formulas: the documented examples, the boundaries
// of the refusals, and the faults of the linear solvers that are mended
// (systems without solutions, a1 = 0 or Q = 0, half-written results).
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "DegreeAngle.h"
#include "FullWidth.h"
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
        {"1", "1e200", "1", roots("-1E-200", "-1E+200")},  // b·b overflowed ("数据过大")
        {"1e300", "1", "-1e300", roots("1", "-1")},  // 4·a·c overflowed
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

// The six functions at the angles a pupil checks first, in both units: the
// axes give exact values, the special angles their values to 15 digits,
// whatever the sign and the whole turns of the angle. "V" and "H" stand for
// the refusals on the vertical and the horizontal axis.
TEST(Trig, SixFunctionsAtTheAnglesPupilsCheck) {
    using enum TrigFunction;
    struct Row {
        bool radians;
        const char* angle;
        std::array<const char*, 6> results;  // sin cos tan cot sec csc
    };
    const char* const r3 = "1.73205080756888";    // tan 60°
    const char* const r3i = "0.577350269189626";  // tan 30°
    const char* const h3 = "0.866025403784439";   // sin 60°
    const char* const r2 = "1.4142135623731";     // sec 45°
    const char* const h2 = "0.707106781186548";   // sin 45°
    const char* const s3 = "1.15470053837925";    // sec 30°
    const Row rows[] = {
        {false, "0", {"0", "1", "0", "H", "1", "H"}},
        {false, "30", {"0.5", h3, r3i, r3, s3, "2"}},
        {false, "45", {h2, h2, "1", "1", r2, r2}},
        {false, "60", {h3, "0.5", r3, r3i, "2", s3}},
        {false, "90", {"1", "0", "V", "0", "V", "1"}},
        {false, "120", {h3, "-0.5", "-1.73205080756888", "-0.577350269189626", "-2", s3}},
        {false, "135", {h2, "-0.707106781186548", "-1", "-1", "-1.4142135623731", r2}},
        {false, "180", {"0", "-1", "0", "H", "-1", "H"}},
        {false, "270", {"-1", "0", "V", "0", "V", "-1"}},
        {false, "1", {"0.0174524064372835", "0.999847695156391", "0.0174550649282176", "57.2899616307594",
                      "1.00015232804391", "57.2986884985502"}},
        // Near the vertical axis the typed digits count: 90.6 is 0.6 past it.
        {false, "90.6", {"0.999945169365512", "-0.0104717841162458", "-95.4894751711134", "-0.0104723583222972",
                         "-95.4947112067191", "1.00005483364105"}},
        // Radians: the typed value itself, the digits of pi/6, pi/4, pi and
        // pi/2 to 15 digits included.
        {true, "0", {"0", "1", "0", "H", "1", "H"}},
        {true, "1", {"0.841470984807897", "0.54030230586814", "1.5574077246549", "0.642092615934331",
                     "1.85081571768093", "1.18839510577812"}},
        {true, "0.523598775598299", {"0.5", h3, r3i, r3, s3, "2"}},
        {true, "0.785398163397448", {"0.707106781186547", h2, "0.999999999999999", "1", "1.41421356237309", r2}},
        {true, "3.14159265358979", {"3.23108914886517E-15", "-1", "-3.23108914886517E-15", "H", "-1", "H"}},
        {true, "1.5707963267949", {"1", "-3.49148133884313E-15", "V", "-3.49148133884313E-15", "V", "1"}},
    };
    const TrigFunction functions[] = {Sine, Cosine, Tangent, Cotangent, Secant, Cosecant};
    auto expect = [](const char* text) {
        if (std::string_view(text) == "V") return Refused(kOnVerticalAxis);
        if (std::string_view(text) == "H") return Refused(kOnHorizontalAxis);
        return Fields({{kTrigResult, text}});
    };
    auto negated = [](std::string text) {
        if (text == "0" || text == "V" || text == "H") return text;
        return text[0] == '-' ? text.substr(1) : "-" + text;
    };
    for (const Row& row : rows) {
        const std::string angle = row.angle;
        // The angle and its negative, and (degrees) with whole turns more.
        std::vector<std::pair<std::string, bool>> angles = {{angle, false}, {"-" + angle, true}};
        if (!row.radians) {
            const std::size_t point = angle.find('.');
            const long long whole = std::stoll(angle.substr(0, point));
            const std::string fraction = point == std::string::npos ? "" : angle.substr(point);
            for (long long turns : {1LL, 2LL, 10000000LL, 27777777777777LL}) {
                angles.emplace_back(std::to_string(whole + 360 * turns) + fraction, false);
                angles.emplace_back("-" + std::to_string(whole + 360 * turns) + fraction, true);
            }
        }
        for (const auto& [typed, negative] : angles)
            for (std::size_t i = 0; i < 6; ++i) {
                // sin, tan, cot and csc are odd; cos and sec even.
                const bool odd = i != 1 && i != 4;
                const std::string want = negative && odd ? negated(row.results[i]) : row.results[i];
                Check(Trig(functions[i], typed, row.radians), expect(want.c_str()),
                      typed + (row.radians ? " rad f" : " deg f") + std::to_string(i));
            }
    }
}

// The reduction on the typed digits: quarter turns, the fold above 45, the
// exponent and the full-width forms.
TEST(Trig, DegreesReduceOnTheTypedDigits) {
    const std::pair<const char*, DegreeAngle> cases[] = {
        {"90.6", {false, 1, 0.6L, false}},        {"89.4", {false, 0, 0.6L, true}},
        {"45.5", {false, 0, 44.5L, true}},        {"45", {false, 0, 45, false}},
        {"-630.25", {true, 3, 0.25L, false}},     {"1.5e2", {false, 1, 30, true}},
        {"0.0000012e6", {false, 0, 1.2L, false}}, {"1e16", {false, 3, 10, false}},
        {"3000000000.75", {false, 1, 30.75L, false}}, {"359.999", {false, 3, 0.001L, true}},
        {"－１２０．２５", {true, 1, 30.25L, false}}, {"12abc", {false, 0, 12, false}},
        {"abc", {}},                              {"-0", {true, 0, 0, false}},
    };
    for (const auto& [typed, want] : cases) {
        const DegreeAngle got = ReduceDegrees(FromFullWidth(typed));  // as the window hands it over
        EXPECT_EQ(got, want) << typed << ": " << got.negative << " " << got.quadrant << " "
                             << static_cast<double>(got.octant) << " " << got.folded;
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
        {Tangent, false, "90.6", is("-95.4894751711134")},
        {Secant, false, "89.4", is("95.4947112067191")},
        {Sine, false, "abc", is("0")},
        {Sine, false, " 3 0 ", is("0.5")},
        // The typed digits decide, also beyond what a double holds:
        // 10^19 + 90 is 10 degrees past a whole turn.
        {Tangent, false, "10000000000000000090", is("0.176326980708465")},
        {Sine, false, "1e-300", is("1.74532925199433E-302")},
        // Near an axis but typed as such to fewer digits: computed.
        {Tangent, true, "1.57", is("1255.76559150079")},
        {Cotangent, true, "3.14", is("-627.882397586913")},
        {Cosecant, true, "3.14159265358", is("102111901627.987")},
        {Cotangent, true, "1e-12", is("1000000000000")},
        {Sine, false, "1e400", Refused(kTooLarge)},
        {Cosine, false, "", Refused(kEmptyInput)},
        {Tangent, true, "", Refused(kEmptyInput)},
    };
    for (const auto& c : cases)
        Check(Trig(c.f, c.angle, c.radians), c.expect,
              std::string(c.angle) + (c.radians ? " rad f" : " deg f") + std::to_string(int(c.f)));
}

// A degree angle is reduced by whole turns, exactly, before anything else:
// sin 1E+16° was -0.999998177012593; it is sin 280°, -0.984807753012208, and
// the refusals test the same reduced angle.
TEST(Trig, HugeDegreeAnglesAreReducedExactly) {
    using enum TrigFunction;
    auto is = [](const char* text) { return Fields({{kTrigResult, text}}); };
    Check(Trig(Sine, "10000000000000000", false), is("-0.984807753012208"), "sin 1E+16");
    Check(Trig(Sine, "280", false), is("-0.984807753012208"), "sin 280");
    Check(Trig(Tangent, "3000000000", false), is("-1.73205080756888"), "tan 3000000000");
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
