// What an error report says, from the error string list.
#include "plugin/frame/error_messages.h"

#include <gtest/gtest.h>

#include "sdk/errors.h"

namespace quill {
namespace {

TEST(ErrorMessages, SilentCodesAreTheTablesAndNoOthers) {
    for (ASErr code : {AI_FOURCC('F', 'M', 'T', '?'), AI_FOURCC('S', 'T', 'O', 'P'), kPurgeFalseErr,
                       kSuiteNotFoundErr, 361})
        EXPECT_TRUE(IsSilentError(code)) << code;
    for (ASErr code : {kCantHappenErr, kBadParameterErr, AI_FOURCC('s', 't', 'o', 'p'), 360, 0})
        EXPECT_FALSE(IsSilentError(code)) << code;
}

TEST(ErrorMessages, CodesAreWrittenAsCharactersFrom16385Up) {
    EXPECT_EQ(ErrorCodeText(AI_FOURCC('P', 'A', 'R', 'M')), "PARM");
    EXPECT_EQ(ErrorCodeText(16385), std::string("\0\0\x40\x01", 4));
    EXPECT_EQ(ErrorCodeText(16384), "16384");
    EXPECT_EQ(ErrorCodeText(-108), "-108");
    EXPECT_EQ(ErrorCodeText(361), "361");
}

TEST(ErrorMessages, EntriesNameCodesInDecimalOrAsFourCharacters) {
    EXPECT_EQ(ErrorCodeOfEntry("PARM"), AI_FOURCC('P', 'A', 'R', 'M'));
    EXPECT_EQ(ErrorCodeOfEntry("-108"), -108);
    EXPECT_EQ(ErrorCodeOfEntry("361"), 361);
    EXPECT_EQ(ErrorCodeOfEntry("12ab"), 12);                       // a number as far as it goes
    EXPECT_EQ(ErrorCodeOfEntry("AB"), AI_FOURCC('A', 'B', 0, 0));  // short: zeros follow
    EXPECT_EQ(ErrorCodeOfEntry("PARMS"), AI_FOURCC('P', 'A', 'R', 'M'));
    EXPECT_EQ(ErrorCodeOfEntry("99999999999"), 0);  // no code is that large
}

TEST(ErrorMessages, FormatTakesOneStringArgument) {
    EXPECT_EQ(FormatWithOneString("Erreur %s.", "PARM"), "Erreur PARM.");
    EXPECT_EQ(FormatWithOneString("%s et %s", "A"), "A et ");
    EXPECT_EQ(FormatWithOneString("100%% %d %", "A"), "100% %d %");
    EXPECT_EQ(FormatWithOneString("sans argument", "A"), "sans argument");
}

TEST(ErrorMessages, TextIsThePairedMessageOrTheLastOneRead) {
    const std::vector<std::string> list = {"PARM",  "Param %s", "-108", "Memoire", "STAL",
                                           "Parti", "",         "NFND", "Jamais"};
    struct Row {
        ASErr code;
        std::optional<std::string> text;
    };
    const Row rows[] = {
        {AI_FOURCC('P', 'A', 'R', 'M'), "Param PARM"},
        {-108, "Memoire"},
        {AI_FOURCC('S', 'T', 'A', 'L'), "Parti"},
        {AI_FOURCC('N', 'F', 'N', 'D'), "Parti"},  // after the empty entry nothing is read
        {kCantHappenErr, "Parti"},
    };
    for (const Row& row : rows) EXPECT_EQ(ErrorReportText(row.code, list), row.text) << row.code;
    EXPECT_EQ(ErrorReportText(kCantHappenErr, {}), std::nullopt);
    EXPECT_EQ(ErrorReportText(kCantHappenErr, {"PARM"}), std::nullopt);  // a code without message
    EXPECT_EQ(ErrorReportText(kCantHappenErr, {"", "Jamais"}), std::nullopt);
}

TEST(ErrorMessages, LongMessagesAreCutAndNotFormatted) {
    const std::string long119 = std::string(117, 'a') + "%s";
    const std::string long120 = std::string(118, 'a') + "%s";
    const std::string long200(200, 'b');
    const ASErr code = AI_FOURCC('P', 'A', 'R', 'M');
    EXPECT_EQ(ErrorReportText(code, {"PARM", long119}), std::string(117, 'a') + "PARM");
    EXPECT_EQ(ErrorReportText(code, {"PARM", long120}), long120);
    EXPECT_EQ(ErrorReportText(code, {"PARM", long200}), std::string(128, 'b'));
}

}  // namespace
}  // namespace quill
