#include "catalogue/PictureDescription.h"

#include "catalogue/EntryFiles.h"
#include "platform/Error.h"
#include "platform/IniFile.h"
#include "platform/IoErrors.h"
#include "platform/Messages.h"
#include "viewer/ViewState.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <system_error>

namespace bitloom {

namespace {

constexpr std::array<std::string_view, 7> TemplateLines = {"[values]", "Hint=",   "Width=", "WidthImage=",
                                                            "Height=",  "Offs=", "Bppc="};

constexpr std::uint32_t FolderNameTries = 4096;

std::string Value(const IniFile& ini, std::string_view key, std::string fallback)
{
    return ini.ReadString(DescriptionSection, key).value_or(std::move(fallback));
}

std::string Decimal(std::int64_t value)
{
    return std::to_string(value);
}

// The two-bit modes double the typed widths into bits; a stored width is in pixels.
std::int32_t Pixels(std::int32_t bits, std::int32_t colorMode)
{
    return colorMode == 2 || colorMode == 3 ? bits / 2 : bits;
}

} // namespace

std::filesystem::path CatalogueRoot(const std::filesystem::path& startDir)
{
    return startDir / "menu";
}

std::string RelativeCataloguePath(const std::filesystem::path& startDir, const std::filesystem::path& folder)
{
    const std::string path = folder.string();
    const std::size_t rootLength = CatalogueRoot(startDir).string().size();
    return rootLength < path.size() ? path.substr(rootLength) : std::string();
}

std::string ReadMenuCaption(const std::filesystem::path& file)
{
    return Value(IniFile::Load(file), "Hint", "");
}

std::string MenuCaptionOf(std::string_view fileBytes)
{
    return Value(IniFile(fileBytes), "Hint", "");
}

PictureDescription ReadPictureDescription(const std::filesystem::path& file)
{
    const IniFile ini = IniFile::Load(file);
    PictureDescription d;
    d.Hint = Value(ini, "Hint", "");
    d.Width = Value(ini, "Width", "000");
    d.WidthImage = Value(ini, "WidthImage", d.Width);
    d.Height = Value(ini, "Height", "000");
    d.Offs = ini.ReadInteger(DescriptionSection, "Offs", 0);
    d.Bppc = ini.ReadInteger(DescriptionSection, "Bppc", 1);
    return d;
}

DescriptionTexts ReadDescriptionTexts(const std::filesystem::path& file)
{
    const IniFile ini = IniFile::Load(file);
    DescriptionTexts d;
    d.Hint = Value(ini, "Hint", "");
    d.Width = Value(ini, "Width", "000");
    d.WidthImage = Value(ini, "WidthImage", d.Width);
    d.Height = Value(ini, "Height", "000");
    d.Offs = Value(ini, "Offs", "0x000000");
    d.Bppc = Value(ini, "Bppc", "1");
    return d;
}

void WriteDescription(const std::filesystem::path& file, const DescriptionTexts& values)
{
    const std::string section(DescriptionSection);
    const IniEntry entries[] = {{section, "Hint", values.Hint},     {section, "Width", values.Width},
                                {section, "WidthImage", values.WidthImage}, {section, "Height", values.Height},
                                {section, "Offs", values.Offs},     {section, "Bppc", values.Bppc}};
    WriteIniFile(file, entries);
}

std::string HexNumber(std::uint32_t n)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02X", n);
    return text;
}

std::filesystem::path NewPictureFileName(const std::filesystem::path& folder)
{
    for (std::uint32_t n = 0;; ++n) {
        std::filesystem::path candidate = folder / ("new image " + HexNumber(n) + ".txt");
        std::error_code ec;
        // A dangling link still takes the name.
        if (!std::filesystem::exists(std::filesystem::symlink_status(candidate, ec)))
            return candidate;
    }
}

std::filesystem::path CreatePictureFile(const std::filesystem::path& folder, DescriptionTexts values)
{
    const std::filesystem::path file = NewPictureFileName(folder);
    values.Hint = file.stem().string();

    // The template with the six values written into it, as a template followed
    // by six key writes would leave it, created in one go.
    std::string skeleton;
    for (std::string_view line : TemplateLines) {
        skeleton += line;
        skeleton += "\r\n";
    }
    IniFile ini(skeleton);
    const std::pair<std::string_view, const std::string*> keys[] = {
        {"Hint", &values.Hint},     {"Width", &values.Width}, {"WidthImage", &values.WidthImage},
        {"Height", &values.Height}, {"Offs", &values.Offs},   {"Bppc", &values.Bppc}};
    for (const auto& [key, value] : keys)
        ini.WriteString(DescriptionSection, key, *value);
    const std::string bytes = ini.Bytes();

    // Whole or not at all, and never over a file that took the name meanwhile:
    // then the next free number is taken.
    if (!CreateNewFile(file, bytes))
        return CreatePictureFile(folder, std::move(values));
    return file;
}

DescriptionTexts NewPictureValues(std::int32_t colorMode)
{
    return {"", "0", "0", "0", "0x000000", Decimal(colorMode)};
}

DescriptionTexts CurrentPictureValues(const ViewState& state, std::string_view addressLabel)
{
    return {"",
            Decimal(Pixels(state.RowBits, state.ColorMode)),
            Decimal(Pixels(state.PictureBits, state.ColorMode)),
            Decimal(state.RowCount),
            "0x" + std::string(addressLabel),
            Decimal(state.ColorMode)};
}

std::filesystem::path CreateNewFolder(const std::filesystem::path& folder)
{
    std::string lastError;
    for (std::uint32_t n = 0; n < FolderNameTries; ++n) {
        std::filesystem::path name(u8"Новая папка ");
        name += HexNumber(n);
        const std::filesystem::path candidate = folder / name;
        std::error_code ec;
        if (std::filesystem::create_directory(candidate, ec))
            return candidate;
        // An existing folder fails without an error code; a file of that name with EEXIST.
        lastError = !ec || ec == std::errc::file_exists ? std::string(msg::FileAlreadyExists)
                                                          : IoErrorText(ec.value(), candidate);
    }
    throw Error(lastError);
}

} // namespace bitloom
