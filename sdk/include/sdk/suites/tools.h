/* Tools, their icons, and the keyboard state of the event being handled. */
#ifndef SDK_SUITES_TOOLS_H
#define SDK_SUITES_TOOLS_H

#include "sdk/types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* In sameGroupAs / sameToolsAs: a new group, a new toolset. */
#define kNoTool (-2)
/* Tool option: the tool receives cursor-tracking messages. */
#define kToolWantsToTrackCursorOption 1
/* Ends a list of info-panel variables. */
#define kNoMoreInfoVars (-1)

typedef struct AIAddToolData {
    const char* title;
    const char* tooltip;
    const char* helpID;
    ADMIconRef normalIconResource;
    int16_t sameGroupAs;
    int16_t sameToolsAs;
} AIAddToolData;

#define kAIToolSuite "AI Tool Suite"
#define kAIToolSuiteVersion 11
typedef struct AIToolSuite {
    ASErr(AIAPI* AddTool)(SPPluginRef self, const char* name, const AIAddToolData* data,
                          int32_t options, AIToolHandle* tool);
    /* The number of the tool whose name (or title) is `name`; kNotFoundErr when none. */
    ASErr(AIAPI* GetToolNumberFromName)(const char* name, int16_t* toolNumber);
    ASErr(AIAPI* GetToolHandleFromNumber)(int16_t toolNumber, AIToolHandle* tool);
    ASErr(AIAPI* GetToolName)(AIToolHandle tool, const char** name);
    ASErr(AIAPI* SetSelectedTool)(AIToolHandle tool);
    ASErr(AIAPI* GetSelectedTool)(AIToolHandle* tool);
    /* `infoVars` ends with kNoMoreInfoVars. */
    ASErr(AIAPI* SetToolInfoVars)(AIToolHandle tool, const int32_t* infoVars);
    ASErr(AIAPI* SetToolIcons)(AIToolHandle tool, ADMIconRef normalIcon, ADMIconRef darkIcon);
} AIToolSuite;

#define kADMIconSuite "ADM Icon Suite"
#define kADMIconSuiteVersion 1
typedef struct ADMIconSuite {
    /* The icon resource `iconID` of the plug-in's library. */
    ASErr(AIAPI* GetFromResource)(SPPluginRef plugin, int32_t iconID, ADMIconRef* icon);
    ASErr(AIAPI* Destroy)(ADMIconRef icon);
} ADMIconSuite;

/* Virtual key codes, as the Windows keyboard numbers them. */
#define kVirtualKeyShift 16
#define kVirtualKeyControl 17
#define kVirtualKeyAlt 18
#define kVirtualKeyEscape 27
#define kVirtualKeySpace 32
#define kVirtualKeyLeftShift 160
#define kVirtualKeyRightShift 161

/* The keys held during the event being handled; asked where the operating
 * system cannot be asked directly. */
#define kAIKeyboardStateSuite "AI Keyboard State Suite"
#define kAIKeyboardStateSuiteVersion 1
typedef struct AIKeyboardStateSuite {
    ASErr(AIAPI* GetKeyState)(int32_t virtualKey, AIBoolean* down);
} AIKeyboardStateSuite;

#ifdef __cplusplus
}
#endif

#endif
