// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Commands.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

#include "CommonOps.h"
#include "SolutionProblems.h"
#include "EquationSolvers.h"
#include "MultiplicationFormulas.h"
#include "Trigonometry.h"
#include "ExactFormula.h"
#include "Formula.h"
#include "FullWidth.h"
#include "Plotter.h"
#include "PlotCommand.h"
#include "Outcome.h"
#include "Primes.h"
#include "SolutionCommands.h"
#include "Workbench.h"
#include "VersionText.h"

namespace numora::cli {
namespace {

// What `eval --file` writes for a line it refuses, in place of a result.
const std::string kRefusedLine = "Error";

using Args = std::span<const std::string>;

struct Command {
    const char* name;
    const char* usage;
    std::function<int(Args, std::istream&, std::ostream&, std::ostream&)> run;
};

constexpr std::size_t kMaxLineBytes = kMaxFormulaLineBytes;

enum class LineStatus { Line, End, TooLong };

// Reads the next line (without its "\n", or its "\r\n") from `next`, a
// function that gives one byte after another as an int, EOF at the end. The
// limit counts the line without its end.
template <typename NextByte>
LineStatus ReadLine(NextByte& next, std::string& line) {
    line.clear();
    int c = next();
    if (c == EOF) return LineStatus::End;
    for (; c != EOF && c != '\n'; c = next()) {
        if (line.size() == kMaxLineBytes) {
            // Only the CR of a CRLF may follow a line of the longest length.
            if (c != '\r') return LineStatus::TooLong;
            const int after = next();
            return after == '\n' || after == EOF ? LineStatus::Line : LineStatus::TooLong;
        }
        line += static_cast<char>(c);
    }
    return LineStatus::Line;
}

// A line of `eval --exact --file`: the exact value, or "Error" for a line
// without one.
std::string ExactLine(const std::string& formula) {
    const std::string text = ExactText(EvaluateFormulaExact(formula));
    return text.empty() ? kRefusedLine : text;
}

// The bytes of `next` without a UTF-8 byte-order mark at their start.
template <typename NextByte>
auto WithoutByteOrderMark(NextByte next) {
    return [next, held = std::string(), start = true]() mutable -> int {
        if (start) {
            start = false;
            static constexpr unsigned char kMark[] = {0xEF, 0xBB, 0xBF};
            for (unsigned char m : kMark) {
                const int c = next();
                if (c == EOF) break;
                held += static_cast<char>(c);
                if (static_cast<unsigned char>(c) != m) break;
            }
            if (held.size() == 3 && static_cast<unsigned char>(held[2]) == kMark[2]) held.clear();
            std::reverse(held.begin(), held.end());  // handed out from the back
        }
        if (!held.empty()) {
            const auto c = static_cast<unsigned char>(held.back());
            held.pop_back();
            return c;
        }
        return next();
    };
}

// Evaluates every line from `next`: one result a line, "Error" for a
// rejected one. False (after a message) when a line is too long. A UTF-8
// byte-order mark in front of the first line is not part of it.
template <typename NextByte>
bool EvaluateLines(NextByte source, std::ostream& out, std::ostream& err, bool exact) {
    auto next = WithoutByteOrderMark(std::move(source));
    std::string line;
    for (std::size_t number = 1;; ++number) {
        const LineStatus status = ReadLine(next, line);
        if (status == LineStatus::End) return true;
        if (status == LineStatus::TooLong) {
            err << "第" << number << "行过长: 一行公式最多" << kMaxLineBytes << "字节\n";
            return false;
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        out << (exact ? ExactLine(line) : EvaluateFormula(line).value_or(kRefusedLine)) << '\n';
        if (!out) return true;  // the caller reports the failed output
    }
}

// The lines of an open file. A read that fails (a folder given as standard
// input, an I/O error) is refused with `readError`.
int EvaluateOpenFile(std::FILE* file, const std::string& readError, std::ostream& out,
                     std::ostream& err, bool exact) {
    const bool complete = EvaluateLines([file] { return getc_unlocked(file); }, out, err, exact);
    if (std::ferror(file) != 0) {
        err << readError << '\n';
        return kRefused;
    }
    return complete ? kOk : kRefused;
}

// eval --file PATH: the lines of a file; a folder, a file that cannot be
// opened or a read that fails is refused with a message.
int EvaluateFile(const std::string& path, std::ostream& out, std::ostream& err, bool exact) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        err << "无法读取文件: " << path << " 是文件夹\n";
        return kRefused;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        err << "无法读取文件: " << path << '\n';
        return kRefused;
    }
    const int status = EvaluateOpenFile(file, "读取文件时出错: " + path, out, err, exact);
    std::fclose(file);
    return status;
}

// eval --exact FORMULA: the exact value in lowest terms.
int EvalExact(const std::string& formula, std::ostream& out, std::ostream& err) {
    const ExactFormulaResult result = EvaluateFormulaExact(formula);
    if (result.exact == ExactFormulaResult::Exact::TooLarge) {
        err << "数据过大\n";
        return kRefused;
    }
    if (result.exact != ExactFormulaResult::Exact::Value) {
        err << "表达式错误\n";
        return kRefused;
    }
    out << ExactText(result) << '\n';
    return kOk;
}

int Eval(Args args, std::istream& in, std::ostream& out, std::ostream& err) {
    const bool exact = !args.empty() && args[0] == "--exact";
    if (exact) args = args.subspan(1);
    if (args.empty()) return kUsage;
    if (args[0] == "--file") {
        if (args.size() != 2) return kUsage;
        if (args[1] == "-") {
            // The process's own standard input is read through C stdio, which
            // keeps the read error that std::cin's buffer swallows (a folder
            // redirected to it used to read as an empty file).
            if (&in == &std::cin) return EvaluateOpenFile(stdin, "读取标准输入时出错", out, err, exact);
            std::streambuf* buffer = in.rdbuf();
            const bool complete = EvaluateLines([buffer] { return buffer->sbumpc(); }, out, err, exact);
            if (in.bad()) {
                err << "读取标准输入时出错\n";
                return kRefused;
            }
            return complete ? kOk : kRefused;
        }
        return EvaluateFile(args[1], out, err, exact);
    }
    // Words split by the shell are one formula: numora-cli eval 1 + 2
    std::string formula = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) formula += " " + args[i];
    if (exact) return EvalExact(formula, out, err);
    const std::optional<std::string> result = EvaluateFormula(formula);
    if (!result) {
        err << "表达式错误\n";
        return kRefused;
    }
    out << *result << '\n';
    return kOk;
}

