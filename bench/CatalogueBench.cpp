// How long a catalogue level takes to open, with its files in the page cache.
// The target: a level of 5,000 pictures in at most 150 ms.

#include "catalogue/CatalogueLevel.h"
#include "catalogue/Collation.h"
#include "catalogue/FavoritesMenu.h"
#include "platform/Cp1251.h"

#include <QApplication>
#include <QMenu>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>

namespace {

// A catalogue folder of n description files as users keep them: names and
// Hints in Russian, in no particular order on disk, a few sections beside.
class Catalogue final {
public:
    explicit Catalogue(int pictures)
    {
        std::random_device rd;
        folder_ = std::filesystem::temp_directory_path() / ("bitloom-bench-" + std::to_string(rd()));
        std::filesystem::create_directories(folder_);
        for (int s = 0; s < 10; ++s)
            std::filesystem::create_directory(folder_ / ("Раздел " + std::to_string(s)));
        std::mt19937 random(1);
        std::vector<int> numbers(static_cast<std::size_t>(pictures));
        for (int i = 0; i < pictures; ++i)
            numbers[static_cast<std::size_t>(i)] = i;
        std::shuffle(numbers.begin(), numbers.end(), random);
        for (int n : numbers) {
            const std::string name = (n % 3 == 0 ? "Логотип " : n % 3 == 1 ? "icon " : "Заставка ") + std::to_string(n);
            std::ofstream out(folder_ / (name + ".txt"), std::ios::binary);
            out << Utf8ToCp1251("[values]\r\nHint=Картинка " + std::to_string(n) +
                                "\r\nWidth=64\r\nWidthImage=60\r\nHeight=32\r\nOffs=0x0B5626\r\nBppc=2\r\n");
        }
    }
    ~Catalogue()
    {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    const std::filesystem::path& Folder() const { return folder_; }

private:
    static std::string Utf8ToCp1251(const std::string& text) { return bitloom::Utf8ToCp1251(text); }
    std::filesystem::path folder_;
};

// One folder per size for the whole run, so that every repetition finds it cached.
const Catalogue& CatalogueOf(int pictures)
{
    static std::map<int, std::unique_ptr<Catalogue>> made;
    auto& slot = made[pictures];
    if (!slot)
        slot = std::make_unique<Catalogue>(pictures);
    return *slot;
}

void BuildLevel(benchmark::State& state)
{
    const Catalogue& catalogue = CatalogueOf(static_cast<int>(state.range(0)));
    const bitloom::Collation collation = bitloom::Collation::ForUserLocale();
    bitloom::BuildLevel(catalogue.Folder(), false, collation); // into the page cache
    for (auto _ : state)
        benchmark::DoNotOptimize(bitloom::BuildLevel(catalogue.Folder(), false, collation));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BuildLevel)->Arg(1000)->Arg(2000)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

// The whole opening as the user waits for it: the old entries removed, the
// level built, its menu entries made and the menu laid out.
void OpenMenuLevel(benchmark::State& state)
{
    const Catalogue& catalogue = CatalogueOf(static_cast<int>(state.range(0)));
    QMenu menu;
    menu.addSeparator();
    TFavoritesMenu favorites(nullptr);
    favorites.SetMenuItem(TMenuItem::Of(&menu));
    favorites.SetInitialDir(catalogue.Folder());
    favorites.RebuildMenu();
    for (auto _ : state) {
        favorites.RebuildMenu();
        benchmark::DoNotOptimize(menu.sizeHint());
    }
    state.counters["entries"] = static_cast<double>(menu.actions().size());
}
BENCHMARK(OpenMenuLevel)->Arg(5000)->Unit(benchmark::kMillisecond);

// The same without the layout: what the component itself costs.
void RebuildMenu(benchmark::State& state)
{
    const Catalogue& catalogue = CatalogueOf(static_cast<int>(state.range(0)));
    QMenu menu;
    menu.addSeparator();
    TFavoritesMenu favorites(nullptr);
    favorites.SetMenuItem(TMenuItem::Of(&menu));
    favorites.SetInitialDir(catalogue.Folder());
    favorites.RebuildMenu();
    for (auto _ : state)
        favorites.RebuildMenu();
}
BENCHMARK(RebuildMenu)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
