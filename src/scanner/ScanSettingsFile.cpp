#include "scanner/ScanSettingsFile.h"

#include "platform/AddressFormat.h"
#include "platform/IniFile.h"
#include "platform/IntConv.h"

#include <array>

namespace bitloom {
namespace {

constexpr const char* Setup = "setup";
constexpr const char* Actions = "actions";

} // namespace

std::filesystem::path ScanSettingsPath(const std::filesystem::path& startDir)
{
    return startDir / "FFscan.ini";
}

ScanFileValues ReadScanFile(const std::filesystem::path& path)
{
    const IniFile ini = IniFile::Load(path);
    ScanFileValues v;
    v.Width = ini.ReadString(Setup, "Width").value_or(v.Width);
    v.Bppc = ini.ReadInteger(Setup, "Bppc", v.Bppc);
    v.StartAddress = ini.ReadString(Setup, "StartAddress").value_or(v.StartAddress);
    v.StopAddress = ini.ReadString(Setup, "StopAddress").value_or(v.StopAddress);
    v.Direction = ini.ReadInteger(Actions, "direction", v.Direction);
    v.Speed = ini.ReadInteger(Actions, "speed", v.Speed);
    v.Method = ini.ReadInteger(Actions, "method", v.Method);
    return v;
}

void TakeScanFileValues(ScanSettings& settings, const ScanFileValues& values)
{
    settings.ScanColorMode = values.Bppc;
    settings.ScanInterval = values.Speed;
    settings.ScanStart = StrToInt(values.StartAddress);
    settings.ScanStop = StrToInt(values.StopAddress);
    settings.ScanMethod = values.Method;
    settings.ScanDirection = values.Direction;
    settings.ScanWidthText = values.Width;
}

void CollectScanSettings(ScanSettings& settings, const ScanDialogValues& values)
{
    settings.ScanColorMode = values.bppIndex + 1;
    settings.ScanInterval = StrToInt(values.speedText);
    settings.ScanStart = StrToInt(values.startText);
    settings.ScanStop = StrToInt(values.stopText);
    if (values.method)
        settings.ScanMethod = *values.method;
    settings.ScanDirection = values.directionIndex;
    settings.ScanWidthText = values.widthText;
}

std::string ScanAddressText(std::int32_t address)
{
    return "0x" + FormatAddress(address);
}

void WriteScanFile(const std::filesystem::path& path, const ScanSettings& settings)
{
    const std::array<IniEntry, 7> entries = {{
        {Setup, "Width", settings.ScanWidthText},
        {Setup, "Bppc", std::to_string(settings.ScanColorMode)},
        {Setup, "StartAddress", ScanAddressText(settings.ScanStart)},
        {Setup, "StopAddress", ScanAddressText(settings.ScanStop)},
        {Actions, "direction", std::to_string(settings.ScanDirection)},
        {Actions, "speed", std::to_string(settings.ScanInterval)},
        {Actions, "method", std::to_string(settings.ScanMethod)},
    }};
    WriteIniFile(path, entries);
}

} // namespace bitloom
