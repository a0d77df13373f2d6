// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotCommand.h"

#include <ostream>
#include <vector>

#include "FileWriter.h"
#include "KeyPoints.h"
#include "PlotSession.h"
#include "PlotView.h"
#include "Plotter.h"

namespace numora::cli {

const char* const kPlotUsage =
    "plot 类型 系数... [--and 类型 系数...] [--range 最小x 最大x 最小y 最大y] [--grid 网格数] "
    "[--out 文件.png|文件.svg] [--points]\n"
    "              （类型：1..11 或 linear quadratic exponential logarithm inverse sine cosine power tangent "
    "absolute function，或窗口中的中文名称；function 的系数是一个函数式，如 \"x^2-3x+2\"，"
    "其后可给出其中参数 a b c 的值，如 function \"a*sin(b*x)+c\" 2 1 0；"
    "--points 按 x 的顺序列出零点、极值点、y轴交点和交点，每行一个，"
    "函数值恒为0或图象重合时只说一次）";

namespace {

constexpr int kOk = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;

// Kinds by their names in the window, by number or by an English word.
constexpr const char* kEnglish[] = {"linear", "quadratic", "exponential", "logarithm", "inverse", "sine",
                                    "cosine", "power",     "tangent",     "absolute",  "function"};

struct Request {
    std::size_t kind;
    std::vector<std::string> coefficients;
};

std::size_t KindOf(const std::string& word) {
    for (std::size_t i = 0; i < maths::kCurveKinds; ++i)
        if (word == maths::kKindNames[i] || word == kEnglish[i] || word == std::to_string(i + 1)) return i;
    return maths::kCurveKinds;
}

int Refuse(const Outcome& outcome, std::ostream& err) {
    err << outcome.message->text << '\n';
    return kRefused;
}

// Texts of the picture are measured as the SVG shows them: digits and
// signs about 0.55 of the font's size wide.
constexpr double kFontPx = 14;
constexpr int kSize = 600;

}  // namespace

int PlotCommand(std::span<const std::string> args, std::istream&, std::ostream& out, std::ostream& err) {
    std::vector<Request> requests;
    std::string minX = "-4", maxX = "4", minY = "-4", maxY = "4", grid = "7", file;
    bool points = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (i == 0 || args[i] == "--and") {
            if (i > 0 && ++i == args.size()) return kUsage;
            const std::size_t kind = KindOf(args[i]);
            if (kind == maths::kCurveKinds) return kUsage;
            requests.push_back({kind, {}});
        } else if (args[i] == "--range" && i + 4 < args.size()) {
            minX = args[i + 1], maxX = args[i + 2], minY = args[i + 3], maxY = args[i + 4];
            i += 4;
        } else if (args[i] == "--grid" && i + 1 < args.size()) {
            grid = args[++i];
            if (grid.size() > 1) return kUsage;  // the grid box holds one character
        } else if (args[i] == "--out" && i + 1 < args.size()) {
            file = args[++i];
        } else if (args[i] == "--points") {
            points = true;
        } else {
            requests.back().coefficients.push_back(args[i]);
        }
    }
    if (requests.empty()) return kUsage;
    for (const Request& r : requests) {
        // A typed function may be followed by the values of a, b and c.
        const bool typed = r.kind == static_cast<std::size_t>(maths::CurveKind::Typed);
        const std::size_t n = r.coefficients.size(), boxes = maths::kKindBoxes[r.kind];
        if (typed ? (n < boxes || n > boxes + 3) : n != boxes) return kUsage;
    }
    auto endsWith = [&file](const char* ending) { return file.size() > 4 && file.compare(file.size() - 4, 4, ending) == 0; };
    const bool svg = endsWith(".svg"), png = endsWith(".png");
    if (file.empty() ? !points : (!svg && !png)) return kUsage;

    const maths::ApplyResult applied = maths::ApplyRange(minY, maxY, minX, maxX, grid);
    if (!applied.ok) return Refuse(applied.outcome, err);
    const maths::PlotRange& range = applied.range;
    std::vector<maths::Graph> graphs;
    std::vector<maths::Curve> curves;
    for (const Request& r : requests) {
        graphs.push_back(maths::DrawGraph(maths::kKindNames[r.kind], r.coefficients, range));
        if (graphs.back().outcome.failed()) return Refuse(graphs.back().outcome, err);
        curves.push_back(*graphs.back().curve);
    }
    const maths::CanvasMapping plot{range.minX, range.maxY, range.maxX, range.minY};
    const maths::KeyPoints keys = points ? maths::FindKeyPoints(curves, plot) : maths::KeyPoints{};

    if (!file.empty()) {
        // The canvas as the window shows it at the stored range: the grid
        // through the axes' numbers, the graphs, the axes, and the key
        // points when they are asked for.
        maths::PlotSession session;
        session.Apply(range, applied.grid);
        for (std::size_t i = 0; i < graphs.size(); ++i) session.Add(graphs[i], requests[i].coefficients);
        session.ShowKeyPoints(points);
        const maths::TextMeasure measure{[](const std::string& t) { return 0.55 * kFontPx * static_cast<double>(t.size()); },
                                         kFontPx, kSize};
        const maths::Picture picture = session.Draw(measure, 4);
        const std::string bytes =
            svg ? maths::PictureSvg(picture, kSize, kSize, kFontPx) : maths::PicturePng(picture, kSize, kSize);
        // Whole or not at all: an old file stays as it was when this fails.
        if (const WriteResult written = WriteWholeFile(file, bytes); !written.ok()) {
            err << "无法写入文件: " << file << "（" << WriteFailureReason(written) << "）\n";
            return kRefused;
        }
    }
    for (const maths::KeyPoint& p : keys.points) out << maths::KeyPointLine(p) << '\n';
    for (const maths::KeyNote& n : keys.notes) out << maths::KeyNoteLine(n, curves.size()) << '\n';
    if (keys.tooMany) err << "关键点过多，部分未列出\n";
    return kOk;
}

}  // namespace numora::cli
