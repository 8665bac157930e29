#include "host/svg/svg_style_sheets.h"

#include <algorithm>

#include "host/svg/css_text.h"
#include "host/svg/svg_numbers.h"

namespace host::svg {

namespace {

constexpr std::size_t kLongestSelectorQuoted = 40;  // bytes

// Whether a `media` list includes the screen a picture is drawn for.
bool ForScreen(std::string_view media) {
    if (Trim(media).empty()) return true;
    for (std::size_t pos = 0; pos <= media.size();) {
        std::size_t end = std::min(media.find(',', pos), media.size());
        std::string item = AsciiLower(Trim(media.substr(pos, end - pos)));
        for (const char* word : {"all", "screen", "only screen", "only all"})
            if (item.compare(0, std::string_view(word).size(), word) == 0) return true;
        pos = end + 1;
    }
    return false;
}

// The text of a style element, and where each piece of it stands in the file.
struct SheetText {
    struct Piece {
        std::size_t textOffset;
        std::ptrdiff_t fileOffset;
    };
    std::string text;
    std::vector<Piece> pieces;

    std::ptrdiff_t FileOffset(std::size_t offset) const {
        auto piece =
            std::upper_bound(pieces.begin(), pieces.end(), offset,
                             [](std::size_t at, const Piece& p) { return at < p.textOffset; });
        if (piece == pieces.begin()) return -1;
        --piece;
        return piece->fileOffset < 0
                   ? -1
                   : piece->fileOffset + static_cast<std::ptrdiff_t>(offset - piece->textOffset);
    }
};

SheetText TextOf(const pugi::xml_node& style) {
    SheetText sheet;
    for (const auto& child : style.children()) {
        if (child.type() != pugi::node_pcdata && child.type() != pugi::node_cdata) continue;
        sheet.pieces.push_back({sheet.text.size(), child.offset_debug()});
        sheet.text += child.value();
    }
    return sheet;
}

// Whether the element holds a style sheet the host applies; warns when not.
bool Applies(const pugi::xml_node& style, ReaderContext& context) {
    std::string type = AsciiLower(Trim(style.attribute("type").value()));
    if (!type.empty() && type != "text/css") {
        context.Warn(style, "skipped: style sheets of type \"" + type + "\" are not applied");
        return false;
    }
    if (!ForScreen(style.attribute("media").value())) {
        context.Warn(style, std::string("skipped: a style sheet for media \"") +
                                style.attribute("media").value() + "\"");
        return false;
    }
    return true;
}

void AddSheet(const pugi::xml_node& style, ReaderContext& context, RuleSet* rules) {
    const SheetText text = TextOf(style);
    CssSheet sheet = ParseCssSheet(text.text);
    std::vector<CssProblem> problems = std::move(sheet.problems);
    for (auto& rule : sheet.rules) {
        auto selectors = ParseSelectorList(rule.selectors);
        if (selectors) {
            rules->Add(std::move(*selectors), std::move(rule.declarations));
            continue;
        }
        std::string quoted = rule.selectors.substr(0, kLongestSelectorQuoted);
        if (quoted.size() < rule.selectors.size()) quoted += "...";
        problems.push_back(
            {rule.offset, "skipped: a rule whose selector \"" + quoted + "\" is not understood"});
    }
    std::stable_sort(problems.begin(), problems.end(),
                     [](const CssProblem& a, const CssProblem& b) { return a.offset < b.offset; });
    for (const auto& problem : problems) {
        // An at-rule is told once per file, however often the sheets use it.
        const bool atRule = problem.message.compare(0, 10, "skipped: @") == 0;
        if (!atRule || context.FirstTime(problem.message))
            context.WarnAt(style, text.FileOffset(problem.offset), problem.message);
    }
}

}  // namespace

std::shared_ptr<const RuleSet> ReadStyleSheets(ReaderContext& context) {
    auto rules = std::make_shared<RuleSet>();
    for (const auto& style : context.StyleElements())
        if (context.SvgName(style) == "style" && Applies(style, context))
            AddSheet(style, context, rules.get());
    if (rules->empty()) return nullptr;
    // Elements read are taken out of the tree; sibling selectors must still find them.
    if (rules->looksAtEarlierSiblings()) context.KeepTree();
    return rules;
}

}  // namespace host::svg
