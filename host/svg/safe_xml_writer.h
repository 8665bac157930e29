// pugixml's printer writing into a file that replaces its target only once whole.
#pragma once

#include <pugixml.hpp>

#include "host/io/safe_write.h"

namespace host {

class SafeXmlWriter : public pugi::xml_writer {
 public:
    explicit SafeXmlWriter(SafeFile& file) : file_(file) {}
    void write(const void* data, size_t size) override { file_.Write(data, size); }

 private:
    SafeFile& file_;
};

}  // namespace host
