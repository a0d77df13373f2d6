// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "Commands.h"

namespace {

struct Outcome {
    int rc;
    std::string out, err;
};

Outcome RunCli(std::vector<std::string> args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    int rc = numora::cli::Run(args, in, out, err);
    return {rc, out.str(), err.str()};
}

}  // namespace

TEST(CliEval, PrintsTheResultOrRefuses) {
    auto ok = RunCli({"eval", "1+1"});
    EXPECT_EQ(ok.rc, 0);
    EXPECT_EQ(ok.out, "2\n");
    EXPECT_EQ(ok.err, "");

    auto split = RunCli({"eval", "2", "*", "(3", "+", "4)"});
    EXPECT_EQ(split.out, "14\n");

    auto bad = RunCli({"eval", "8/0"});
    EXPECT_EQ(bad.rc, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "表达式错误\n");
}

TEST(CliEval, FileGivesOneResultPerLine) {
    auto r = RunCli({"eval", "--file", "-"}, "1/2\r\n8/0\n\n2(3)\n");
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.out, ".5\nError\nError\n6\n");

    const std::string path = ::testing::TempDir() + "numora-cli-eval.txt";
    std::ofstream(path) << "2+3*4\n5-(1-3)";
    auto f = RunCli({"eval", "--file", path});
    EXPECT_EQ(f.out, "14\n7\n");
    std::remove(path.c_str());

    auto missing = RunCli({"eval", "--file", "/nonexistent/numora.txt"});
    EXPECT_EQ(missing.rc, 1);
    EXPECT_NE(missing.err.find("/nonexistent/numora.txt"), std::string::npos);
}

TEST(CliUsage, WrongCommandLinesExitWithTwo) {
    EXPECT_EQ(RunCli({}).rc, 2);
    EXPECT_EQ(RunCli({"eval"}).rc, 2);
    EXPECT_EQ(RunCli({"eval", "--file"}).rc, 2);
    EXPECT_EQ(RunCli({"frobnicate"}).rc, 2);
    auto help = RunCli({"--help"});
    EXPECT_EQ(help.rc, 0);
    EXPECT_NE(help.out.find("numora-cli eval"), std::string::npos);
}

TEST(CliUsage, VersionNamesTheProgramAndItsVersion) {
    for (const char* option : {"--version", "-V"}) {
        auto v = RunCli({option});
        EXPECT_EQ(v.rc, 0) << option;
        EXPECT_EQ(v.out.substr(0, v.out.find('\n')), "numora-cli " NUMORA_VERSION) << option;
        EXPECT_NE(v.out.find("\nLicense GPLv3+: GNU GPL version 3 or later"), std::string::npos) << option;
        EXPECT_EQ(v.err, "") << option;
    }
    EXPECT_EQ(RunCli({"--version", "extra"}).rc, 2);
    EXPECT_NE(RunCli({"--help"}).out.find("--version"), std::string::npos);
}

TEST(CliPlot, DrawsWhatThePlotterDrawsIntoAFile) {
    const std::string svg = ::testing::TempDir() + "numora-plot.svg";
    const std::string png = ::testing::TempDir() + "numora-plot.png";
    auto r = RunCli({"plot", "linear", "1", "0", "--out", svg});
    ASSERT_EQ(r.rc, 0) << r.err;
    std::ifstream in(svg);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("stroke=\"#ff0000\""), std::string::npos);  // the red line
    EXPECT_NE(text.find("stroke=\"#00ff00\""), std::string::npos);  // grid and axes
    EXPECT_NE(text.find(">x</text>"), std::string::npos);

    EXPECT_EQ(RunCli({"plot", "正弦函数", "1", "1", "0", "0", "--range", "-8", "8", "-2", "2", "--out", png}).rc, 0);
    std::ifstream image(png, std::ios::binary);
    std::string signature(8, '\0');
    image.read(signature.data(), 8);
    EXPECT_EQ(signature, "\x89PNG\r\n\x1a\n");

    auto base = RunCli({"plot", "4", "1", "1", "--out", png});
    EXPECT_EQ(base.rc, 1);
    EXPECT_EQ(base.err, "底数应大于0且不等于1\n");
    auto range = RunCli({"plot", "linear", "1", "0", "--range", "5", "4", "-4", "4", "--out", png});
    EXPECT_EQ(range.err, "最大值应大于最小值\n");
    EXPECT_EQ(RunCli({"plot", "linear", "1", "--out", png}).rc, 2);          // one coefficient short
    EXPECT_EQ(RunCli({"plot", "linear", "1", "0", "--out", "x.gif"}).rc, 2);  // no such format
    EXPECT_EQ(RunCli({"plot", "linear", "1", "0", "--out", "/nonexistent/x.png"}).rc, 1);
    std::remove(svg.c_str());
    std::remove(png.c_str());
}

namespace {

// An output that can take nothing, like a full disk or a closed stream.
class RefusingBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

}  // namespace

