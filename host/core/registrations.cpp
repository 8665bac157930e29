#include "host/core/registrations.h"

#include <algorithm>

namespace host {

namespace {
template <class Records>
auto FindById(Records& records, ObjectId id) -> decltype(&records.front()) {
    if (id == 0) return nullptr;
    auto it =
        std::find_if(records.begin(), records.end(), [&](const auto& r) { return r.id == id; });
    return it == records.end() ? nullptr : &*it;
}
}  // namespace

Registrations::Registrations() {
    ToolRecord select;
    select.id = NextObjectId();
    select.name = select.title = select.tooltip = kHostSelectToolTitle;
    select.group = NewGroupNumber();
    select.toolset = NewGroupNumber();
    tools_.push_back(select);
    selectedTool = select.id;
    menuGroups_.push_back(MenuGroupRecord{NextObjectId(), kHostAboutGroup, 0});
}

ToolRecord* Registrations::FindTool(ObjectId id) {
    return FindById(tools_, id);
}

int Registrations::ToolNumber(const std::string& name) const {
    for (std::size_t i = 0; i < tools_.size(); ++i)
        if (tools_[i].name == name || tools_[i].title == name) return static_cast<int>(i);
    return -1;
}

MenuGroupRecord* Registrations::FindMenuGroup(const std::string& name) {
    for (auto& group : menuGroups_)
        if (group.name == name) return &group;
    return nullptr;
}

MenuGroupRecord* Registrations::FindMenuGroup(ObjectId id) {
    return FindById(menuGroups_, id);
}
MenuItemRecord* Registrations::FindMenuItem(ObjectId id) {
    return FindById(menuItems_, id);
}
NotifierRecord* Registrations::FindNotifier(ObjectId id) {
    return FindById(notifiers_, id);
}
AnnotatorRecord* Registrations::FindAnnotator(ObjectId id) {
    return FindById(annotators_, id);
}
IconRecord* Registrations::FindIcon(ObjectId id) {
    return FindById(icons_, id);
}

void Registrations::Forget(ObjectId plugin) {
    auto erase = [&](auto& records) {
        records.erase(std::remove_if(records.begin(), records.end(),
                                     [&](const auto& r) { return r.plugin == plugin; }),
                      records.end());
    };
    ToolRecord* selected = FindTool(selectedTool);
    if (!selected || selected->plugin == plugin) selectedTool = tools_.front().id;
    for (const auto& item : menuItems_)
        if (item.plugin == plugin)
            menuGroups_.erase(
                std::remove_if(menuGroups_.begin(), menuGroups_.end(),
                               [&](const auto& g) { return g.parentItem == item.id; }),
                menuGroups_.end());
    erase(tools_);
    erase(menuItems_);
    erase(notifiers_);
    erase(annotators_);
    erase(icons_);
}

}  // namespace host
