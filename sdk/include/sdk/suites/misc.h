/* Preferences, alerts, strings, memory, and the suites a plug-in holds without
 * calling (undo, dictionaries, swatches, runtime). */
#ifndef SDK_SUITES_MISC_H
#define SDK_SUITES_MISC_H

#include "sdk/suites/art.h"
#include "sdk/types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Values live under a prefix (NULL or "" for the host's own) and a key. A get of a key
 * the store does not hold leaves the destination untouched and reports no error; a
 * stored entry of another kind is kWrongTypeErr, except that integer and real entries
 * read as each other (a real read as an integer is truncated). Strings are
 * Windows-1252. */
#define kAIPreferenceSuite "AI Preference Suite"
#define kAIPreferenceSuiteVersion 4
typedef struct AIPreferenceSuite {
    ASErr(AIAPI* GetBooleanPreference)(const char* prefix, const char* key, AIBoolean* value);
    ASErr(AIAPI* PutBooleanPreference)(const char* prefix, const char* key, AIBoolean value);
    ASErr(AIAPI* GetIntegerPreference)(const char* prefix, const char* key, int32_t* value);
    ASErr(AIAPI* PutIntegerPreference)(const char* prefix, const char* key, int32_t value);
    ASErr(AIAPI* GetRealPreference)(const char* prefix, const char* key, double* value);
    ASErr(AIAPI* PutRealPreference)(const char* prefix, const char* key, double value);
    /* At most size-1 bytes and a terminating zero. */
    ASErr(AIAPI* GetStringPreference)(const char* prefix, const char* key, char* value,
                                      size_t size);
    ASErr(AIAPI* PutStringPreference)(const char* prefix, const char* key, const char* value);
} AIPreferenceSuite;

#define kAIUserSuite "AI User Suite"
#define kAIUserSuiteVersion 9
typedef struct AIUserSuite {
    /* A modal alert showing one UTF-8 text, answered with OK. */
    ASErr(AIAPI* MessageAlert)(const char* text);
    /* The host's colour picker, opened on `color`: the colour the user chooses (grey,
     * RGB, CMYK or a custom colour of the document with its tint) replaces it. Cancelled:
     * kCanceledErr, `color` unchanged. */
    ASErr(AIAPI* EditInOriginalColorPicker)(AIColor* color);
} AIUserSuite;

#define kAIRuntimeSuite "AI Runtime Suite"
#define kAIRuntimeSuiteVersion 10
typedef struct AIRuntimeSuite {
    ASErr(AIAPI* GetAppName)(const char** name);
} AIRuntimeSuite;

/* Conversions between the plug-in's 8-bit text (Windows-1252) and UTF-8. `needed` (may be
 * NULL) receives the size the full result takes, terminating zero included; a result
 * that does not fit is cut at a character boundary, terminated, and kBufferTooSmallErr. */
#define kAIUnicodeStringSuite "AI Unicode String Suite"
#define kAIUnicodeStringSuiteVersion 6
typedef struct AIUnicodeStringSuite {
    ASErr(AIAPI* PlatformToUTF8)(const char* platform, char* utf8, size_t size, size_t* needed);
    /* Characters that Windows-1252 lacks become '?'. */
    ASErr(AIAPI* UTF8ToPlatform)(const char* utf8, char* platform, size_t size, size_t* needed);
} AIUnicodeStringSuite;

#define kAIStringFormatUtilsSuite "AI String Format Utils Suite"
#define kAIStringFormatUtilsSuiteVersion 1
typedef struct AIStringFormatUtilsSuite {
    ASErr(AIAPI* GetDecimalSeparator)(char* separator);
} AIStringFormatUtilsSuite;

#define kAIMdMemorySuite "AI MdMemory Suite"
#define kAIMdMemorySuiteVersion 1
typedef struct AIMdMemorySuite {
    ASErr(AIAPI* MdMemoryNewHandle)(size_t size, void** handle);
    ASErr(AIAPI* MdMemoryDisposeHandle)(void* handle);
} AIMdMemorySuite;

#define kSPBlocksSuite "SP Blocks Suite"
#define kSPBlocksSuiteVersion 2
typedef struct SPBlocksSuite {
    ASErr(AIAPI* AllocateBlock)(size_t size, const char* debugTag, void** block);
    ASErr(AIAPI* FreeBlock)(void* block);
} SPBlocksSuite;

#define kAIUndoSuite "AI Undo Suite"
#define kAIUndoSuiteVersion 5
typedef struct AIUndoSuite {
    ASErr(AIAPI* SetUndoText)(const char* undoText, const char* redoText);
} AIUndoSuite;

#define kAIDictionarySuite "AI Dictionary Suite"
#define kAIDictionarySuiteVersion 6
typedef struct AIDictionarySuite {
    ASErr(AIAPI* CreateDictionary)(AIDictionaryRef* dictionary);
    ASErr(AIAPI* Release)(AIDictionaryRef dictionary);
} AIDictionarySuite;

#define kAISwatchListSuite "AI Swatch List Suite"
#define kAISwatchListSuiteVersion 5
typedef struct AISwatchListSuite {
    ASErr(AIAPI* GetSwatchList)(AIDocumentHandle document, AISwatchListRef* list);
    ASErr(AIAPI* CountSwatches)(AISwatchListRef list, int32_t* count);
} AISwatchListSuite;

#define kAISwatchGroupSuite "AI Swatch Group Suite"
#define kAISwatchGroupSuiteVersion 1
typedef struct AISwatchGroupSuite {
    ASErr(AIAPI* CountSwatchGroups)(AISwatchListRef list, int32_t* count);
} AISwatchGroupSuite;

#ifdef __cplusplus
}
#endif

#endif
