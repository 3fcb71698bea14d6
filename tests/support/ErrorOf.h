#pragma once

#include "platform/Error.h"

#include <functional>
#include <string>

// The text of the error that action raises, or "no error": lets a table of
// cases compare what the user would read.
inline std::string ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const bitloom::Error& e) {
        return e.what();
    }
    return "no error";
}
