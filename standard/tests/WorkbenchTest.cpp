// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>

#include "CommonOps.h"
#include "Workbench.h"
#include "FullWidth.h"

using namespace numora;
using namespace numora::standard;

TEST(Workbench, PairwiseChecksInOrder) {
    const struct { LargeOp op; std::string a, b; std::optional<std::string> refusal; } cases[] = {
        {LargeOp::Add, "", "1", kEmptyInput},
        {LargeOp::Add, "-1", "", kEmptyInput},
        {LargeOp::Add, "-1", "1", kNotNegative},
        {LargeOp::Add, "1", "-1", kNotNegative},
        {LargeOp::Divide, "-1", "0", kNotNegative},
        {LargeOp::Divide, "1", "0", "除数不能为0"},
        {LargeOp::Divide, "1", "00", "除数不能为0"},  // the value counts, not the text
        {LargeOp::Divide, "123", "000", "除数不能为0"},
        {LargeOp::Divide, "5", "00", "除数不能为0"},
        // The limit counts significant digits, and applies to every operation.
        {LargeOp::Divide, "1" + std::string(256, '0'), "1", kTooLarge},
        {LargeOp::Add, std::string(300, '9'), "0", kTooLarge},
        {LargeOp::Add, std::string(45, '0') + std::string(255, '9'), "0", std::nullopt},
        {LargeOp::Power, "2", std::string(256, '1'), kTooLarge},
        {LargeOp::Power, "0", "0", "0没有0次方"},
        {LargeOp::Power, "00", "000", "0没有0次方"},
        {LargeOp::Power, "0", "5", std::nullopt},
        {LargeOp::Add, " 1", "2", std::nullopt},  // blanks at both ends are dropped
        {LargeOp::Add, "\t12 ", " 3\t", std::nullopt},
        {LargeOp::Add, " -1", "2", kNotNegative},
        {LargeOp::Divide, "4", " 0 ", "除数不能为0"},
        // Anything but the digits 0-9 is refused, in either field: these
        // were read with every other character as 0 (1.5 + 1 gave 106).
        {LargeOp::Add, "1.5", "1", kDigitsOnly},
        {LargeOp::Add, "1,000", "1", kDigitsOnly},
        {LargeOp::Add, " 12 34 ", "1", kDigitsOnly},
        {LargeOp::Add, "abc", "1", kDigitsOnly},
        // Full-width digits and signs are the digits and signs they show.
        {LargeOp::Add, "１２", "1", std::nullopt},
        {LargeOp::Add, "１．５", "1", kDigitsOnly},
        {LargeOp::Add, "－１", "1", kNotNegative},
        {LargeOp::Divide, "4", "０", "除数不能为0"},
        {LargeOp::Power, "０", "００", "0没有0次方"},
        {LargeOp::Add, "1", "1e5", kDigitsOnly},
        {LargeOp::Add, "1", "+1", kDigitsOnly},
        {LargeOp::Add, "1", "   ", kDigitsOnly},  // blanks only: no digit
        {LargeOp::Multiply, "12", "3-", kDigitsOnly},
        {LargeOp::Power, "2", "1.5", kDigitsOnly},
        {LargeOp::Divide, "1.5", "0", kDigitsOnly},  // before the divisor check
        {LargeOp::Power, "0x", "0", kDigitsOnly},    // before zero to the power zero
        {LargeOp::Add, "-1", "x", kNotNegative},    // the sign check comes first
    };
    // The operands as the window hands them over: full-width forms as ASCII.
    for (const auto& c : cases)
        EXPECT_EQ(CheckPairwise(c.op, FromFullWidth(c.a), FromFullWidth(c.b)), c.refusal) << c.a.substr(0, 20) << " " << c.b;
}

