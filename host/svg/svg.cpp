#include "host/svg/svg.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <new>
#include <sstream>

#include "host/svg/svg_context.h"
#include "host/svg/svg_reader.h"
#include "host/svg/svg_writer.h"

namespace host {

namespace {

constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_ws_pcdata;

bool ReadWholeFile(const std::string& path, std::string* text, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = path + ": cannot open: " + std::strerror(errno);
        return false;
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) {
        *error = path + ": cannot read";
        return false;
    }
    *text = content.str();
    return true;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

}  // namespace

std::unique_ptr<Document> LoadSvgDocument(const std::string& path, std::string* error,
                                          std::string* warnings) {
    std::string ignoredError, ignoredWarnings;
    if (!error) error = &ignoredError;
    if (!warnings) warnings = &ignoredWarnings;
    try {
        std::string text;
        if (!ReadWholeFile(path, &text, error)) return nullptr;
        svg::ReaderContext context(path, text);
        pugi::xml_document xml;
        pugi::xml_parse_result parsed = xml.load_buffer(text.data(), text.size(), kParseOptions);
        if (!parsed) {
            *error =
                context.PlaceOfOffset(parsed.offset) + "malformed XML: " + parsed.description();
            return nullptr;
        }
        pugi::xml_node root = xml.document_element();
        context.Index(root);
        auto document = svg::ReadSvgTree(root, context);
        *warnings = JoinLines(context.warnings());
        return document;
    } catch (const svg::ReadFailure& failure) {
        *error = failure.what();
    } catch (const std::bad_alloc&) {
        *error = path + ": out of memory";
    } catch (const std::exception& e) {
        *error = path + ": " + e.what();
    }
    return nullptr;
}

bool SaveSvgDocument(const Document& document, const std::string& path, std::string* error) {
    std::string ignoredError;
    if (!error) error = &ignoredError;
    try {
        pugi::xml_document xml;
        svg::WriteSvgTree(document, xml);
        // Written beside the file and moved over it, so that a failed save leaves the
        // previous file whole.
        const std::string partial = path + ".part";
        if (!xml.save_file(partial.c_str(), "  ", pugi::format_default, pugi::encoding_utf8)) {
            *error = path + ": cannot write " + partial + ": " + std::strerror(errno);
            std::remove(partial.c_str());
            return false;
        }
        if (std::rename(partial.c_str(), path.c_str()) != 0) {
            *error = path + ": cannot write: " + std::strerror(errno);
            std::remove(partial.c_str());
            return false;
        }
        return true;
    } catch (const std::bad_alloc&) {
        *error = path + ": out of memory";
    } catch (const std::exception& e) {
        *error = path + ": " + e.what();
    }
    return false;
}

}  // namespace host
