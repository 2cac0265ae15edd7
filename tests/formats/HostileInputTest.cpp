// Files that arrive by e-mail or from a damaged disk: whatever they hold, reading them ends soon,
// in bounded memory, and what can be read is read.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <chrono>
#include <climits>
#include <fstream>

#include "data/Database.h"
#include "formats/DataFileReader.h"
#include "formats/DataFileWriter.h"
#include "formats/SetupLoader.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

#ifndef _WIN32
long PeakMemoryKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
#endif

// A category line after its code.
const std::string kCategory =
    "|Smooth|2|1|Waltz|2|Tango|2|1|Bronze|2|Silver|1|3|Adult|0|A|1|38.00|30.00\n";

}  // namespace

TEST(HostileInput, AHugeSetupFileWithAnEndlessLineLoadsWhatItCan) {
    CTempDir dir;
    std::string setup = "stu|1|Big Open|org@example.org|S|S|S|1\n";
    for (int code = 1; code <= 10000; ++code) {
        setup += "DC|0|BbA|" + std::to_string(code) + kCategory;
    }
    setup += "DC|0|BbA|20000|" + std::string(5 * 1024 * 1024, 'x') + "|1|1|Waltz\n";
    // Numbers with more digits than any integer holds: a code and a count of dances.
    setup += "DC|0|BbA|99999999999999999999999|Wild|88888888888888888888|1|Waltz\n";
    WriteFileBytes(dir.File("Big.stu"), setup);

    CScriptedUi ui;
    CDatabase store(ui);
    const auto start = Clock::now();
    ASSERT_EQ(LoadSetupFile(store, dir.File("Big.stu"), false), 1);
    EXPECT_LT(SecondsSince(start), 20.0);
    // Each category, the endless line's first piece (its name cut), and the wild one.
    ASSERT_EQ(store.categoryArray.size(), 10002u);
    EXPECT_EQ(store.categoryArray[9999]->code, 10000);
    EXPECT_EQ(store.categoryArray[10000]->code, 20000);
    EXPECT_EQ(store.categoryArray[10001]->code, INT_MAX);
    EXPECT_EQ(store.categoryArray[10001]->pcaDances.size(), 1u);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(HostileInput, FiftyMegabytesOfGarbageAreReadSoonInBoundedMemory) {
#ifdef _WIN32
    GTEST_SKIP() << "the peak memory is measured with getrusage";
#else
    CTempDir dir;
    {
        // Written a megabyte at a time, so that the test itself does not raise the peak.
        std::ofstream out(dir.File("Garbage.tvr"), std::ios::binary);
        std::string chunk(1024 * 1024, '\0');
        uint32_t state = 12345;
        for (int megabyte = 0; megabyte < 50; ++megabyte) {
            for (char& c : chunk) {
                state = state * 1103515245u + 12345u;
                c = static_cast<char>(state >> 24);
            }
            out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        }
    }

    CScriptedUi ui;
    CDatabase store(ui);
    store.dataFileName = dir.File("Garbage.tvr");
    const long peakBefore = PeakMemoryKb();
    const auto start = Clock::now();
    EXPECT_TRUE(ReadDataFile(store));
    EXPECT_LT(SecondsSince(start), 30.0);
#ifndef __SANITIZE_ADDRESS__
    // AddressSanitizer holds freed memory back on purpose; the bound holds for the program.
    EXPECT_LT(PeakMemoryKb() - peakBefore, 16 * 1024);
#else
    (void)peakBefore;
#endif
    EXPECT_TRUE(store.studioArray.empty());  // start-up then says it holds no studio data
    EXPECT_TRUE(store.entryArray.empty());
#endif
}

TEST(HostileInput, NamesInTheUpperHalfOfTheCodePageComeBackUnchanged) {
    std::string upper;
    for (int byte = 128; byte <= 255; ++byte) {
        upper += static_cast<char>(byte);
    }
    CTempDir dir;
    CScriptedUi ui;
    CDatabase store(ui);
    store.fieldSeparator = "|";
    store.dataFileName = dir.File("Spring_Studio.tvr");
    AddStudio(store, "Studio " + upper);
    AddPersonRecord(store, 'F', 'A', 0, upper.substr(0, 64), upper.substr(64));
    ASSERT_TRUE(WriteDataFile(store, store.dataFileName));
    const std::string written = ReadFileBytes(store.dataFileName);

    CDatabase reread(ui);
    reread.dataFileName = store.dataFileName;
    ASSERT_TRUE(ReadDataFile(reread));
    ASSERT_EQ(reread.personArray.size(), 1u);
    EXPECT_EQ(reread.studioArray.front()->name, "Studio " + upper);
    EXPECT_EQ(reread.personArray.front()->firstName, upper.substr(0, 64));
    EXPECT_EQ(reread.personArray.front()->lastName, upper.substr(64));
    ASSERT_TRUE(WriteDataFile(reread, reread.dataFileName));
    EXPECT_EQ(ReadFileBytes(reread.dataFileName), written);
    EXPECT_TRUE(ui.messages.empty());
}
