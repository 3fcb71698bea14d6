#pragma once

#include "info/BrowserProgram.h"
#include "support/RecordingServices.h"

#include <string>
#include <vector>

// A desktop's default browser for the link tests: registers what the test
// says and records what would have been started, and how many addresses had
// already been opened at that moment.
class FakeBrowser final : public bitloom::BrowserProgram {
public:
    explicit FakeBrowser(const RecordingServices& rec) : rec_(rec) {}

    std::optional<std::string> RegisteredCommand() override { return registered; }
    void Start(const std::string& commandLine) override
    {
        started.push_back(commandLine);
        openedBeforeStart.push_back(rec_.opened.size());
    }

    std::optional<std::string> registered;
    std::vector<std::string> started;
    std::vector<qsizetype> openedBeforeStart;

private:
    const RecordingServices& rec_;
};
