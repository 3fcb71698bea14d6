#include "catalogue/Collation.h"

namespace bitloom {

namespace {

// Where the character that starts at unit i ends: a surrogate pair is one character.
std::size_t NextCharacter(std::u16string_view text, std::size_t i)
{
    const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                      text[i + 1] <= 0xDFFF;
    return i + (pair ? 2 : 1);
}

// The length in UTF-16 units of text's first count characters.
std::size_t UnitsOfCharacters(std::u16string_view text, std::size_t count)
{
    std::size_t units = 0;
    for (std::size_t chars = 0; chars < count && units < text.size(); ++chars)
        units = NextCharacter(text, units);
    return units;
}

} // namespace

std::u16string Utf16(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const std::size_t extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : 4;
        char32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1Fu) : extra == 2 ? (b & 0x0Fu) : (b & 0x07u);
        bool good = extra < 4 && i + extra < utf8.size();
        for (std::size_t k = 1; good && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            good = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3Fu);
        }
        if (!good || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            out.push_back(u'\uFFFD');
            ++i;
            continue;
        }
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
        i += extra + 1;
    }
    return out;
}

std::size_t CharacterCount(std::u16string_view text)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i = NextCharacter(text, i))
        ++count;
    return count;
}

bool GoesBefore(const Collation& collation, std::u16string_view a, std::u16string_view b)
{
    const std::size_t cut = UnitsOfCharacters(b, CharacterCount(a));
    return collation.Compare(a, b.substr(0, cut)) <= 0;
}

OrderKey::OrderKey(std::u16string name) : text(std::move(name)), characters(CharacterCount(text)) {}

bool GoesBefore(const Collation& collation, const OrderKey& a, const OrderKey& b)
{
    std::size_t cut = b.text.size();
    if (b.characters > a.characters) // only a longer b is cut; without surrogates a character is a unit
        cut = b.characters == b.text.size() ? a.characters : UnitsOfCharacters(b.text, a.characters);
    return collation.Compare(a.text, std::u16string_view(b.text).substr(0, cut)) <= 0;
}

} // namespace bitloom
