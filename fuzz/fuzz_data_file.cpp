// Feeds arbitrary bytes to the studio data-file reader as a file, against a small competition,
// then writes what was read and reads that once more, as the program does after every change.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "FuzzSupport.h"
#include "data/Database.h"
#include "formats/DataFileReader.h"
#include "formats/DataFileWriter.h"

namespace {

// Categories 12 (with dances, levels and ages) and 30 (a group category without dances), one
// package that includes a hotel room and one price-list item.
void AddCompetition(CDatabase& store) {
    auto rhythm = std::make_unique<CDanceCategory>();
    rhythm->code = 12;
    rhythm->pcaDances.push_back({1, "Cha cha", ""});
    rhythm->pcaDances.push_back({2, "Rumba", ""});
    rhythm->pcaLevels.push_back({2, "Bronze proficiency", 0});
    rhythm->pcaAges.push_back({3, "Adult *", "", 0, 0});
    store.categoryArray.push_back(std::move(rhythm));
    auto formation = std::make_unique<CDanceCategory>();
    formation->code = 30;
    formation->kind = 'G';
    formation->style = 'T';
    store.categoryArray.push_back(std::move(formation));
    auto package = std::make_unique<CPackageRecord>();
    package->number = 1;
    package->name = "Hotel package";
    package->coversEntries = 1;
    store.packageArray.push_back(std::move(package));
    auto item = std::make_unique<CPriceListRecord>();
    item->number = 1;
    item->name = "Ticket";
    store.priceListArray.push_back(std::move(item));
}

void ReadAndWrite(const std::string& input, const std::string& output) {
    CSilentUi ui;
    CDatabase store(ui);
    AddCompetition(store);
    store.dataFileName = input;
    ReadDataFile(store);
    for (const auto& person : store.personArray) {
        FormatPersonRecord(store, person->number);
    }
    store.NextFormCode();
    WriteDataFile(store, output);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input = ScratchPath("fuzz_data_file", "in.tvr");
    const std::string written = ScratchPath("fuzz_data_file", "out.tvr");
    const std::string again = ScratchPath("fuzz_data_file", "again.tvr");
    std::FILE* file = std::fopen(input.c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    ReadAndWrite(input, written);
    ReadAndWrite(written, again);
    std::remove(input.c_str());
    std::remove(written.c_str());
    std::remove(again.c_str());
    return 0;
}
