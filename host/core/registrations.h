// What plug-ins register with the host: tools and their palette, menus, notifiers,
// annotators, icons and application contexts. Every record has an identity that its
// handle carries; adding records moves none, so names handed out stay valid.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "host/document/document.h"

namespace host {

/// The title of the host's own selection tool, selected when the host starts.
inline constexpr const char* kHostSelectToolTitle = "Adobe Select Tool";
/// The host's own menu group for about items.
inline constexpr const char* kHostAboutGroup = "About";

struct ToolRecord {
    ObjectId id = 0;
    ObjectId plugin = 0;               // 0: the host's own tool
    std::string name, title, tooltip;  // UTF-8
    int group = 0, toolset = 0;        // equal numbers: same group, same toolset
    std::int32_t options = 0;
    ObjectId icon = 0, darkIcon = 0;
    std::vector<std::int32_t> infoVars;
};

struct MenuGroupRecord {
    ObjectId id = 0;
    std::string name;         // UTF-8
    ObjectId parentItem = 0;  // the item whose submenu this group is, or 0
};

struct MenuItemRecord {
    ObjectId id = 0;
    ObjectId plugin = 0;
    std::string name, group, text;  // UTF-8; `group` is the group's name
};

struct NotifierRecord {
    ObjectId id = 0;
    ObjectId plugin = 0;
    std::string name, type;
    bool active = true;
};

struct AnnotatorRecord {
    ObjectId id = 0;
    ObjectId plugin = 0;
    std::string name;
    bool active = true;
};

struct IconRecord {
    ObjectId id = 0;
    ObjectId plugin = 0;
    std::int32_t resourceId = 0;
};

class Registrations {
 public:
    /// The host's own tool and menu group.
    Registrations();

    // Tools, numbered by their place in the palette (the host's tool is number 0).
    std::deque<ToolRecord>& tools() { return tools_; }
    const std::deque<ToolRecord>& tools() const { return tools_; }
    ToolRecord* FindTool(ObjectId id);
    /// The number of the tool whose name or title is `name`, or -1.
    int ToolNumber(const std::string& name) const;
    /// A new group or toolset number.
    int NewGroupNumber() { return nextGroup_++; }
    ObjectId selectedTool = 0;

    std::deque<MenuGroupRecord>& menuGroups() { return menuGroups_; }
    const std::deque<MenuGroupRecord>& menuGroups() const { return menuGroups_; }
    MenuGroupRecord* FindMenuGroup(const std::string& name);
    MenuGroupRecord* FindMenuGroup(ObjectId id);
    std::deque<MenuItemRecord>& menuItems() { return menuItems_; }
    const std::deque<MenuItemRecord>& menuItems() const { return menuItems_; }
    MenuItemRecord* FindMenuItem(ObjectId id);

    std::deque<NotifierRecord>& notifiers() { return notifiers_; }
    const std::deque<NotifierRecord>& notifiers() const { return notifiers_; }
    NotifierRecord* FindNotifier(ObjectId id);

    std::deque<AnnotatorRecord>& annotators() { return annotators_; }
    const std::deque<AnnotatorRecord>& annotators() const { return annotators_; }
    AnnotatorRecord* FindAnnotator(ObjectId id);

    std::deque<IconRecord>& icons() { return icons_; }
    IconRecord* FindIcon(ObjectId id);

    /// Removes everything a plug-in registered (before it starts again); its selected
    /// tool gives way to the host's.
    void Forget(ObjectId plugin);

    /// Application contexts pushed and not yet popped, innermost last.
    std::vector<ObjectId>& contexts() { return contexts_; }

 private:
    std::deque<ToolRecord> tools_;
    std::deque<MenuGroupRecord> menuGroups_;
    std::deque<MenuItemRecord> menuItems_;
    std::deque<NotifierRecord> notifiers_;
    std::deque<AnnotatorRecord> annotators_;
    std::deque<IconRecord> icons_;
    std::vector<ObjectId> contexts_;
    int nextGroup_ = 1;
};

}  // namespace host
