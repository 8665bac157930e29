// Reading selectors from their text, with their specificity.
#include <algorithm>
#include <cctype>
#include <tuple>

#include "host/svg/css_selector.h"
#include "host/svg/css_text.h"

namespace host::svg {

namespace {

// Longer selectors, or :not() nested deeper, are taken as hostile rather than matched.
constexpr std::size_t kMostCompounds = 32;
constexpr int kDeepestNegation = 4;
constexpr std::uint32_t kLargestCount = 1023;  // of one part of a specificity
constexpr std::uint32_t kReplacementCharacter = 0xFFFD;

bool IsNameStart(char c) {
    const auto u = static_cast<unsigned char>(c);
    return std::isalpha(u) || c == '_' || u >= 0x80;
}

bool IsNameCharacter(char c) {
    return IsNameStart(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '-';
}

void AppendUtf8(std::uint32_t code, std::string* out) {
    if (code == 0 || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        code = kReplacementCharacter;
    if (code < 0x80) {
        out->push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out->push_back(static_cast<char>(0xC0 | (code >> 6)));
        out->push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out->push_back(static_cast<char>(0xE0 | (code >> 12)));
        out->push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out->push_back(static_cast<char>(0xF0 | (code >> 18)));
        out->push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

// Dynamic pseudo-classes and the pseudo-elements of CSS 2 that may follow one colon:
// valid, but nothing in a still picture matches them.
constexpr std::string_view kNeverMatching[] = {
    "hover",  "active", "focus",   "focus-within", "focus-visible", "visited",      "target",
    "before", "after",  "checked", "disabled",     "enabled",       "first-letter", "first-line"};

constexpr std::pair<std::string_view, PseudoClass> kPseudoClasses[] = {
    {"first-child", PseudoClass::FirstChild},
    {"last-child", PseudoClass::LastChild},
    {"only-child", PseudoClass::OnlyChild},
    {"root", PseudoClass::Root},
    {"empty", PseudoClass::Empty},
    {"link", PseudoClass::Link},
    {"any-link", PseudoClass::Link}};

constexpr std::pair<std::string_view, AttributeTest::Operator> kAttributeOperators[] = {
    {"~=", AttributeTest::Operator::Includes}, {"|=", AttributeTest::Operator::DashMatch},
    {"^=", AttributeTest::Operator::Prefix},   {"$=", AttributeTest::Operator::Suffix},
    {"*=", AttributeTest::Operator::Contains}, {"=", AttributeTest::Operator::Equals}};

class SelectorParser {
 public:
    explicit SelectorParser(std::string_view text) : text_(text) {}

    std::optional<std::vector<ComplexSelector>> List();

 private:
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
    bool Accept(char c) { return Peek() == c ? (++pos_, true) : false; }
    bool SkipSpaces();
    void Escape(std::string* out);
    std::optional<std::string> Identifier();
    std::optional<std::string> Value();
    bool Complex(ComplexSelector* selector);
    bool Compound(CompoundSelector* compound);
    bool Attribute(CompoundSelector* compound);
    bool Pseudo(CompoundSelector* compound);
    bool Negation(CompoundSelector* compound);

    std::string_view text_;
    std::size_t pos_ = 0;
    int negationDepth_ = 0;
};

bool SelectorParser::SkipSpaces() {
    const std::size_t start = pos_;
    while (!AtEnd() && IsCssSpace(Peek())) ++pos_;
    return pos_ > start;
}

// After a backslash: up to six hexadecimal digits and one space, or one character.
void SelectorParser::Escape(std::string* out) {
    std::uint32_t code = 0;
    int digits = 0;
    while (digits < 6 && std::isxdigit(static_cast<unsigned char>(Peek()))) {
        const char c = text_[pos_++];
        code = code * 16 + static_cast<std::uint32_t>(
                               std::isdigit(static_cast<unsigned char>(c))
                                   ? c - '0'
                                   : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10);
        ++digits;
    }
    if (digits > 0) {
        AppendUtf8(code, out);
        if (!AtEnd() && IsCssSpace(Peek())) ++pos_;
    } else if (!AtEnd()) {
        out->push_back(text_[pos_++]);
    }
}

std::optional<std::string> SelectorParser::Identifier() {
    std::string name;
    const std::size_t start = pos_;
    while (!AtEnd()) {
        const char c = Peek();
        const bool first = name.empty() || (pos_ - start == 1 && text_[start] == '-');
        if (c == '\\' && pos_ + 1 < text_.size() && text_[pos_ + 1] != '\n') {
            ++pos_;
            Escape(&name);
        } else if (first ? IsNameStart(c) || c == '-' : IsNameCharacter(c)) {
            name.push_back(c);
            ++pos_;
        } else {
            break;
        }
    }
    if (name.empty() || name == "-") return std::nullopt;
    return name;
}

// An attribute's value: an identifier or a quoted string.
std::optional<std::string> SelectorParser::Value() {
    const char quote = Peek();
    if (quote != '"' && quote != '\'') return Identifier();
    std::string value;
    for (++pos_; !AtEnd();) {
        const char c = text_[pos_++];
        if (c == quote) return value;
        if (c == '\n') return std::nullopt;
        if (c == '\\') {
            if (Accept('\n')) continue;
            Escape(&value);
        } else {
            value.push_back(c);
        }
    }
    return std::nullopt;
}

bool SelectorParser::Attribute(CompoundSelector* compound) {
    SkipSpaces();
    AttributeTest test;
    auto name = Identifier();
    if (!name) return false;
    test.name = *name;
    SkipSpaces();
    if (Accept(']')) return compound->attributes.push_back(test), true;
    const auto op = std::find_if(
        std::begin(kAttributeOperators), std::end(kAttributeOperators),
        [&](const auto& entry) { return text_.substr(pos_, entry.first.size()) == entry.first; });
    if (op == std::end(kAttributeOperators)) return false;
    pos_ += op->first.size();
    test.op = op->second;
    SkipSpaces();
    auto value = Value();
    if (!value) return false;
    test.value = *value;
    SkipSpaces();
    if (Peek() == 'i' || Peek() == 'I' || Peek() == 's' || Peek() == 'S') {
        test.ignoreCase = std::tolower(static_cast<unsigned char>(text_[pos_++])) == 'i';
        SkipSpaces();
    }
    if (!Accept(']')) return false;
    compound->attributes.push_back(test);
    return true;
}

bool SelectorParser::Negation(CompoundSelector* compound) {
    if (++negationDepth_ > kDeepestNegation) return false;
    do {
        SkipSpaces();
        CompoundSelector negated;
        if (!Compound(&negated)) return false;
        compound->negations.push_back(std::move(negated));
        SkipSpaces();
    } while (Accept(','));
    --negationDepth_;
    return Accept(')');
}

bool SelectorParser::Pseudo(CompoundSelector* compound) {
    const bool element = Accept(':');
    auto name = Identifier();
    if (!name) return false;
    std::transform(name->begin(), name->end(), name->begin(), [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    if (Accept('(')) return !element && *name == "not" && Negation(compound);
    if (element || std::find(std::begin(kNeverMatching), std::end(kNeverMatching), *name) !=
                       std::end(kNeverMatching))
        return compound->never = true, true;
    for (const auto& [word, pseudo] : kPseudoClasses)
        if (*name == word) return compound->pseudoClasses.push_back(pseudo), true;
    return false;
}

// A type or universal selector (an optional "*|" namespace before it) and the simple
// selectors after it; false when there is none or one is malformed.
bool SelectorParser::Compound(CompoundSelector* compound) {
    bool any = false;
    if (Accept('*')) {
        any = true;
        if (Accept('|') && !Accept('*')) {
            auto type = Identifier();
            if (!type) return false;
            compound->type = *type;
        }
    } else if (IsNameStart(Peek()) || Peek() == '-' || Peek() == '\\') {
        auto type = Identifier();
        if (!type || Peek() == '|') return false;
        compound->type = *type;
        any = true;
    }
    for (;;) {
        if (Accept('#') || Accept('.')) {
            const bool isId = text_[pos_ - 1] == '#';
            auto name = Identifier();
            if (!name) return false;
            (isId ? compound->ids : compound->classes).push_back(*name);
        } else if (Accept('[')) {
            if (!Attribute(compound)) return false;
        } else if (Accept(':')) {
            if (!Pseudo(compound)) return false;
        } else {
            return any;
        }
        any = true;
    }
}

bool SelectorParser::Complex(ComplexSelector* selector) {
    std::vector<CompoundSelector> compounds(1);
    std::vector<Combinator> combinators;
    if (!Compound(&compounds.back())) return false;
    for (;;) {
        const bool spaced = SkipSpaces();
        if (AtEnd() || Peek() == ',') break;
        if (Accept('>')) {
            combinators.push_back(Combinator::Child);
        } else if (Accept('+')) {
            combinators.push_back(Combinator::NextSibling);
        } else if (Accept('~')) {
            combinators.push_back(Combinator::LaterSibling);
        } else if (spaced) {
            combinators.push_back(Combinator::Descendant);
        } else {
            return false;
        }
        SkipSpaces();
        compounds.emplace_back();
        if (compounds.size() > kMostCompounds || !Compound(&compounds.back())) return false;
    }
    std::reverse(compounds.begin(), compounds.end());
    std::reverse(combinators.begin(), combinators.end());
    selector->compounds = std::move(compounds);
    selector->combinators = std::move(combinators);
    return true;
}

std::optional<std::vector<ComplexSelector>> SelectorParser::List() {
    std::vector<ComplexSelector> list;
    do {
        SkipSpaces();
        ComplexSelector selector;
        if (!Complex(&selector)) return std::nullopt;
        list.push_back(std::move(selector));
    } while (Accept(','));
    if (!AtEnd()) return std::nullopt;
    return list;
}

struct Counts {
    std::uint32_t ids = 0, classes = 0, types = 0;
};

// What a compound adds to its selector's specificity; a negation adds its most specific
// argument's.
Counts CountsOf(const CompoundSelector& compound) {
    Counts counts;
    counts.ids = static_cast<std::uint32_t>(compound.ids.size());
    counts.classes = static_cast<std::uint32_t>(
        compound.classes.size() + compound.attributes.size() + compound.pseudoClasses.size());
    counts.types = compound.type.empty() ? 0 : 1;
    Counts most;
    for (const auto& negated : compound.negations) {
        Counts c = CountsOf(negated);
        if (std::tie(c.ids, c.classes, c.types) > std::tie(most.ids, most.classes, most.types))
            most = c;
    }
    counts.ids += most.ids, counts.classes += most.classes, counts.types += most.types;
    return counts;
}

std::uint32_t Specificity(const ComplexSelector& selector) {
    Counts total;
    for (const auto& compound : selector.compounds) {
        Counts c = CountsOf(compound);
        total.ids += c.ids, total.classes += c.classes, total.types += c.types;
    }
    return std::min(total.ids, kLargestCount) << 20 | std::min(total.classes, kLargestCount) << 10 |
           std::min(total.types, kLargestCount);
}

}  // namespace

std::optional<std::vector<ComplexSelector>> ParseSelectorList(std::string_view text) {
    auto list = SelectorParser(text).List();
    if (list)
        for (auto& selector : *list) selector.specificity = Specificity(selector);
    return list;
}

}  // namespace host::svg
