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
        EXPECT_EQ(v.out, "numora-cli " NUMORA_VERSION "\n") << option;
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
