// docs/preferences.md is written from the settings table: every key with its meaning,
// kind, default, range and page. The test fails when the document and the table part;
// `QUILL_WRITE_DOCS=1` writes the document again instead.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "plugin/settings/preference_groups.h"
#include "plugin/settings/preference_meanings.h"
#include "plugin/settings/settings_fields.h"

namespace quill {
namespace {

const char* PageTitle(PanelPage page) {
    static const char* const kTitles[kPanelPageCount] = {
        "Nom du calque.", "Unité.",
        "Double mesure.", "Format de nombre.",
        "Échelle.",       "Outil Segment.",
        "Outil Angle.",   "Outil Cercle.",
        "Outil Bézier.",  "Outil Longueurs & Aires.",
        "Couleurs.",      "Corps.",
        "Police.",        "Format de ligne.",
        "Pointes.",       "Tolérances.",
    };
    return kTitles[static_cast<int>(page)];
}

const char* KindName(FieldKind kind) {
    switch (kind) {
        case FieldKind::Flag:
            return "flag";
        case FieldKind::Integer:
            return "integer";
        case FieldKind::Real:
            return "real";
        case FieldKind::Text:
            return "text";
    }
    return "";
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// Windows-1252 as UTF-8, for the few accented letters a default holds.
std::string Utf8(const char* text) {
    std::string out;
    for (; *text; ++text) {
        const auto c = static_cast<unsigned char>(*text);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string DefaultText(const SettingField& field) {
    const FieldValue value = field.access.get(DefaultSettings());
    switch (field.access.kind) {
        case FieldKind::Flag:
            return value.flag ? "true" : "false";
        case FieldKind::Integer:
            return std::to_string(value.integer);
        case FieldKind::Real:
            return Number(value.real);
        case FieldKind::Text:
            return *value.text ? "\"" + Utf8(value.text) + "\"" : "the host's first font";
    }
    return "";
}

// What a later start reads for a key the store lacks, where it is not the default.
std::string MissingText(const SettingField& field) {
    switch (field.fallback.kind) {
        case FallbackKind::Given:
            return Number(field.fallback.given);
        case FallbackKind::SameAs:
            return "another key's value";
        default:
            return "";
    }
}

std::string RangeText(const ValueRange& range) {
    if (range.least && range.most) return Number(*range.least) + " to " + Number(*range.most);
    if (range.least) return "from " + Number(*range.least);
    if (range.most) return "up to " + Number(*range.most);
    return "";
}

std::string Document() {
    std::ostringstream out;
    out << "# Preferences\n\n"
           "Quill keeps every setting in the host's preference store under the prefix "
           "\"ORLQUILL\". The first start (the store holds no \"Precision\") writes every "
           "default; every later start reads them. A session script sets one with `pref KEY "
           "VALUE` before `startup` (`true`/`false`, an integer, a real with a decimal point, "
           "or a quoted text); a `pref` written while the plug-in runs takes effect at the "
           "next start-up (`restart`). The Parameters tool edits them on the page named "
           "below.\n\n"
           "This page is written from the plug-in's settings table by "
           "`tests/plugin/settings/preferences_doc_test.cpp` (`QUILL_WRITE_DOCS=1`), which "
           "fails when they disagree.\n\n"
           "\"Missing\" is what a later start reads for a key the store lacks, where that is "
           "not the default.\n\n"
           "| key | meaning | kind | default | missing | range | page |\n"
           "|---|---|---|---|---|---|---|\n";
    const auto& meanings = testing::PreferenceMeanings();
    for (const SettingField& field : kSettingFields) {
        const auto meaning = meanings.find(field.key);
        out << "| \"" << field.key << "\" | " << (meaning == meanings.end() ? "" : meaning->second)
            << " | " << KindName(field.access.kind) << " | " << DefaultText(field) << " | "
            << MissingText(field) << " | " << RangeText(field.range) << " | "
            << (field.page ? PageTitle(*field.page) : "") << " |\n";
    }
    out << "\n## Preference groups\n\n"
           "Four groups remember favourite values of eight settings; a value is placed in a "
           "group from its page, a whole group is recalled from the chooser. Each value is "
           "a real under the family's key followed by the group's word (\"CorpsPrefsTrois\").\n\n"
           "| family | setting | group 1 | group 2 | group 3 | group 4 |\n"
           "|---|---|---|---|---|---|\n";
    const char* const settings[kGroupFieldCount] = {"Corps",      "Zoom",       "Epaisseur",
                                                    "EchelleNum", "EchelleDen", "NumeroDeFleche",
                                                    "UnitePrefs", "Precision"};
    SettingsRecord defaults = DefaultSettings();
    for (int f = 0; f < kGroupFieldCount; ++f) {
        out << "| \"" << prefkey::kGroupFamilies[f] << "…\" | \"" << settings[f] << "\"";
        for (int g = 0; g < kGroupCount; ++g)
            out << " | " << Number(GroupValue(defaults.groups[g], static_cast<GroupField>(f)));
        out << " |\n";
    }
    return out.str();
}

TEST(PreferencesDocument, EveryKeyIsDocumentedAndTheDocumentIsCurrent) {
    const auto& meanings = testing::PreferenceMeanings();
    std::set<std::string> keys;
    for (const SettingField& field : kSettingFields) {
        keys.insert(field.key);
        EXPECT_TRUE(meanings.count(field.key)) << "no meaning for \"" << field.key << "\"";
    }
    for (const auto& [key, meaning] : meanings)
        EXPECT_TRUE(keys.count(key)) << "\"" << key << "\" is not in the settings table";

    const std::string path = std::string(QUILL_SOURCE_DIR) + "/docs/preferences.md";
    const std::string written = Document();
    if (std::getenv("QUILL_WRITE_DOCS")) std::ofstream(path) << written;
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), written) << "docs/preferences.md is not current: run this test with "
                                      "QUILL_WRITE_DOCS=1";
}

}  // namespace
}  // namespace quill
