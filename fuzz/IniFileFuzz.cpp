// Feeds arbitrary bytes to the profile-file reader and writer. Beyond not
// crashing, it holds them to what the settings and the catalogue rely on: an
// untouched file comes back byte for byte, a written key reads back, and
// Windows-1251 text survives the trip through UTF-8.

#include "platform/Cp1251.h"
#include "platform/IniFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    Check(bitloom::Utf8ToCp1251(bitloom::Cp1251ToUtf8(bytes)) == bytes);
    (void)bitloom::Utf8ToCp1251(bytes);

    bitloom::IniFile ini(bytes);
    Check(ini.Bytes() == bytes);
    (void)ini.ReadString("setup", "Width");
    (void)ini.ReadInteger("actions", "speed", 500);

    ini.WriteString("setup", "Width", "fuzz");
    ini.WriteString("Папка", "Имя", "Значение");
    Check(ini.ReadString("SETUP", "width") == "fuzz");
    Check(ini.ReadString("папка", "имя") == "Значение");

    const bitloom::IniFile again(ini.Bytes());
    Check(again.Bytes() == ini.Bytes());
    Check(again.ReadString("setup", "Width") == "fuzz");
    return 0;
}
