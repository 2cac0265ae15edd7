// Reading through the indexes gives exactly the store that scanning the arrays gives: the same
// records, numbers, form codes and field values, in the same order. The files are generated
// studios, stirred so that the first-match rules matter: lines in another order (persons first
// met on entry lines), names in another letter case, repeated lines, a person's twin that only
// the creation time tells apart, and a second read into a store that already holds the studio.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "StudioGenerator.h"
#include "data/Database.h"
#include "formats/DataFileReader.h"
#include "formats/DataFileWriter.h"
#include "formats/SetupLoader.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"

namespace {

std::string Comments(const CCommentArray& comments) {
    std::string text;
    for (const auto& c : comments) {
        text += "{" + std::to_string(c.first) + "," + std::to_string(c.second) + "," + c.text + "}";
    }
    return text;
}

// Every value the reader sets, one line per record.
std::vector<std::string> Dump(const CDatabase& db) {
    std::vector<std::string> lines{db.fieldSeparator};
    auto line = [&](auto... values) {
        std::ostringstream out;
        out.precision(17);
        ((out << values << '|'), ...);
        lines.push_back(out.str());
    };
    for (const auto& s : db.studioArray) {
        line("ST", s->index, s->number, s->name, s->address1, s->address2, s->city, s->state,
             s->zip, s->country, s->phone, s->fax, s->email, int(s->kind), s->status, s->created,
             Comments(s->pCommentArray));
    }
    for (const auto& p : db.personArray) {
        line("PR", p->index, p->number, int(p->version), int(p->classLetter), int(p->gender),
             int(p->youth), p->lastName, p->firstName, p->nickname, p->noteToMC,
             p->membershipNumber, p->ssNumber, p->studioNumber, p->roommateGroup, p->status,
             p->created, Comments(p->pCommentArray));
    }
    for (const auto& u : db.purchaseArray) {
        line("PU", u->index, u->number, int(u->type), u->studioNumber, u->purchaserNumber, u->price,
             u->quantity, u->itemNumber, u->purchaserName, u->itemName, u->status, u->created,
             u->secondTime);
    }
    for (const auto& e : db.entryArray) {
        std::string dancers;
        for (int d : e->dancers) {
            dancers += std::to_string(d) + ",";
        }
        line("EN", e->index, e->number, int(e->kind), int(e->type), e->gentleman, e->lady, e->coach,
             dancers, e->owner, e->formCode, e->categoryCode, int(e->dance), int(e->level),
             int(e->age), e->teamName, int(e->style), int(e->statusLetter), e->amount,
             int(e->entryMark), e->status, e->created);
    }
    return lines;
}

// The written file, stirred. Group dancer lines stay with the entry line they precede.
std::string Stir(const std::string& bytes, unsigned seed) {
    std::mt19937 random(seed);
    auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
    std::vector<std::string> blocks;
    std::string pending;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
        line += "\n";
        pending += line;
        if (line.rfind("GR|", 0) != 0) {
            blocks.push_back(pending);
            pending.clear();
        }
    }
    std::vector<std::string> stirred;
    for (std::string block : blocks) {
        // Another letter case for every name on the line: matched ignoring case, and taken
        // over by the person's own line.
        if (chance(15)) {
            for (char& c : block) {
                c = static_cast<char>(chance(50) ? std::toupper(c) : std::tolower(c));
            }
            // The tags and the youth letters must keep their case.
            for (const char* tag : {"st|", "pr|", "en|", "gr|", "pu|", "cm|"}) {
                for (auto at = block.find(tag); at != std::string::npos; at = block.find(tag, at)) {
                    block[at] = static_cast<char>(std::toupper(block[at]));
                    block[at + 1] = static_cast<char>(std::toupper(block[at + 1]));
                }
            }
        }
        stirred.push_back(block);
        if (chance(5)) {
            stirred.push_back(block);
        }
        // A twin of a person: the same names, created half a minute later.
        if (block.rfind("PR|", 0) == 0 && chance(10)) {
            const auto minute = block.find(".0|ST|");
            if (minute != std::string::npos) {
                std::string twin = block;
                twin.replace(minute, 2, ".30");  // thirty seconds later
                stirred.push_back(twin);
            }
        }
    }
    // The first line names the studio whose data this is; the rest in any order.
    std::shuffle(stirred.begin() + 1, stirred.end(), random);
    std::string result;
    for (const auto& block : stirred) {
        result += block;
    }
    return result;
}

class IndexedReadTest : public ::testing::Test {
protected:
    void SetUp() override {
        const CGeneratedSize size = CGeneratedSize::Small();
        setupPath = dir.File("Small.stu");
        WriteFileBytes(setupPath, GenerateSetupText(size));
        CDatabase source(ui);
        ASSERT_EQ(LoadSetupFile(source, setupPath, false), 1);
        GenerateStudio(source, size, 7);
        ASSERT_TRUE(WriteDataFile(source, dir.File("written.tvr")));
        written = ReadFileBytes(dir.File("written.tvr"));
    }

    // The store after reading `bytes` `times` times in one mode.
    std::vector<std::string> ReadAs(const std::string& bytes, CMergeLookupMode mode, int times) {
        CDatabase db(ui);
        EXPECT_EQ(LoadSetupFile(db, setupPath, false), 1);
        db.dataFileName = dir.File("read.tvr");
        WriteFileBytes(db.dataFileName, bytes);
        for (int i = 0; i < times; ++i) {
            EXPECT_TRUE(ReadDataFile(db, nullptr, mode));
        }
        return Dump(db);
    }

    CTempDir dir;
    CScriptedUi ui;
    std::string setupPath;
    std::string written;
};

TEST_F(IndexedReadTest, GivesTheStoreThatScanningGives) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const std::string bytes = seed == 1 ? written : Stir(written, seed);
        for (int times : {1, 2}) {
            SCOPED_TRACE("read " + std::to_string(times) + " times");
            const auto scanned = ReadAs(bytes, CMergeLookupMode::kScan, times);
            const auto indexed = ReadAs(bytes, CMergeLookupMode::kIndexed, times);
            // A studio with persons of every kind and hundreds of entries came back.
            ASSERT_GT(scanned.size(), 300u);
            EXPECT_EQ(indexed, scanned);
        }
    }
}

}  // namespace
