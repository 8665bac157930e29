#include "roundtrip/quill_session.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <sstream>

#include "support/temp_path.h"

namespace quill::roundtrip {

namespace {

using Json = nlohmann::json;

// How far apart the two anchors should be, in page widths, and how close they may be.
constexpr double kWantedSpan = 0.3;
constexpr double kShortestSpan = 0.02;

struct Page {
    double width = 0, height = 0;
};

Page PageOf(const Json& dump) {
    const Json& page = dump.at("page");
    return {page.at("width").get<double>(), page.at("height").get<double>()};
}

bool OnPage(const Json& point, const Page& page) {
    const double x = point[0].get<double>(), y = point[1].get<double>();
    return x >= 0 && x <= page.width && y >= 0 && y <= page.height;
}

double Distance(const Json& a, const Json& b) {
    return std::hypot(a[0].get<double>() - b[0].get<double>(),
                      a[1].get<double>() - b[1].get<double>());
}

// The best pair of anchors of `art` and what is below it, kept in `best` with its score.
void ScanForAnchors(const Json& art, const Page& page, std::optional<AnchorPair>* best,
                    double* bestScore) {
    // A compound path's members are paths like any other.
    if (art.value("type", "") == "group" || art.value("type", "") == "compound") {
        for (const Json& child : art.value("art", Json::array()))
            ScanForAnchors(child, page, best, bestScore);
        return;
    }
    if (art.value("type", "") != "path" || art.value("hidden", false) || art.value("locked", false))
        return;
    const Json& segments = art.value("segments", Json::array());
    if (segments.size() < 2 || !OnPage(segments[0].at("p"), page)) return;
    const Json* farthest = nullptr;
    for (const Json& s : segments)
        if (OnPage(s.at("p"), page) &&
            (!farthest || Distance(segments[0].at("p"), s.at("p")) >
                              Distance(segments[0].at("p"), farthest->at("p"))))
            farthest = &s;
    const double span = Distance(segments[0].at("p"), farthest->at("p"));
    if (span < kShortestSpan * page.width) return;
    const double score = std::fabs(span - kWantedSpan * page.width);
    if (score >= *bestScore) return;
    *bestScore = score;
    const Json &a = segments[0].at("p"), &b = farthest->at("p");
    *best =
        AnchorPair{a[0].get<double>(), a[1].get<double>(), b[0].get<double>(), b[1].get<double>()};
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The dimension's sizes on this page, as script lines: a letter-wide page keeps them, a
// smaller one is also zoomed in, so that its anchors are as far apart on the screen as
// the plug-in needs to tell them apart. "Precision" at its default comes first: without
// it the first start writes every default.
std::string ScaledDimensionLines(const Json& dump) {
    constexpr double kLetterWidth = 612;
    const double k = std::clamp(PageOf(dump).width / kLetterWidth, 0.05, 1.0);
    std::ostringstream lines;
    lines.setf(std::ios::fixed);
    lines.precision(3);
    lines << "zoom " << 1 / k << "\npref Precision 1\npref Corps " << 12 * k << "\npref Zoom "
          << 150 * k << "\npref Attaches " << 12 * k << "\npref Epaisseur " << k << '\n';
    return lines.str();
}

}  // namespace

std::string QuillSession::Failure() const {
    if (run.exitCode == 0 && dump.is_object()) return "";
    std::string output = run.output.substr(0, 600);
    std::replace(output.begin(), output.end(), '\n', ' ');
    if (run.signal != 0)
        return "quill was killed by signal " + std::to_string(run.signal) + " (a crash): " + output;
    return "quill ended with " + std::to_string(run.exitCode) + ": " + output;
}

QuillSession RunQuill(const std::string& folder, const std::string& stem,
                      const std::string& script) {
    const std::string scriptPath = folder + "/" + stem + ".qs";
    const std::string dumpPath = folder + "/" + stem + ".json";
    QuillSession session;
    std::remove(dumpPath.c_str());
    if (!WriteText(scriptPath, script)) {
        session.run.output = scriptPath + ": cannot be written";
        return session;
    }
    session.run = RunProgram({QuillProgram(), "run", scriptPath, "--dump", dumpPath}, "",
                             folder + "/" + stem + ".log");
    session.dump = Json::parse(testing::FileText(dumpPath), nullptr, false);
    if (session.dump.is_discarded()) session.dump = nullptr;
    return session;
}

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

AnchorPair ChooseAnchors(const Json& dump) {
    const Page page = PageOf(dump);
    std::optional<AnchorPair> best;
    double bestScore = kInfinity;
    for (const Json& layer : dump.at("layers"))
        if (layer.value("visible", true) && !layer.value("locked", false))
            for (const Json& art : layer.value("art", Json::array()))
                ScanForAnchors(art, page, &best, &bestScore);
    if (best) return *best;
    const double from = (0.5 - kWantedSpan / 2) * page.width;
    return AnchorPair{from, page.height / 2, from + kWantedSpan * page.width, page.height / 2};
}

bool HasDimension(const Json& dump) {
    for (const Json& layer : dump.at("layers"))
        if (layer.value("title", "") == "Dimensions" && !layer.value("art", Json::array()).empty())
            return true;
    return false;
}

QuillSession OpenAndSave(const DrawingFile& drawing, const std::string& folder,
                         const std::string& saved) {
    return RunQuill(folder, "save",
                    "doc open " + Quoted(drawing.path) + "\ndoc save " + Quoted(saved) + "\n");
}

std::string OpenDimensionAndSave(const DrawingFile& drawing, const std::string& folder,
                                 const std::string& plain, const std::string& saved) {
    const QuillSession opened = RunQuill(folder, "open", "doc open " + Quoted(drawing.path) + "\n");
    if (!opened.Failure().empty()) return opened.Failure();
    const AnchorPair a = ChooseAnchors(opened.dump);
    std::ostringstream script;
    script << "doc open " << Quoted(drawing.path) << "\ndoc save " << Quoted(plain) << '\n'
           << ScaledDimensionLines(opened.dump) << "startup\ntool segment\nclick " << a.x1 << ' '
           << a.y1 << "\nclick " << a.x2 << ' ' << a.y2 << "\ndoc save " << Quoted(saved) << '\n';
    const QuillSession session = RunQuill(folder, "dimension", script.str());
    if (!session.Failure().empty()) return session.Failure();
    if (!HasDimension(session.dump))
        return "the two clicks made no dimension; alerts " +
               session.dump.value("alerts", Json()).dump();
    return "";
}

}  // namespace quill::roundtrip
