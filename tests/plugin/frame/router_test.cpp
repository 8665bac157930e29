// The router of the frame: every caller and selector pair reaches its operation, and
// nothing else does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin/frame/plugin.h"
#include "plugin/services/suites.h"

namespace quill {
namespace {

// Answers every routed operation with its own name recorded and `answer` returned.
class RecordingPlugin : public Plugin {
 public:
    RecordingPlugin() : Plugin(nullptr) {}
    std::vector<std::string> called;
    ASErr answer = kNoErr;
    ASErr postStartupAnswer = kNoErr;
    bool purgeAnswer = false;

    ASErr Record(const char* operation) {
        called.push_back(operation);
        return answer;
    }

#define RECORD(Operation, Record_)       \
    ASErr Operation(Record_*) override { \
        return Record(#Operation);       \
    }
    RECORD(UnloadPlugin, SPMessageData)
    RECORD(ReloadPlugin, SPMessageData)
    RECORD(About, SPMessageData)
    RECORD(AcquireProperty, SPMessageData)
    RECORD(ReleaseProperty, SPMessageData)
    RECORD(Notify, AINotifierMessage)
    RECORD(GoAction, void)
    RECORD(GoMenuItem, AIMenuMessage)
    RECORD(UpdateMenuItem, AIMenuMessage)
    RECORD(GetFilterParameters, void)
    RECORD(GoFilter, void)
    RECORD(PluginGroupNotify, void)
    RECORD(PluginGroupUpdate, void)
    RECORD(GetFileFormatParameters, void)
    RECORD(GoFileFormat, void)
    RECORD(CheckFileFormat, void)
    RECORD(FileFormatUpdate, void)
    RECORD(FileFormatAction, void)
    RECORD(EditTool, AIToolMessage)
    RECORD(TrackToolCursor, AIToolMessage)
    RECORD(ToolMouseDown, AIToolMessage)
    RECORD(ToolMouseDrag, AIToolMessage)
    RECORD(ToolMouseUp, AIToolMessage)
    RECORD(SelectTool, AIToolMessage)
    RECORD(DeselectTool, AIToolMessage)
    RECORD(ReselectTool, AIToolMessage)
    RECORD(DecreaseDiameter, AIToolMessage)
    RECORD(IncreaseDiameter, AIToolMessage)
    RECORD(LiveEffectEditParameters, void)
    RECORD(LiveEffectGoLive, void)
    RECORD(LiveEffectInterpolateParameters, void)
    RECORD(LiveEffectInputType, void)
    RECORD(LiveEffectConvertColorSpace, void)
    RECORD(LiveEffectScaleParameters, void)
    RECORD(LiveEffectAdjustColors, void)
    RECORD(LiveEffectHandleMerge, void)
    RECORD(GoTimer, void)
    RECORD(GoClipboard, void)
    RECORD(CanCopyClipboard, void)
    RECORD(CloneClipboard, void)
    RECORD(DisposeClipboard, void)
    RECORD(WriteWorkspace, void)
    RECORD(RestoreWorkspace, void)
    RECORD(DefaultWorkspace, void)
    RECORD(StartupPlugin, SPMessageData)
    RECORD(ShutdownPlugin, SPMessageData)
#undef RECORD

    ASErr PostStartupPlugin() override {
        called.push_back("PostStartupPlugin");
        return postStartupAnswer;
    }
    bool Purge() override {
        called.push_back("Purge");
        return purgeAnswer;
    }
    ASErr AcquireOptionalSuites() override {
        called.push_back("AcquireOptionalSuites");
        return kNoErr;
    }
};

// Called operations other than the optional suites' acquisition, which comes first.
std::vector<std::string> Routed(RecordingPlugin& plugin, const char* caller, const char* selector,
                                void* message = nullptr) {
    plugin.called.clear();
    plugin.answer = AI_FOURCC('D', 'O', 'N', 'E');
    const ASErr result = plugin.Message(caller, selector, message);
    EXPECT_FALSE(plugin.called.empty());
    if (!plugin.called.empty()) {
        EXPECT_EQ(plugin.called.front(), "AcquireOptionalSuites");
        plugin.called.erase(plugin.called.begin());
    }
    if (plugin.called.size() == 1) {
        EXPECT_EQ(result, plugin.answer) << caller << " / " << selector;
    }
    return plugin.called;
}

TEST(Router, EveryCallerAndSelectorReachesItsOperation) {
    struct Row {
        const char* caller;
        const char* selector;
        const char* operation;
    };
    const Row rows[] = {
        {"SP Access", "Unload", "UnloadPlugin"},
        {"SP Interface", "About", "About"},
        {"SP Properties", "Acquire", "AcquireProperty"},
        {"SP Properties", "Release", "ReleaseProperty"},
        {"Action Manager", "Do Action", "GoAction"},
        {"AI Menu", "AI Go", "GoMenuItem"},
        {"AI Menu", "AI Update", "UpdateMenuItem"},
        {"AI Filter", "AI Get Parameters", "GetFilterParameters"},
        {"AI Filter", "AI Go", "GoFilter"},
        {"AI Plugin Group", "AI Notify Edits", "PluginGroupNotify"},
        {"AI Plugin Group", "AI Update", "PluginGroupUpdate"},
        {"AI File Format", "AI Get Parameters", "GetFileFormatParameters"},
        {"AI File Format", "AI Go", "GoFileFormat"},
        {"AI File Format", "AI Check", "CheckFileFormat"},
        {"AI File Format", "AI Update AI140", "FileFormatUpdate"},
        {"AI File Format", "Do Action", "FileFormatAction"},
        {"AI Tool", "AI Edit Options", "EditTool"},
        {"AI Tool", "AI Track Cursor", "TrackToolCursor"},
        {"AI Tool", "AI Mouse Down", "ToolMouseDown"},
        {"AI Tool", "AI Mouse Drag", "ToolMouseDrag"},
        {"AI Tool", "AI Mouse Up", "ToolMouseUp"},
        {"AI Tool", "AI Select", "SelectTool"},
        {"AI Tool", "AI Deselect", "DeselectTool"},
        {"AI Tool", "AI Reselect", "ReselectTool"},
        {"AI Tool", "AI Decrease Diameter", "DecreaseDiameter"},
        {"AI Tool", "AI Increase Diameter", "IncreaseDiameter"},
        {"AI Live Effect", "AI Live Effect Edit Parameters", "LiveEffectEditParameters"},
        {"AI Live Effect", "AI Live Effect Go Live", "LiveEffectGoLive"},
        {"AI Live Effect", "AI Live Effect Interpolate Parameters",
         "LiveEffectInterpolateParameters"},
        {"AI Live Effect", "AI Live Effect Input Type", "LiveEffectInputType"},
        {"AI Live Effect", "AI Live Effect Convert Color Space", "LiveEffectConvertColorSpace"},
        {"AI Live Effect", "AI Live Effect Scale Parameters", "LiveEffectScaleParameters"},
        {"AI Live Effect", "AI Live Effect Adjust Colors", "LiveEffectAdjustColors"},
        {"AI Live Effect", "AI Live Effect Handle Merge", "LiveEffectHandleMerge"},
        {"AI Timer", "AI Go", "GoTimer"},
        {"AI Clipboard", "AI Go", "GoClipboard"},
        {"AI Clipboard", "AI Can Copy", "CanCopyClipboard"},
        {"AI Clipboard", "AI Clone", "CloneClipboard"},
        {"AI Clipboard", "AI Dispose", "DisposeClipboard"},
        {"Workspace Manager", "Write Woskspace", "WriteWorkspace"},
        {"Workspace Manager", "Restore Woskspace", "RestoreWorkspace"},
        {"Workspace Manager", "Default Woskspace", "DefaultWorkspace"},
    };
    RecordingPlugin plugin;
    for (const Row& row : rows)
        EXPECT_EQ(Routed(plugin, row.caller, row.selector), std::vector<std::string>{row.operation})
            << row.caller << " / " << row.selector;
}

TEST(Router, NamesThatAreNearlyRightReachNothing) {
    const char* const rows[][2] = {
        {"Workspace Manager", "Write Workspace"},  // the host's spelling is "Woskspace"
        {"AI Tool", "AI Mouse Down "},
        {"AI tool", "AI Mouse Down"},
        {"AI Annotation", "AI Draw"},  // the product's layer handles it
        {"SP Access", "Reload"},       // the entry point handles it
        {"SP Interface", "Shutdown"},  // the entry point handles it
        {"AI Timer", "AI Update"},
        {"", ""},
    };
    RecordingPlugin plugin;
    for (const auto& row : rows) {
        EXPECT_EQ(Routed(plugin, row[0], row[1]), std::vector<std::string>{})
            << row[0] << " / " << row[1];
        EXPECT_EQ(plugin.Message(row[0], row[1], nullptr), kUnhandledMsgErr);
    }
    EXPECT_EQ(plugin.Message(nullptr, nullptr, nullptr), kUnhandledMsgErr);
}

TEST(Router, PurgeAnswersTheFalseCodeOnlyWhenSomethingWasPurged) {
    RecordingPlugin plugin;
    EXPECT_EQ(plugin.Message("SP Cache", "Plug-in Purge", nullptr), kNoErr);
    plugin.purgeAnswer = true;
    EXPECT_EQ(plugin.Message("SP Cache", "Plug-in Purge", nullptr), kPurgeFalseErr);
    // (The product's answer, nothing purged, is the error report's test.)
}

TEST(Router, ApplicationStartedReachesNotifyOnlyWhenPostStartupWentWell) {
    RecordingPlugin plugin;
    AINotifierMessage started{};
    started.type = kAIApplicationStartedNotifier;
    AINotifierMessage other{};
    other.type = kAIArtSelectionChangedNotifier;
    struct Row {
        AINotifierMessage* message;
        const char* selector;
        ASErr postStartupAnswer;
        std::vector<std::string> called;
    };
    const ASErr failure = kBadParameterErr;
    const Row rows[] = {
        {&started, "AI Notify", kNoErr, {"PostStartupPlugin", "Notify"}},
        {&started, "AI Notify", kUnhandledMsgErr, {"PostStartupPlugin", "Notify"}},
        {&started, "AI Notify", failure, {"PostStartupPlugin"}},
        {&other, "AI Notify", failure, {"Notify"}},
        {&started, "AI Something", kNoErr, {"PostStartupPlugin"}},
        {nullptr, "AI Notify", kNoErr, {"Notify"}},
    };
    for (const Row& row : rows) {
        plugin.postStartupAnswer = row.postStartupAnswer;
        plugin.called.clear();
        const ASErr result =
            plugin.Message("AI Notifier", row.selector, row.message ? &row.message->d : nullptr);
        plugin.called.erase(plugin.called.begin());
        EXPECT_EQ(plugin.called, row.called);
        if (row.called.back() == "PostStartupPlugin" && row.postStartupAnswer == failure) {
            EXPECT_EQ(result, failure);
        }
    }
}

TEST(Router, FrameAnswersForTheOperationsAProductLeavesAlone) {
    Plugin frame(nullptr);
    const char* const answeredZero[][2] = {
        {"Action Manager", "Do Action"},     {"AI Tool", "AI Reselect"},
        {"AI Tool", "AI Decrease Diameter"}, {"AI Tool", "AI Increase Diameter"},
        {"AI Notifier", "AI Notify"},
    };
    for (const auto& row : answeredZero)
        EXPECT_EQ(frame.Message(row[0], row[1], nullptr), kNoErr) << row[0] << " / " << row[1];
    const char* const unhandled[][2] = {
        {"AI Tool", "AI Mouse Down"}, {"AI Menu", "AI Go"},         {"SP Properties", "Acquire"},
        {"AI Timer", "AI Go"},        {"AI Clipboard", "AI Clone"}, {"AI Filter", "AI Go"},
    };
    for (const auto& row : unhandled)
        EXPECT_EQ(frame.Message(row[0], row[1], nullptr), kUnhandledMsgErr)
            << row[0] << " / " << row[1];
}

TEST(Router, PluginNameIsCopiedAsTheFrameAlwaysHas) {
    Plugin frame(nullptr);  // named "Plugin"
    struct Row {
        std::int32_t length;
        const char* expected;  // the buffer's first length + 1 bytes
    };
    const Row rows[] = {
        {10, "Plugin\0\0\0\0\0"},  // shorter: zeros fill the rest, the last byte untouched
        {3, "Plu\0"},              // longer: cut, and ended with a zero after the cut
        {6, "Plugin#"},            // exactly as long: no zero is written
    };
    for (const Row& row : rows) {
        std::string buffer(16, '#');
        buffer[10] = '\0';
        EXPECT_EQ(frame.GetPluginName(buffer.data(), row.length), 6);
        EXPECT_EQ(buffer.substr(0, static_cast<std::size_t>(row.length) + 1),
                  std::string(row.expected, static_cast<std::size_t>(row.length) + 1))
            << row.length;
    }
}

}  // namespace
}  // namespace quill
