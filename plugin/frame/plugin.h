// The plug-in frame: the object the host's messages reach. It owns the host suites,
// routes each caller and selector pair to one virtual operation, and reports errors.
// The product specialises it (QuillPlugIn); every operation the product does not take
// over answers as a plug-in that does not handle the message: kUnhandledMsgErr ('!MSG'),
// or 0 where noted. Used only on the host's thread, one message at a time.
#pragma once

#include <cstddef>
#include <cstdint>

#include "sdk/sdk.h"

namespace quill {

class Suites;

class Plugin {
 public:
    static constexpr std::size_t kNameSize = 256;
    /// Tag of the constructors that copy every field of an object, used to rebuild an
    /// object in place once the code behind its virtual operations was loaded again.
    struct KeepFields {};

    /// The name is "Plugin" until a product sets its own.
    explicit Plugin(SPPluginRef pluginRef);
    Plugin(const Plugin& kept, KeepFields);
    Plugin(const Plugin&) = delete;
    Plugin& operator=(const Plugin&) = delete;

    // The virtual operations, in the order of their slots.

    /// Releases nothing by itself: the suites go at shutdown or unload.
    virtual ~Plugin();
    /// Tells the user about a failure, once per code within the duplicate window.
    virtual void ReportError(ASErr code, const char* caller, const char* selector, void* message);
    /// Counts locks; the first keeps the library loaded (an access reference) until the
    /// last unlock. Returns 0.
    virtual ASErr LockPlugin(bool lock);
    /// Acquires the suites and announces the plug-in to the host.
    virtual ASErr StartupPlugin(SPMessageData* message);
    /// The host has finished starting. 0.
    virtual ASErr PostStartupPlugin();
    /// Releases the suites. 0.
    virtual ASErr ShutdownPlugin(SPMessageData* message);
    /// The code is about to be unloaded: releases the suites. 0.
    virtual ASErr UnloadPlugin(SPMessageData* message);
    /// The code was loaded again: acquires the suites again.
    virtual ASErr ReloadPlugin(SPMessageData* message);
    virtual ASErr AcquireProperty(SPMessageData* message);
    virtual ASErr ReleaseProperty(SPMessageData* message);
    /// Copies at most `length` characters of the name into `buffer` (which holds
    /// `length` + 1) and returns the name's length. The copy is ended with a zero when the
    /// name is shorter (zeros fill the rest) or longer than `length`.
    virtual std::int32_t GetPluginName(char* buffer, std::int32_t length);
    /// The host's about box with entries 1 and 2 of the about string list.
    virtual ASErr About(SPMessageData* message);
    /// Whether memory could be given back. False.
    virtual bool Purge();
    /// The router: hands the message to the operation of its caller and selector.
    virtual ASErr Message(const char* caller, const char* selector, void* message);
    virtual ASErr SetGlobal(Plugin* plugin);
    virtual ASErr AllocateSuiteTables();
    virtual ASErr FillSuiteTables();
    virtual ASErr EmptySuiteTables();
    /// Acquires the optional suites not held yet. 0.
    virtual ASErr AcquireOptionalSuites();
    /// A notification of one of the plug-in's notifiers. 0.
    virtual ASErr Notify(AINotifierMessage* message);
    /// 0.
    virtual ASErr GoAction(void* message);
    virtual ASErr GoMenuItem(AIMenuMessage* message);
    virtual ASErr UpdateMenuItem(AIMenuMessage* message);
    virtual ASErr GetFilterParameters(void* message);
    virtual ASErr GoFilter(void* message);
    virtual ASErr PluginGroupNotify(void* message);
    virtual ASErr PluginGroupUpdate(void* message);
    virtual ASErr GetFileFormatParameters(void* message);
    virtual ASErr GoFileFormat(void* message);
    virtual ASErr CheckFileFormat(void* message);
    virtual ASErr FileFormatUpdate(void* message);
    virtual ASErr FileFormatAction(void* message);
    virtual ASErr EditTool(AIToolMessage* message);
    virtual ASErr TrackToolCursor(AIToolMessage* message);
    virtual ASErr ToolMouseDown(AIToolMessage* message);
    virtual ASErr ToolMouseDrag(AIToolMessage* message);
    virtual ASErr ToolMouseUp(AIToolMessage* message);
    virtual ASErr SelectTool(AIToolMessage* message);
    virtual ASErr DeselectTool(AIToolMessage* message);
    /// 0.
    virtual ASErr ReselectTool(AIToolMessage* message);
    /// 0.
    virtual ASErr DecreaseDiameter(AIToolMessage* message);
    /// 0.
    virtual ASErr IncreaseDiameter(AIToolMessage* message);
    virtual ASErr LiveEffectEditParameters(void* message);
    virtual ASErr LiveEffectGoLive(void* message);
    virtual ASErr LiveEffectInterpolateParameters(void* message);
    virtual ASErr LiveEffectInputType(void* message);
    virtual ASErr LiveEffectConvertColorSpace(void* message);
    virtual ASErr LiveEffectScaleParameters(void* message);
    virtual ASErr LiveEffectAdjustColors(void* message);
    virtual ASErr LiveEffectHandleMerge(void* message);
    virtual ASErr GoTimer(void* message);
    virtual ASErr GoClipboard(void* message);
    virtual ASErr CanCopyClipboard(void* message);
    virtual ASErr CloneClipboard(void* message);
    virtual ASErr DisposeClipboard(void* message);
    virtual ASErr WriteWorkspace(void* message);
    virtual ASErr RestoreWorkspace(void* message);
    virtual ASErr DefaultWorkspace(void* message);

    /// Whether the suites are held: false before start-up and between unload and reload.
    bool HoldsSuites() const { return suites_ != nullptr; }
    SPPluginRef pluginRef() const { return pluginRef_; }

 protected:
    /// Releases the suites held (after a failed start-up, before the object goes).
    void DestroySuites();
    /// Creates the Suites object; '!MEM' when it cannot, else its acquisition error (and
    /// then it is destroyed again).
    ASErr CreateSuites();

    SPPluginRef pluginRef_;
    char pluginName_[kNameSize];
    Suites* suites_;  // owned
    std::int32_t lockCount_;
    SPAccessRef pluginAccess_;   // held while lockCount_ > 0
    ASErr lastError_;            // the last code reported
    std::int32_t errorTimeout_;  // seconds within which a repeated code is not reported
    bool suppressDuplicateErrors_;
    std::int64_t lastErrorTime_;  // seconds since the epoch
};

}  // namespace quill