// A write to standard output that fails is a failure: a message on standard
// error and 1, never nothing at all and 0.
TEST(CliOutput, AFailedWriteIsReportedAndFails) {
    const std::vector<std::vector<std::string>> commands = {
        {"goldbach", "99999998"}, {"goldbach", "1000", "--count"}, {"eval", "1+1"},
        {"eval", "--file", "-"},  {"big", "add", "1", "2"},        {"--help"},
    };
    for (const auto& args : commands) {
        SCOPED_TRACE(args[0] + (args.size() > 1 ? " " + args[1] : ""));
        RefusingBuffer buffer;
        std::ostream out(&buffer);
        std::istringstream in("1+1\n2*3\n");
        std::ostringstream err;
        EXPECT_EQ(numora::cli::Run(args, in, out, err), 1);
        EXPECT_NE(err.str().find(numora::cli::kOutputFailed), std::string::npos) << err.str();
    }
}

// A folder, or a line longer than the documented limit, is refused; the
// long line is given up as soon as the limit is passed.
TEST(CliEval, FoldersAndOverlongLinesAreRefused) {
    auto folder = RunCli({"eval", "--file", ::testing::TempDir()});
    EXPECT_EQ(folder.rc, 1);
    EXPECT_EQ(folder.out, "");
    EXPECT_NE(folder.err.find("文件夹"), std::string::npos) << folder.err;

    const std::size_t limit = numora::cli::kMaxFormulaLineBytes;
    EXPECT_GE(limit, std::size_t{16} << 20);  // far above the 1 MB formulas of the benchmarks
    auto longLine = RunCli({"eval", "--file", "-"}, "1+1\n" + std::string(limit + 1, '1') + "\n2+2\n");
    EXPECT_EQ(longLine.rc, 1);
    EXPECT_EQ(longLine.out, "2\n");  // the lines before it are answered
    EXPECT_NE(longLine.err.find("第2行过长"), std::string::npos) << longLine.err;

    // A line of exactly the limit is read.
    auto atLimit = RunCli({"eval", "--file", "-"}, "1+" + std::string(limit - 3, ' ') + "1\n3*3");
    EXPECT_EQ(atLimit.rc, 0) << atLimit.err;
    EXPECT_EQ(atLimit.out, "2\n9\n");
}

// The commands named when these faults were reported, as a user types them.
TEST(CliAwkwardInput, AnswersAsTheWindowsDo) {
    const struct { std::vector<std::string> args; int rc; std::string out, err; } cases[] = {
        {{"quadratic", "1", "1e8", "1"}, 0, "-1E-08\n-100000000\n", ""},
        {{"quadratic", "1", "-1e6", "1"}, 0, "999999.999999\n1.000000000001E-06\n", ""},
        {{"trig", "sin", "10000000000000000"}, 0, "-0.984807753012209\n", ""},  // sin 280°
        {{"big", "add", "1.5", "1"}, 1, "", "请输入只由数字0-9组成的整数\n"},
        {{"big", "add", "1,000", "1"}, 1, "", "请输入只由数字0-9组成的整数\n"},
        {{"big", "add", " 12 ", "1"}, 0, "13\n", ""},
        {{"big", "sum", "1", "-7"}, 1, "", "请输入非负数\n"},
        {{"big", "product", "2", "１２"}, 1, "", "请输入只由数字0-9组成的整数\n"},
        {{"big", "pow", "1", "2147483647"}, 0, "1\n", ""},
        {{"big", "pow", "0", "2147483647"}, 0, "0\n", ""},
        {{"pow", "2", "-1e309"}, 1, "", "数据过大\n"},
        {{"log", "8", "1e309"}, 1, "", "数据过大\n"},
        {{"quick", "div", "1", "-1e309"}, 1, "", "数据过大\n"},
    };
    for (const auto& c : cases) {
        std::string what;
        for (const auto& a : c.args) what += a + " ";
        SCOPED_TRACE(what);
        const auto r = RunCli(c.args);
        EXPECT_EQ(r.rc, c.rc);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
    }
}

// A range whose mapping overflows is refused before any file is written.
TEST(CliPlot, RangesBeyondTheMappingAreRefused) {
    const std::string svg = ::testing::TempDir() + "numora-plot-huge.svg";
    std::remove(svg.c_str());
    auto r = RunCli({"plot", "linear", "1", "0", "--range", "-4", "4", "-1e308", "1e308", "--out", svg});
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.err, "数据过大\n");
    EXPECT_FALSE(std::ifstream(svg).good());

    auto ok = RunCli({"plot", "linear", "1", "0", "--range", "-4", "4", "-1e308", "1e307", "--out", svg});
    ASSERT_EQ(ok.rc, 0) << ok.err;
    std::ifstream in(svg);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text.find("nan\""), std::string::npos);
    EXPECT_EQ(text.find("inf\""), std::string::npos);
    std::remove(svg.c_str());
}
