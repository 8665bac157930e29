// The suites of the frame's test host: what the frame calls, recorded on the current
// FrameHost; the functions the frame never calls are left out of their tables.
#include <algorithm>
#include <cstring>

#include "frame_host.h"

namespace quill::testing {

namespace {

// The index a handle stands for, or -1 when it names nothing of `count`.
template <class Handle>
long IndexOf(Handle handle, std::size_t count) {
    const auto value = reinterpret_cast<std::uintptr_t>(handle);
    return value >= 1 && value <= count ? static_cast<long>(value - 1) : -1;
}

FrameHost& Host() {
    return FrameHost::Current();
}

#define ENTER(function) \
    if (AIErr injected = Host().Enter(function)) return injected;

// Basic suite.
ASErr AIAPI AcquireSuite(const char* name, int32_t version, const void** suite) {
    ENTER("AcquireSuite");
    *suite = Host().Table(name, version);
    if (!*suite) return kSuiteNotFoundErr;
    Host().acquisitions.push_back("+" + std::string(name) + " " + std::to_string(version));
    ++Host().held[name];
    return kNoErr;
}
ASErr AIAPI ReleaseSuite(const char* name, int32_t version) {
    ENTER("ReleaseSuite");
    if (Host().held[name] == 0) return kSuiteNotAcquiredErr;
    Host().acquisitions.push_back("-" + std::string(name) + " " + std::to_string(version));
    if (--Host().held[name] == 0) Host().held.erase(name);
    return kNoErr;
}
AIBoolean AIAPI IsEqual(const char* a, const char* b) {
    return std::strcmp(a, b) == 0;
}
SPBasicSuite basicSuite = {AcquireSuite, ReleaseSuite, IsEqual, nullptr, nullptr, nullptr};

// The suites the frame calls; the functions it never calls are left out.
ASErr AIAPI AcquirePlugin(SPPluginRef, SPAccessRef* access) {
    ENTER("AcquirePlugin");
    *access = FakeHandle<SPAccessRef>(Host().accessReferences++);
    return kNoErr;
}
ASErr AIAPI ReleasePlugin(SPAccessRef) {
    ENTER("ReleasePlugin");
    --Host().accessReferences;
    return kNoErr;
}
SPAccessSuite accessSuite = {AcquirePlugin, ReleasePlugin};

ASErr AIAPI SetPluginName(SPPluginRef, const char* name) {
    ENTER("SetPluginName");
    Host().pluginName = name;
    return kNoErr;
}
SPPluginsSuite pluginsSuite = {SetPluginName, nullptr};

ASErr AIAPI AddNotifier(SPPluginRef, const char* name, const char* type, AINotifierHandle* handle) {
    ENTER("AddNotifier");
    Host().notifiers.push_back({name, type});
    *handle = FakeHandle<AINotifierHandle>(Host().notifiers.size() - 1);
    return kNoErr;
}
AINotifierSuite notifierSuite = {AddNotifier, nullptr};

ASErr AIAPI PushAppContext(SPPluginRef, AIAppContextHandle* context) {
    ENTER("PushAppContext");
    *context = FakeHandle<AIAppContextHandle>(static_cast<std::size_t>(Host().contextDepth++));
    return kNoErr;
}
ASErr AIAPI PopAppContext(AIAppContextHandle) {
    ENTER("PopAppContext");
    --Host().contextDepth;
    return kNoErr;
}
AIContextSuite contextSuite = {PushAppContext, PopAppContext};

ASErr AIAPI ErrorAlert(const char* text) {
    ENTER("ErrorAlert");
    Host().alerts.push_back(text);
    return kNoErr;
}
ASErr AIAPI MessageAlert(const char* text) {
    ENTER("MessageAlert");
    Host().alerts.push_back(text);
    return kNoErr;
}
ASErr AIAPI AboutBox(SPPluginRef, const char* first, const char* second) {
    ENTER("AboutBox");
    Host().alerts.push_back(std::string(first) + "\r" + second);
    return kNoErr;
}
ADMBasicSuite admBasicSuite = {ErrorAlert, MessageAlert, nullptr, AboutBox};

ASErr AIAPI GetPluginOptions(SPPluginRef, int32_t* options) {
    ENTER("GetPluginOptions");
    *options = Host().pluginOptions;
    return kNoErr;
}
ASErr AIAPI SetPluginOptions(SPPluginRef, int32_t options) {
    ENTER("SetPluginOptions");
    Host().pluginOptions = options;
    return kNoErr;
}
AIPluginSuite pluginSuite = {GetPluginOptions, SetPluginOptions};

ASErr AIAPI AddMenuItem(SPPluginRef, const char*, const char* group, const char* text, int32_t,
                        AIMenuItemHandle* item) {
    ENTER("AddMenuItem");
    auto& groups = Host().menuGroups;
    if (std::find(groups.begin(), groups.end(), group) == groups.end()) return kNotFoundErr;
    Host().menuItems.push_back({group, text});
    *item = FakeHandle<AIMenuItemHandle>(Host().menuItems.size() - 1);
    return kNoErr;
}
ASErr AIAPI AddMenuGroupAsSubMenu(const char* name, int32_t, AIMenuItemHandle parent,
                                  AIMenuGroup* group) {
    ENTER("AddMenuGroupAsSubMenu");
    if (IndexOf(parent, Host().menuItems.size()) < 0) return kStaleHandleErr;
    Host().menuGroups.push_back(name);
    *group = FakeHandle<AIMenuGroup>(Host().menuGroups.size() - 1);
    return kNoErr;
}
ASErr AIAPI CountMenuGroups(int32_t* count) {
    ENTER("CountMenuGroups");
    *count = static_cast<int32_t>(Host().menuGroups.size());
    return kNoErr;
}
ASErr AIAPI GetNthMenuGroup(int32_t n, AIMenuGroup* group) {
    ENTER("GetNthMenuGroup");
    if (n < 0 || static_cast<std::size_t>(n) >= Host().menuGroups.size()) return kOutOfRangeErr;
    *group = FakeHandle<AIMenuGroup>(static_cast<std::size_t>(n));
    return kNoErr;
}
ASErr AIAPI GetMenuGroupName(AIMenuGroup group, const char** name) {
    ENTER("GetMenuGroupName");
    const long index = IndexOf(group, Host().menuGroups.size());
    if (index < 0) return kStaleHandleErr;
    *name = Host().menuGroups[static_cast<std::size_t>(index)].c_str();
    return kNoErr;
}
AIMenuSuite menuSuite = {AddMenuItem, AddMenuGroupAsSubMenu, CountMenuGroups, GetNthMenuGroup,
                         GetMenuGroupName};

// Tools and icons.
FakeTool* ToolOf(AIToolHandle tool) {
    const long index = IndexOf(tool, Host().tools.size());
    return index < 0 ? nullptr : &Host().tools[static_cast<std::size_t>(index)];
}
int PlaceOf(int16_t number, int FakeTool::*field, int fresh) {
    if (number == kNoTool) return fresh;
    return Host().tools.at(static_cast<std::size_t>(number)).*field;
}
ASErr AIAPI AddTool(SPPluginRef, const char* name, const AIAddToolData* data, int32_t options,
                    AIToolHandle* tool) {
    ENTER("AddTool");
    auto& tools = Host().tools;
    for (int16_t number : {data->sameGroupAs, data->sameToolsAs})
        if (number != kNoTool && (number < 0 || static_cast<std::size_t>(number) >= tools.size()))
            return kBadParameterErr;
    FakeTool record;
    record.name = name;
    record.title = data->title;
    record.tooltip = data->tooltip;
    record.icon = data->normalIconResource;
    record.options = options;
    const int fresh = static_cast<int>(tools.size()) * 2 + 100;
    record.group = PlaceOf(data->sameGroupAs, &FakeTool::group, fresh);
    record.toolset = PlaceOf(data->sameToolsAs, &FakeTool::toolset, fresh + 1);
    tools.push_back(record);
    *tool = FakeHandle<AIToolHandle>(tools.size() - 1);
    return kNoErr;
}
ASErr AIAPI GetToolNumberFromName(const char* name, int16_t* number) {
    ENTER("GetToolNumberFromName");
    const auto& tools = Host().tools;
    for (std::size_t i = 0; i < tools.size(); ++i)
        if (tools[i].title == name || tools[i].name == name) {
            *number = static_cast<int16_t>(i);
            return kNoErr;
        }
    return kNotFoundErr;
}
ASErr AIAPI GetToolHandleFromNumber(int16_t number, AIToolHandle* tool) {
    ENTER("GetToolHandleFromNumber");
    if (number < 0 || static_cast<std::size_t>(number) >= Host().tools.size())
        return kOutOfRangeErr;
    *tool = FakeHandle<AIToolHandle>(static_cast<std::size_t>(number));
    return kNoErr;
}
ASErr AIAPI SetSelectedTool(AIToolHandle tool) {
    ENTER("SetSelectedTool");
    const long index = IndexOf(tool, Host().tools.size());
    if (index < 0) return kStaleHandleErr;
    Host().selectedTool = static_cast<std::size_t>(index);
    return kNoErr;
}
ASErr AIAPI SetToolInfoVars(AIToolHandle tool, const int32_t* vars) {
    ENTER("SetToolInfoVars");
    FakeTool* record = ToolOf(tool);
    if (!record) return kStaleHandleErr;
    record->infoVars.clear();
    for (; *vars != kNoMoreInfoVars; ++vars) record->infoVars.push_back(*vars);
    return kNoErr;
}
ASErr AIAPI SetToolIcons(AIToolHandle tool, ADMIconRef normal, ADMIconRef second) {
    ENTER("SetToolIcons");
    FakeTool* record = ToolOf(tool);
    if (!record) return kStaleHandleErr;
    record->icon = normal;
    record->secondIcon = second;
    return kNoErr;
}
AIToolSuite toolSuite = {AddTool,         GetToolNumberFromName, GetToolHandleFromNumber,
                         nullptr,         SetSelectedTool,       nullptr,
                         SetToolInfoVars, SetToolIcons};

// An icon's handle is its resource id.
ASErr AIAPI GetIconFromResource(SPPluginRef, int32_t id, ADMIconRef* icon) {
    ENTER("GetFromResource");
    *icon = reinterpret_cast<ADMIconRef>(static_cast<std::uintptr_t>(id));
    return kNoErr;
}
ADMIconSuite iconSuite = {GetIconFromResource, nullptr};

// Feedback.
ASErr AIAPI AddAnnotator(SPPluginRef, const char* name, AIAnnotatorHandle* annotator) {
    ENTER("AddAnnotator");
    Host().annotators.push_back({name, true});
    *annotator = FakeHandle<AIAnnotatorHandle>(Host().annotators.size() - 1);
    return kNoErr;
}
ASErr AIAPI SetAnnotatorActive(AIAnnotatorHandle annotator, AIBoolean active) {
    ENTER("SetAnnotatorActive");
    const long index = IndexOf(annotator, Host().annotators.size());
    if (index < 0) return kStaleHandleErr;
    Host().annotators[static_cast<std::size_t>(index)].active = active != 0;
    return kNoErr;
}
ASErr AIAPI InvalAnnotationRect(AIDocumentViewHandle, const AIRect*) {
    ENTER("InvalAnnotationRect");
    ++Host().invalidations;
    return kNoErr;
}
AIAnnotatorSuite annotatorSuite = {AddAnnotator, SetAnnotatorActive, nullptr, InvalAnnotationRect};

ASErr AIAPI GetDocumentViewBounds(AIDocumentViewHandle, AIRealRect* bounds) {
    ENTER("GetDocumentViewBounds");
    *bounds = {0, 800, 600, 0};
    return kNoErr;
}
ASErr AIAPI ArtworkPointToViewPoint(AIDocumentViewHandle, const AIRealPoint* art, AIPoint* view) {
    ENTER("ArtworkPointToViewPoint");
    *view = {static_cast<int32_t>(art->h), static_cast<int32_t>(800 - art->v)};
    return kNoErr;
}
AIDocumentViewSuite viewSuite = {GetDocumentViewBounds, ArtworkPointToViewPoint, nullptr, nullptr};

// Settings: an empty store that keeps count of the writes.
template <class T>
ASErr AIAPI GetPreference(const char*, const char*, T*) {
    return Host().Enter("GetPreference");
}
template <class T>
ASErr AIAPI PutPreference(const char*, const char* key, T) {
    ENTER("PutPreference");
    ++Host().preferenceWrites[key];
    return kNoErr;
}
ASErr AIAPI GetStringPreference(const char*, const char*, char*, size_t) {
    return Host().Enter("GetPreference");
}
AIPreferenceSuite preferenceSuite = {GetPreference<AIBoolean>, PutPreference<AIBoolean>,
                                     GetPreference<int32_t>,   PutPreference<int32_t>,
                                     GetPreference<double>,    PutPreference<double>,
                                     GetStringPreference,      PutPreference<const char*>};

AIUserSuite userSuite = {MessageAlert};

// The tests' texts are compared as Windows-1252 bytes: the conversion copies them.
ASErr AIAPI CopyText(const char* from, char* to, size_t size, size_t* needed) {
    ENTER("ConvertText");
    const size_t length = std::strlen(from);
    if (needed) *needed = length + 1;
    if (!to || size == 0) return kNoErr;
    const size_t copied = std::min(length, size - 1);
    std::memcpy(to, from, copied);
    to[copied] = '\0';
    return copied < length ? kBufferTooSmallErr : kNoErr;
}
AIUnicodeStringSuite unicodeSuite = {CopyText, CopyText};

ASErr AIAPI IndexFontList(int32_t index, AIFontKey* font) {
    ENTER("IndexFontList");
    if (index != 0) return kOutOfRangeErr;
    *font = FakeHandle<AIFontKey>(0);
    return kNoErr;
}
ASErr AIAPI GetFullFontName(AIFontKey, char* name, size_t size) {
    ENTER("GetFullFontName");
    return CopyText("Fonte Une", name, size, nullptr);
}
AIFontSuite fontSuite = {nullptr, IndexFontList, GetFullFontName, nullptr, nullptr};

ASErr AIAPI GetKeyState(int32_t, AIBoolean* down) {
    ENTER("GetKeyState");
    *down = 0;
    return kNoErr;
}
AIKeyboardStateSuite keyboardSuite = {GetKeyState};

const std::map<std::string, const void*>& Tables() {
    static const std::map<std::string, const void*> tables = {
        {kSPAccessSuite, &accessSuite},     {kSPPluginsSuite, &pluginsSuite},
        {kAINotifierSuite, &notifierSuite}, {kAIContextSuite, &contextSuite},
        {kADMBasicSuite, &admBasicSuite},   {kAIPluginSuite, &pluginSuite},
        {kAIMenuSuite, &menuSuite},         {kAIToolSuite, &toolSuite},
        {kADMIconSuite, &iconSuite},        {kAIAnnotatorSuite, &annotatorSuite},
        {kAIDocumentViewSuite, &viewSuite}, {kAIPreferenceSuite, &preferenceSuite},
        {kAIUserSuite, &userSuite},         {kAIUnicodeStringSuite, &unicodeSuite},
        {kAIFontSuite, &fontSuite},         {kAIKeyboardStateSuite, &keyboardSuite},
    };
    return tables;
}

#undef ENTER

}  // namespace

// Suites the frame holds without calling: a table whose functions are never reached.
const void* const kBlankTable[128] = {};

const void* FrameHost::Table(const char* name, std::int32_t) {
    if (withheld_.count(name)) return nullptr;
    auto it = Tables().find(name);
    return it != Tables().end() ? it->second : kBlankTable;
}

SPBasicSuite* FrameHost::BasicSuite() {
    return &basicSuite;
}

}  // namespace quill::testing