TEST(Workbench, PairwiseResults) {
    const std::string nines(255, '9');
    const struct { LargeOp op; std::string a, b, result, length, remainder, message; } cases[] = {
        {LargeOp::Add, nines, "1", "1" + std::string(255, '0'), "大于等于256", "", ""},
        {LargeOp::Minus, "123", "456", "-333", "4", "", ""},
        {LargeOp::Multiply, "12", "12", "144", "3", "", ""},
        {LargeOp::Divide, "1000", "7", "0142", "4", "6", ""},
        {LargeOp::Divide, "5", "12", "0", "1", "5", ""},
        {LargeOp::Divide, "100", "00", "", "", "", kTooLarge},
        // Leading zeros mean the number they write; the formats stay.
        {LargeOp::Divide, "100", "0007", "14", "2", "2", ""},
        {LargeOp::Divide, "5", "05", "1", "1", "0", ""},
        {LargeOp::Divide, "1234", "05", "246", "3", "4", ""},
        {LargeOp::Power, "0002", "100", "1267650600228229401496703205376", "31", "", ""},
        {LargeOp::Power, "01", "5000", "1", "1", "", ""},
        {LargeOp::Power, "02", "3", "8", "1", "", ""},
        {LargeOp::Multiply, "0002", "3", "0006", "4", "", ""},
        // Beyond the capacity only as written: computed on the significant digits.
        {LargeOp::Multiply, std::string(250, '0') + "2", std::string(250, '0') + "3", "6", "1", "", ""},
        {LargeOp::Add, std::string(299, '0') + "1", "1", "2", "1", "", ""},
        {LargeOp::Power, "2", "10", "1024", "4", "", ""},
        {LargeOp::Power, "2", "0", "1", "1", "", ""},
        {LargeOp::Power, "0", "5", "0", "1", "", ""},
        {LargeOp::Power, " 7 ", "2\t", "49", "2", "", ""},  // computed without the end blanks
        {LargeOp::Add, " 007", "1 ", "008", "3", "", ""},
        {LargeOp::Multiply, "１２", " ３ ", "36", "2", "", ""},
        {LargeOp::Divide, "１２３４", "５", "0246", "4", "4", ""},
        {LargeOp::Multiply, nines, nines, "", "", "", kTooLarge},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a.substr(0, 10) + " " + c.b);
        const Outcome out = PairwiseResult(c.op, FromFullWidth(c.a), FromFullWidth(c.b));
        EXPECT_EQ(out.message ? out.message->text : "", c.message);
        if (!c.message.empty()) continue;
        EXPECT_EQ(out.Field(kPairResult), c.result);
        EXPECT_EQ(out.Field(kPairLength), c.length);
        EXPECT_EQ(out.Field(kPairRemainder).value_or(""), c.remainder);
    }
}

TEST(Workbench, PowerBeyondTheCapacityKeepsThePartialPower) {
    const Outcome out = PairwiseResult(LargeOp::Power, "2", "1000");
    ASSERT_TRUE(out.failed());
    EXPECT_EQ(out.message->text, kTooLarge);
    EXPECT_FALSE(out.Field(kPairLength).has_value());
    const std::string partial = out.Field(kPairResult).value_or("");
    EXPECT_GE(partial.size(), 250u);
    EXPECT_LE(partial.size(), 257u);  // one digit times 256 digits may carry into a 257th
    EXPECT_EQ(PowerSteps("99999999999"), std::nullopt);
    EXPECT_EQ(PowerSteps("2.5"), 2);
}

