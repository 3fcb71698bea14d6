#include "info/BrowserCommand.h"

#include <gtest/gtest.h>

using namespace bitloom;

namespace {

struct CutCase {
    const char* commandLine;
    const char* program;
};

class CutToProgramTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutToProgramTest, KeepsTheProgramOfTheCommandLine)
{
    EXPECT_EQ(CutToProgram(GetParam().commandLine), GetParam().program);
}

INSTANTIATE_TEST_SUITE_P(
    RegisteredCommands, CutToProgramTest,
    ::testing::Values(
        // A quoted program path with arguments: the path, quotes included.
        CutCase{R"("C:\Program Files\Web\browser.exe" -osint -url "%1")", R"("C:\Program Files\Web\browser.exe")"},
        CutCase{R"("/opt/web browser/run")", R"("/opt/web browser/run")"},
        CutCase{R"("" -url "%1")", R"("")"},
        // No quotes at all: the whole line, arguments and all.
        CutCase{R"(C:\PROGRA~1\Web\browser.exe -nohome)", R"(C:\PROGRA~1\Web\browser.exe -nohome)"},
        CutCase{"/usr/bin/web --new-window", "/usr/bin/web --new-window"},
        // An unquoted program before a quoted argument: the text before the
        // first quote, with the blank before it.
        CutCase{R"(C:\Web\browser.exe -url "%1")", R"(C:\Web\browser.exe -url )"},
        CutCase{R"(run"x")", "run"},
        // A lone quote at the start has no partner to end the path.
        CutCase{R"("C:\Web\browser.exe -url)", R"("C:\Web\browser.exe -url)"},
        CutCase{"\"", "\""},
        CutCase{"", ""}));

TEST(DefaultBrowserPathFrom, IsUnknownOnlyWhenNothingIsRegistered)
{
    EXPECT_EQ(DefaultBrowserPathFrom(std::nullopt), "unknown");
    EXPECT_EQ(DefaultBrowserPathFrom(std::string()), "");
    EXPECT_EQ(DefaultBrowserPathFrom(std::string(R"("/opt/web/run" %u)")), R"("/opt/web/run")");
}

} // namespace
