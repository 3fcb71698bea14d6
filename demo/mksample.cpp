// Writes sample.bin, a small made-up "full flash" with pictures in all three
// colour modes among noise, so that a newcomer has something to look at, and
// beside it the catalogue folder "menu" that describes those pictures in
// sections and sub-sections, so that they can be picked from the menus at once.
// The offsets and sizes are listed in the README.

#include "catalogue/PictureDescription.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <vector>

namespace {

constexpr std::size_t DumpSize = 0x50000;

// Packs pixels most significant bit first, rows running on without alignment.
void PackPicture(std::vector<std::uint8_t>& dump, std::size_t offset, int width, int height, int bitsPerPixel,
                 const std::function<unsigned(int, int)>& pixel)
{
    std::size_t bit = 0;
    const std::size_t bytes = (static_cast<std::size_t>(width * height * bitsPerPixel) + 7) / 8;
    std::fill(dump.begin() + static_cast<std::ptrdiff_t>(offset),
              dump.begin() + static_cast<std::ptrdiff_t>(offset + bytes), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const unsigned value = pixel(x, y);
            for (int b = bitsPerPixel - 1; b >= 0; --b, ++bit)
                if ((value >> b) & 1u)
                    dump[offset + bit / 8] |= static_cast<std::uint8_t>(0x80u >> (bit % 8));
        }
}

unsigned Smiley(int x, int y)
{
    const double dx = x - 31.5, dy = y - 23.5;
    const double r = std::sqrt(dx * dx + dy * dy);
    if (r > 20 && r < 23)
        return 1;
    if ((std::hypot(x - 23.5, y - 17.5) < 3) || (std::hypot(x - 39.5, y - 17.5) < 3))
        return 1;
    if (dy > 4 && r > 10 && r < 13)
        return 1;
    return 0;
}

unsigned Arrow(int x, int y)
{
    if (x == 0 || y == 0 || x == 31 || y == 31)
        return 1;
    if (y >= 12 && y <= 19 && x >= 6 && x <= 18)
        return 1;
    const int d = x - 18;
    return (d >= 0 && d <= 8 && std::abs(y - 15.5) <= 8 - d) ? 1 : 0;
}

// Four colours: 0 white, 1 red, 2 blue, 3 green.
unsigned Flag(int x, int y)
{
    if (x < 2 || y < 2 || x > 45 || y > 37)
        return 0;
    if (y < 14)
        return 1;
    if (y < 26)
        return 2;
    return 3;
}

// Grey: 0 white ... 3 black, in rings.
unsigned Rings(int x, int y)
{
    const double r = std::hypot(x - 31.5, y - 31.5);
    return static_cast<unsigned>(r / 8) % 4;
}

unsigned Spinner(int frame, int x, int y)
{
    const double angle = frame * 3.14159265 / 4;
    const double px = x - 7.5, py = y - 7.5;
    const double along = px * std::cos(angle) + py * std::sin(angle);
    const double across = -px * std::sin(angle) + py * std::cos(angle);
    return (std::abs(across) < 1.5 && std::abs(along) < 7) || std::hypot(px, py) > 7.4 ? 1 : 0;
}

// One picture of the sample catalogue: where its description goes and what it says.
struct Described {
    const char* file; // below menu/, UTF-8
    const char* hint;
    int width, pictureWidth, height;
    std::uint32_t offset;
    int colorMode;
};

const Described SampleCatalogue[] = {
    {"Логотипы/01 smiley.txt", "Улыбка", 64, 64, 48, 0x010000, 1},
    {"Логотипы/02 arrow.txt", "Стрелка", 32, 32, 32, 0x012000, 1},
    {"Логотипы/Узкие/arrow half.txt", "Стрелка, левая половина", 32, 16, 32, 0x012000, 1},
    {"Цветные/flag.txt", "Флаг (4 цвета)", 48, 48, 40, 0x020000, 2},
    {"Цветные/rings.txt", "Кольца (оттенки серого)", 64, 64, 64, 0x030000, 3},
    {"Анимация/Вертушка/frame 1.txt", "Кадр 1", 16, 16, 16, 0x040000, 1},
    {"Анимация/Вертушка/frame 2.txt", "Кадр 2", 16, 16, 16, 0x040020, 1},
    {"Анимация/Вертушка/frame 3.txt", "Кадр 3", 16, 16, 16, 0x040040, 1},
    {"Анимация/Вертушка/frame 4.txt", "Кадр 4", 16, 16, 16, 0x040060, 1},
    {"Анимация/Вертушка/frames 1-4.txt", "Все четыре кадра", 16, 16, 64, 0x040000, 1},
};

// The descriptions, written as the program's own editor writes them:
// Windows-1251, CR LF, the six keys in their order.
void WriteSampleCatalogue(const std::filesystem::path& folder)
{
    const std::filesystem::path menu = folder / "menu";
    for (const Described& picture : SampleCatalogue) {
        const std::filesystem::path file = menu / std::filesystem::path(reinterpret_cast<const char8_t*>(picture.file));
        std::filesystem::create_directories(file.parent_path());
        std::filesystem::remove(file);
        char offset[16];
        std::snprintf(offset, sizeof offset, "0x%06X", picture.offset);
        bitloom::WriteDescription(file, {picture.hint, std::to_string(picture.width),
                                         std::to_string(picture.pictureWidth), std::to_string(picture.height), offset,
                                         std::to_string(picture.colorMode)});
    }
}

} // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path folder = argc > 1 ? argv[1] : ".";
    std::vector<std::uint8_t> dump(DumpSize);
    std::uint32_t seed = 0x2545F491;
    for (auto& byte : dump) {
        seed ^= seed << 13;
        seed ^= seed >> 17;
        seed ^= seed << 5;
        byte = static_cast<std::uint8_t>(seed & (seed >> 8) & (seed >> 16)); // sparse noise
    }
    PackPicture(dump, 0x010000, 64, 48, 1, Smiley);
    PackPicture(dump, 0x012000, 32, 32, 1, Arrow);
    PackPicture(dump, 0x020000, 48, 40, 2, Flag);
    PackPicture(dump, 0x030000, 64, 64, 2, Rings);
    for (int frame = 0; frame < 4; ++frame)
        PackPicture(dump, 0x040000 + static_cast<std::size_t>(frame) * 32, 16, 16, 1,
                    [frame](int x, int y) { return Spinner(frame, x, y); });

    const auto path = folder / "sample.bin";
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(dump.data()), static_cast<std::streamsize>(dump.size()));
    if (!out) {
        std::cerr << "cannot write " << path << "\n";
        return 1;
    }
    try {
        WriteSampleCatalogue(folder);
    } catch (const std::exception& e) {
        std::cerr << "cannot write the sample catalogue: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
