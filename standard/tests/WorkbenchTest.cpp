#include <gtest/gtest.h>

#include <string>

#include "CommonOps.h"
#include "Workbench.h"

using namespace numora;
using namespace numora::standard;

TEST(Workbench, PairwiseChecksInOrder) {
    const struct { LargeOp op; const char* a; const char* b; std::optional<std::string> refusal; } cases[] = {
        {LargeOp::Add, "", "1", kEmptyInput},
        {LargeOp::Add, "-1", "", kEmptyInput},
        {LargeOp::Add, "-1", "1", kNotNegative},
        {LargeOp::Add, "1", "-1", kNotNegative},
        {LargeOp::Divide, "-1", "0", kNotNegative},
        {LargeOp::Divide, "1", "0", "除数不能为0"},
        {LargeOp::Divide, "1", "00", std::nullopt},  // fails later, in the division
        {LargeOp::Power, "0", "0", "0没有0次方"},
        {LargeOp::Power, "00", "000", "0没有0次方"},
        {LargeOp::Power, "0", "5", std::nullopt},
        {LargeOp::Add, " 1", "2", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckPairwise(c.op, c.a, c.b), c.refusal) << c.a << " " << c.b;
}

TEST(Workbench, PairwiseResults) {
    const std::string nines(255, '9');
    const struct { LargeOp op; std::string a, b, result, length, remainder, message; } cases[] = {
        {LargeOp::Add, nines, "1", "1" + std::string(255, '0'), "大于等于256", "", ""},
        {LargeOp::Minus, "123", "456", "-333", "4", "", ""},
        {LargeOp::Multiply, "12", "12", "144", "3", "", ""},
        {LargeOp::Divide, "1000", "7", "0142", "4", "6", ""},
        {LargeOp::Divide, "5", "12", "0", "1", "5", ""},
        {LargeOp::Divide, "1", "00", "0", "1", "1", ""},  // shorter than the divisor
        {LargeOp::Divide, "100", "00", "", "", "", kTooLarge},
        {LargeOp::Power, "2", "10", "1024", "4", "", ""},
        {LargeOp::Power, "2", "0", "1", "1", "", ""},
        {LargeOp::Power, "0", "5", "0", "1", "", ""},
        {LargeOp::Power, "7", "1.5", "49", "2", "", ""},  // 1.5 rounds to 2
        {LargeOp::Multiply, nines, nines, "", "", "", kTooLarge},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a.substr(0, 10) + " " + c.b);
        const Outcome out = PairwiseResult(c.op, c.a, c.b);
        EXPECT_EQ(out.message ? out.message->text : "", c.message);
        if (!c.message.empty()) continue;
        EXPECT_EQ(out.Field("LargeText3"), c.result);
        EXPECT_EQ(out.Field("LargeLenText1"), c.length);
        EXPECT_EQ(out.Field("LargeText3Se").value_or(""), c.remainder);
    }
}

TEST(Workbench, PowerBeyondTheCapacityKeepsThePartialPower) {
    const Outcome out = PairwiseResult(LargeOp::Power, "2", "1000");
    ASSERT_TRUE(out.failed());
    EXPECT_EQ(out.message->text, kTooLarge);
    EXPECT_FALSE(out.Field("LargeLenText1").has_value());
    const std::string partial = out.Field("LargeText3").value_or("");
    EXPECT_GE(partial.size(), 250u);
    EXPECT_LE(partial.size(), 257u);  // one digit times 256 digits may carry into a 257th
    EXPECT_EQ(PowerSteps("99999999999"), std::nullopt);
    EXPECT_EQ(PowerSteps("2.5"), 2);
}

TEST(Workbench, ListItemsAndTheFold) {
    EXPECT_EQ(CheckListItem(""), kEmptyInput);
    EXPECT_EQ(CheckListItem("-5"), kNotNegative);
    EXPECT_EQ(CheckListItem("12x"), std::nullopt);  // items are not validated further

    EXPECT_EQ(FoldList(false, {"1", "2", "3"}).Field("LargeText5"), "6");
    EXPECT_EQ(FoldList(true, {"1", "2", "3"}).Field("LargeText5"), "6");
    EXPECT_EQ(FoldList(true, {"1", "2", "3"}).Field("LargeLenText2"), "1");
    EXPECT_EQ(FoldList(false, {"007"}).Field("LargeText5"), "007");  // one item, exactly as typed
    EXPECT_EQ(FoldList(false, {"99", "1"}).Field("LargeLenText2"), "3");

    const std::string big(200, '9');
    const Outcome failed = FoldList(true, {"5", big, big});
    ASSERT_TRUE(failed.failed());
    EXPECT_EQ(failed.message->text, kTooLarge);
    EXPECT_EQ(failed.Field("LargeText5"), "5");  // back to the first item
    EXPECT_FALSE(failed.Field("LargeLenText2").has_value());
}
