// The menu suite: menu groups by name (the host has "About"), items added to them, and
// groups made the submenu of an item.
#include "host/core/plugins.h"
#include "host/core/registrations.h"
#include "host/suites/suite_support.h"

namespace host {

namespace {

ASErr AIAPI AddMenuItem(SPPluginRef self, const char* name, const char* groupName, const char* text,
                        int32_t, AIMenuItemHandle* item) {
    return HostCall(kAIMenuSuite, "AddMenuItem", [&](Host& host) -> AIErr {
        if (!self || !name || !groupName || !text || !item) return kBadParameterErr;
        LoadedPlugin* plugin = host.plugins().Find(self);
        if (!plugin) return kStaleHandleErr;
        if (!host.registrations().FindMenuGroup(std::string(groupName))) return kNotFoundErr;
        MenuItemRecord record{NextObjectId(), plugin->id, name, groupName, text};
        host.registrations().menuItems().push_back(record);
        *item = ToHandle<AIMenuItemHandle>(record.id);
        return kNoErr;
    });
}

ASErr AIAPI AddMenuGroupAsSubMenu(const char* name, int32_t, AIMenuItemHandle parent,
                                  AIMenuGroup* group) {
    return HostCall(kAIMenuSuite, "AddMenuGroupAsSubMenu", [&](Host& host) -> AIErr {
        if (!name || !parent || !group) return kBadParameterErr;
        Registrations& r = host.registrations();
        if (!r.FindMenuItem(IdOf(parent))) return kStaleHandleErr;
        // Group names are unique: a second group of the same name is refused.
        if (r.FindMenuGroup(std::string(name))) return kBadParameterErr;
        MenuGroupRecord record{NextObjectId(), name, IdOf(parent)};
        r.menuGroups().push_back(record);
        *group = ToHandle<AIMenuGroup>(record.id);
        return kNoErr;
    });
}

ASErr AIAPI CountMenuGroups(int32_t* count) {
    return HostCall(kAIMenuSuite, "CountMenuGroups", [&](Host& host) -> AIErr {
        if (!count) return kBadParameterErr;
        *count = static_cast<int32_t>(host.registrations().menuGroups().size());
        return kNoErr;
    });
}

ASErr AIAPI GetNthMenuGroup(int32_t n, AIMenuGroup* group) {
    return HostCall(kAIMenuSuite, "GetNthMenuGroup", [&](Host& host) -> AIErr {
        if (!group) return kBadParameterErr;
        const auto& groups = host.registrations().menuGroups();
        if (n < 0 || static_cast<std::size_t>(n) >= groups.size()) return kOutOfRangeErr;
        *group = ToHandle<AIMenuGroup>(groups[static_cast<std::size_t>(n)].id);
        return kNoErr;
    });
}

ASErr AIAPI GetMenuGroupName(AIMenuGroup group, const char** name) {
    return HostCall(kAIMenuSuite, "GetMenuGroupName", [&](Host& host) -> AIErr {
        if (!group || !name) return kBadParameterErr;
        MenuGroupRecord* record = host.registrations().FindMenuGroup(IdOf(group));
        if (!record) return kStaleHandleErr;
        *name = record->name.c_str();
        return kNoErr;
    });
}

AIMenuSuite menuSuite = {AddMenuItem, AddMenuGroupAsSubMenu, CountMenuGroups, GetNthMenuGroup,
                         GetMenuGroupName};
SuiteTable menuTable(kAIMenuSuite, kAIMenuSuiteVersion, &menuSuite);

}  // namespace
}  // namespace host
