#pragma once
// One field value of a recordset, or one parameter of a statement.
#include "framework/core/cstring.h"

enum class VariantType { Empty, Null, Integer, Double, Text };

class Variant {
public:
    Variant() = default;
    Variant(int value) : type_(VariantType::Integer), integer_(value) {}
    Variant(long long value) : type_(VariantType::Integer), integer_(value) {}
    Variant(double value) : type_(VariantType::Double), double_(value) {}
    Variant(const CString &value) : type_(VariantType::Text), text_(value) {}
    Variant(const char *value) : type_(VariantType::Text), text_(value) {}
    static Variant MakeNull();

    VariantType Type() const { return type_; }
    bool IsNull() const { return type_ == VariantType::Null; }

    // Null and empty read as "" and 0. Text reads as the number it starts with (0 when none);
    // a number outside the int range reads as the nearest int.
    CString AsText() const;
    int AsInt() const;
    long long AsInt64() const;
    double AsDouble() const;

private:
    VariantType type_ = VariantType::Empty;
    long long integer_ = 0;
    double double_ = 0;
    CString text_;
};