// Prints the named fields of a command's outcome, one a line, or its
// message on standard error.
int Print(const Outcome& outcome, const std::vector<const char*>& fields, std::ostream& out,
          std::ostream& err) {
    if (outcome.failed()) {
        err << outcome.message->text << '\n';
        return kRefused;
    }
    for (const char* field : fields) out << outcome.Field(field).value_or("") << '\n';
    return kOk;
}

// A command of two operands computed by `compute`, printing `fields`.
template <typename Compute>
auto Binary(Compute compute, std::initializer_list<const char*> fields) {
    return [compute, fields = std::vector<const char*>(fields)](Args args, std::istream&, std::ostream& out,
                                                                 std::ostream& err) {
        if (args.size() != 2) return kUsage;
        return Print(compute(args[0], args[1]), fields, out, err);
    };
}

int Quick(standard::QuickOp op, Args args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) return kUsage;
    return Print(standard::QuickOperation(op, args[0], args[1]), {"CommonSimpleFrame2Text1"}, out, err);
}

int Factorial(Args args, std::istream&, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) return kUsage;
    return Print(standard::CommonFactorial(args[0]), {"CommonFactorialText2"}, out, err);
}

int Big(Args args, std::istream&, std::ostream& out, std::ostream& err) {
    if (args.empty()) return kUsage;
    const std::string& what = args[0];
    if (what == "sum" || what == "product") {
        std::vector<std::string> items(args.begin() + 1, args.end());
        if (items.empty()) return kUsage;
        for (const std::string& item : items)
            if (auto refusal = standard::CheckListItem(item)) return Print(Outcome::Error(*refusal), {}, out, err);
        return Print(standard::FoldList(what == "product", items), {"LargeText5"}, out, err);
    }
    const std::pair<const char*, standard::LargeOp> ops[] = {
        {"add", standard::LargeOp::Add},      {"sub", standard::LargeOp::Minus},
        {"mul", standard::LargeOp::Multiply}, {"div", standard::LargeOp::Divide},
        {"pow", standard::LargeOp::Power},
    };
    for (const auto& [name, op] : ops) {
        if (what != name) continue;
        if (args.size() != 3) return kUsage;
        if (auto refusal = standard::CheckPairwise(op, args[1], args[2]))
            return Print(Outcome::Error(*refusal), {}, out, err);
        const Outcome outcome = standard::PairwiseResult(op, args[1], args[2]);
        if (op == standard::LargeOp::Divide) return Print(outcome, {"LargeText3", "LargeText3Se"}, out, err);
        return Print(outcome, {"LargeText3"}, out, err);
    }
    return kUsage;
}

