// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "CommonOps.h"
#include "FullWidth.h"

using namespace numora;
using namespace numora::standard;

namespace {

// Expected outcome: the fields written (final texts) and the message, if any.
struct Expect {
    std::map<std::string, std::string> fields;
    std::string message = {};  // empty: none
};

void Check(const Outcome& actual, const Expect& expected, const std::string& what) {
    SCOPED_TRACE(what);
    std::map<std::string, std::string> written;
    for (const auto& [name, text] : actual.writes) written[name] = text;
    EXPECT_EQ(written, expected.fields);
    EXPECT_EQ(actual.message ? actual.message->text : "", expected.message);
    if (actual.message) {
        EXPECT_EQ(actual.message->title, "Numora错误报告");
        EXPECT_EQ(actual.message->icon, MessageIcon::Exclamation);
    }
}

struct BinaryCase {
    const char* a;
    const char* b;
    Expect expect;
};

void RunAll(const char* name, std::function<Outcome(std::string_view, std::string_view)> command,
            std::initializer_list<BinaryCase> cases) {
    // The operands as the window hands them over: full-width forms as ASCII.
    for (const auto& c : cases)
        Check(command(FromFullWidth(c.a), FromFullWidth(c.b)), c.expect, std::string(name) + "(" + c.a + ", " + c.b + ")");
}

}  // namespace

TEST(CommonOps, SumDifferenceProduct) {
    RunAll("sum", CommonSum, {
        {"0.1", "0.2", {{{kAddResult, "0.3"}}}},
        {"０．１", "．２", {{{kAddResult, "0.3"}}}},
        {"9999999999999999", "1", {{{kAddResult, "1E+16"}}}},
        {"12abc", "x", {{{kAddResult, "12"}}}},
        {"-0.25", "0", {{{kAddResult, "-0.25"}}}},
        {"", "1", {{}, kEmptyInput}},
        {"1", "", {{}, kEmptyInput}},
        {"9E307", "9E307", {{}, kTooLarge}},
        {"1e400", "-1e400", {{}, kTooLarge}},  // each operand is beyond the range
    });
    RunAll("difference", CommonDifference, {
        {"5", "7", {{{kSubtractResult, "-2"}}}},
        {"0.5", "1", {{{kSubtractResult, "-0.5"}}}},
        {"-9E307", "9E307", {{}, kTooLarge}},
        {"", "", {{}, kEmptyInput}},
    });
    RunAll("product", CommonProduct, {
        {"1.5", "4", {{{kMultiplyResult, "6"}}}},
        {"1e200", "1e200", {{}, kTooLarge}},
        {"0.001", "0.01", {{{kMultiplyResult, "1E-05"}}}},
    });
}

TEST(CommonOps, QuotientWithIntegerQuotientAndRemainder) {
    auto q = [](const char* q5, const char* q3, const char* q4) {
        return Expect{{{kQuotient, q5}, {kIntegerQuotient, q3}, {kRemainder, q4}}};
    };
    RunAll("quotient", CommonQuotient, {
        {"7", "2", q("3.5", "3", "1")},
        {"7.5", "2", q("3.75", "4", "0")},  // 7.5 rounds to 8
        {"-7", "2", q("-3.5", "-3", "-1")},
        {"1", "3", q("0.333333333333333", "0", "1")},
        {"12", "5", q("2.4", "2", "2")},
        {"2.5", "1", q("2.5", "2", "0")},  // halves go to the even neighbour
        {"0", "0", {{}, "0不能作除数"}},
        {"１", "０", {{}, "0不能作除数"}},  // full-width digits, as typed in full-width mode
        {"－７", "２", q("-3.5", "-3", "-1")},
        {"", "1", {{}, kEmptyInput}},
        {"1", "0.4", {{}, kUnknownError}},  // rounds to 0
        {"1", "00", {{}, kUnknownError}},
        {"1", "abc", {{}, kUnknownError}},
        {"2147483648", "1", {{}, kUnknownError}},
        {"-2147483648", "-1", {{}, kUnknownError}},
        {"2147483647", "-1", q("-2147483647", "-2147483647", "0")},
    });
}

