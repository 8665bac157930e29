#include "roundtrip/picture_check.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/svg/render.h"

namespace quill::roundtrip {

namespace {

// One line a check: drawing, check, verdict, percent of pixels differing, note. Lines of
// several test processes go to one file, each written whole by one append.
void Record(const DrawingFile& drawing, const std::string& check, const std::string& verdict,
            const std::string& percent, const std::string& note) {
    std::error_code error;
    std::filesystem::create_directories(OutputRoot(), error);
    std::ostringstream line;
    line << drawing.name << '\t' << check << '\t' << verdict << '\t' << percent << '\t' << note
         << '\n';
    std::ofstream out(OutputRoot() + "/results.tsv", std::ios::app);
    out << line.str() << std::flush;
}

std::string FormatPercent(double percent) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", percent);
    return text;
}

}  // namespace

std::optional<Picture> RenderWithLibrsvg(const std::string& svg, const std::string& png,
                                         std::string* error) {
    host::RenderOptions options;
    options.widthPx = kPictureWidth;
    if (!host::RenderSvgToPng(svg, png, options, error)) return std::nullopt;
    return ReadPng(png, error);
}

std::string CheckSamePictures(const DrawingFile& drawing, const std::string& check,
                              const Picture& expected, const Picture& actual,
                              const PixelMask& ignored, const std::string& diffPng, int reach) {
    Picture diff;
    const PictureDifference difference = ComparePictures(expected, actual, ignored, reach, &diff);
    if (!difference.sizeMismatch.empty())
        return RecordFailure(drawing, check,
                             "pictures of different sizes " + difference.sizeMismatch);
    std::string error;
    if (!WritePng(diff, diffPng, &error)) return RecordFailure(drawing, check, error);
    const bool same = difference.Percent() < kMostDifferingPercent;
    Record(drawing, check, same ? "pass" : "FAIL", FormatPercent(difference.Percent()), diffPng);
    if (same) return "";
    return check + ": " + FormatPercent(difference.Percent()) +
           " % of pixels differ by more than 10 % (" + std::to_string(difference.differing) +
           " of " + std::to_string(difference.compared) + "); red in " + diffPng;
}

std::string RecordFailure(const DrawingFile& drawing, const std::string& check,
                          const std::string& why) {
    Record(drawing, check, "FAIL", "-", why);
    return check + ": " + why;
}

}  // namespace quill::roundtrip
