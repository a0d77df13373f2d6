// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "Commands.h"
#include "Version.h"
#include "WriteFailures.h"

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

// A command line and what it prints and returns.
struct CliRow {
    std::vector<std::string> args;
    int rc;
    std::string out, err;
};

void ExpectCli(const CliRow& row) {
    std::string what;
    for (const auto& a : row.args) what += a + " ";
    SCOPED_TRACE(what);
    const auto r = RunCli(row.args);
    EXPECT_EQ(r.rc, row.rc);
    EXPECT_EQ(r.out, row.out);
    EXPECT_EQ(r.err, row.err);
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

TEST(CliEval, ExactGivesLowestTerms) {
    const struct {
        std::vector<std::string> args;
        int rc;
        const char* out;
        const char* err;
    } rows[] = {
        {{"--exact", "1/3+1/6"}, 0, "1/2\n", ""},
        {{"--exact", "1/3"}, 0, "1/3\n", ""},
        {{"--exact", "-7/2"}, 0, "-7/2\n", ""},
        {{"--exact", "2", "+", "3"}, 0, "5\n", ""},
        {{"--exact", "0.1+0.2"}, 0, "3/10\n", ""},
        {{"--exact", "8/0"}, 1, "", "表达式错误\n"},
        {{"--exact", "1/(0.1+0.2-0.3)"}, 1, "", "表达式错误\n"},  // exactly a division by zero
        {{"--exact", "1e308*10"}, 1, "", "表达式错误\n"},        // refused as the decimal refuses
        {{"--exact", "1e-10000*1"}, 1, "", "数据过大\n"},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args{"eval"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const auto r = RunCli(args);
        EXPECT_EQ(r.rc, row.rc) << row.args[1];
        EXPECT_EQ(r.out, row.out) << row.args[1];
        EXPECT_EQ(r.err, row.err) << row.args[1];
    }
    auto lines = RunCli({"eval", "--exact", "--file", "-"}, "1/3+1/6\r\n8/0\n1e-10000*1\n\n2(1/4)\n");
    EXPECT_EQ(lines.rc, 0);
    EXPECT_EQ(lines.out, "1/2\nError\nError\nError\n1/2\n");
    EXPECT_EQ(RunCli({"eval", "--exact"}).rc, 2);
    EXPECT_EQ(RunCli({"eval", "--exact", "--file"}).rc, 2);
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

// The usage and help texts are Chinese: a word in Latin letters is one the
// command line itself takes (a command, an option, a kind, a unit).
TEST(CliUsage, TextsAreChinese) {
    const std::string help = RunCli({"--help"}).out;
    std::set<std::string> own;
    for (const char* word : {"numora", "cli", "help", "version", "file", "count", "radians", "range", "grid", "out",
                             "png", "svg", "MiB", "exact", "and", "points", "steps", "powers"})
        own.insert(word);
    // The commands (the word after "numora-cli") and the alternatives "a|b|c"
    // a command takes.
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("  numora-cli ", 0) == 0) own.insert(line.substr(13, line.find(' ', 13) - 13));
        std::istringstream words(line);
        std::string previous;
        for (std::string word; words >> word; previous = word) {
            // A command's own sub-command ("chem molarity").
            if (own.count(previous) && word.find_first_not_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos)
                own.insert(word);
            if (word.find('|') == std::string::npos) continue;
            for (std::size_t start = 0, bar; start <= word.size(); start = bar + 1) {
                bar = std::min(word.find('|', start), word.size());
                own.insert(word.substr(start, bar - start));
            }
        }
    }
    for (const char* kind : {"linear", "quadratic", "exponential", "logarithm", "inverse", "sine", "cosine", "power",
                             "tangent", "absolute", "function"})
        own.insert(kind);
    auto english = [&](const std::string& text) {
        std::string found;
        for (std::size_t i = 0; i < text.size();) {
            std::size_t j = i;
            while (j < text.size() && std::isalpha(static_cast<unsigned char>(text[j]))) ++j;
            if (j - i >= 3 && !own.count(text.substr(i, j - i))) found += text.substr(i, j - i) + " ";
            i = j == i ? i + 1 : j;
        }
        return found;
    };
    // Only the words a command line takes: the first word of each line is a
    // command, and what it offers are the options and alternatives.
    std::set<std::string> commands;
    std::istringstream again(help);
    for (std::string line; std::getline(again, line);)
        if (line.rfind("  numora-cli ", 0) == 0) commands.insert(line.substr(13, line.find(' ', 13) - 13));
    for (const std::string& command : commands) {
        if (command.starts_with("-")) continue;
        const auto usage = RunCli({command});  // too few arguments for every command but mersenne
        EXPECT_EQ(english(usage.err), "") << command << ": " << usage.err;
    }
    EXPECT_EQ(english(help), "") << help;
    EXPECT_EQ(english(RunCli({"chem"}).err + RunCli({"plot"}).err + RunCli({"div"}).err), "");
}

TEST(CliUsage, VersionNamesTheProgramAndItsVersion) {
    for (const char* option : {"--version", "-V"}) {
        auto v = RunCli({option});
        EXPECT_EQ(v.rc, 0) << option;
        EXPECT_EQ(v.out.substr(0, v.out.find('\n')), std::string("numora-cli ") + numora::kVersion) << option;
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
    EXPECT_NE(text.find("stroke=\"#00a600\""), std::string::npos);  // the axes' green, legible on white
    EXPECT_NE(text.find(">-3</text>"), std::string::npos);            // numbered
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

// --out writes the picture whole or not at all: an old file stays as it
// was, and the message says why.
TEST(CliPlot, OutWritesWholeOrNotAtAll) {
    using numora::testing::kWriteFailureCases;
    for (const auto& row : kWriteFailureCases) {
        SCOPED_TRACE(row.what);
        const std::string folder = ::testing::TempDir() + "numora-plot-out/";
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        const std::string file = row.missingFolder ? folder + "no/such/f.svg" : folder + "f.svg";
        if (!row.missingFolder) std::ofstream(file) << "old";
        Outcome r;
        {
            numora::testing::PretendWriteFault pretend(row.fault);
            r = RunCli({"plot", "linear", "1", "0", "--out", file});
        }
        std::ifstream in(file);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!row.reason) {
            EXPECT_EQ(r.rc, 0);
            EXPECT_NE(text.find("<svg"), std::string::npos);
        } else {
            EXPECT_EQ(r.rc, 1);
            EXPECT_EQ(r.err, "无法写入文件: " + file + "（" + row.reason + "）\n");
            if (!row.missingFolder) {
                EXPECT_EQ(text, "old");
            }
        }
        std::size_t entries = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++entries;
        EXPECT_EQ(entries, row.missingFolder ? 0u : 1u) << "nothing left beside the file";
        std::filesystem::remove_all(folder);
    }
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

    // A line of exactly the limit is read, also when it ends with CRLF.
    const std::string longest = "1+" + std::string(limit - 3, ' ') + "1";
    for (const char* end : {"\n", "\r\n"}) {
        auto atLimit = RunCli({"eval", "--file", "-"}, longest + end + "3*3" + end);
        EXPECT_EQ(atLimit.rc, 0) << atLimit.err;
        EXPECT_EQ(atLimit.out, "2\n9\n");
    }
    EXPECT_EQ(RunCli({"eval", "--file", "-"}, longest + "\r\r\n").rc, 1);  // one CR too many
}

// A UTF-8 byte-order mark in front of the first line is no part of it.
TEST(CliEval, AByteOrderMarkIsSkipped) {
    const struct { std::string input, out; } cases[] = {
        {"\xEF\xBB\xBF" "1+1\n2*3\n", "2\n6\n"},
        {"\xEF\xBB\xBF" "1+1\r\n", "2\n"},
        {"\xEF\xBB\xBF", ""},
        {"\xEF\xBB" "1\n", "Error\n"},  // not a whole mark: the line keeps it
        {"1+1\n\xEF\xBB\xBF" "1\n", "2\nError\n"},  // only at the start
    };
    for (const auto& c : cases) EXPECT_EQ(RunCli({"eval", "--file", "-"}, c.input).out, c.out) << c.input;
}

// The commands named when these faults were reported, as a user types them.
TEST(CliAwkwardInput, AnswersAsTheWindowsDo) {
    const CliRow cases[] = {
        {{"quadratic", "1", "1e8", "1"}, 0, "-1E-08\n-100000000\n", ""},
        {{"quadratic", "1", "-1e6", "1"}, 0, "999999.999999\n1.000000000001E-06\n", ""},
        {{"trig", "sin", "10000000000000000"}, 0, "-0.984807753012208\n", ""},  // sin 280°
        {{"big", "add", "1.5", "1"}, 1, "", "请输入只由数字0-9组成的整数\n"},
        {{"big", "add", "1,000", "1"}, 1, "", "请输入只由数字0-9组成的整数\n"},
        {{"big", "add", " 12 ", "1"}, 0, "13\n", ""},
        {{"big", "sum", "1", "-7"}, 1, "", "请输入非负数\n"},
        {{"big", "product", "2", "１２"}, 0, "24\n", ""},
        {{"big", "product", "2", "１．２"}, 1, "", "请输入只由数字0-9组成的整数\n"},
        // Full-width input as a Chinese input method types it.
        {{"eval", "（１＋２）×３"}, 0, "9\n", ""},
        {{"add", "１２", "－．５"}, 0, "11.5\n", ""},
        {{"div", "１", "０"}, 1, "", "0不能作除数\n"},
        {{"trig", "tan", "４５"}, 0, "1\n", ""},
        {{"goldbach", "１０"}, 0, "10=3+7\n10=5+5\n", ""},
        {{"formula", "２", "３", "１"}, 0, "16\n", ""},
        {{"chem", "molarity", "０。５", "１"}, 0, "0.5mol/L\n", ""},
        {{"big", "pow", "1", "2147483647"}, 0, "1\n", ""},
        {{"big", "pow", "0", "2147483647"}, 0, "0\n", ""},
        // Leading zeros mean the number they write; the limit counts significant digits.
        {{"big", "div", "100", "0007"}, 0, "14\n2\n", ""},
        {{"big", "div", "5", "05"}, 0, "1\n0\n", ""},
        {{"big", "div", "5", "00"}, 1, "", "除数不能为0\n"},
        {{"big", "div", "123", "000"}, 1, "", "除数不能为0\n"},
        {{"big", "pow", "0002", "100"}, 0, "1267650600228229401496703205376\n", ""},
        {{"big", "pow", "01", "5000"}, 0, "1\n", ""},
        {{"big", "sum", std::string(300, '4')}, 1, "", "数据过大\n"},
        {{"big", "div", "1" + std::string(256, '0'), "1"}, 1, "", "数据过大\n"},
        // Coefficients at the edges of the range: no underflow, no overflow on the way.
        {{"quadratic", "1e-200", "0", "-1e-200"}, 0, "1\n-1\n", ""},
        {{"quadratic", "1e-200", "0", "1e-200"}, 1, "", "此方程无解！\n"},
        {{"quadratic", "1", "-1e-200", "0"}, 0, "1E-200\n0\n", ""},
        {{"linear2", "1", "1e200", "1", "0", "1e-200", "0"}, 0, "1\n0\n", ""},
        {{"linear2", "2", "-3", "0", "0", "5e-324", "1"}, 1, "", "数据过大\n"},
        {{"linear3", "1", "1e200", "0", "2", "0", "1e-200", "0", "0", "0", "0", "1", "3"}, 0, "2\n0\n3\n", ""},
        {{"linear3", "0", "0", "-90", "0", "30", "0", "-931", "0", "133", "-1e300", "1", "-1.75229e-80"},
         0, "0\n0\n0\n", ""},
        {{"root", "1.7976931348623157e308", "1"}, 0, "1.79769313486232E+308\n1.79769313486232E+308\n", ""},
        {{"pow", "2", "-1e309"}, 1, "", "数据过大\n"},
        {{"log", "8", "1e309"}, 1, "", "数据过大\n"},
        {{"quick", "div", "1", "-1e309"}, 1, "", "数据过大\n"},
    };
    for (const auto& c : cases) ExpectCli(c);
}

// The key points, one a line, sorted by x, of one graph or of two with
// their intersections; a typed function gives the same points.
TEST(CliPlot, PointsOfOneOrTwoGraphs) {
    const std::string pupil =
        "y轴交点 0 2\n零点 1 0\n极小值点 1.5 -0.25\n零点 2 0\n";
    const struct { std::vector<std::string> args; std::string out; } rows[] = {
        {{"plot", "quadratic", "1", "-3", "2", "--points"}, pupil},
        {{"plot", "function", "x^2-3x+2", "--points"}, pupil},
        {{"plot", "quadratic", "1", "-3", "2", "--and", "linear", "1", "-1", "--points"},
         "y轴交点 0 2\ny轴交点 0 -1\n零点 1 0\n零点 1 0\n交点 1 0\n极小值点 1.5 -0.25\n零点 2 0\n交点 3 2\n"},
        {{"plot", "11", "sqrt(x)-1", "--points", "--range", "-1", "4", "-2", "2"}, "y轴交点 0 -1\n零点 1 0\n"},
        {{"plot", "正切函数", "1", "1", "0", "--points", "--range", "1", "2", "-4", "4"}, ""},  // a pole, no zero
        {{"plot", "absolute", "2", "1", "-2", "--points"}, "零点 0 0\ny轴交点 0 0\n极小值点 1 -2\n零点 2 0\n"},
        {{"plot", "power", "1", "-1", "--and", "linear", "1", "0", "--points"},
         "交点 -1 -1\n零点 0 0\ny轴交点 0 0\n交点 1 1\n"},  // the pole of 1/x is no crossing
        // Rounding invents no points: said once instead.
        {{"plot", "function", "0", "--points"}, "y轴交点 0 0\n函数值恒为0\n"},
        {{"plot", "function", "x", "--and", "function", "x*1+0", "--and", "sine", "0", "1", "0", "0", "--points"},
         "零点 0 0\n零点 0 0\ny轴交点 0 0\ny轴交点 0 0\ny轴交点 0 0\n交点 0 0\n交点 0 0\n函数值恒为0 曲线3\n"
         "图象重合 曲线1 曲线2\n"},
        {{"plot", "function", "exp(-x^2)", "--range", "-40", "40", "-4", "4", "--points"}, "极大值点 0 1\ny轴交点 0 1\n"},
        {{"plot", "function", "x", "--and", "function", "x+1E-300", "--points"},
         "零点 -1E-300 0\n零点 0 0\ny轴交点 0 0\ny轴交点 0 1E-300\n"},  // parallel: no 交点
        {{"plot", "function", "tan(x)", "--and", "function", "tan(x)+1", "--range", "-1", "1", "-4", "4", "--points"},
         "零点 -0.785398163397448 0\n零点 0 0\ny轴交点 0 0\ny轴交点 0 1\n"},
        // The parameters a, b and c of a typed function.
        {{"plot", "function", "a*x+b", "2", "-4", "--points"}, "y轴交点 0 -4\n零点 2 0\n"},
        {{"plot", "function", "a*sin(b*x)+c", "2", "1", "1", "--range", "-1", "1", "-4", "4", "--points"},
         "零点 -0.523598775598299 0\ny轴交点 0 1\n"},
    };
    for (const auto& r : rows) {
        const auto result = RunCli(r.args);
        EXPECT_EQ(result.rc, 0) << r.args[1] << " " << result.err;
        EXPECT_EQ(result.out, r.out) << r.args[1];
    }
    const auto crowded = RunCli({"plot", "sine", "1", "1", "0", "0", "--range", "-1e6", "1000000", "-2", "2", "--points"});
    EXPECT_EQ(crowded.rc, 0);
    EXPECT_EQ(crowded.out, "y轴交点 0 0\n");
    EXPECT_EQ(crowded.err, "关键点过多，部分未列出\n");

    const struct { std::vector<std::string> args; int rc; std::string err; } refused[] = {
        {{"plot", "function", "x+", "--points"}, 1, "表达式错误\n"},
        {{"plot", "function", "1E+999", "--points"}, 1, "数据过大\n"},
        {{"plot", "power", "0", "2", "--points"}, 1, "系数不能为0\n"},
        {{"plot", "quadratic", "1", "-3", "2", "--and", "linear", "0", "1", "--points"}, 1, "一次项系数不能为0\n"},
        {{"plot", "quadratic", "1", "-3", "2"}, 2, ""},                                   // neither --out nor --points
        {{"plot", "quadratic", "1", "-3", "2", "--and", "--points"}, 2, ""},              // --and without a kind
        {{"plot", "quadratic", "1", "-3", "2", "--and", "linear", "1", "--points"}, 2, ""},  // one coefficient short
        {{"plot", "function", "x", "1", "2", "3", "4", "--points"}, 2, ""},  // a, b and c at most
        {{"plot", "function", "a*x", "", "--points"}, 1, "请不要使输入框为空\n"},
    };
    for (const auto& r : refused) {
        const auto result = RunCli(r.args);
        EXPECT_EQ(result.rc, r.rc) << r.args[2];
        if (r.rc == 1) {
            EXPECT_EQ(result.err, r.err) << r.args[2];
        }
        EXPECT_EQ(result.out, "") << r.args[2];
    }
}

// The line of a range near the double limit is drawn where it crosses the
// canvas (it used to overflow in the mapping and vanish), and a range too
// small to draw says so.
TEST(CliPlot, ExtremeAndTinyRanges) {
    const std::string svg = ::testing::TempDir() + "numora-plot-line.svg";
    for (const char* k : {"1", "2"}) {
        auto r = RunCli({"plot", "linear", k, "0", "--range", "-1e308", "2147483647", "-8e307", "8e307", "--out", svg});
        ASSERT_EQ(r.rc, 0) << r.err;
        std::ifstream in(svg);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_NE(text.find("stroke=\"#ff0000\""), std::string::npos) << k;
    }
    std::remove(svg.c_str());
    auto tiny = RunCli({"plot", "linear", "1", "0", "--range", "-1e-308", "0", "-4", "4", "--points"});
    EXPECT_EQ(tiny.rc, 1);
    EXPECT_EQ(tiny.err, "坐标范围过小，无法绘制图象\n");
}

// Every end of --range is taken as typed: a maximum x of 0.5 or 1.5 is
// never rounded to a whole number.
TEST(CliPlot, RangesAreNotRounded) {
    const struct { std::vector<std::string> range; std::string function; std::string out; } rows[] = {
        {{"0", "0.5", "-1", "1"}, "x", "零点 0 0\ny轴交点 0 0\n"},
        {{"0", "1.5", "-1", "1"}, "x-1.8", ""},  // the zero at 1.8 lies outside
        {{"-1", "0.4", "-1", "1"}, "x-0.3", "y轴交点 0 -0.3\n零点 0.3 0\n"},
        {{"0.25", "0.75", "-1", "1"}, "x-0.5", "零点 0.5 0\n"},
    };
    for (const auto& r : rows) {
        std::vector<std::string> args = {"plot", "function", r.function, "--points", "--range"};
        args.insert(args.end(), r.range.begin(), r.range.end());
        const auto result = RunCli(args);
        EXPECT_EQ(result.rc, 0) << r.function << " " << result.err;
        EXPECT_EQ(result.out, r.out) << r.function;
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

// No result field ever shows an infinity or a NaN, whatever the operands:
// every command of the calculator windows, with operands at the edges of
// the double range, prints numbers or a message.
TEST(CliEdgesOfTheRange, NoResultShowsInfOrNan) {
    const std::vector<std::string> edges = {
        "0", "-0", "1", "-2.5", "1e308", "-1e308", "1.7976931348623157e308", "-1.7976931348623157e308",
        "9e307", "5e-324", "-5e-324", "1e-320", "2.2250738585072014e-308", "1e-300", "1e300", "1e-400", "1e309", "nan",
    };
    const std::vector<std::vector<std::string>> commands = {
        {"add"}, {"sub"}, {"mul"}, {"div"}, {"pow"}, {"root"}, {"log"}, {"quick", "add"}, {"quick", "sub"},
        {"quick", "mul"}, {"quick", "div"}, {"quick", "pow"}, {"quick", "root"}, {"quick", "log"},
        {"formula", "1"}, {"formula", "2"}, {"formula", "3"}, {"formula", "4"}, {"formula", "5"},
        {"chem", "molarity"},
    };
    auto shows = [](const std::string& text) {
        for (const char* word : {"inf", "nan", "INF", "NAN", "Inf", "NaN"})
            if (text.find(word) != std::string::npos) return true;
        return false;
    };
    auto check = [&](std::vector<std::string> args) {
        const auto r = RunCli(args);
        std::string what;
        for (const auto& a : args) what += a + " ";
        EXPECT_FALSE(shows(r.out)) << what << "-> " << r.out;
        if (r.rc == 1) {
            EXPECT_FALSE(r.err.empty()) << what;
        }
    };
    for (const auto& command : commands)
        for (const auto& a : edges)
            for (const auto& b : edges) {
                auto args = command;
                args.push_back(a);
                args.push_back(b);
                check(args);
            }
    for (const auto& a : edges) {
        for (const auto& b : edges)
            for (const char* op : {"+", "-", "*", "/"}) check({"eval", a + op + b});
        check({"fact", a});
        for (const char* f : {"sin", "cos", "tan", "cot", "sec", "csc"}) {
            check({"trig", f, a});
            check({"trig", f, a, "--radians"});
        }
        for (const auto& b : edges)
            for (const auto& c : edges) check({"quadratic", a, b, c});
    }
    // The linear solvers and the chemistry modes on random picks.
    unsigned seed = 22;
    auto pick = [&] { return edges[(seed = seed * 1103515245 + 12345) / 65536 % edges.size()]; };
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::string> two = {"linear2"}, three = {"linear3"};
        for (int i = 0; i < 6; ++i) two.push_back(pick());
        for (int i = 0; i < 12; ++i) three.push_back(pick());
        check(two);
        check(three);
        const std::string mode = std::to_string(1 + round % 3);
        check({"chem", "fraction", round % 2 ? "solute" : "solvent", mode, pick(), pick(), pick()});
        check({"chem", "solubility", mode, pick(), pick(), pick()});
        check({"chem", "dilute", mode, pick(), pick(), pick(), pick()});
        check({"chem", "concentrate", mode, pick(), pick(), pick(), pick()});
    }
}

// --exact, --steps and --powers: the lines replaced by their exact forms,
// the worked solution one step a line, the refusals and exit statuses of
// the plain commands (more rows in solutions.batch).
TEST(CliExactAndSteps, OptionsOfTheSolvers) {
    const CliRow cases[] = {
        {{"quadratic", "1", "-3", "1", "--exact"}, 0, "(3+√5)/2\n(3-√5)/2\n", ""},
        {{"quadratic", "--exact", "1", "2", "1"}, 0, "-1\n-1\n", ""},
        {{"quadratic", "1", "0", "1", "--exact"}, 1, "", "此方程无解！\n"},
        {{"quadratic", "0", "2", "1", "--steps"}, 1, "", "二次项系数不能为0\n"},
        {{"quadratic", "1", "0", "1", "--steps"}, 1,
         "方程: x²+1 = 0\na = 1, b = 0, c = 1\nΔ = b²-4ac = 0²-4×1×1 = -4\nΔ < 0，方程没有实数根\n", "此方程无解！\n"},
        {{"linear2", "3", "1", "1", "1", "2", "1", "--exact"}, 0, "1/5\n2/5\n", ""},
        {{"linear2", "1", "1", "2", "1", "1", "3", "--exact"}, 1, "", "此方程组无解！\n"},
        {{"linear2", "", "1", "2", "1", "1", "3", "--steps"}, 1, "", "请不要使输入框为空\n"},
        {{"linear3", "1", "1", "1", "6", "0", "2", "5", "-4", "2", "5", "-1", "27", "--exact"}, 0, "5\n3\n-2\n", ""},
        {{"root", "8", "2", "--exact"}, 0, "2√2\n3\n", ""},
        {{"root", "-4", "2", "--exact"}, 1, "", "被开方数不能为负\n"},
        {{"root", "72", "2", "--steps"}, 0, "√72 = √(36×2) = 6√2\n", ""},
        {{"quick", "root", "0.5", "2", "--exact"}, 0, "√2/2\n", ""},
        {{"trig", "sin", "60", "--exact"}, 0, "√3/2\n", ""},
        {{"trig", "sin", "10", "--exact"}, 0, "0.17364817766693\n", ""},
        {{"trig", "sin", "60", "--radians", "--exact"}, 0, "-0.304810621102217\n", ""},
        {{"trig", "tan", "90", "--exact"}, 1, "", "该角终边不可与纵坐标轴重合\n"},
        {{"trig", "sin", "390", "--steps"}, 0, "sin 390° = sin(360°+30°) = sin 30°\nsin 30° = 1/2\nsin 390° = 1/2\n", ""},
        {{"factor", "360", "--powers"}, 0, "2³×3²×5\n", ""},
        {{"factor", "7", "--powers"}, 0, "7\n", ""},
        {{"factor", "1", "--powers"}, 1, "", "请输入不小于2的整数\n"},
        {{"chem", "molarity", "1", "2", "--steps"}, 0, "物质的量浓度 = 溶质的物质的量 ÷ 溶液体积\n= 1mol ÷ 2L\n= 0.5mol/L\n", ""},
        {{"chem", "molarity", "-1", "2", "--steps"}, 1, "", "溶质的物质的量不能小于0\n"},
    };
    for (const auto& c : cases) ExpectCli(c);
    // Options a command does not take, or two at once: a usage error.
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"add", "1", "2", "--exact"}, {"quick", "add", "1", "2", "--exact"},
                                               {"quick", "root", "8", "2", "--steps"}, {"factor", "12", "--exact"},
                                               {"quadratic", "1", "2", "1", "--exact", "--steps"},
                                               {"root", "8", "--powers", "2"}, {"chem", "molarity", "1", "2", "--exact"},
                                               {"quadratic", "1", "2", "--steps"}})
        EXPECT_EQ(RunCli(args).rc, 2) << args[0] << " " << args.back();
}