// The factorization tab: one prime factor a line.
int Factor(Args args, std::istream&, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) return kUsage;
    const scientific::FactorInput input = scientific::CheckFactorInput(args[0]);
    if (input.kind != scientific::FactorCheck::Accepted) {
        err << input.message << '\n';
        return kRefused;
    }
    std::string text;
    for (std::int32_t factor : scientific::Factorize(input.n)) text += std::to_string(factor) + '\n';
    out << text;
    return kOk;
}

// The Goldbach tab: one line "N=p+q" a decomposition, written in large
// pieces as the search goes (millions of lines for large N), or the count.
int Goldbach(Args args, std::istream&, std::ostream& out, std::ostream& err) {
    bool countOnly = false;
    const std::string* number = nullptr;
    for (const std::string& arg : args) {
        if (arg == "--count" && !countOnly)
            countOnly = true;
        else if (!number)
            number = &arg;
        else
            return kUsage;
    }
    if (!number) return kUsage;
    const scientific::GoldbachInput input = scientific::CheckGoldbachInput(*number);
    if (!input.refusal.empty()) {
        err << input.refusal << '\n';
        return kRefused;
    }
    const std::uint32_t n = input.n;
    if (countOnly) {
        out << scientific::GoldbachCount(n).value_or(0) << '\n';
        return kOk;
    }
    // The list on every core, written in order as the segments come.
    std::vector<char> buffer(1 << 16);
    const std::string prefix = std::to_string(n) + "=";
    std::size_t used = 0;
    std::atomic<bool> failed{false};  // the output cannot be written (Run reports it): the search ends
    scientific::GoldbachList(n, [&](std::vector<std::uint32_t>& ps) {
        for (std::uint32_t p : ps) {
            if (failed) return;
            if (buffer.size() - used < prefix.size() + 24) {
                if (!out.write(buffer.data(), static_cast<std::streamsize>(used))) failed = true;
                used = 0;
            }
            char* at = buffer.data() + used;
            std::memcpy(at, prefix.data(), prefix.size());
            at = std::to_chars(at + prefix.size(), buffer.data() + buffer.size(), p).ptr;
            *at++ = '+';
            at = std::to_chars(at, buffer.data() + buffer.size(), n - p).ptr;
            *at++ = '\n';
            used = static_cast<std::size_t>(at - buffer.data());
        }
    }, 0, &failed);
    if (!failed) out.write(buffer.data(), static_cast<std::streamsize>(used));
    return kOk;
}

// The Mersenne tab: the primes, then the last exponent examined.
int Mersenne(Args args, std::istream&, std::ostream& out, std::ostream&) {
    if (!args.empty()) return kUsage;
    const scientific::MersenneResult result = scientific::MersenneSearch();
    for (std::int32_t prime : result.primes) out << prime << '\n';
    out << "last exponent: " << result.lastExponent << '\n';
    return kOk;
}

// ---- Mathematics: equation solvers, trigonometry, multiplication formulas ----

// A command of exactly `count` operands, all passed to `solve` in order.
template <std::size_t count, typename Solve>
auto Operands(Solve solve, std::initializer_list<const char*> fields) {
    return [solve, fields = std::vector<const char*>(fields)](Args args, std::istream&, std::ostream& out,
                                                               std::ostream& err) {
        if (args.size() != count) return kUsage;
        return Print([&]<std::size_t... i>(std::index_sequence<i...>) { return solve(args[i]...); }(
                         std::make_index_sequence<count>()),
                     fields, out, err);
    };
}

int TrigCommand(Args args, std::istream&, std::ostream& out, std::ostream& err) {
    bool radians = false;
    std::vector<std::string> rest;
    for (const std::string& a : args) {
        if (a == "--radians") radians = true;
        else rest.push_back(a);
    }
    if (rest.size() != 2) return kUsage;
    const auto f = TrigFunctionNamed(rest[0]);
    if (!f) return kUsage;
    return Print(maths::Trig(*f, rest[1], radians), {maths::kTrigResult}, out, err);
}

