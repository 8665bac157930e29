/* Suites of the plug-in frame: access, names, notifiers, context, alerts,
 * plug-in options and menus. Text parameters are UTF-8 unless said otherwise. */
#ifndef SDK_SUITES_FRAME_H
#define SDK_SUITES_FRAME_H

#include "sdk/types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSPAccessSuite "SP Access Suite"
#define kSPAccessSuiteVersion 3
typedef struct SPAccessSuite {
    /* Keeps the plug-in's library loaded while the access reference lives. */
    ASErr(AIAPI* AcquirePlugin)(SPPluginRef plugin, SPAccessRef* access);
    ASErr(AIAPI* ReleasePlugin)(SPAccessRef access);
} SPAccessSuite;

#define kSPPluginsSuite "SP Plug-ins Suite"
#define kSPPluginsSuiteVersion 4
typedef struct SPPluginsSuite {
    ASErr(AIAPI* SetPluginName)(SPPluginRef plugin, const char* name);
    ASErr(AIAPI* GetPluginName)(SPPluginRef plugin, const char** name);
} SPPluginsSuite;

#define kAINotifierSuite "AI Notifier Suite"
#define kAINotifierSuiteVersion 2
typedef struct AINotifierSuite {
    ASErr(AIAPI* AddNotifier)(SPPluginRef self, const char* name, const char* type,
                              AINotifierHandle* notifier);
    ASErr(AIAPI* SetNotifierActive)(AINotifierHandle notifier, AIBoolean active);
} AINotifierSuite;

#define kAIContextSuite "AI Context Suite"
#define kAIContextSuiteVersion 5
typedef struct AIContextSuite {
    ASErr(AIAPI* PushAppContext)(SPPluginRef self, AIAppContextHandle* context);
    ASErr(AIAPI* PopAppContext)(AIAppContextHandle context);
} AIContextSuite;

/* Version 10 is the one the frame imports; hosts also offer 11. */
#define kADMBasicSuite "ADM Basic Suite"
#define kADMBasicSuiteVersion 10
#define kADMBasicSuiteVersion11 11
typedef struct ADMBasicSuite {
    /* A modal error alert showing one text (Windows-1252). */
    ASErr(AIAPI* ErrorAlert)(const char* text);
    /* A modal message alert showing one text (Windows-1252). */
    ASErr(AIAPI* MessageAlert)(const char* text);
    /* Sets the pointer's shape to the cursor resource `cursorID` of the plug-in. */
    ASErr(AIAPI* SetPlatformCursor)(SPPluginRef plugin, int32_t cursorID);
    /* The about box with two lines of text (Windows-1252). */
    ASErr(AIAPI* AboutBox)(SPPluginRef plugin, const char* text1, const char* text2);
} ADMBasicSuite;

#define kAIPluginSuite "AI Plugin Suite"
#define kAIPluginSuiteVersion 3
typedef struct AIPluginSuite {
    ASErr(AIAPI* GetPluginOptions)(SPPluginRef plugin, int32_t* options);
    ASErr(AIAPI* SetPluginOptions)(SPPluginRef plugin, int32_t options);
} AIPluginSuite;

#define kAIMenuSuite "AI Menu Suite"
#define kAIMenuSuiteVersion 9
#define kAboutMenuGroup "About"
typedef struct AIMenuSuite {
    /* Adds an item showing `text` to the menu group `groupName`. */
    ASErr(AIAPI* AddMenuItem)(SPPluginRef self, const char* name, const char* groupName,
                              const char* text, int32_t options, AIMenuItemHandle* item);
    /* Makes a new menu group the submenu of `parent`. */
    ASErr(AIAPI* AddMenuGroupAsSubMenu)(const char* name, int32_t options, AIMenuItemHandle parent,
                                        AIMenuGroup* group);
    ASErr(AIAPI* CountMenuGroups)(int32_t* count);
    ASErr(AIAPI* GetNthMenuGroup)(int32_t n, AIMenuGroup* group);
    /* The name stays valid while the group exists. */
    ASErr(AIAPI* GetMenuGroupName)(AIMenuGroup group, const char** name);
} AIMenuSuite;

#ifdef __cplusplus
}
#endif

#endif
