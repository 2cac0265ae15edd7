// Feeds arbitrary bytes to the setup-file loader as a file, then asks the loaded categories and
// price blocks what the rest of the program asks them.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "data/Database.h"
#include "platform/Ui.h"

namespace {

class CSilentUi : public CUi {
public:
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    int RunDialog(CDialogModel&) override { return IDCANCEL; }
    void OpenHelp(unsigned) override {}
};

const std::string& InputPath() {
    static const std::string path = "/tmp/fuzz_setup_file." + std::to_string(::getpid()) + ".stu";
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
    store.LoadSetupFile(InputPath(), size % 2 == 1 && size < 64);
    for (const auto& category : store.categoryArray) {
        for (int code = 0; code < 256; code += 51) {
            const auto d = static_cast<uint8_t>(code);
            category->EntryDetails(d, d, d);
        }
        if (!category->pcaDances->empty()) {
            const auto& first = category->pcaDances->front();
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
