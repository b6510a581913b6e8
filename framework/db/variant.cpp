#include "framework/db/variant.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

Variant Variant::MakeNull()
{
    Variant value;
    value.type_ = VariantType::Null;
    return value;
}

CString Variant::AsText() const
{
    char buffer[40];
    switch (type_) {
    case VariantType::Integer:
        std::snprintf(buffer, sizeof buffer, "%lld", integer_);
        return CString(buffer);
    case VariantType::Double:
        std::snprintf(buffer, sizeof buffer, "%.15g", double_);
        return CString(buffer);
    case VariantType::Text:
        return text_;
    default:
        return CString();
    }
}

long long Variant::AsInt64() const
{
    switch (type_) {
    case VariantType::Integer:
        return integer_;
    case VariantType::Double: {
        const double limit = 9223372036854775807.0;
        if (std::isnan(double_))
            return 0;
        if (double_ >= limit)
            return std::numeric_limits<long long>::max();
        if (double_ <= -limit)
            return std::numeric_limits<long long>::min();
        return static_cast<long long>(double_);
    }
    case VariantType::Text:
        return std::strtoll(text_, nullptr, 10);
    default:
        return 0;
    }
}

int Variant::AsInt() const
{
    const long long value = AsInt64();
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

double Variant::AsDouble() const
{
    switch (type_) {
    case VariantType::Integer:
        return static_cast<double>(integer_);
    case VariantType::Double:
        return double_;
    case VariantType::Text:
        return std::strtod(text_, nullptr);
    default:
        return 0;
    }
}
