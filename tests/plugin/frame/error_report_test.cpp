// Failures of a handler are told to the user once, in the words of the error list.
#include <gtest/gtest.h>

#include "plugin/frame/quill_plugin.h"
#include "plugin/frame/suites.h"
#include "plugin/support/frame_host.h"

namespace quill {
namespace {

using testing::FrameHost;

// The messages of the tests' error list (tests/plugin/support/error_list.txt).
const std::string kParameterMessage = "Param\xE8tre refus\xE9 par l\x92h\xF4te (PARM).";
const std::string kDefaultMessage =
    "Cet objet n\x92"
    "existe plus.";

// A selection change whose view bounds cannot be read fails with `code`.
void FailSelectionChange(FrameHost& host, AIErr code) {
    host.Fail("GetDocumentViewBounds", code, 1);
    host.Notify(kAIArtSelectionChangedNotifier);
}

TEST(ErrorReport, SameCodeWithinFiveSecondsIsToldOnce) {
    FrameHost host;
    host.Start();
    const AIErr code = kBadParameterErr;
    FailSelectionChange(host, code);
    EXPECT_EQ(host.alerts, std::vector<std::string>{kParameterMessage});
    host.now += 4;
    FailSelectionChange(host, code);
    EXPECT_EQ(host.alerts.size(), 1u);
    host.now += 1;  // five seconds after the report
    FailSelectionChange(host, code);
    EXPECT_EQ(host.alerts.size(), 2u);
    // Another code is told at once, and then the first one again.
    FailSelectionChange(host, kStaleHandleErr);
    FailSelectionChange(host, code);
    EXPECT_EQ(host.alerts, (std::vector<std::string>{kParameterMessage, kParameterMessage,
                                                     kDefaultMessage, kParameterMessage}));
}

TEST(ErrorReport, CodesWithoutAMessageTakeTheLastMessageOfTheList) {
    FrameHost host;
    host.Start();
    FailSelectionChange(host, kNotFoundErr);  // listed after the list's end
    FailSelectionChange(host, -108);          // "Mémoire insuffisante : %s %s 100%% %d"
    EXPECT_EQ(host.alerts, (std::vector<std::string>{kDefaultMessage,
                                                     "M\xE9moire insuffisante : -108  100% %d"}));
}

TEST(ErrorReport, SilentCodesAndUnhandledMessagesAreNotTold) {
    FrameHost host;
    host.Start();
    FailSelectionChange(host, AI_FOURCC('S', 'T', 'O', 'P'));
    FailSelectionChange(host, kPurgeFalseErr);
    host.Send(kSPCacheCaller, kSPPluginPurgeCachesSelector);
    host.Send(kCallerAILiveEffect, "AI Live Effect Go Live");
    AIAnnotatorMessage annotation{};
    host.Send(kCallerAIAnnotation, kSelectorAIDrawAnnotation, &annotation.d);
    host.Send("Workspace Manager", "Write Workspace");
    EXPECT_TRUE(host.alerts.empty());
}

TEST(ErrorReport, FailedPostStartupIsTold) {
    FrameHost host;
    host.Fail("SetSelectedTool", kBadParameterErr, 1);
    host.Start();
    EXPECT_EQ(host.alerts, std::vector<std::string>{kParameterMessage});
    EXPECT_EQ(host.selectedTool, FrameHost::kNoToolSelected);
}

TEST(ErrorReport, FailureIsReturnedByTheProductLayerAndHiddenFromTheHost) {
    FrameHost host;
    host.Start();
    auto* plugin = static_cast<QuillPlugIn*>(host.globals);
    AINotifierMessage notification{};
    notification.notifier = reinterpret_cast<AINotifierHandle>(std::uintptr_t{3});
    notification.type = kAIArtSelectionChangedNotifier;
    host.Fail("GetDocumentViewBounds", kBadParameterErr, 1);
    EXPECT_EQ(plugin->Message(kCallerAINotify, kSelectorAINotify, &notification.d),
              kBadParameterErr);
    host.now += 10;
    host.Fail("GetDocumentViewBounds", kBadParameterErr, 1);
    EXPECT_EQ(host.Send(kCallerAINotify, kSelectorAINotify, &notification.d), kNoErr);
    EXPECT_EQ(host.alerts.size(), 2u);
    AIAnnotatorMessage annotation{};
    EXPECT_EQ(plugin->Message(kCallerAIAnnotation, kSelectorAIDrawAnnotation, &annotation.d),
              kNoErr);
}

TEST(ErrorReport, AlertIsShownWithoutTheSuitesHeld) {
    FrameHost host;
    host.Start();
    auto* plugin = static_cast<QuillPlugIn*>(host.globals);
    host.Send(kSPAccessCaller, kSPAccessUnloadSelector);
    ASSERT_EQ(sADMBasic, nullptr);
    plugin->ReportError(kBadParameterErr, "", "", nullptr);
    EXPECT_EQ(host.alerts, std::vector<std::string>{kParameterMessage});
    EXPECT_EQ(host.acquisitions.back(), "-ADM Basic Suite 11");
    EXPECT_EQ(host.held.count(kADMBasicSuite), 0u);
}

}  // namespace
}  // namespace quill
