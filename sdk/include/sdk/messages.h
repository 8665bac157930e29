/* The entry point, the basic suite and the message records the host sends.
 *
 * A plug-in exports one function:
 *   ASErr PluginMain(const char* caller, const char* selector, void* message);
 * Every message starts with SPMessageData. The host keeps `globals` between
 * messages: whatever the plug-in leaves there comes back with the next one. */
#ifndef SDK_MESSAGES_H
#define SDK_MESSAGES_H

#include "sdk/types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Acquire and release suites by name and version; small memory blocks. */
typedef struct SPBasicSuite {
    ASErr(AIAPI* AcquireSuite)(const char* name, int32_t version, const void** suite);
    ASErr(AIAPI* ReleaseSuite)(const char* name, int32_t version);
    AIBoolean(AIAPI* IsEqual)(const char* token1, const char* token2);
    ASErr(AIAPI* AllocateBlock)(size_t size, void** block);
    ASErr(AIAPI* FreeBlock)(void* block);
    ASErr(AIAPI* ReallocateBlock)(void* block, size_t newSize, void** newblock);
} SPBasicSuite;

#define kSPValidSPMessageData AI_FOURCC('S', 'P', 'C', 'K')

typedef struct SPMessageData {
    int32_t SPCheck;
    SPPluginRef self;
    void* globals;
    SPBasicSuite* basic;
} SPMessageData;

typedef ASErr(AIAPI* SPPluginMainProc)(const char* caller, const char* selector, void* message);

/* Callers and selectors. */
#define kSPAccessCaller "SP Access"
#define kSPAccessUnloadSelector "Unload"
#define kSPAccessReloadSelector "Reload"
#define kSPInterfaceCaller "SP Interface"
#define kSPInterfaceStartupSelector "Startup"
#define kSPInterfaceShutdownSelector "Shutdown"
#define kSPInterfaceAboutSelector "About"
#define kSPCacheCaller "SP Cache"
#define kSPPluginPurgeCachesSelector "Plug-in Purge"
#define kSPPropertiesCaller "SP Properties"
#define kSPPropertiesAcquireSelector "Acquire"
#define kSPPropertiesReleaseSelector "Release"
#define kCallerAINotify "AI Notifier"
#define kSelectorAINotify "AI Notify"
#define kActionCaller "Action Manager"
#define kDoActionSelector "Do Action"
#define kCallerAIMenu "AI Menu"
#define kSelectorAIGoMenuItem "AI Go"
#define kSelectorAIUpdateMenuItem "AI Update"
#define kCallerAIFilter "AI Filter"
#define kSelectorAIGetFilterParameters "AI Get Parameters"
#define kSelectorAIGoFilter "AI Go"
#define kCallerAIPluginGroup "AI Plugin Group"
#define kSelectorAINotifyEdits "AI Notify Edits"
#define kSelectorAIUpdateArt "AI Update"
#define kCallerAIFileFormat "AI File Format"
#define kSelectorAIGetFileFormatParameters "AI Get Parameters"
#define kSelectorAIGoFileFormat "AI Go"
#define kSelectorAICheckFileFormat "AI Check"
#define kSelectorAIUpdateFileFormat "AI Update AI140"
#define kCallerAITool "AI Tool"
#define kSelectorAIEditToolOptions "AI Edit Options"
#define kSelectorAITrackToolCursor "AI Track Cursor"
#define kSelectorAIToolMouseDown "AI Mouse Down"
#define kSelectorAIToolMouseDrag "AI Mouse Drag"
#define kSelectorAIToolMouseUp "AI Mouse Up"
#define kSelectorAISelectTool "AI Select"
#define kSelectorAIDeselectTool "AI Deselect"
#define kSelectorAIReselectTool "AI Reselect"
#define kSelectorAIDecreaseDiameter "AI Decrease Diameter"
#define kSelectorAIIncreaseDiameter "AI Increase Diameter"
#define kCallerAILiveEffect "AI Live Effect"
#define kCallerAITimer "AI Timer"
#define kSelectorAIGoTimer "AI Go"
#define kCallerAIClipboard "AI Clipboard"
#define kCallerWorkspace "Workspace Manager"
#define kCallerAIAnnotation "AI Annotation"
#define kSelectorAIDrawAnnotation "AI Draw"

/* Notifier types. */
#define kAIApplicationStartedNotifier "AI Application Started Notifier"
#define kAIApplicationShutdownNotifier "AI Application Shutdown Notifier"
#define kAIArtSelectionChangedNotifier "AI Art Selection Changed Notifier"
#define kAIArtCustomColorChangedNotifier "AI Art Custom Color Changed Notifier"

typedef struct AINotifierMessage {
    SPMessageData d;
    AINotifierHandle notifier;
    const char* type;
    void* notifyData;
} AINotifierMessage;

typedef struct AIMenuMessage {
    SPMessageData d;
    AIMenuItemHandle menuItem;
} AIMenuMessage;

typedef struct AIToolMessage {
    SPMessageData d;
    AIToolHandle tool;
    AIRealPoint cursor;
    AIReal pressure;
} AIToolMessage;

typedef struct AIAnnotatorMessage {
    SPMessageData d;
    AIAnnotatorHandle annotator;
    AIDocumentViewHandle view;
    AIAnnotatorDrawer drawer;
    AIRect invalidationRect;
} AIAnnotatorMessage;

/* Resource types carried by a plug-in library. */
#define kPIPLResourceType AI_FOURCC('P', 'I', 'P', 'L')
#define kIconResourceType AI_FOURCC('I', 'C', 'O', 'N')
#define kCursorResourceType AI_FOURCC('C', 'U', 'R', 'S')
#define kStringListResourceType AI_FOURCC('S', 'T', 'R', '#')

#ifdef __cplusplus
}
#endif

#endif
