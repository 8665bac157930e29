// Any bytes as an SVG file: the reader refuses or reads, and what it reads is written
// and read back to the same drawing.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "host/scripting/dump_writer.h"
#include "host/svg/svg.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quill::fuzz;
    const std::string in = ScratchFile("in.svg"), out = ScratchFile("out.svg");
    WriteFile(in, std::string(reinterpret_cast<const char*>(data), size));
    std::string error, warnings;
    auto document = host::LoadSvgDocument(in, &error, &warnings);
    if (!document) return 0;
    if (!host::SaveSvgDocument(*document, out, &error)) Broken("not saved: " + error);
    auto again = host::LoadSvgDocument(out, &error, &warnings);
    if (!again) Broken("the saved drawing does not reopen: " + error);
    return 0;
}
