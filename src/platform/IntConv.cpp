#include "platform/IntConv.h"

#include "platform/Error.h"
#include "platform/Messages.h"

namespace bitloom {
namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::int32_t> ParseHex(std::string_view digits)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int d = HexDigit(c);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(d);
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return Wrap32(static_cast<std::int64_t>(value));
}

std::optional<std::int32_t> ParseDecimal(std::string_view s)
{
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 2147483648LL)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > 2147483647LL)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace

std::optional<std::int32_t> TryStrToInt(std::string_view text)
{
    std::string_view s = text;
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    if (s.starts_with("0x") || s.starts_with("0X"))
        return ParseHex(s.substr(2));
    if (!s.empty() && (s.front() == '$' || s.front() == 'x' || s.front() == 'X'))
        return ParseHex(s.substr(1));
    return ParseDecimal(s);
}

std::int32_t StrToInt(std::string_view text)
{
    if (const auto v = TryStrToInt(text))
        return *v;
    throw Error(msg::NotAnInteger(text));
}

} // namespace bitloom
