// Wraps a PNG image into a Windows icon (.ico) or cursor (.cur) file holding that one
// image, for the resource compiler. Runs on the build machine.
//
//   quill_make_icon icon OUTPUT.ico IMAGE.png
//   quill_make_icon cursor OUTPUT.cur HOTX HOTY IMAGE.png
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint16_t kIconType = 1;
constexpr std::uint16_t kCursorType = 2;
constexpr std::uint32_t kDirectorySize = 6 + 16;  // the header and one entry

void PutU16(Bytes& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(Bytes& out, std::uint32_t value) {
    PutU16(out, static_cast<std::uint16_t>(value));
    PutU16(out, static_cast<std::uint16_t>(value >> 16));
}

std::uint32_t BigEndianU32(const Bytes& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) << 24 |
           static_cast<std::uint32_t>(bytes[at + 1]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 8 | bytes[at + 3];
}

Bytes ReadPng(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    Bytes png{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (png.size() < 24 || !std::equal(signature.begin(), signature.end(), png.begin()))
        throw std::runtime_error(path + " is not a PNG image");
    return png;
}

// A directory of one image; in a cursor the two fields after the colours hold the hot spot.
Bytes IconFile(std::uint16_t type, const Bytes& png, std::uint16_t field1, std::uint16_t field2) {
    const std::uint32_t width = BigEndianU32(png, 16);
    const std::uint32_t height = BigEndianU32(png, 20);
    if (width == 0 || width > 256 || height == 0 || height > 256)
        throw std::runtime_error("an icon is 1 to 256 pixels wide and high");
    Bytes out;
    PutU16(out, 0);
    PutU16(out, type);
    PutU16(out, 1);
    out.push_back(static_cast<std::uint8_t>(width & 0xFF));  // 256 is written 0
    out.push_back(static_cast<std::uint8_t>(height & 0xFF));
    out.push_back(0);  // colours: a true-colour image
    out.push_back(0);
    PutU16(out, field1);
    PutU16(out, field2);
    PutU32(out, static_cast<std::uint32_t>(png.size()));
    PutU32(out, kDirectorySize);
    out.insert(out.end(), png.begin(), png.end());
    return out;
}

void Write(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string kind = argc > 1 ? argv[1] : "";
    try {
        if (kind == "icon" && argc == 4) {
            constexpr std::uint16_t kPlanes = 1, kBitsPerPixel = 32;
            Write(argv[2], IconFile(kIconType, ReadPng(argv[3]), kPlanes, kBitsPerPixel));
            return 0;
        }
        if (kind == "cursor" && argc == 6) {
            const auto hotX = static_cast<std::uint16_t>(std::stoi(argv[3]));
            const auto hotY = static_cast<std::uint16_t>(std::stoi(argv[4]));
            Write(argv[2], IconFile(kCursorType, ReadPng(argv[5]), hotX, hotY));
            return 0;
        }
    } catch (const std::exception& error) {
        std::cerr << "quill_make_icon: " << error.what() << "\n";
        return 1;
    }
    std::cerr << "usage: quill_make_icon icon OUTPUT.ico IMAGE.png\n"
                 "       quill_make_icon cursor OUTPUT.cur HOTX HOTY IMAGE.png\n";
    return 2;
}