TEST(Workbench, ListItemsAndTheFold) {
    EXPECT_EQ(CheckListItem(""), kEmptyInput);
    EXPECT_EQ(CheckListItem("-5"), kNotNegative);
    EXPECT_EQ(CheckListItem("12x"), kDigitsOnly);
    EXPECT_EQ(CheckListItem("1.5"), kDigitsOnly);
    EXPECT_EQ(CheckListItem(FromFullWidth("１２")), std::nullopt);
    EXPECT_EQ(CheckListItem(FromFullWidth("－７")), kNotNegative);
    EXPECT_EQ(CheckListItem(" 12 "), std::nullopt);
    EXPECT_EQ(CheckListItem(" -7"), kNotNegative);
    EXPECT_EQ(OperandText(" \t12 \t"), "12");
    EXPECT_EQ(OperandText("   "), "");
    EXPECT_EQ(OperandText(FromFullWidth(" ０１２３４５６７８９ ")), "0123456789");  // the list keeps ASCII digits

    EXPECT_EQ(FoldList(false, {"1", "2", "3"}).Field(kFoldResult), "6");
    EXPECT_EQ(FoldList(true, {"1", "2", "3"}).Field(kFoldResult), "6");
    EXPECT_EQ(FoldList(true, {"1", "2", "3"}).Field(kFoldLength), "1");
    EXPECT_EQ(FoldList(false, {"007"}).Field(kFoldResult), "007");  // one item, exactly as typed
    EXPECT_EQ(FoldList(false, {"99", "1"}).Field(kFoldLength), "3");
    EXPECT_EQ(FoldList(false, {" 12", "3 "}).Field(kFoldResult), "15");

    // The limit of 255 significant digits holds for one item as for many.
    EXPECT_EQ(CheckListItem(std::string(256, '7')), kTooLarge);
    EXPECT_EQ(CheckListItem(std::string(100, '0') + std::string(255, '7')), std::nullopt);
    EXPECT_EQ(FoldList(false, {std::string(300, '3')}).message->text, kTooLarge);
    // A product of many items written 01 is 1, not beyond the capacity.
    EXPECT_EQ(SignificantDigits(FoldList(true, std::vector<std::string>(300, "01")).Field(kFoldResult).value_or("")), "1");

    const std::string big(200, '9');
    const Outcome failed = FoldList(true, {"5", big, big});
    ASSERT_TRUE(failed.failed());
    EXPECT_EQ(failed.message->text, kTooLarge);
    EXPECT_EQ(failed.Field(kFoldResult), "5");  // back to the first item
    EXPECT_FALSE(failed.Field(kFoldLength).has_value());
}

// The digit counts count characters, not the bytes of their UTF-8 form.
TEST(Workbench, LengthsCountCharacters) {
    const struct { std::string text; std::size_t count; } cases[] = {
        {"", 0}, {"123", 3}, {"-0999", 5}, {"１２", 2}, {"数据", 2}, {"a\xF0\x9F\x98\x80" "b", 3},
    };
    for (const auto& c : cases) EXPECT_EQ(CharacterCount(c.text), c.count) << c.text;
    EXPECT_EQ(ResultLengthText(std::string(256, '1')), "大于等于256");
    EXPECT_EQ(ResultLengthText(std::string(255, '1')), "255");
}

// A power whose value a step leaves unchanged (a base of 0 or 1) is known
// at once, whatever the exponent: the largest 32-bit exponent took a signed
// step counter past its range and never ended. Other bases keep stepping.
TEST(Workbench, PowersOfZeroAndOneEndAtOnce) {
    const struct { const char* a; const char* b; const char* result; } cases[] = {
        {"1", "2147483647", "1"}, {"0", "2147483647", "0"}, {"1", "2147483646", "1"},
        {"0", "1", "0"},          {"1", "0", "1"},          {"0", "0000000001", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + "^" + c.b);
        ASSERT_EQ(CheckPairwise(LargeOp::Power, c.a, c.b), std::nullopt);
        const Outcome out = PairwiseResult(LargeOp::Power, c.a, c.b);
        EXPECT_FALSE(out.failed());
        EXPECT_EQ(out.Field(kPairResult), c.result);
        EXPECT_EQ(out.Field(kPairLength), "1");
    }
    // Zeros written longer are 0 too.
    const Outcome zeros = PairwiseResult(LargeOp::Power, "00", "2147483647");
    EXPECT_EQ(zeros.Field(kPairResult), "0");

    PowerLoop loop("3", 4);
    int steps = 0;
    for (; !loop.done(); ++steps) loop.Step();
    EXPECT_EQ(steps, 4);
    EXPECT_EQ(loop.power(), "81");
    EXPECT_FALSE(loop.failed());
    PowerLoop one("1", 2147483647);
    one.Step();
    EXPECT_TRUE(one.done());
    EXPECT_EQ(one.power(), "1");
}
