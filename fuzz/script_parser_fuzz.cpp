// Any bytes as a session script: parsed, never run.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/scripting/script_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<host::ScriptCommand> commands;
    std::string error;
    host::ParseScript(std::string(reinterpret_cast<const char*>(data), size), &commands, &error);
    return 0;
}
