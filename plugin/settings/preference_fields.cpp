#include "plugin/settings/preference_fields.h"

#include "plugin/settings/preference_store.h"

namespace quill {

void WriteColour(const prefkey::ColourKeys& keys, const ColourSetting& colour) {
    PutInteger(keys.kind, colour.kind);
    PutReal(keys.gray, colour.gray);
    PutReal(keys.red, colour.red);
    PutReal(keys.green, colour.green);
    PutReal(keys.blue, colour.blue);
    PutReal(keys.cyan, colour.cyan);
    PutReal(keys.magenta, colour.magenta);
    PutReal(keys.yellow, colour.yellow);
    PutReal(keys.black, colour.black);
}

void ReadColour(const prefkey::ColourKeys& keys, ColourSetting& colour) {
    ReadInteger(keys.kind, colour.kind);
    ReadReal(keys.gray, colour.gray);
    ReadReal(keys.red, colour.red);
    ReadReal(keys.green, colour.green);
    ReadReal(keys.blue, colour.blue);
    ReadReal(keys.cyan, colour.cyan);
    ReadReal(keys.magenta, colour.magenta);
    ReadReal(keys.yellow, colour.yellow);
    ReadReal(keys.black, colour.black);
}

void ReadColour(const prefkey::ColourKeys& keys, ColourSetting& colour, std::int32_t kindFallback,
                const ColourFallbacks& fallbacks) {
    ReadInteger(keys.kind, colour.kind, kindFallback);
    ReadReal(keys.gray, colour.gray, fallbacks.gray);
    ReadReal(keys.red, colour.red, fallbacks.red);
    ReadReal(keys.green, colour.green, fallbacks.green);
    ReadReal(keys.blue, colour.blue, fallbacks.blue);
    ReadReal(keys.cyan, colour.cyan, fallbacks.cyan);
    ReadReal(keys.magenta, colour.magenta, fallbacks.magenta);
    ReadReal(keys.yellow, colour.yellow, fallbacks.yellow);
    ReadReal(keys.black, colour.black, fallbacks.black);
}

}  // namespace quill
