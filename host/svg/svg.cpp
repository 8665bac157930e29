#include "host/svg/svg.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string_view>

#include "host/svg/safe_xml_writer.h"
#include "host/svg/svg_context.h"
#include "host/svg/svg_file_text.h"
#include "host/svg/svg_progress.h"
#include "host/svg/svg_reader.h"
#include "host/svg/svg_writer.h"
#include "host/svg/svg_xml_options.h"

namespace host {

namespace {

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
    svg::ProgressLine progress("opening", path);
    try {
        svg::ReaderContext context(path);
        svg::FileText text;
        if (!text.Read(path, error, [&](std::string_view piece) { context.CountLines(piece); }))
            return nullptr;
        progress.Show(0.1);
        pugi::xml_document xml;
        // Parsed in the buffer itself: the file is held once.
        pugi::xml_parse_result parsed =
            xml.load_buffer_inplace(text.data(), text.size(), svg::kXmlParseOptions);
        if (!parsed) {
            *error =
                context.PlaceOfOffset(parsed.offset) + "malformed XML: " + parsed.description();
            return nullptr;
        }
        progress.Show(0.3);
        const double size = static_cast<double>(text.size());
        context.OnProgress([&](std::ptrdiff_t offset) {
            progress.Show(0.3 + 0.7 * static_cast<double>(offset) / size);
        });
        pugi::xml_node root = xml.document_element();
        context.Index(root);
        // The text of art already read is given back as the document grows.
        context.OnRelease([&](std::ptrdiff_t begin, std::ptrdiff_t end) {
            svg::ReleasePages(text.data() + begin, text.data() + end);
        });
        auto document = svg::ReadSvgTree(root, context);
        *warnings = JoinLines(context.warnings());
        progress.Done();
        return document;
    } catch (const svg::ReadFailure& failure) {
        *error = failure.what();
    } catch (const std::bad_alloc&) {
        *error = path + ": out of memory";
    } catch (const std::exception& e) {
        *error = path + ": " + e.what();
    }
    progress.Done();
    return nullptr;
}

bool SaveSvgDocument(const Document& document, const std::string& path, std::string* error) {
    std::string ignoredError;
    if (!error) error = &ignoredError;
    svg::ProgressLine progress("saving", path);
    try {
        SafeFile file;
        bool saved = file.Open(path, error);
        if (saved) {
            SafeXmlWriter writer(file);
            svg::WriteSvg(document, writer, [&](double done) { progress.Show(done); });
            saved = file.Commit(error);
        }
        progress.Done();
        return saved;
    } catch (const std::bad_alloc&) {
        *error = path + ": out of memory";
    } catch (const std::exception& e) {
        *error = path + ": " + e.what();
    }
    progress.Done();
    return false;
}

}  // namespace host
