// Writing a store, reading the file into an empty store and writing again gives the same bytes,
// and no record is invented or dropped on the way, for stores made at random.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "data/Database.h"
#include "formats/DataFileReader.h"
#include "formats/DataFileWriter.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"

namespace {

class CStoreGenerator {
public:
    explicit CStoreGenerator(unsigned seed) : random_(seed) {}

    void Fill(CDatabase& db) {
        db.fieldSeparator = Pick<std::string>({"|", ";", "\t"});
        AddSetup(db);
        AddStudios(db);
        AddPersons(db);
        AddEntries(db);
        AddPurchases(db);
    }

private:
    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    bool Chance(int percent) { return Between(1, 100) <= percent; }
    template <class T>
    T Pick(std::initializer_list<T> values) {
        return *(values.begin() + Between(0, static_cast<int>(values.size()) - 1));
    }

    // Texts as users type them, now and then with a separator, a line break, a byte of the
    // code page's upper half, or a value that reads like a tag.
    std::string Text(int maxLength, bool allowEmpty = true) {
        if (Chance(5)) {
            return Pick<std::string>({"ST", "PR", "R", "EN", "-1"});
        }
        static const std::string kPlain =
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,-'&<>()#@\xe9\xfc";
        static const std::string kRisky = "|;\t\r\n";
        const int length = Between(allowEmpty ? 0 : 1, maxLength);
        std::string text;
        for (int i = 0; i < length; ++i) {
            text += Chance(3) ? kRisky[Between(0, 4)]
                              : kPlain[Between(0, static_cast<int>(kPlain.size()) - 1)];
        }
        return text;
    }
    // A last name as the file can carry it: not empty, no "[".
    std::string LastName() {
        std::string name = Text(20, false);
        std::replace(name.begin(), name.end(), '[', 'x');
        return name;
    }
    DATE NextTime() { return MakeDate({2002, 3, 27, 8, 0, 0}) + (++clock_) / (24.0 * 60); }

    // Comment texts must stay distinct as written, or reading joins them.
    void AddComments(CCommentArray& comments) {
        std::set<std::string> written;
        for (int i = Between(0, 3); i > 0; --i) {
            std::string text = Text(60);
            if (written.insert(FieldSafeText(text)).second) {
                comments.push_back({static_cast<uint8_t>(Between(0, 255)),
                                    static_cast<uint8_t>(Between(0, 255)), text});
            }
        }
    }

    void AddSetup(CDatabase& db) {
        AddCategory(db, 10, "Smooth", {{1, "Waltz"}, {2, "Tango"}, {3, "Foxtrot"}},
                    {{1, "Bronze"}, {2, "Silver proficiency"}}, {{1, "Adult"}, {2, "Senior *"}});
        AddCategory(db, 20, "Show", {}, {{1, "Open"}}, {});
        db.categoryArray.back()->style = 'Q';
        AddCategory(db, 30, "Formation", {{1, ""}}, {}, {});
        db.categoryArray.back()->kind = 'G';
        for (int number : {1, 2}) {
            auto package = std::make_unique<CPackageRecord>();
            package->number = number;
            package->name = "Package " + std::to_string(number);
            package->coversEntries = number == 1 ? 1 : 0;
            db.packageArray.push_back(std::move(package));
            auto item = std::make_unique<CPriceListRecord>();
            item->number = number;
            item->name = "Item " + std::to_string(number);
            db.priceListArray.push_back(std::move(item));
        }
    }

    void AddStudios(CDatabase& db) {
        CStudioRecord& studio = AddStudio(db, Text(30, false), NextTime());
        if (Chance(30)) {
            studio.invoiceName = Text(20, false);
        }
        FillStudio(studio);
        // Further studios reach the file only through their comments.
        for (int i = Between(0, 2); i > 0; --i) {
            CStudioRecord& other = AddStudio(db, "Other " + Text(20), NextTime());
            FillStudio(other);
            while (other.pCommentArray.empty()) {
                AddComments(other.pCommentArray);
            }
        }
    }
    void FillStudio(CStudioRecord& studio) {
        for (std::string* text :
             {&studio.address1, &studio.address2, &studio.city, &studio.state, &studio.zip,
              &studio.country, &studio.phone, &studio.fax, &studio.email}) {
            *text = Text(25);
        }
        studio.kind = Pick<char>({'I', 'M', 0});
        studio.status = Between(0, 255);
        AddComments(studio.pCommentArray);
    }

