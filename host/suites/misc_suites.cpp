// Alerts in UTF-8, text conversions, and the suites a plug-in holds without calling
// much: runtime, number formats, undo, dictionaries, swatches.
#include "host/core/event_state.h"
#include "host/suites/suite_support.h"
#include "host/suites/text_engine_objects.h"
#include "host/text/windows1252.h"

namespace host {

namespace {

/// The host's name as the runtime suite gives it.
constexpr const char* kHostAppName = "Quill Host";

ASErr AIAPI UserMessageAlert(const char* text) {
    return HostCall(kAIUserSuite, "MessageAlert", [&](Host& host) -> AIErr {
        if (!text) return kBadParameterErr;
        host.log().alerts.push_back(text);
        return kNoErr;
    });
}

// The colour picker answers as the session said the user would; with no answer left the
// user cancels.
ASErr AIAPI EditInOriginalColorPicker(AIColor* color) {
    return HostCall(kAIUserSuite, "EditInOriginalColorPicker", [&](Host& host) -> AIErr {
        if (!color) return kBadParameterErr;
        auto& answers = host.log().pickerAnswers;
        if (answers.empty()) return kCanceledErr;
        const std::optional<AIColor> answer = answers.front();
        answers.pop_front();
        if (!answer) return kCanceledErr;
        *color = *answer;
        return kNoErr;
    });
}

AIUserSuite userSuite = {UserMessageAlert, EditInOriginalColorPicker};
SuiteTable userTable(kAIUserSuite, kAIUserSuiteVersion, &userSuite);

/// Writes a converted text with the buffer rules of the Unicode string suite. A NULL
/// buffer of size 0 only asks for the size.
AIErr WriteConverted(const std::string& result, char* out, size_t size, size_t* needed, bool utf8) {
    if (needed) *needed = result.size() + 1;
    if (!out && size == 0) return needed ? kNoErr : kBadParameterErr;
    return CopyOut(result, out, size, utf8);
}

ASErr AIAPI PlatformToUTF8(const char* platform, char* utf8, size_t size, size_t* needed) {
    return HostCall(kAIUnicodeStringSuite, "PlatformToUTF8", [&](Host&) -> AIErr {
        if (!platform) return kBadParameterErr;
        return WriteConverted(Windows1252ToUtf8(platform), utf8, size, needed, true);
    });
}

ASErr AIAPI UTF8ToPlatform(const char* utf8, char* platform, size_t size, size_t* needed) {
    return HostCall(kAIUnicodeStringSuite, "UTF8ToPlatform", [&](Host&) -> AIErr {
        if (!utf8) return kBadParameterErr;
        return WriteConverted(Utf8ToWindows1252(utf8), platform, size, needed, false);
    });
}

AIUnicodeStringSuite unicodeSuite = {PlatformToUTF8, UTF8ToPlatform};
SuiteTable unicodeTable(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, &unicodeSuite);

ASErr AIAPI GetAppName(const char** name) {
    return HostCall(kAIRuntimeSuite, "GetAppName", [&](Host&) -> AIErr {
        if (!name) return kBadParameterErr;
        *name = kHostAppName;
        return kNoErr;
    });
}

AIRuntimeSuite runtimeSuite = {GetAppName};
SuiteTable runtimeTable(kAIRuntimeSuite, kAIRuntimeSuiteVersion, &runtimeSuite);

ASErr AIAPI GetDecimalSeparator(char* separator) {
    return HostCall(kAIStringFormatUtilsSuite, "GetDecimalSeparator", [&](Host&) -> AIErr {
        if (!separator) return kBadParameterErr;
        *separator = '.';
        return kNoErr;
    });
}

AIStringFormatUtilsSuite formatSuite = {GetDecimalSeparator};
SuiteTable formatTable(kAIStringFormatUtilsSuite, kAIStringFormatUtilsSuiteVersion, &formatSuite);

ASErr AIAPI SetUndoText(const char* undoText, const char* redoText) {
    return HostCall(kAIUndoSuite, "SetUndoText", [&](Host& host) -> AIErr {
        if (!undoText || !redoText) return kBadParameterErr;
        host.log().undoText = undoText;
        return kNoErr;
    });
}

AIUndoSuite undoSuite = {SetUndoText};
SuiteTable undoTable(kAIUndoSuite, kAIUndoSuiteVersion, &undoSuite);

ASErr AIAPI CreateDictionary(AIDictionaryRef* dictionary) {
    return HostCall(kAIDictionarySuite, "CreateDictionary", [&](Host& host) -> AIErr {
        if (!dictionary) return kBadParameterErr;
        ObjectId id = NextObjectId();
        host.dictionaries().insert(id);
        *dictionary = ToHandle<AIDictionaryRef>(id);
        return kNoErr;
    });
}

ASErr AIAPI ReleaseDictionary(AIDictionaryRef dictionary) {
    return HostCall(kAIDictionarySuite, "Release", [&](Host& host) -> AIErr {
        if (!dictionary) return kBadParameterErr;
        return host.dictionaries().erase(IdOf(dictionary)) ? kNoErr : kStaleHandleErr;
    });
}

AIDictionarySuite dictionarySuite = {CreateDictionary, ReleaseDictionary};
SuiteTable dictionaryTable(kAIDictionarySuite, kAIDictionarySuiteVersion, &dictionarySuite);

// The document's swatch list is its custom colours, in one group.
ASErr AIAPI GetSwatchList(AIDocumentHandle document, AISwatchListRef* list) {
    return HostCall(kAISwatchListSuite, "GetSwatchList", [&](Host& host) -> AIErr {
        if (!list) return kBadParameterErr;
        if (document && IdOf(document) != host.documentId()) return kStaleHandleErr;
        *list = ToHandle<AISwatchListRef>(host.documentId());
        return kNoErr;
    });
}

ASErr AIAPI CountSwatches(AISwatchListRef list, int32_t* count) {
    return HostCall(kAISwatchListSuite, "CountSwatches", [&](Host& host) -> AIErr {
        if (!count) return kBadParameterErr;
        if (list && IdOf(list) != host.documentId()) return kStaleHandleErr;
        *count = static_cast<int32_t>(host.customColors().size());
        return kNoErr;
    });
}

AISwatchListSuite swatchListSuite = {GetSwatchList, CountSwatches};
SuiteTable swatchListTable(kAISwatchListSuite, kAISwatchListSuiteVersion, &swatchListSuite);

ASErr AIAPI CountSwatchGroups(AISwatchListRef list, int32_t* count) {
    return HostCall(kAISwatchGroupSuite, "CountSwatchGroups", [&](Host& host) -> AIErr {
        if (!count) return kBadParameterErr;
        if (list && IdOf(list) != host.documentId()) return kStaleHandleErr;
        *count = 1;
        return kNoErr;
    });
}

AISwatchGroupSuite swatchGroupSuite = {CountSwatchGroups};
SuiteTable swatchGroupTable(kAISwatchGroupSuite, kAISwatchGroupSuiteVersion, &swatchGroupSuite);

}  // namespace
}  // namespace host
