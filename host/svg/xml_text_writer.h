// What pugixml prints, gathered into a string.
#pragma once

#include <pugixml.hpp>
#include <string>

namespace host::svg {

struct XmlTextWriter : pugi::xml_writer {
    void write(const void* data, size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
    std::string text;
};

}  // namespace host::svg
