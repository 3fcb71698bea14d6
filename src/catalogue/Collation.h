#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace bitloom {

// Compares texts the way the user's language sorts words: letters by their
// place in the alphabet, and case-sensitive, lower case before upper case
// where the language says nothing else. How is a matter of the platform: one
// implementation file per operating system.
class Collation final {
public:
    // The collation of the user's default locale; the root collation when there
    // is none, or when it is the plain C/POSIX locale.
    static Collation ForUserLocale();

    // The collation of a named locale ("ru_RU", "de"); the root collation for an
    // empty name.
    explicit Collation(const std::string& locale);

    Collation(Collation&&) noexcept;
    Collation& operator=(Collation&&) noexcept;
    Collation(const Collation&) = delete;
    Collation& operator=(const Collation&) = delete;
    ~Collation();

    // Negative, zero or positive as a sorts before, with or after b.
    int Compare(std::u16string_view a, std::u16string_view b) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The catalogue's order test: whether a new entry named a goes before an
// existing entry named b. b is first cut to as many characters as a has, so a
// name goes before every longer name it begins; then a goes before b when it
// compares less than or equal. Equal names therefore put the newer one first.
bool GoesBefore(const Collation& collation, std::u16string_view a, std::u16string_view b);

// A name made ready for many order tests: its UTF-16 text and its length in characters.
struct OrderKey {
    explicit OrderKey(std::u16string name);
    std::u16string text;
    std::size_t characters;
};

// GoesBefore for prepared names.
bool GoesBefore(const Collation& collation, const OrderKey& a, const OrderKey& b);

// UTF-8 as UTF-16, the form the comparison takes; a malformed byte becomes U+FFFD.
std::u16string Utf16(std::string_view utf8);

// The number of characters (code points) in a UTF-16 text.
std::size_t CharacterCount(std::u16string_view text);

} // namespace bitloom
