// Collation on POSIX systems: ICU's collator for the locale the environment
// names for collation.

#include "catalogue/Collation.h"

#include <unicode/coll.h>
#include <unicode/locid.h>

#include <cstdlib>

namespace bitloom {

namespace {

// The locale the user sorts with, as POSIX looks it up: LC_ALL, then
// LC_COLLATE, then LANG. "ru_RU.UTF-8@euro" becomes "ru_RU"; C and POSIX, with
// or without an encoding, have no language and give the empty name.
std::string UserCollationLocale()
{
    std::string name;
    for (const char* variable : {"LC_ALL", "LC_COLLATE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            name = value;
            break;
        }
    }
    name = name.substr(0, name.find_first_of(".@"));
    if (name == "C" || name == "POSIX")
        return {};
    return name;
}

std::unique_ptr<icu::Collator> MakeCollator(const std::string& locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale where = locale.empty() ? icu::Locale::getRoot() : icu::Locale(locale.c_str());
    std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(where, status));
    if (U_FAILURE(status) || !collator) {
        status = U_ZERO_ERROR;
        collator.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
    }
    if (!collator)
        throw std::runtime_error("no collator available");
    // Case decides between names that differ only in case, as on Windows.
    collator->setStrength(icu::Collator::TERTIARY);
    return collator;
}

} // namespace

struct Collation::Impl {
    std::unique_ptr<icu::Collator> collator;
};

Collation Collation::ForUserLocale()
{
    return Collation(UserCollationLocale());
}

Collation::Collation(const std::string& locale) : impl_(std::make_unique<Impl>(Impl{MakeCollator(locale)})) {}

Collation::Collation(Collation&&) noexcept = default;
Collation& Collation::operator=(Collation&&) noexcept = default;
Collation::~Collation() = default;

int Collation::Compare(std::u16string_view a, std::u16string_view b) const
{
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result =
        impl_->collator->compare(a.data(), static_cast<std::int32_t>(a.size()), b.data(),
                                 static_cast<std::int32_t>(b.size()), status);
    return static_cast<int>(result);
}

} // namespace bitloom
