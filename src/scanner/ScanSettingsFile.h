#pragma once

#include "scanner/ScanSettings.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace bitloom {

// FFscan.ini: the scan settings kept in the start folder between runs.
std::filesystem::path ScanSettingsPath(const std::filesystem::path& startDir);

// The seven keys as the file holds them, each with its default. The addresses
// stay texts: they are converted only when taken into ScanSettings.
struct ScanFileValues {
    std::string Width = "024";
    std::int32_t Bppc = 1;
    std::string StartAddress = "0x000000";
    std::string StopAddress = "0x000000";
    std::int32_t Direction = 0;
    std::int32_t Speed = 500;
    std::int32_t Method = 2;
};

// Reads the file; a missing file, section or key, or an integer key that is no
// number, gives the default silently.
ScanFileValues ReadScanFile(const std::filesystem::path& path);

// Takes the file's values into settings as they are, also values no control
// can show. An address text that is no integer raises the conversion error;
// the fields taken before it (colour mode, interval, and the start address
// when the stop address failed) keep their new values, the rest their old ones.
void TakeScanFileValues(ScanSettings& settings, const ScanFileValues& values);

// The dialog's controls as the user left them.
struct ScanDialogValues {
    int bppIndex = -1;        // cbBpp, -1 when no item is selected
    std::string speedText;    // edSpeed
    std::string startText;    // edStAddr
    std::string stopText;     // edEnAddr
    std::optional<std::int32_t> method; // the selected radio button, 0 to 3
    int directionIndex = -1;  // cbDir, -1 when no item is selected
    std::string widthText;    // edWidth
};

// Copies the controls into settings in the dialog's order. A speed or address
// text that is no integer raises the conversion error at its step; the later
// fields keep their values.
void CollectScanSettings(ScanSettings& settings, const ScanDialogValues& values);

// "0x" and the address format: 1000 gives "0x0003E8", -1 gives "0xFFFFFFFF".
std::string ScanAddressText(std::int32_t address);

// Writes the seven keys, setup then actions, in one replace of the file.
// Raises "Unable to write to %s" when it cannot; the file is then unchanged.
void WriteScanFile(const std::filesystem::path& path, const ScanSettings& settings);

} // namespace bitloom
