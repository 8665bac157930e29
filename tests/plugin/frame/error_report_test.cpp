// Failures of a handler are told to the user once, in the words of the error list that
// the tests' archive adds (tests/plugin/support/error_list.txt). The plug-in object is
// driven in-process, so that the report's clock can be set.
#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "plugin/frame/quill_plugin.h"
#include "plugin/services/ai_error.h"
#include "plugin/services/suite_acquisition.h"
#include "plugin/services/suites.h"
#include "plugin/support/fake_basic_suite.h"

namespace quill {
namespace {

using testing::FakeBasicSuite;
using Alerts = std::vector<std::string>;

// The list's messages, as Windows-1252 bytes.
const std::string kParameterMessage = "Param\xE8tre refus\xE9 par l\x92h\xF4te (PARM).";
const std::string kLastMessage =
    "Cet objet n\x92"
    "existe plus.";

// A plug-in whose action and timer handlers fail as a handler's body can.
class FailingPlugIn : public QuillPlugIn {
 public:
    FailingPlugIn() : QuillPlugIn(nullptr) {}
    ASErr GoAction(void*) override { throw ai::Error(kStaleHandleErr); }
    ASErr GoTimer(void*) override { throw std::bad_alloc(); }
};

class ErrorReport : public ::testing::Test {
 protected:
    FakeBasicSuite host;
    Suites suites;  // every suite held, as after start-up
    FailingPlugIn plugin;

    void Report(ASErr code) {
        plugin.ReportError(code, kCallerAINotify, kSelectorAINotify, nullptr);
    }
};

TEST_F(ErrorReport, SameCodeWithinFiveSecondsIsToldOnce) {
    Report(kBadParameterErr);
    EXPECT_EQ(host.alerts, Alerts{kParameterMessage});
    host.now += 4;
    Report(kBadParameterErr);
    EXPECT_EQ(host.alerts.size(), 1u);
    host.now += 1;  // five seconds after the report
    Report(kBadParameterErr);
    EXPECT_EQ(host.alerts.size(), 2u);
    // Another code is told at once, and then the first one again.
    Report(kStaleHandleErr);
    Report(kBadParameterErr);
    EXPECT_EQ(host.alerts,
              (Alerts{kParameterMessage, kParameterMessage, kLastMessage, kParameterMessage}));
}

TEST_F(ErrorReport, CodesWithoutAMessageTakeTheLastMessageOfTheList) {
    Report(kNotFoundErr);  // listed after the list's end
    Report(-108);          // "Mémoire insuffisante : %s %s 100%% %d"
    EXPECT_EQ(host.alerts, (Alerts{kLastMessage, "M\xE9moire insuffisante : -108  100% %d"}));
}

TEST_F(ErrorReport, SilentCodesAndUnansweredMessagesAreNotTold) {
    Report(361);  // (which codes are silent is the error messages' test)
    SPMessageData message{};
    EXPECT_EQ(plugin.Message(kSPCacheCaller, kSPPluginPurgeCachesSelector, &message), kNoErr);
    EXPECT_EQ(plugin.Message(kCallerAILiveEffect, "AI Live Effect Go Live", &message),
              kUnhandledMsgErr);
    EXPECT_EQ(plugin.Message("Workspace Manager", "Write Workspace", &message), kUnhandledMsgErr);
    EXPECT_TRUE(host.alerts.empty());
}

TEST_F(ErrorReport, ProductLayerTellsAndReturnsTheFailureOfAHandler) {
    SPMessageData message{};
    host.FailAboutBox(kBadParameterErr);
    EXPECT_EQ(plugin.Message(kSPInterfaceCaller, kSPInterfaceAboutSelector, &message),
              kBadParameterErr);
    // An ai::Error gives its code, any other exception 'CANT'; neither leaves Message.
    EXPECT_EQ(plugin.Message(kActionCaller, kDoActionSelector, &message), kStaleHandleErr);
    EXPECT_EQ(plugin.Message(kCallerAITimer, kSelectorAIGoTimer, &message), kCantHappenErr);
    EXPECT_EQ(host.alerts, (Alerts{kParameterMessage, kLastMessage, kLastMessage}));
}

TEST(ErrorReportWithoutSuites, TakesTheAlertSuiteForTheReportAlone) {
    FakeBasicSuite host;
    QuillPlugIn plugin(nullptr);
    ASSERT_EQ(sADMBasic, nullptr);
    plugin.ReportError(kBadParameterErr, "", "", nullptr);
    EXPECT_EQ(host.alerts, Alerts{kParameterMessage});
    EXPECT_EQ(host.acquisitions, (Alerts{"+ADM Basic Suite 11", "-ADM Basic Suite 11"}));
    // A host that cannot give it: nothing is shown, nothing breaks.
    host.Withhold(kADMBasicSuite);
    plugin.ReportError(kStaleHandleErr, "", "", nullptr);
    EXPECT_EQ(host.alerts.size(), 1u);
}

TEST(PluginLock, LocksAreCountedAndTheFirstKeepsTheLibraryLoaded) {
    FakeBasicSuite host;
    Suites suites;
    QuillPlugIn plugin(nullptr);
    EXPECT_EQ(plugin.LockPlugin(true), kNoErr);
    EXPECT_EQ(host.accessReferences, 1);
    plugin.LockPlugin(true);
    EXPECT_EQ(host.accessReferences, 1);
    plugin.LockPlugin(false);
    EXPECT_EQ(host.accessReferences, 1);
    EXPECT_EQ(plugin.LockPlugin(false), kNoErr);
    EXPECT_EQ(host.accessReferences, 0);
    plugin.LockPlugin(false);  // one unlock too many changes nothing
    plugin.LockPlugin(true);
    EXPECT_EQ(host.accessReferences, 1);
    plugin.LockPlugin(false);
    EXPECT_EQ(host.accessReferences, 0);
}

}  // namespace
}  // namespace quill