TEST(CommonOps, Power) {
    RunAll("power", CommonPower, {
        {"2", "10", {{{kPowerResult, "1024"}}}},
        {"0", "0", {{}, "0没有0次幂"}},
        {"０", "０", {{}, "0没有0次幂"}},
        {"00", "0", {{{kPowerResult, "1"}}}},
        {"2", "0.5", {{{kPowerResult, "1.4142135623731"}}}},
        {"2", "-1", {{{kPowerResult, "0.5"}}}},
        {"-8", "0.5", {{}, kUnknownError}},
        {"0", "-1", {{}, kUnknownError}},
        {"10", "400", {{}, kTooLarge}},
        {"", "2", {{}, kEmptyInput}},
    });
}

TEST(CommonOps, RootChecksInOrderAndRounds) {
    auto root = [](const char* r, const char* rounded) {
        return Expect{{{kRootResult, r}, {kRoundedRoot, rounded}}};
    };
    RunAll("root", CommonRoot, {
        {"27", "3", root("3", "3")},
        {"2", "2", root("1.4142135623731", "1")},
        {"16", "0.5", root("256", "256")},
        {"2.25", "2", root("1.5", "2")},    // a half rounds up
        {"0.25", "2", root("0.5", "1")},    // the rounding reads ".5"
        {"1e40", "2", root("1E+20", "1E+20")},
        {"", "2", {{}, kEmptyInput}},
        {"-4", "2", {{{kRadicand, "0"}}, "被开方数不能为负"}},
        {"-4", "0", {{{kRadicand, "0"}}, "被开方数不能为负"}},  // radicand first
        {"4", "0", {{{kRootIndex, "1"}}, "请不要使指数为0"}},
        {"4", "-", {{{kRootIndex, "1"}}, "指数中不要有负号"}},
        {"4", "－", {{{kRootIndex, "1"}}, "指数中不要有负号"}},
        {"２７", "３", root("3", "3")},
        {"4", "-2", {{{kRootIndex, "1"}}, "指数不能为负"}},
        {"abc", "2", {{}, kUnknownError}},
        {"4", "x", {{}, kUnknownError}},
        {"4", "0.0", {{}, kUnknownError}},
        {"1e300", "0.01", {{}, kTooLarge}},
    });
}

TEST(CommonOps, Logarithm) {
    RunAll("log", CommonLogarithm, {
        {"8", "2", {{{kLogResult, "3"}}}},
        {"100", "10", {{{kLogResult, "2"}}}},
        {"2", "4", {{{kLogResult, "0.5"}}}},
        {"8", "1", {{}, "底数不可为1"}},
        {"0", "2", {{}, "真数与底数必须为正"}},
        {"8", "-2", {{}, "真数与底数必须为正"}},
        {"abc", "2", {{}, "真数与底数必须为正"}},
        {"", "2", {{}, kEmptyInput}},
    });
}

TEST(CommonOps, FactorialWidensAsItGrows) {
    const struct { const char* n; Expect expect; } cases[] = {
        {"0", {{{kFactorialResult, "1"}}}},
        {"12", {{{kFactorialResult, "479001600"}}}},
        {"13", {{{kFactorialResult, "6227020800"}}}},
        {"17", {{{kFactorialResult, "355687428096000"}}}},
        {"18", {{{kFactorialResult, "6.402373705728E+15"}}}},
        {"170", {{{kFactorialResult, "7.25741561530799E+306"}}}},
        {"5.9", {{{kFactorialResult, "120"}}}},
        {"171", {{}, kTooLarge}},
        {"999", {{}, kTooLarge}},
        {"9e9", {{}, kTooLarge}},
        {"abc", {{}, kTooLarge}},
        {"-", {{{kFactorialInput, "0"}}, "该数不可为负"}},
        {"－", {{{kFactorialInput, "0"}}, "该数不可为负"}},
        {"１３", {{{kFactorialResult, "6227020800"}}}},
        {"-1", {{{kFactorialInput, "0"}}, "该数不可为负"}},
        {"", {{}, kEmptyInput}},
    };
    for (const auto& c : cases) Check(CommonFactorial(FromFullWidth(c.n)), c.expect, std::string("fact ") + c.n);
}

