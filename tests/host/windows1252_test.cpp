#include "host/text/windows1252.h"

#include <gtest/gtest.h>

#include "host/core/host.h"
#include "sdk/sdk.h"

namespace host {

namespace {

TEST(Windows1252, EveryByteConvertsExactlyAndBack) {
    struct Row {
        const char* platform;
        const char* utf8;
    } rows[] = {
        {"\x92", "\u2019"}, {"\x85", "\u2026"}, {"\x80", "\u20ac"}, {"\x96", "\u2013"},
        {"\x9c", "\u0153"}, {"\xb5", "\u00b5"}, {"\xd8", "\u00d8"}, {"\xb0", "\u00b0"},
        {"\xb1", "\u00b1"}, {"\xe9", "\u00e9"}, {"A\rB", "A\rB"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(Windows1252ToUtf8(r.platform), r.utf8) << r.utf8;
        EXPECT_EQ(Utf8ToWindows1252(r.utf8), r.platform) << r.utf8;
    }
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
}

TEST(Windows1252, CharactersItLacksAndBrokenUtf8BecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToWindows1252("\u4e2d\u00e9"), "?\xe9");
    EXPECT_EQ(Utf8ToWindows1252("a\xc3"), "a?");
    EXPECT_EQ(Utf8ToWindows1252("\xff"
                                "b"),
              "?b");
    EXPECT_EQ(Utf8PrefixLength("a\u00e9", 2), 1u);
    EXPECT_EQ(Utf8CharacterCount("L\u2019\u00e9t\u00e9"), 5u);
}

TEST(UnicodeStringSuite, BufferRulesCutAtACharacterAndSayWhatIsNeeded) {
    Host host;
    SetCurrentHost(&host);
    auto* suite = static_cast<const AIUnicodeStringSuite*>(
        host.suites().Find(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion));
    ASSERT_NE(suite, nullptr);
    char out[8];
    size_t needed = 0;
    char big[16];
    EXPECT_EQ(suite->PlatformToUTF8("R\xe9sum\xe9", big, sizeof big, &needed), kNoErr);
    EXPECT_STREQ(big, "R\u00e9sum\u00e9");
    EXPECT_EQ(needed, 9u);
    EXPECT_EQ(suite->PlatformToUTF8("R\xe9sum\xe9", out, sizeof out, &needed), kBufferTooSmallErr);
    EXPECT_STREQ(out, "R\u00e9sum");
    // "’’’" is nine bytes in UTF-8: a buffer of 8 holds two whole characters.
    EXPECT_EQ(suite->PlatformToUTF8("\x92\x92\x92", out, sizeof out, &needed), kBufferTooSmallErr);
    EXPECT_STREQ(out, "\u2019\u2019");
    EXPECT_EQ(needed, 10u);
    EXPECT_EQ(suite->PlatformToUTF8("abc", nullptr, 0, &needed), kNoErr);
    EXPECT_EQ(needed, 4u);
    EXPECT_EQ(suite->PlatformToUTF8(nullptr, out, sizeof out, &needed), kBadParameterErr);
    EXPECT_EQ(suite->UTF8ToPlatform("\u00b0\u00b1\u2026", out, sizeof out, &needed), kNoErr);
    EXPECT_STREQ(out, "\xb0\xb1\x85");
    EXPECT_EQ(suite->UTF8ToPlatform("abcdefghij", out, 4, &needed), kBufferTooSmallErr);
    EXPECT_STREQ(out, "abc");
    SetCurrentHost(nullptr);
}

}  // namespace
}  // namespace host
