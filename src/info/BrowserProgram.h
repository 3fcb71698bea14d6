#pragma once

#include <optional>
#include <string>

namespace bitloom {

// What a web link asks of the desktop besides opening an address: the default
// browser's registered command line, and starting a program from a command
// line. Tests replace it so that no real browser is looked up or started.
class BrowserProgram {
public:
    virtual ~BrowserProgram() = default;
    virtual std::optional<std::string> RegisteredCommand() = 0;
    // Starts commandLine with a normal window; a failure goes unreported.
    virtual void Start(const std::string& commandLine) = 0;
};

class DesktopBrowserProgram final : public BrowserProgram {
public:
    std::optional<std::string> RegisteredCommand() override;
    void Start(const std::string& commandLine) override;
};

} // namespace bitloom
