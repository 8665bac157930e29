// How a row of the settings table reaches the field it stores: the kind of the stored
// value, and a pair of functions that take the value out of a settings record and put one
// back. The functions are made from members at compile time, so the table stays constant.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <type_traits>

#include "plugin/settings/settings_record.h"

namespace quill {

/// The kind of a stored value, which picks the store's function that writes and reads it.
enum class FieldKind { Flag, Integer, Real, Text };

/// A value on its way between the record and the store; only the member of its kind counts.
/// A text points into the record (or a buffer) it came from.
struct FieldValue {
    bool flag = false;
    std::int32_t integer = 0;
    double real = 0;
    const char* text = "";
};

/// The two functions that move one field's value, with its kind and, for a text, the
/// room of the field with its terminating zero.
struct FieldAccess {
    FieldKind kind;
    FieldValue (*get)(const SettingsRecord&);
    void (*set)(SettingsRecord&, const FieldValue&);
    std::size_t textCapacity;
};

namespace field_access {

inline FieldValue ValueOf(bool flag) {
    FieldValue value;
    value.flag = flag;
    return value;
}
inline FieldValue ValueOf(std::int32_t integer) {
    FieldValue value;
    value.integer = integer;
    return value;
}
inline FieldValue ValueOf(double real) {
    FieldValue value;
    value.real = real;
    return value;
}
inline FieldValue ValueOf(const char* text) {
    FieldValue value;
    value.text = text;
    return value;
}

inline void Assign(bool& field, const FieldValue& value) {
    field = value.flag;
}
inline void Assign(std::int32_t& field, const FieldValue& value) {
    field = value.integer;
}
inline void Assign(double& field, const FieldValue& value) {
    field = value.real;
}
/// At most `size` - 1 characters and a zero; `value.text` is never a part of `field`.
template <std::size_t size>
void Assign(char (&field)[size], const FieldValue& value) {
    std::size_t length = 0;
    while (length < size - 1 && value.text[length]) {
        field[length] = value.text[length];
        ++length;
    }
    field[length] = '\0';
}

template <typename T>
constexpr FieldKind KindOf() {
    using Value = std::decay_t<T>;
    static_assert(std::is_same_v<Value, bool> || std::is_same_v<Value, std::int32_t> ||
                      std::is_same_v<Value, double> || std::is_same_v<Value, const char*> ||
                      std::is_same_v<Value, char*>,
                  "a stored field is a flag, a 32-bit integer, a real or a text");
    if constexpr (std::is_same_v<Value, bool>) return FieldKind::Flag;
    if constexpr (std::is_same_v<Value, std::int32_t>) return FieldKind::Integer;
    if constexpr (std::is_same_v<Value, double>) return FieldKind::Real;
    return FieldKind::Text;
}

/// The room of a text field (a character array), 0 for other fields.
template <typename T>
constexpr std::size_t TextCapacityOf() {
    return std::extent_v<std::remove_cv_t<std::remove_reference_t<T>>>;
}

template <FieldKind kind>
auto Take(const FieldValue& value) {
    if constexpr (kind == FieldKind::Flag) {
        return value.flag;
    } else if constexpr (kind == FieldKind::Integer) {
        return value.integer;
    } else if constexpr (kind == FieldKind::Real) {
        return value.real;
    } else {
        return value.text;
    }
}

// A field reached through members one inside the other: `record.*a.*b`, a fold over `.*`.
// clang-format off
template <auto... path>
auto& Reach(SettingsRecord& record) {
    return (record .* ... .* path);
}
template <auto... path>
const auto& Reach(const SettingsRecord& record) {
    return (record .* ... .* path);
}
// clang-format on
template <auto... path>
FieldValue GetPath(const SettingsRecord& record) {
    return ValueOf(Reach<path...>(record));
}
template <auto... path>
void SetPath(SettingsRecord& record, const FieldValue& value) {
    Assign(Reach<path...>(record), value);
}

template <int index, auto part>
FieldValue GetTolerance(const SettingsRecord& record) {
    return ValueOf(record.tolerances[index].*part);
}
template <int index, auto part>
void SetTolerance(SettingsRecord& record, const FieldValue& value) {
    Assign(record.tolerances[index].*part, value);
}

template <auto getter>
using GetterResult = std::invoke_result_t<decltype(getter), const SettingsRecord&>;

template <auto getter, auto setter>
FieldValue GetThrough(const SettingsRecord& record) {
    return ValueOf(std::invoke(getter, record));
}
template <auto getter, auto setter>
void SetThrough(SettingsRecord& record, const FieldValue& value) {
    std::invoke(setter, record, Take<KindOf<GetterResult<getter>>()>(value));
}

}  // namespace field_access

/// A field of the record, or a field inside one (`Of<&SettingsRecord::lineColour,
/// &ColourSetting::red>`), read and written as it is.
template <auto... path>
inline constexpr FieldAccess Of{
    field_access::KindOf<decltype(field_access::Reach<path...>(std::declval<SettingsRecord&>()))>(),
    &field_access::GetPath<path...>, &field_access::SetPath<path...>,
    field_access::TextCapacityOf<decltype(field_access::Reach<path...>(
        std::declval<SettingsRecord&>()))>()};

/// A field of tolerance `index` (0 or 1).
template <int index, auto part>
inline constexpr FieldAccess OfTolerance{
    field_access::KindOf<decltype(std::declval<ToleranceSetting&>().*part)>(),
    &field_access::GetTolerance<index, part>, &field_access::SetTolerance<index, part>, 0};

/// A field stored through an accessor pair: `getter` (a member function or a member) gives
/// the stored value, `setter` (a member function) takes it and keeps the derived values.
template <auto getter, auto setter>
inline constexpr FieldAccess Through{
    field_access::KindOf<field_access::GetterResult<getter>>(),
    &field_access::GetThrough<getter, setter>, &field_access::SetThrough<getter, setter>,
    field_access::TextCapacityOf<field_access::GetterResult<getter>>()};

}  // namespace quill
