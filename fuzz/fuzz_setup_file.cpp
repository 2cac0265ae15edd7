// Feeds arbitrary bytes to the setup-file loader as a file, then asks the loaded categories and
// price blocks what the rest of the program asks them.
#include <cstdint>
#include <cstdio>
#include <string>

#include "FuzzSupport.h"
#include "data/Database.h"
#include "formats/SetupLoader.h"

namespace {

const std::string& InputPath() {
    static const std::string path = ScratchPath("fuzz_setup_file", "stu");
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(InputPath().c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    CSilentUi ui;
    CDatabase store(ui);
    LoadSetupFile(store, InputPath(), size % 2 == 1 && size < 64);
    for (const auto& category : store.categoryArray) {
        for (int code = 0; code < 256; code += 51) {
            const auto d = static_cast<uint8_t>(code);
            category->EntryDetails(d, d, d);
        }
        if (!category->pcaDances.empty()) {
            const auto& first = category->pcaDances.front();
            category->EntryDetails(first.code, first.code, first.code);
        }
        category->DanceCount();
        category->AllowsEntryType('f');
    }
    for (const auto& item : store.priceListArray) {
        item->Price(nullptr);
    }
    for (const auto& package : store.packageArray) {
        package->Price(nullptr);
    }
    std::remove(InputPath().c_str());
    return 0;
}
