#pragma once

#include <stdexcept>
#include <string>

namespace bitloom {

// The one exception every failing step raises. Its text is what the user
// reads in the error box, so it carries no prefix and no trailing full stop.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

} // namespace bitloom
