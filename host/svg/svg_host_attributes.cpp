#include "host/svg/svg_host_attributes.h"

#include <cstdio>
#include <cstring>

#include "host/svg/svg_names.h"
#include "host/text/windows1252.h"
#include "sdk/sdk.h"

namespace host::svg {

namespace {

struct AttributeWord {
    std::int32_t bit;
    const char* word;
};

constexpr AttributeWord kAttributeWords[] = {{kArtLocked, "locked"},
                                             {kArtHidden, "hidden"},
                                             {kArtSelected, "selected"},
                                             {kArtFullySelected, "fully-selected"},
                                             {kArtIsGuide, "guide"}};

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string HexByte(unsigned char byte) {
    char buffer[3];
    std::snprintf(buffer, sizeof buffer, "%02X", byte);
    return buffer;
}

// Length of the well-formed UTF-8 sequence at `i`, or 0.
std::size_t Utf8SequenceLength(const std::string& s, std::size_t i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t length = c < 0x80                ? 1
                         : c >= 0xC2 && c < 0xE0 ? 2
                         : c >= 0xE0 && c < 0xF0 ? 3
                         : c >= 0xF0 && c < 0xF5 ? 4
                                                 : 0;
    if (length == 0 || i + length > s.size()) return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
    if (length == 1) return 1;
    unsigned char second = static_cast<unsigned char>(s[i + 1]);
    // Overlong forms, surrogates and code points beyond U+10FFFF are malformed.
    if ((c == 0xE0 && second < 0xA0) || (c == 0xED && second >= 0xA0) ||
        (c == 0xF0 && second < 0x90) || (c == 0xF4 && second >= 0x90))
        return 0;
    return length;
}

// Tag names keep letters, digits and '.'; every other byte is "_HH", so that the
// attribute name stays a valid XML name and never ends in the escaped suffix.
std::string EscapeTagName(const std::string& name) {
    std::string escaped;
    for (unsigned char c : name) {
        bool plain =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.';
        escaped += plain ? std::string(1, static_cast<char>(c)) : "_" + HexByte(c);
    }
    return escaped;
}

std::string UnescapeTagName(const std::string& escaped) {
    std::string name;
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] == '_' && i + 2 < escaped.size() && HexValue(escaped[i + 1]) >= 0 &&
            HexValue(escaped[i + 2]) >= 0) {
            name += static_cast<char>(HexValue(escaped[i + 1]) * 16 + HexValue(escaped[i + 2]));
            i += 2;
        } else {
            name += escaped[i];
        }
    }
    return name;
}

}  // namespace

bool IsXmlSafe(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F) return false;
        std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) return false;
        // U+FFFE and U+FFFF are no XML characters.
        if (length == 3 && c == 0xEF && static_cast<unsigned char>(text[i + 1]) == 0xBF &&
            static_cast<unsigned char>(text[i + 2]) >= 0xBE)
            return false;
        i += length;
    }
    return true;
}

std::string PercentEscape(const std::string& bytes) {
    std::string text;
    for (unsigned char c : bytes)
        text += c < 0x20 || c >= 0x7F || c == '%' ? "%" + HexByte(c)
                                                  : std::string(1, static_cast<char>(c));
    return text;
}

std::string PercentUnescape(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
            HexValue(text[i + 2]) >= 0) {
            bytes += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

void WriteHostText(pugi::xml_node node, const std::string& localName, const std::string& text) {
    std::string name = std::string(kQuillPrefix) + ":" + localName;
    if (IsXmlSafe(text))
        node.append_attribute(name.c_str()).set_value(text.c_str());
    else
        node.append_attribute((name + quill_attr::kEscapedSuffix).c_str())
            .set_value(PercentEscape(text).c_str());
}

std::optional<std::string> ReadHostText(const ReaderContext& context, const pugi::xml_node& node,
                                        std::string_view localName) {
    const std::string_view escapedSuffix = quill_attr::kEscapedSuffix;
    const auto& attributes = context.HostAttributes(node);
    for (std::size_t prefix = 0; prefix < context.Prefixes(Namespace::Quill).size(); ++prefix) {
        // The first plain attribute of that name, else the first escaped one.
        pugi::xml_attribute plain, escaped;
        for (const auto& host : attributes) {
            if (host.prefix != prefix || host.localName.substr(0, localName.size()) != localName)
                continue;
            const std::string_view rest = host.localName.substr(localName.size());
            if (rest.empty() && !plain) plain = host.attribute;
            if (rest == escapedSuffix && !escaped) escaped = host.attribute;
        }
        if (plain) return std::string(plain.value());
        if (escaped) return PercentUnescape(escaped.value());
    }
    return std::nullopt;
}

void WriteTags(pugi::xml_node node, const std::vector<std::pair<std::string, std::string>>& tags) {
    for (const auto& [name, value] : tags) {
        // The plug-in's bytes are Windows-1252 text; the file holds it as Unicode.
        std::string local = std::string(quill_attr::kTagPrefix) + EscapeTagName(name);
        WriteHostText(node, local, Windows1252ToUtf8(value));
    }
}

std::vector<std::pair<std::string, std::string>> ReadTags(const ReaderContext& context,
                                                          const pugi::xml_node& node) {
    std::vector<std::pair<std::string, std::string>> tags;
    const std::string_view suffix = quill_attr::kEscapedSuffix, tag = quill_attr::kTagPrefix;
    for (const auto& host : context.HostAttributes(node)) {
        if (host.localName.substr(0, tag.size()) != tag) continue;
        std::string escapedName(host.localName.substr(tag.size()));
        bool escaped =
            escapedName.size() > suffix.size() &&
            escapedName.compare(escapedName.size() - suffix.size(), suffix.size(), suffix) == 0;
        if (escaped) escapedName.resize(escapedName.size() - suffix.size());
        const char* text = host.attribute.value();
        std::string value = escaped ? PercentUnescape(text) : text;
        tags.emplace_back(UnescapeTagName(escapedName), Utf8ToWindows1252(value));
    }
    return tags;
}

std::string AttributeWords(std::int32_t attributes) {
    std::string words;
    for (const auto& entry : kAttributeWords)
        if (attributes & entry.bit) words += (words.empty() ? "" : " ") + std::string(entry.word);
    return words;
}

std::int32_t ParseAttributeWords(const std::string& words) {
    std::int32_t attributes = 0;
    std::size_t start = 0;
    while (start < words.size()) {
        std::size_t end = words.find(' ', start);
        std::string word =
            words.substr(start, end == std::string::npos ? std::string::npos : end - start);
        for (const auto& entry : kAttributeWords)
            if (word == entry.word) attributes |= entry.bit;
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return attributes;
}

}  // namespace host::svg
