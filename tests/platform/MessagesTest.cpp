#include "platform/Messages.h"

#include <gtest/gtest.h>

TEST(ErrorBoxText, FullStopOnlyAfterACharacterSortingAfterTheStop)
{
    const std::pair<const char*, const char*> cases[] = {
        {"File not found", "File not found."},
        {"I/O error 131", "I/O error 131."},
        {"'' is not a valid integer value", "'' is not a valid integer value."},
        {"Ends with a stop.", "Ends with a stop."},
        {"Ends with (brackets)", "Ends with (brackets)"},
        {"Bang!", "Bang!"},
        {"Question?", "Question?."},
        {"Ошибка", "Ошибка."},
        {"", ""},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(bitloom::WithFullStop(in), out);
}
