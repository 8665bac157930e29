#include "host/svg/svg.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string_view>

#include "host/svg/safe_xml_writer.h"
#include "host/svg/svg_context.h"
#include "host/svg/svg_progress.h"
#include "host/svg/svg_reader.h"
#include "host/svg/svg_writer.h"

namespace host {

namespace {

constexpr unsigned kParseOptions =
    pugi::parse_default | pugi::parse_ws_pcdata | pugi::parse_comments;

// A file's bytes, in a buffer that is not cleared before they are read into it.
class FileText {
 public:
    char* data() { return bytes_.get(); }
    std::size_t size() const { return size_; }
    std::string_view view() const { return {bytes_.get(), size_}; }

    // The whole file in one buffer, sized from the file's size and read in one go (a
    // pipe or a file that grows while read is read to its end all the same).
    bool Read(const std::string& path, std::string* error) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            *error = path + ": cannot open: " + std::strerror(errno);
            return false;
        }
        struct stat status {};
        std::size_t size = 0;
        if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0)
            size = static_cast<std::size_t>(status.st_size);
        // A directory reads as nothing, as a stream reads it.
        const bool directory = S_ISDIR(status.st_mode);
        Reserve(size + 1);
        while (!directory) {
            if (size_ == capacity_) Reserve(capacity_ * 2);
            const ssize_t got = ::read(fd, data() + size_, capacity_ - size_);
            if (got == 0) break;
            if (got < 0) {
                if (errno == EINTR) continue;
                ::close(fd);
                *error = path + ": cannot read";
                return false;
            }
            size_ += static_cast<std::size_t>(got);
        }
        ::close(fd);
        return true;
    }

 private:
    void Reserve(std::size_t capacity) {
        std::unique_ptr<char[]> bytes(new char[capacity]);
        if (size_ > 0) std::memcpy(bytes.get(), bytes_.get(), size_);
        bytes_ = std::move(bytes);
        capacity_ = capacity;
    }
    std::unique_ptr<char[]> bytes_;
    std::size_t size_ = 0, capacity_ = 0;
};

// The whole pages of [begin, end) handed back to the system (they read as zeros after).
void ReleasePages(char* begin, char* end) {
    static const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const std::uintptr_t first = (reinterpret_cast<std::uintptr_t>(begin) + page - 1) / page * page;
    const std::uintptr_t last = reinterpret_cast<std::uintptr_t>(end) / page * page;
    if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
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
    svg::ProgressLine progress("opening", path);
    try {
        FileText text;
        if (!text.Read(path, error)) return nullptr;
        progress.Show(0.1);
        svg::ReaderContext context(path, text.view());
        pugi::xml_document xml;
        // Parsed in the buffer itself: the file is held once.
        pugi::xml_parse_result parsed =
            xml.load_buffer_inplace(text.data(), text.size(), kParseOptions);
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
            ReleasePages(text.data() + begin, text.data() + end);
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
