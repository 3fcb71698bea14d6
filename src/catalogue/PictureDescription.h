#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace bitloom {

struct ViewState;

// The catalogue on disk: a folder tree under "menu" in the start folder, one
// small INI file per picture, section "values", six keys. Texts cross this
// interface as UTF-8; the files hold Windows-1251.

inline constexpr std::string_view DescriptionSection = "values";

// "menu" in the start folder.
std::filesystem::path CatalogueRoot(const std::filesystem::path& startDir);

// A catalogue folder as the user is shown it: the path without as many leading
// characters as the catalogue root of startDir has, "/Logos/Start" for
// startDir/menu/Logos/Start, empty for the root itself. Bytes of the file
// system's own encoding.
std::string RelativeCataloguePath(const std::filesystem::path& startDir, const std::filesystem::path& folder);

// A picture as the main window takes it: the three sizes stay texts until the
// sizes are applied; offset and colour mode are read as integers.
struct PictureDescription {
    std::string Hint;
    std::string Width = "000";
    std::string WidthImage = "000";
    std::string Height = "000";
    std::int32_t Offs = 0;
    std::int32_t Bppc = 1;
};

// The six values as texts, as the editor shows and writes them.
struct DescriptionTexts {
    std::string Hint;
    std::string Width;
    std::string WidthImage;
    std::string Height;
    std::string Offs;
    std::string Bppc;
};

// Each reader has its own defaults for what the file lacks. A missing or
// unreadable file is no error: every value takes its default.

// The menu's caption of a picture: its Hint, empty when there is none.
std::string ReadMenuCaption(const std::filesystem::path& file);
// The same, from the bytes of a description file already read.
std::string MenuCaptionOf(std::string_view fileBytes);

// The main window's reading. A WidthImage that is absent takes the Width text
// just read (its default included); one present but empty stays empty.
PictureDescription ReadPictureDescription(const std::filesystem::path& file);

// The editor's reading: everything as text, Offs "0x000000" and Bppc "1" when absent.
DescriptionTexts ReadDescriptionTexts(const std::filesystem::path& file);

// Writes the six values into an existing (or missing) file, key by key in the
// order Hint, Width, WidthImage, Height, Offs, Bppc: a key's line is replaced
// where it stands, a missing key goes to the end of the section, a missing
// section to the end of the file. All six land in one step; a failure, which
// changes nothing, is "Unable to write to %s".
void WriteDescription(const std::filesystem::path& file, const DescriptionTexts& values);

// n in upper-case hexadecimal, at least two digits: 00, 0A, FF, 100.
std::string HexNumber(std::uint32_t n);

// The first free "new image hex(n).txt" in folder, hidden files included.
std::filesystem::path NewPictureFileName(const std::filesystem::path& folder);

// Creates the first free "new image hex(n).txt" in folder holding the seven
// template lines with the values written into them; values.Hint is replaced by
// "new image hex(n)", the file's name without ".txt". Returns the file's path.
// A file that cannot be created raises its file error ("File access denied"...).
std::filesystem::path CreatePictureFile(const std::filesystem::path& folder, DescriptionTexts values);

// The values of an empty new entry: sizes "0", Offs "0x000000", Bppc the colour mode.
DescriptionTexts NewPictureValues(std::int32_t colorMode);

// The values of the picture on show: the sizes as last applied, in pixels (the
// two-bit modes' doubled widths halved again), the offset from the address label.
DescriptionTexts CurrentPictureValues(const ViewState& state, std::string_view addressLabel);

// Creates the first free folder "Новая папка hex(n)" in folder and returns its
// path. After 4,096 numbers it gives up with the error of the last try.
std::filesystem::path CreateNewFolder(const std::filesystem::path& folder);

} // namespace bitloom
