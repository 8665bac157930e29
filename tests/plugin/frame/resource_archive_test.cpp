// Reading the plug-in's own resources from an archive, trusting none of its numbers.
#include "plugin/services/resource_archive.h"

#include <gtest/gtest.h>

#include "sdk/quill_vocabulary.h"
#include "sdk/sdk.h"

namespace quill {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutU32(Bytes& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// An archive of one entry whose offset and size are given as they are.
Bytes ArchiveWithEntry(std::uint32_t type, std::int32_t id, std::uint32_t offset,
                       std::uint32_t size, const Bytes& data, std::uint32_t count = 1) {
    Bytes out = {'Q', 'R', 'S', 'C'};
    PutU32(out, count);
    PutU32(out, type);
    PutU32(out, static_cast<std::uint32_t>(id));
    PutU32(out, offset);
    PutU32(out, size);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

ResourceBytes View(const Bytes& bytes) {
    return {bytes.data(), bytes.size()};
}

std::string Contents(ResourceBytes bytes) {
    return bytes.data ? std::string(reinterpret_cast<const char*>(bytes.data), bytes.size)
                      : std::string("<none>");
}

TEST(ResourceArchive, FindsAResourceByTypeAndId) {
    const Bytes archive =
        ArchiveWithEntry(kIconResourceType, 16051, 24, 5, {'<', 's', 'v', 'g', '>'});
    EXPECT_EQ(Contents(FindResource(View(archive), kIconResourceType, 16051)), "<svg>");
    EXPECT_EQ(Contents(FindResource(View(archive), kIconResourceType, 16052)), "<none>");
    EXPECT_EQ(Contents(FindResource(View(archive), kCursorResourceType, 16051)), "<none>");
}

TEST(ResourceArchive, MalformedArchivesHoldNothing) {
    const Bytes data = {'a', 'b', 'c', 'd'};
    Bytes badMagic = ArchiveWithEntry(kIconResourceType, 1, 24, 4, data);
    badMagic[0] = 'X';
    const Bytes cases[] = {
        {},
        {'Q', 'R', 'S'},
        badMagic,
        ArchiveWithEntry(kIconResourceType, 1, 24, 5, data),               // size past the end
        ArchiveWithEntry(kIconResourceType, 1, 4000, 1, data),             // offset past the end
        ArchiveWithEntry(kIconResourceType, 1, 24, 0xFFFFFFFFu, data),     // size that wraps
        ArchiveWithEntry(kIconResourceType, 1, 24, 4, data, 0x10000000u),  // too many entries
    };
    for (const Bytes& archive : cases)
        EXPECT_EQ(Contents(FindResource(View(archive), kIconResourceType, 1)), "<none>");
    EXPECT_EQ(Contents(FindResource({}, kIconResourceType, 1)), "<none>");
}

TEST(ResourceArchive, StringListsKeepTheEntriesReadInFull) {
    const Bytes list = {3, 0, 'u', 'n', 0, 0, 'd', 'e', 'u', 'x', 0};
    EXPECT_EQ(ReadStringList(View(list)), (std::vector<std::string>{"un", "", "deux"}));
    const Bytes cut = {3, 0, 'u', 'n', 0, 'd', 'e'};  // the last entry has no end
    EXPECT_EQ(ReadStringList(View(cut)), std::vector<std::string>{"un"});
    const Bytes fewer = {1, 0, 'u', 'n', 0, 'd', 0};  // the count rules
    EXPECT_EQ(ReadStringList(View(fewer)), std::vector<std::string>{"un"});
    EXPECT_TRUE(ReadStringList(View(Bytes{5})).empty());
    EXPECT_TRUE(ReadStringList({}).empty());
}

// The archive linked into the tests is Quill's own with a list of error messages added.
// (Its property list and the tools' icons are the plug-in library's scenarios.)
TEST(ResourceArchive, LinkedArchiveCarriesTheProductsResources) {
    const ResourceBytes archive = OwnResourceArchive();
    for (std::int32_t id = vocabulary::cursors::kNothing;
         id <= vocabulary::cursors::kParametersTool; ++id) {
        const ResourceBytes cursor = FindResource(archive, kCursorResourceType, id);
        ASSERT_GT(cursor.size, 4u) << id;
        EXPECT_EQ(cursor.data[0] | cursor.data[1] << 8, 8) << id;  // the hot spot
        EXPECT_EQ(Contents({cursor.data + 4, cursor.size - 4}).rfind("<svg", 0), 0u) << id;
    }
    const auto errors = ReadStringList(FindResource(archive, kStringListResourceType, 16050));
    ASSERT_GE(errors.size(), 2u);
    EXPECT_EQ(errors[0], "PARM");
    EXPECT_EQ(errors[1], "Param\xE8tre refus\xE9 par l\x92h\xF4te (%s).");  // Windows-1252
    EXPECT_EQ(FindResource(archive, kStringListResourceType, 16600).data, nullptr);
}

}  // namespace
}  // namespace quill
