// Plays a user who keeps changing entry forms, every choice and every answer to a duplicate
// question taken from the fuzzer's bytes. After each change the data file written must read
// back into the same entries and forms; a difference stops the run as a finding.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzSupport.h"
#include "support/FormEditing.h"

namespace {

class CByteSource {
public:
    CByteSource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Exhausted() const { return next_ >= size_; }
    // A number below n from the next byte; 0 once the bytes run out.
    std::size_t Pick(std::size_t n) { return Exhausted() ? 0 : data_[next_++] % n; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t next_ = 0;
};

class CByteAnswerUi : public CSilentUi {
public:
    explicit CByteAnswerUi(CByteSource& bytes) : bytes_(bytes) {}
    bool AskYesNo(const std::string&) override { return bytes_.Pick(2) == 1; }

private:
    CByteSource& bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CByteSource bytes(data, size);
    CByteAnswerUi ui(bytes);
    const std::string file = ScratchPath("fuzz_entry_forms", "forms.tvr");
    {
        CFormEditSession session([&bytes](std::size_t n) { return bytes.Pick(n); }, ui, file);
        // A bounded number of steps: each one writes and reads the whole file.
        for (int step = 0; step < 40 && !bytes.Exhausted(); ++step) {
            std::string problem = session.Step();
            if (problem.empty()) {
                problem = session.DifferenceFromFile();
            }
            if (!problem.empty()) {
                std::fprintf(stderr, "after step %d: %s\n", step, problem.c_str());
                std::abort();
            }
        }
    }
    std::remove(file.c_str());
    return 0;
}
