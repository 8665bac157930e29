// Any bytes as path data, read by the SVG reader and by the session scripts.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/scripting/script_parser.h"
#include "host/svg/svg_path_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string d(reinterpret_cast<const char*>(data), size);
    host::svg::Outline outline;
    std::string error;
    host::svg::ParsePathData(d, &outline, &error);
    host::svg::ParsePathData(d, &outline, &error, true);
    std::vector<AIPathSegment> segments;
    bool closed = false;
    host::ParsePathData(d, &segments, &closed, &error);
    return 0;
}
