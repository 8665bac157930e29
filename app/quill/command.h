// Subcommands of the quill program; each registers itself from its own file.
#pragma once

#include <vector>

namespace quill {

struct Command {
    const char* name;
    const char* usage;                  // one line, without the program name
    int (*run)(int argc, char** argv);  // argv[0] is the command's name
};

std::vector<Command>& Commands();

struct CommandRegistration {
    explicit CommandRegistration(Command command) { Commands().push_back(command); }
};

}  // namespace quill