    void AddPersons(CDatabase& db) {
        const int firstStudio = db.studioArray.front()->number;
        for (int i = Between(0, 9); i > 0; --i) {
            // The seven person types, and now and then an old record version.
            static const char kTypes[7][3] = {{'M', 'P', 0}, {'F', 'P', 0}, {'M', 'A', 0},
                                              {'F', 'A', 0}, {'M', 'A', 1}, {'F', 'A', 1},
                                              {0, 0, 0}};
            const auto& type = kTypes[Between(0, 6)];
            CPersonRecord& person =
                AddPersonRecord(db, type[0], type[1], type[2], Text(20), LastName(), NextTime());
            person.version = Chance(15) ? 1 : 2;
            person.nickname = Text(15);
            person.noteToMC = Text(30);
            person.membershipNumber = Text(10);
            person.ssNumber = Text(11);
            person.status = Between(0, 255);
            person.studioNumber = firstStudio;  // as every person read from a file has
            person.roommateGroup = Pick<int>({-1, -1, 1, 2, 3});
            AddComments(person.pCommentArray);
        }
    }

    int SomePerson(const CDatabase& db) {
        if (db.personArray.empty() || Chance(20)) {
            return -1;
        }
        return db.personArray[Between(0, static_cast<int>(db.personArray.size()) - 1)]->number;
    }

    void AddEntries(CDatabase& db) {
        for (int i = Between(0, 10); i > 0; --i) {
            const int category = Pick<int>({10, 20, 30});
            const char type =
                category == 30 ? 'G' : Pick<char>({'F', 'M', 'f', 'm', 'A', 'a', 'P'});
            CEntryRecord& entry = AddEntry(db, category, static_cast<uint8_t>(Between(0, 3)), type,
                                           SomePerson(db), SomePerson(db), SomePerson(db));
            entry.level = static_cast<uint8_t>(Between(0, 2));
            entry.age = static_cast<uint8_t>(Between(0, 255));
            entry.teamName = Chance(40) ? Text(20) : "";
            entry.statusLetter = Pick<char>({'N', 'N', 'C', 0});
            entry.amount = Between(0, 99999);
            entry.status = Between(0, 255);
            entry.created = NextTime();
            if (type == 'G' && !db.personArray.empty()) {
                for (int d = Between(0, 4); d > 0; --d) {
                    entry.dancers.push_back(
                        db.personArray[Between(0, static_cast<int>(db.personArray.size()) - 1)]
                            ->number);
                }
            }
        }
    }

    void AddPurchases(CDatabase& db) {
        for (int i = Between(0, 6); i > 0; --i) {
            const int buyer = SomePerson(db);
            CFinanceRecord& purchase =
                AddPurchase(db, Pick<char>({'P', 'O', 'O', 'X'}), Between(1, 2), buyer, Text(20),
                            Between(0, 50000));
            purchase.quantity = Between(1, 5);
            purchase.purchaserName = buyer == -1 ? "Studio" : Text(25);
            purchase.status = Between(0, 255);
            purchase.created = NextTime();
            if (Chance(10)) {
                // Bought from a price list that no longer has the item.
                purchase.itemNumber = 99;
                purchase.itemName.clear();
                purchase.price = -1;
            }
        }
    }

    std::mt19937 random_;
    int clock_ = 0;
};

size_t CommentCount(const CDatabase& db) {
    size_t count = 0;
    for (const auto& studio : db.studioArray) {
        count += studio->pCommentArray.size();
    }
    for (const auto& person : db.personArray) {
        count += person->pCommentArray.size();
    }
    return count;
}

size_t WrittenPurchases(const CDatabase& db) {
    return std::count_if(db.purchaseArray.begin(), db.purchaseArray.end(),
                         [](const auto& p) { return p->type == 'P' || p->type == 'O'; });
}

TEST(DataFileRoundTripTest, WriteReadWriteGivesTheSameBytes) {
    CTempDir dir;
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        CScriptedUi ui;
        CDatabase original(ui);
        CStoreGenerator(seed).Fill(original);
        const std::string first = dir.File("first.tvr");
        ASSERT_TRUE(WriteDataFile(original, first));

        CDatabase copy(ui);
        CStoreGenerator(seed).Fill(copy);  // the same setup; its studio side is replaced
        copy.studioArray.clear();
        copy.personArray.clear();
        copy.entryArray.clear();
        copy.purchaseArray.clear();
        copy.fieldSeparator.clear();
        copy.dataFileName = first;
        ASSERT_TRUE(ReadDataFile(copy));
        const std::string second = dir.File("second.tvr");
        ASSERT_TRUE(WriteDataFile(copy, second));

        ASSERT_EQ(ReadFileBytes(first), ReadFileBytes(second));
        EXPECT_EQ(copy.fieldSeparator, original.fieldSeparator);
        EXPECT_EQ(copy.studioArray.size(), original.studioArray.size());
        EXPECT_EQ(copy.personArray.size(), original.personArray.size());
        EXPECT_EQ(copy.entryArray.size(), original.entryArray.size());
        EXPECT_EQ(copy.purchaseArray.size(), WrittenPurchases(original));
        EXPECT_EQ(CommentCount(copy), CommentCount(original));
        for (size_t i = 0; i < copy.entryArray.size(); ++i) {
            EXPECT_EQ(copy.entryArray[i]->dancers.size(), original.entryArray[i]->dancers.size());
        }
        EXPECT_TRUE(ui.messages.empty());
    }
}

}  // namespace
