// The About item. The plug-ins of the family share one submenu of the host's About group;
// the first of them to start makes it, the others only add their item to it.
#include <string>

#include "plugin/frame/registration.h"
#include "plugin/frame/texts.h"
#include "plugin/services/ai_error.h"
#include "plugin/services/error_boundary.h"
#include "plugin/services/suites.h"

namespace quill {

namespace {

/// The menu suite, taken for the registration of the About item and given back after.
class MenuSuite {
 public:
    MenuSuite() {
        if (!sSPBasic) throw ai::Error(kSuiteNotFoundErr);
        const void* suite = nullptr;
        ai::Check(sSPBasic->AcquireSuite(kAIMenuSuite, kAIMenuSuiteVersion, &suite));
        suite_ = static_cast<const AIMenuSuite*>(suite);
    }
    ~MenuSuite() { sSPBasic->ReleaseSuite(kAIMenuSuite, kAIMenuSuiteVersion); }
    MenuSuite(const MenuSuite&) = delete;
    MenuSuite& operator=(const MenuSuite&) = delete;
    const AIMenuSuite* operator->() const { return suite_; }

 private:
    const AIMenuSuite* suite_ = nullptr;
};

bool MenuGroupExists(const MenuSuite& menu, const std::string& name) {
    std::int32_t count = 0;
    ai::Check(menu->CountMenuGroups(&count));
    for (std::int32_t i = 0; i < count; ++i) {
        AIMenuGroup group = nullptr;
        ai::Check(menu->GetNthMenuGroup(i, &group));
        const char* groupName = nullptr;
        ai::Check(menu->GetMenuGroupName(group, &groupName));
        if (groupName && name == groupName) return true;
    }
    return false;
}

}  // namespace

ASErr AddAboutMenuItem(SPPluginRef self, AIMenuItemHandle* item) {
    return CodeOf([&] {
        MenuSuite menu;
        const std::string family = HostText(texts::kAboutFamilyGroup.c_str());
        if (!MenuGroupExists(menu, family)) {
            AIMenuItemHandle familyItem = nullptr;
            ai::Check(menu->AddMenuItem(self, family.c_str(), kAboutMenuGroup, family.c_str(), 0,
                                        &familyItem));
            AIMenuGroup submenu = nullptr;
            ai::Check(menu->AddMenuGroupAsSubMenu(family.c_str(), 0, familyItem, &submenu));
        }
        const std::string text = HostText(texts::kAboutItem.c_str());
        return menu->AddMenuItem(self, text.c_str(), family.c_str(), text.c_str(), 0, item);
    });
}

}  // namespace quill
