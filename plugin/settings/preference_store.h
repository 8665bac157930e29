// Typed access to the host's preference store under the plug-in's prefix. Every function
// raises ai::Error with the host's code when the host reports a failure (or offers no
// preference suite); the "Try" forms return the code instead.
//
// A read starts from a value (the field's fallback, or the field itself): a key the store
// does not hold leaves that value. A failed read leaves the field as it was.
#pragma once

#include <cstddef>
#include <cstdint>

#include "sdk/types.h"

namespace quill {

void PutFlag(const char* key, bool value);
void PutInteger(const char* key, std::int32_t value);
void PutReal(const char* key, double value);
void PutText(const char* key, const char* value);
AIErr TryPutFlag(const char* key, bool value);
AIErr TryPutInteger(const char* key, std::int32_t value);
AIErr TryPutReal(const char* key, double value);
AIErr TryPutText(const char* key, const char* value);

/// `field` becomes the stored value, or `fallback` when the store holds none.
void ReadFlag(const char* key, bool& field, bool fallback);
void ReadInteger(const char* key, std::int32_t& field, std::int32_t fallback);
void ReadReal(const char* key, double& field, double fallback);
/// `field` becomes the stored value, or keeps its own when the store holds none.
void ReadFlag(const char* key, bool& field);
void ReadInteger(const char* key, std::int32_t& field);
void ReadReal(const char* key, double& field);
/// At most `size` - 1 characters and a zero into `field`, which keeps its text when the
/// store holds none.
void ReadText(const char* key, char* field, std::size_t size);

/// As above, but a failure is ignored: the field then takes `fallback`.
void ReadRealIgnoringError(const char* key, double& field, double fallback);

/// The stored integer in `value`; an absent key leaves `value` and returns 0.
AIErr TryGetInteger(const char* key, std::int32_t& value);

/// The full name of the font at `index` of the host's font list into `name` (`size`
/// bytes with the terminating zero); raises ai::Error when the host cannot give it.
void GetFontNameAt(std::int32_t index, char* name, std::size_t size);

}  // namespace quill