TEST(QuickOps, ChecksByValueAndCatchesEveryFailure) {
    const struct { QuickOp op; const char* a; const char* b; Expect expect; } cases[] = {
        {QuickOp::Sum, "1", "2", {{{kQuickResult, "3"}}}},
        {QuickOp::Difference, "1", "2.5", {{{kQuickResult, "-1.5"}}}},
        {QuickOp::Product, "1e200", "1e200", {{}, kUnknownError}},
        {QuickOp::Division, "1", "3", {{{kQuickResult, "0.333333333333333"}}}},
        {QuickOp::Division, "1", "0.0", {{}, "除数不能为0"}},
        {QuickOp::Division, "1", "letters", {{}, "除数不能为0"}},
        {QuickOp::Power, "00", "0.0", {{}, "0没有0次幂"}},
        {QuickOp::Power, "-8", "0.5", {{}, kUnknownError}},
        {QuickOp::Power, "10", "400", {{}, kUnknownError}},
        {QuickOp::Power, "2", "3", {{{kQuickResult, "8"}}}},
        {QuickOp::Root, "-8", "3", {{}, "被开方数不能为负"}},
        {QuickOp::Root, "8", "-3", {{}, "指数不能为负"}},
        {QuickOp::Root, "8", "0", {{}, "请不要使指数为0"}},
        {QuickOp::Root, "16", "0.5", {{{kQuickResult, "256"}}}},
        {QuickOp::Logarithm, "2", "8", {{{kQuickResult, "3"}}}},
        {QuickOp::Logarithm, "1", "8", {{}, "底数不可为1"}},
        {QuickOp::Logarithm, "2", "0", {{}, "真数与底数必须为正"}},
        {QuickOp::Sum, "", "1", {{}, kEmptyInput}},
    };
    for (const auto& c : cases)
        Check(QuickOperation(c.op, c.a, c.b), c.expect,
              "quick " + std::to_string(static_cast<int>(c.op)) + " " + c.a + " " + c.b);
}

// An operand beyond the double range is refused with "数据过大" by every
// command of both pages, whatever its sign: 2 to the power -1e309 and the
// logarithm of 8 to the base 1e309 were shown as 0.
TEST(CommonOps, OperandsBeyondTheRangeAreRefusedWhateverTheirSign) {
    const std::pair<const char*, std::function<Outcome(std::string_view, std::string_view)>> commands[] = {
        {"sum", CommonSum},         {"difference", CommonDifference}, {"product", CommonProduct},
        {"quotient", CommonQuotient}, {"power", CommonPower},         {"root", CommonRoot},
        {"log", CommonLogarithm},
    };
    const std::pair<const char*, const char*> operands[] = {
        {"1e309", "2"}, {"-1e309", "2"}, {"2", "1e309"}, {"2", "-1e309"}, {"8", "-1E+400"}, {"1e99999", "3"},
    };
    for (const auto& [name, command] : commands)
        for (const auto& [a, b] : operands) Check(command(a, b), {{}, kTooLarge}, std::string(name) + " " + a + " " + b);
    for (int op = 0; op <= static_cast<int>(QuickOp::Logarithm); ++op)
        for (const auto& [a, b] : operands)
            Check(QuickOperation(static_cast<QuickOp>(op), a, b), {{}, kTooLarge},
                  "quick " + std::to_string(op) + " " + a + " " + b);
    // The largest double is an ordinary operand.
    Check(CommonPower("2", "-1.7976931348623157e308"), {{{kPowerResult, "0"}}}, "largest exponent");
}
