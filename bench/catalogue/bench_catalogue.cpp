// A full catalogue (1000 records): reading it, building its list rows, writing it, saving it.
#include "catalogue/library_file.h"
#include "catalogue/library_format.h"
#include "catalogue/mesh_record.h"
#include "catalogue/row_text.h"
#include "catalogue/section_area.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace quorvel::catalogue;

std::unique_ptr<MeshTable> FullTable()
{
    auto table = std::make_unique<MeshTable>();
    for (int slot = 1; slot <= kMaxRecords; ++slot) {
        MeshRecord& r = (*table)[slot];
        const std::string name = "Q" + std::to_string(slot) + "A";
        std::copy(name.begin(), name.end(), r.GridType.begin());
        std::fill(r.GridType.begin() + static_cast<std::ptrdiff_t>(name.size()), r.GridType.end(),
                  ' ');
        r.GridLength = 6.0f;
        r.GridWidth = 2.3f + static_cast<float>(slot % 7) * 0.05f;
        r.LenCount = 1;
        r.WidCount = static_cast<std::int16_t>(1 + slot % 2);
        r.LenDia = 5.0f + static_cast<float>(slot % 8);
        r.WidDia = 4.2f + static_cast<float>(slot % 5) * 0.5f;
        r.LenSpace = 150;
        r.WidSpace = slot % 3 == 0 ? 250.0f : 150.0f;
        r.UnitWeight = 2.09f + static_cast<float>(slot) / 97.0f;
        DeriveSectionAreas(r);
    }
    return table;
}

// A fresh folder for the files of one benchmark run, removed afterwards.
class ScratchFolder
{
public:
    ScratchFolder()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quorvel-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            mPath = pattern;
        }
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(mPath, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string Path() const { return mPath.string(); }

private:
    std::filesystem::path mPath;
};

void ParseLibrary1000(benchmark::State& state)
{
    const std::string bytes = SerializeMeshLibrary(*FullTable());
    auto table = std::make_unique<MeshTable>();
    for (auto _ : state) {
        *table = MeshTable{};
        benchmark::DoNotOptimize(ParseMeshLibrary(bytes, *table));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(ParseLibrary1000)->Unit(benchmark::kMicrosecond);

void LoadLibrary1000(benchmark::State& state)
{
    ScratchFolder folder;
    if (!SaveMeshLibrary(folder.Path(), *FullTable()).ok) {
        state.SkipWithError("cannot write the library");
        return;
    }
    auto table = std::make_unique<MeshTable>();
    for (auto _ : state) {
        *table = MeshTable{};
        benchmark::DoNotOptimize(LoadMeshLibrary(folder.Path(), *table));
    }
}
BENCHMARK(LoadLibrary1000)->Unit(benchmark::kMicrosecond);

void BuildRows1000(benchmark::State& state)
{
    const auto table = FullTable();
    std::vector<std::string> rows;
    rows.reserve(kMaxRecords);
    for (auto _ : state) {
        rows.clear();
        for (int slot = 1; SlotInUse(*table, slot); ++slot) {
            rows.push_back(RowText((*table)[slot]));
        }
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BuildRows1000)->Unit(benchmark::kMicrosecond);

void SerializeLibrary1000(benchmark::State& state)
{
    const auto table = FullTable();
    for (auto _ : state) {
        benchmark::DoNotOptimize(SerializeMeshLibrary(*table));
    }
}
BENCHMARK(SerializeLibrary1000)->Unit(benchmark::kMicrosecond);

// Includes the temporary file, the flush to disk and the rename.
void SaveLibrary1000(benchmark::State& state)
{
    ScratchFolder folder;
    const auto table = FullTable();
    for (auto _ : state) {
        if (!SaveMeshLibrary(folder.Path(), *table).ok) {
            state.SkipWithError("save failed");
            break;
        }
    }
}
BENCHMARK(SaveLibrary1000)->Unit(benchmark::kMillisecond);

void DeriveAreasOneRecord(benchmark::State& state)
{
    MeshRecord record = (*FullTable())[17];
    for (auto _ : state) {
        DeriveSectionAreas(record);
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(DeriveAreasOneRecord);

} // namespace

BENCHMARK_MAIN();
