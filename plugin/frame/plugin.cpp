// The frame's life cycle: start-up, shutdown, unload and reload, the lock that keeps the
// library loaded, the plug-in's name and its about box.
#include "plugin/frame/plugin.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>

#include "plugin/frame/error_messages.h"
#include "plugin/frame/texts.h"
#include "plugin/services/host_text.h"
#include "plugin/services/resource_archive.h"
#include "plugin/services/suite_acquisition.h"
#include "plugin/services/suites.h"

namespace quill {

namespace {

constexpr std::int32_t kAboutStringListId = 16600;
constexpr std::size_t kAboutLineLength = 256;
constexpr std::int32_t kDuplicateErrorWindowSeconds = 5;

ASErr AddAppStartedNotifier(SPPluginRef self, const char* pluginName) {
    const std::string name =
        FormatWithOneString(texts::kAppStartedNotifierFormat.c_str(), pluginName);
    AINotifierHandle notifier = nullptr;  // its notifications carry no handle the frame needs
    return sAINotifier->AddNotifier(self, ToHostText(name.c_str()).c_str(),
                                    kAIApplicationStartedNotifier, &notifier);
}

}  // namespace

Plugin::Plugin(SPPluginRef pluginRef)
    : pluginRef_(pluginRef),
      pluginName_("Plugin"),
      suites_(nullptr),
      lockCount_(0),
      pluginAccess_(nullptr),
      lastError_(kNoErr),
      errorTimeout_(kDuplicateErrorWindowSeconds),
      suppressDuplicateErrors_(true),
      lastErrorTime_(0) {}

Plugin::Plugin(const Plugin& kept, KeepFields)
    : pluginRef_(kept.pluginRef_),
      suites_(kept.suites_),
      lockCount_(kept.lockCount_),
      pluginAccess_(kept.pluginAccess_),
      lastError_(kept.lastError_),
      errorTimeout_(kept.errorTimeout_),
      suppressDuplicateErrors_(kept.suppressDuplicateErrors_),
      lastErrorTime_(kept.lastErrorTime_) {
    std::memcpy(pluginName_, kept.pluginName_, kNameSize);
}

Plugin::~Plugin() = default;

ASErr Plugin::CreateSuites() {
    suites_ = new (std::nothrow) Suites;
    if (!suites_) return kOutOfMemoryErr;
    const ASErr error = suites_->Error();
    if (error != kNoErr) DestroySuites();
    return error;
}

void Plugin::DestroySuites() {
    delete suites_;
    suites_ = nullptr;
}

ASErr Plugin::StartupPlugin(SPMessageData* message) {
    ASErr error = SetGlobal(this);
    if (error == kNoErr) error = CreateSuites();
    if (error == kNoErr)
        error = sSPPlugins->SetPluginName(message->self, ToHostText(pluginName_).c_str());
    if (error == kNoErr) error = AddAppStartedNotifier(message->self, pluginName_);
    if (error == kNoErr) error = AllocateSuiteTables();
    if (error == kNoErr) error = FillSuiteTables();
    // The object is destroyed after a failed start-up: it keeps no suite.
    if (error != kNoErr) DestroySuites();
    return error;
}

ASErr Plugin::ShutdownPlugin(SPMessageData*) {
    DestroySuites();
    SetGlobal(nullptr);
    return kNoErr;
}

ASErr Plugin::UnloadPlugin(SPMessageData*) {
    EmptySuiteTables();
    SetGlobal(nullptr);
    DestroySuites();
    return kNoErr;
}

ASErr Plugin::ReloadPlugin(SPMessageData*) {
    SetGlobal(this);
    if (!suites_) {
        const ASErr error = CreateSuites();
        if (error != kNoErr) return error;
    }
    return FillSuiteTables();
}

ASErr Plugin::LockPlugin(bool lock) {
    if (lock) {
        if (++lockCount_ == 1 && sSPAccess) sSPAccess->AcquirePlugin(pluginRef_, &pluginAccess_);
        return kNoErr;
    }
    if (--lockCount_ < 0) {
        lockCount_ = 0;
    } else if (lockCount_ == 0 && pluginAccess_) {
        if (sSPAccess) sSPAccess->ReleasePlugin(pluginAccess_);
        pluginAccess_ = nullptr;
    }
    return kNoErr;
}

std::int32_t Plugin::GetPluginName(char* buffer, std::int32_t length) {
    const auto nameLength = static_cast<std::int32_t>(std::strlen(pluginName_));
    if (!buffer || length < 0) return nameLength;
    const std::int32_t copied = std::min(nameLength, length);
    std::memcpy(buffer, pluginName_, static_cast<std::size_t>(copied));
    if (nameLength < length)
        std::memset(buffer + copied, 0, static_cast<std::size_t>(length - copied));
    else if (nameLength > length)
        buffer[length] = '\0';
    return nameLength;
}

ASErr Plugin::About(SPMessageData*) {
    const auto lines = ReadStringList(
        FindResource(OwnResourceArchive(), kStringListResourceType, kAboutStringListId));
    // Without the list the box shows the plug-in's name.
    std::string first = lines.size() > 0 ? lines[0] : std::string(pluginName_);
    std::string second = lines.size() > 1 ? lines[1] : std::string();
    first.resize(std::min(first.size(), kAboutLineLength - 1));
    second.resize(std::min(second.size(), kAboutLineLength - 1));
    if (!sADMBasic) return kNoErr;
    return sADMBasic->AboutBox(pluginRef_, first.c_str(), second.c_str());
}

bool Plugin::Purge() {
    return false;
}

ASErr Plugin::SetGlobal(Plugin*) {
    return kNoErr;
}

ASErr Plugin::AllocateSuiteTables() {
    return kNoErr;
}

ASErr Plugin::FillSuiteTables() {
    return kNoErr;
}

ASErr Plugin::EmptySuiteTables() {
    return kNoErr;
}

ASErr Plugin::AcquireOptionalSuites() {
    if (suites_) suites_->AcquireOptionalSuites();
    return kNoErr;
}

}  // namespace quill