int FormulaCommand(Args args, std::istream&, std::ostream& out, std::ostream& err) {
    if (args.size() != 3 || args[0].size() != 1 || args[0][0] < '1' || args[0][0] > '5') return kUsage;
    return Print(maths::MultiplicationFormula(args[0][0] - '0', args[1], args[2]), {maths::kFormulaResult}, out, err);
}

// ---- Chemistry: solution problems ----

// chem fraction solute|solvent MODE S W L | chem solubility MODE S W L |
// chem molarity N V | chem dilute|concentrate MODE S W L T (ParseChem; "-"
// for a box left empty). The dilution answer (an information box in the
// window) is printed on standard output.
int Chem(Args args, std::istream&, std::ostream& out, std::ostream& err) {
    const auto r = ParseChem(args);
    if (!r) return kUsage;
    switch (r->kind) {
    case ChemRequest::Kind::Molarity:
        return Print(chem::MolarConcentration(r->amount, r->volume), {chem::kMolarityResult}, out, err);
    case ChemRequest::Kind::Fraction:
        return Print(chem::MassFraction(r->mode, r->of, r->masses), {chem::kFractionResult}, out, err);
    case ChemRequest::Kind::Solubility:
        return Print(chem::Solubility(r->mode, r->masses), {chem::kSolubilityResult}, out, err);
    case ChemRequest::Kind::Dilution: break;
    }
    const Outcome answer = chem::Dilution(r->direction, r->mode, r->masses, r->target);
    if (answer.message && answer.message->icon == MessageIcon::Information) {
        out << answer.message->text << '\n';
        return kOk;
    }
    return Print(answer, {}, out, err);
}

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"eval", "eval 公式 | eval --file 文件   （文件为“-”时读标准输入；一行最多 16 MiB）"
                 "\n  numora-cli eval --exact 公式 | eval --exact --file 文件   （精确值，最简分数：1/3、-7/2、5）",
         Eval},
        {"add", "add 被加数 加数", Binary(standard::CommonSum, {"CommonAddText3"})},
        {"sub", "sub 被减数 减数", Binary(standard::CommonDifference, {"CommonReduceText3"})},
        {"mul", "mul 被乘数 乘数", Binary(standard::CommonProduct, {"CommonMultiplyText3"})},
        {"div", "div 被除数 除数   （输出：商、整数商、余数）",
         Binary(standard::CommonQuotient, {"CommonChuText5", "CommonChuText3", "CommonChuText4"})},
        {"pow", "pow 底数 指数", Binary(standard::CommonPower, {"CommonPowerText3"})},
        {"root", "root 被开方数 根指数 [--exact|--steps]   （输出：方根、取整的方根）",
         Binary(standard::CommonRoot, {"CommonKaiText2", "CommonKaiText3"})},
        {"log", "log 真数 底数", Binary(standard::CommonLogarithm, {"CommonLogText3"})},
        {"fact", "fact 整数   （阶乘）", Factorial},
        {"quick", "quick add|sub|mul|div|pow|root|log 第一个数 第二个数   （简易界面）\n"
         "  numora-cli quick root 被开方数 根指数 --exact   （简易界面的开方，精确值）",
         [](Args args, std::istream&, std::ostream& out, std::ostream& err) {
             const std::pair<const char*, standard::QuickOp> ops[] = {
                 {"add", standard::QuickOp::Sum},       {"sub", standard::QuickOp::Difference},
                 {"mul", standard::QuickOp::Product},   {"div", standard::QuickOp::Division},
                 {"pow", standard::QuickOp::Power},     {"root", standard::QuickOp::Root},
                 {"log", standard::QuickOp::Logarithm},
             };
             if (args.empty()) return kUsage;
             for (const auto& [name, op] : ops)
                 if (args[0] == name) return Quick(op, args.subspan(1), out, err);
             return kUsage;
         }},
        {"big",
         "big add|sub|mul|div|pow 数1 数2 | big sum|product 数1 数2 ...   （只含数字0-9的整数；div 输出商和余数）",
         Big},
        {"factor", "factor 整数 [--powers|--steps]   （质因数，每行一个；--powers：质因数的幂，如 2³×3²×5）", Factor},
        {"goldbach", "goldbach 偶数 [--count]   （每种 偶数=p+q，或只输出其个数）", Goldbach},
        {"mersenne", "mersenne   （梅森素数，最后一行为检验过的最后一个指数）", Mersenne},
        {"quadratic", "quadratic a b c [--exact|--steps]   （ax²+bx+c=0；输出 x1、x2）",
         Operands<3>(maths::SolveQuadratic, {maths::kQuadraticX1, maths::kQuadraticX2})},
        {"linear2", "linear2 a1 b1 c1 a2 b2 c2 [--exact|--steps]   （a1x+b1y=c1，a2x+b2y=c2；输出 x、y）",
         Operands<6>(maths::SolveLinear2, {maths::kLinear2X, maths::kLinear2Y})},
        {"linear3", "linear3 a1 b1 c1 d1 a2 b2 c2 d2 a3 b3 c3 d3 [--exact|--steps]   （a1x+b1y+c1z=d1 等三个方程；输出 x、y、z）",
         Operands<12>(maths::SolveLinear3, {maths::kLinear3X, maths::kLinear3Y, maths::kLinear3Z})},
        {"trig", "trig sin|cos|tan|cot|sec|csc 角度 [--radians] [--exact|--steps]   （角度默认为度，--radians 为弧度）", TrigCommand},
        {"formula", "formula 1..5 a b   （1：a^2-b^2，2：(a+b)^2，3：(a-b)^2，4：a^3+b^3，5：a^3-b^3）", FormulaCommand},
        {"plot", kPlotUsage, PlotCommand},
        {"chem",
         "chem fraction solute|solvent 方式 溶质 溶剂 溶液 | chem solubility 方式 溶质 溶剂 溶液 | "
         "chem molarity 物质的量 体积 | chem dilute|concentrate 方式 溶质 溶剂 溶液 浓度   [--steps]\n"
         "              （方式 1：已知溶质和溶液，2：已知溶剂和溶液，3：已知溶质和溶剂；质量单位为 g，浓度单位为 %；"
         "该方式不读的框写“-”）",
         Chem},
    };
    return commands;
}

