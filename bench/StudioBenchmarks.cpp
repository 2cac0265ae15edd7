// What a user of a large studio waits for: loading the competition, reading and writing the
// studio file, the summary report and the statements, saving an entry form, and filling the
// person and forms lists.
// Argument 1 is the large studio, 2 a studio twice as large (the competition stays the same).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>

#include "QuietUi.h"
#include "StudioGenerator.h"
#include "data/Database.h"
#include "dialogs/ListModel.h"
#include "entries/EntryManager.h"
#include "formats/DataFileReader.h"
#include "formats/DataFileWriter.h"
#include "formats/SetupLoader.h"
#include "persons/PersonLists.h"
#include "report/Statements.h"
#include "report/SummaryReport.h"

namespace {

struct CGeneratedFiles {
    std::string directory;
    std::string setup;
    std::string data;
};

std::filesystem::path BenchDirectory() {
    return std::filesystem::temp_directory_path() / "tavorin-bench";
}

// The files of the studio `factor` times the large one, made once per run.
const CGeneratedFiles& FilesOf(int factor) {
    static std::map<int, CGeneratedFiles> made;
    auto found = made.find(factor);
    if (found == made.end()) {
        std::string folder = "x";
        folder += std::to_string(factor);
        const std::string directory = (BenchDirectory() / folder).string();
        std::filesystem::remove_all(directory);
        const std::string data =
            WriteGeneratedFiles(directory, CGeneratedSize::LargeTimes(factor), 2025);
        found =
            made.emplace(factor, CGeneratedFiles{directory, directory + "/Big.stu", data}).first;
    }
    return found->second;
}

// A store with the competition and the studio read, its data file a scratch copy.
struct CLoadedStudio {
    explicit CLoadedStudio(int factor) : store(ui) {
        const CGeneratedFiles& files = FilesOf(factor);
        LoadSetupFile(store, files.setup, false);
        store.dataFileName = files.data;
        ReadDataFile(store);
        store.dataFileName = files.directory + "/scratch.tvr";
    }
    CQuietUi ui;
    CDatabase store;
};

void BM_LoadSetupFile(benchmark::State& state) {
    const CGeneratedFiles& files = FilesOf(1);
    for (auto _ : state) {
        CQuietUi ui;
        CDatabase store(ui);
        benchmark::DoNotOptimize(LoadSetupFile(store, files.setup, false));
        state.PauseTiming();
        store.Clear(false);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadSetupFile)->Unit(benchmark::kMillisecond);

void BM_ReadDataFile(benchmark::State& state) {
    const CGeneratedFiles& files = FilesOf(static_cast<int>(state.range(0)));
    CQuietUi ui;
    CDatabase store(ui);
    LoadSetupFile(store, files.setup, false);
    store.dataFileName = files.data;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadDataFile(store));
        state.PauseTiming();
        store.Clear(true);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReadDataFile)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_WriteDataFile(benchmark::State& state) {
    CLoadedStudio studio(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteDataFile(studio.store, studio.store.dataFileName));
    }
}
BENCHMARK(BM_WriteDataFile)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_SummaryReportText(benchmark::State& state) {
    CLoadedStudio studio(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::string text;
        SummaryReport(studio.store, 'T', text);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_SummaryReportText)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The statements of every person, as the statements window shows them.
void BM_Statements(benchmark::State& state) {
    CLoadedStudio studio(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CStatements statements;
        BuildStatements(studio.store, statements);
        benchmark::DoNotOptimize(StatementsText(statements).size());
    }
}
BENCHMARK(BM_Statements)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// A new six-dance form of a pro/am couple saved into the large store, with the file write. The
// form's entries are taken out again, untimed, so that every round saves into the same store.
void BM_SaveEntryForm(benchmark::State& state) {
    CLoadedStudio studio(1);
    CDatabase& store = studio.store;
    const int gentleman = store.personArray[0]->number;
    const int lady = store.personArray[1]->number;
    const int categoryCode = store.categoryArray[5]->code;
    for (auto _ : state) {
        CEntryManager manager(store);
        manager.NewForm(categoryCode, 'F');
        manager.form.owner = store.studioArray.front()->number;
        manager.form.gentleman = gentleman;
        manager.form.lady = lady;
        manager.form.level = 2;
        manager.form.age = 5;
        manager.form.dances = {1, 2, 3, 4, 5, 6};
        benchmark::DoNotOptimize(manager.SaveEntryForm());
        state.PauseTiming();
        std::erase_if(store.entryArray,
                      [&](const auto& e) { return e->formCode == manager.form.formCode; });
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SaveEntryForm)->Unit(benchmark::kMillisecond);

void BM_FillPersonCombo(benchmark::State& state) {
    CLoadedStudio studio(1);
    const int someone = studio.store.personArray[studio.store.personArray.size() / 2]->number;
    CListModel combo;
    for (auto _ : state) {
        FillPersonCombo(studio.store, combo, 7, someone, true, true);
        benchmark::DoNotOptimize(combo.GetCount());
    }
}
BENCHMARK(BM_FillPersonCombo)->Unit(benchmark::kMillisecond);

// The studio's forms list up to the moment the user sees it (and leaves it).
void BM_FormsForStudioOrPerson(benchmark::State& state) {
    CLoadedStudio studio(1);
    const int studioNumber = studio.store.studioArray.front()->number;
    for (auto _ : state) {
        CEntryManager(studio.store).FormsForStudioOrPerson('S', studioNumber);
    }
}
BENCHMARK(BM_FormsForStudioOrPerson)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
