#include "Commands.h"

#include <fstream>
#include <functional>
#include <iostream>
#include <span>

#include "Formula.h"

namespace numora::cli {
namespace {

constexpr int kOk = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;

using Args = std::span<const std::string>;

struct Command {
    const char* name;
    const char* usage;
    std::function<int(Args, std::istream&, std::ostream&, std::ostream&)> run;
};

// Evaluates every line of `in`: one result a line, "Error" for a rejected one.
void EvaluateLines(std::istream& in, std::ostream& out) {
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        out << EvaluateFormula(line) << '\n';
    }
}

int Eval(Args args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (args.empty()) return kUsage;
    if (args[0] == "--file") {
        if (args.size() != 2) return kUsage;
        if (args[1] == "-") {
            EvaluateLines(in, out);
            return kOk;
        }
        std::ifstream file(args[1], std::ios::binary);
        if (!file) {
            err << "无法读取文件: " << args[1] << '\n';
            return kRefused;
        }
        EvaluateLines(file, out);
        return kOk;
    }
    // Words split by the shell are one formula: numora-cli eval 1 + 2
    std::string formula = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) formula += " " + args[i];
    std::string result = EvaluateFormula(formula);
    if (result == "Error") {
        err << "表达式错误\n";
        return kRefused;
    }
    out << result << '\n';
    return kOk;
}

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"eval", "eval FORMULA | eval --file FILE   (FILE '-' reads standard input)", Eval},
    };
    return commands;
}

void PrintUsage(std::ostream& os) {
    os << "用法: numora-cli <命令> <参数>\n";
    for (const Command& c : Commands()) os << "  numora-cli " << c.usage << '\n';
}

}  // namespace

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintUsage(args.empty() ? err : out);
        return args.empty() ? kUsage : kOk;
    }
    for (const Command& c : Commands()) {
        if (args[0] != c.name) continue;
        int rc = c.run(Args(args).subspan(1), in, out, err);
        if (rc == kUsage) err << "用法: numora-cli " << c.usage << '\n';
        return rc;
    }
    err << "未知命令: " << args[0] << '\n';
    PrintUsage(err);
    return kUsage;
}

}  // namespace numora::cli
