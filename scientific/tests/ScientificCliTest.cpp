// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The numora-cli commands of the scientific window: what they print, and
// their exit codes (0 done, 1 refused with the window's message, 2 usage).
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Commands.h"
#include "Primes.h"

namespace {

struct Result {
    int rc;
    std::string out, err;
    bool operator==(const Result&) const = default;
};

Result RunCli(std::vector<std::string> args) {
    std::istringstream in;
    std::ostringstream out, err;
    const int rc = numora::cli::Run(args, in, out, err);
    return {rc, out.str(), err.str()};
}

std::ostream& operator<<(std::ostream& os, const Result& r) {
    return os << "rc " << r.rc << ", out \"" << r.out << "\", err \"" << r.err << "\"";
}

}  // namespace

TEST(ScientificCli, OutputsAndRefusals) {
    const struct {
        std::vector<std::string> args;
        Result expected;
    } cases[] = {
        {{"factor", "12"}, {0, "2\n2\n3\n", ""}},
        {{"factor", "1e3"}, {0, "2\n2\n2\n5\n5\n5\n", ""}},
        {{"factor", "2147483647"}, {0, "2147483647\n", ""}},
        {{"factor", "12.5"}, {1, "", "请输入不小于2的整数\n"}},
        {{"factor", "2147483648"}, {1, "", "数据过大\n"}},
        {{"goldbach", "10"}, {0, "10=3+7\n10=5+5\n", ""}},
        {{"goldbach", "100", "--count"}, {0, "6\n", ""}},
        {{"goldbach", "--count", "1000"}, {0, "28\n", ""}},
        {{"goldbach", ""}, {1, "", "请不要使输入框为空\n"}},
        {{"goldbach", "3"}, {1, "", "请输入不小于4的偶数\n"}},
        {{"goldbach", "1e10", "--count"}, {1, "", "数据过大\n"}},
        {{"goldbach", "7"}, {1, "", "请输入偶数\n"}},
        {{"mersenne"}, {0, "3\n7\n31\n127\n8191\n131071\n524287\n2147483647\nlast exponent: 37\n", ""}},
    };
    for (const auto& c : cases) EXPECT_EQ(RunCli(c.args), c.expected) << c.args[0] << " " << c.args.size();
}

TEST(ScientificCli, UsageErrorsExitWithTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {"factor"}, {"factor", "12", "13"}, {"goldbach"}, {"goldbach", "--count"},
        {"goldbach", "10", "12"}, {"goldbach", "10", "--count", "--count"}, {"mersenne", "5"},
    };
    for (const auto& args : cases) {
        const Result r = RunCli(args);
        EXPECT_EQ(r.rc, 2) << args[0] << " " << args.size();
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("用法: numora-cli " + args[0]), std::string::npos) << r.err;
    }
}

// Hundreds of kilobytes of lines, written through the command's buffer.
TEST(ScientificCli, LongGoldbachListIsEveryLineOnce) {
    const std::uint32_t n = 4000000;
    numora::scientific::GoldbachSearch search(n);
    std::vector<std::uint32_t> ps;
    while (!search.done()) search.Step(ps);
    std::string expected;
    for (std::uint32_t p : ps) expected += numora::scientific::GoldbachLine(n, p) + "\n";
    ASSERT_GT(expected.size(), 300000u);
    const Result r = RunCli({"goldbach", std::to_string(n)});
    EXPECT_EQ(r.rc, 0);
    EXPECT_TRUE(r.out == expected);
    EXPECT_EQ(RunCli({"goldbach", std::to_string(n), "--count"}).out, std::to_string(ps.size()) + "\n");
}
