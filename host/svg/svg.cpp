#include "host/svg/svg.h"

namespace host {

// SVG files arrive with their own change.
std::unique_ptr<Document> LoadSvgDocument(const std::string& path, std::string* error,
                                          std::string*) {
    if (error) *error = path + ": SVG files are not available yet";
    return nullptr;
}

bool SaveSvgDocument(const Document&, const std::string& path, std::string* error) {
    if (error) *error = path + ": SVG files are not available yet";
    return false;
}

}  // namespace host
