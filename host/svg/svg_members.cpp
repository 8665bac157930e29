#include "host/svg/svg_members.h"

#include <string>

#include "host/svg/svg_names.h"

namespace host::svg {

std::vector<pugi::xml_node> MemberRecords(const ReaderContext& context,
                                          const pugi::xml_node& path) {
    std::vector<pugi::xml_node> records;
    if (!context.Declares(Namespace::Quill)) return records;
    for (pugi::xml_node child = path.first_child(); child; child = child.next_sibling()) {
        for (const std::string& prefix : context.Prefixes(Namespace::Quill))
            if (child.name() == prefix + quill_attr::kMember) {
                records.push_back(child);
                break;
            }
    }
    return records;
}

}  // namespace host::svg