void PrintUsage(std::ostream& os) {
    os << "用法: numora-cli <命令> <参数>\n";
    for (const Command& c : Commands()) os << "  numora-cli " << c.usage << '\n';
    os << "  numora-cli --help | --version\n";
    os << "--exact：结果的精确值（根式、分数、特殊角的值），--steps：解题过程（每行一步），"
          "--powers：质因数分解的幂形式\n";
}

// The arguments as the commands read them: full-width digits and signs (a
// Chinese input method's full-width mode) as ASCII; the file names after
// --file and --out stay exactly as given.
std::vector<std::string> ReadArguments(const std::vector<std::string>& args) {
    std::vector<std::string> read;
    read.reserve(args.size());
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool path = i > 0 && (args[i - 1] == "--file" || args[i - 1] == "--out");
        read.push_back(path ? args[i] : FromFullWidth(args[i]));
    }
    return read;
}

int Dispatch(const std::vector<std::string>& typed, std::istream& in, std::ostream& out, std::ostream& err) {
    const std::vector<std::string> args = ReadArguments(typed);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintUsage(args.empty() ? err : out);
        return args.empty() ? kUsage : kOk;
    }
    if (args[0] == "--version" || args[0] == "-V") {
        if (args.size() != 1) return kUsage;
        out << VersionText("numora-cli");
        return kOk;
    }
    for (const Command& c : Commands()) {
        if (args[0] != c.name) continue;
        // --exact, --steps and --powers: the exact forms and worked solutions.
        const std::optional<int> special = RunExactOrSteps(c.name, Args(args).subspan(1), out, err);
        const int rc = special ? *special : c.run(Args(args).subspan(1), in, out, err);
        if (rc == kUsage) err << "用法: numora-cli " << c.usage << '\n';
        return rc;
    }
    err << "未知命令: " << args[0] << '\n';
    PrintUsage(err);
    return kUsage;
}

}  // namespace

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    const int rc = Dispatch(args, in, out, err);
    // Output that could not be written (a full disk, a closed standard
    // output) is a failure, never a silent success.
    if (!out.flush()) {
        err << kOutputFailed << '\n';
        return kRefused;
    }
    return rc;
}

}  // namespace numora::cli
