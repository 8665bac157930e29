// Any bytes as the preference file: after a change the file reads back with the change
// and every entry the first read found.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz/fuzz_support.h"
#include "host/prefs/preference_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quill::fuzz;
    const std::string path = ScratchFile("prefs.json");
    std::remove((path + ".damaged").c_str());
    WriteFile(path, std::string(reinterpret_cast<const char*>(data), size));
    host::PreferenceStore store;
    std::string error;
    store.BindFile(path, &error);
    store.Put("ORLQUILL", "Precision", host::PreferenceValue::Integer(2));
    if (!store.writeError().empty()) Broken("not written: " + store.writeError());
    // Entries of no kind are told again as they are read again: only what is lost counts.
    host::PreferenceStore again;
    again.BindFile(path, &error);
    const host::PreferenceValue* put = again.Find("ORLQUILL", "Precision");
    if (!put || put->kind != host::PreferenceValue::Kind::Integer || put->integer != 2)
        Broken("the change is not in the file: " + error);
    for (const auto& [prefix, keys] : store.entries())
        for (const auto& [key, value] : keys) {
            const host::PreferenceValue* read = again.Find(prefix, key);
            if (!read || read->kind != value.kind) Broken("lost " + prefix + "/" + key);
        }
    return 0;
}
