#include "StudioGenerator.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <stdexcept>

#include "QuietUi.h"
#include "data/Database.h"
#include "formats/DataFileWriter.h"
#include "formats/SetupLoader.h"
#include "util/Money.h"
#include "util/Text.h"

namespace {

constexpr const char* kFirstNames[] = {
    "Anna",  "Ben",   "Carla", "David",  "Eva",  "Felix", "Greta", "Hugo",  "Ines",  "Jonas",
    "Klara", "Lukas", "Mia",   "Noah",   "Olga", "Paul",  "Rosa",  "Simon", "Tanja", "Uwe",
    "Vera",  "Willi", "Xenia", "Yannik", "Zoe",  "Emily", "Jacob", "Grace", "Laura", "Sarah",
    "Emma",  "Liam",  "Nora",  "Oscar",  "Pia",  "Ralf",  "Sofia", "Timo",  "Ute",   "Viktor",
};
constexpr const char* kLastNames[] = {
    "Adler",   "Bauer",  "Chen",   "Dietz",  "Engel",   "Fischer", "Graf",    "Hartmann", "Ibsen",
    "Jung",    "Keller", "Lange",  "Meyer",  "Neumann", "Otto",    "Peters",  "Quandt",   "Richter",
    "Schmidt", "Turner", "Ulrich", "Vogel",  "Weber",   "Young",   "Zimmer",  "Collins",  "Park",
    "Bennett", "Kim",    "Miller", "Brandt", "Conrad",  "Dorn",    "Ernst",   "Frank",    "Gruber",
    "Haas",    "Imhof",  "Jaeger", "Kuhn",   "Lorenz",  "Moser",   "Nagel",   "Ostrow",   "Pohl",
    "Roth",    "Sauer",  "Thiel",  "Unger",  "Voss",    "Wolf",    "Ziegler", "Arndt",    "Busch",
    "Claus",   "Decker", "Eckert", "Fuchs",  "Geiger",  "Horn",
};
constexpr const char* kLevels[] = {"Newcomer", "Bronze", "Silver",
                                   "Gold",     "Open",   "Gold Proficiency"};

// Gender, class and youth of the seven person types, and how many of each in a hundred.
struct CPersonType {
    char gender, classLetter;
    uint8_t youth;
    int share;
};
constexpr CPersonType kPersonTypes[] = {
    {'M', 'P', 0, 12}, {'F', 'P', 0, 12}, {'M', 'A', 0, 25}, {'F', 'A', 0, 25},
    {'M', 'A', 1, 10}, {'F', 'A', 1, 10}, {0, 0, 0, 6},
};

// A small generator of our own, so that the same seed makes the same studio everywhere.
class CRandom {
public:
    explicit CRandom(uint32_t seed) : engine_(seed) {}
    int Below(int bound) { return bound <= 0 ? 0 : static_cast<int>(engine_() % bound); }
    bool Chance(int percent) { return Below(100) < percent; }

private:
    std::mt19937 engine_;
};

std::string Fixed2(int units) {
    return FormatCents(int64_t{units} * 100);
}

// Ten prices and the switch date, as a setup file writes a price block.
std::string PriceBlockText(int base) {
    std::string text;
    for (int i = 0; i < 10; ++i) {
        text += std::to_string(base - (i % 5) * 5 - (i >= 5 ? 10 : 0)) + "-";
    }
    return text + "3.15.2025.12.0.0";
}

void AddCategoryLine(std::string& text, const CGeneratedSize& size, int i) {
    const bool proAmTogether = i % 10 == 9;
    const bool levelFees = i % 3 == 1;
    text += "DC|" + std::string(proAmTogether ? "1" : "0") + "|BbAaP|" + std::to_string(1000 + i) +
            "|Category " + std::to_string(i + 1) + " - Single Dances|";
    text += std::to_string(size.dancesPerCategory) + "|";
    for (int d = 1; d <= size.dancesPerCategory; ++d) {
        text += std::to_string(d) + "|Dance " + std::to_string(d) + "|";
    }
    text += std::to_string(size.levels) + "|";
    for (int l = 1; l <= size.levels; ++l) {
        text += std::to_string(l) + "|" + kLevels[(l - 1) % 6] + "|";
    }
    text += std::to_string(size.ages) + "|";
    for (int a = 1; a <= size.ages; ++a) {
        const bool youth = a <= 3;
        text += std::to_string(a) + "|Age " + std::to_string(a) + " (" + std::to_string(a * 8) +
                "-" + std::to_string(a * 8 + 7) + ")|" + (youth ? "1" : "0") + "|";
    }
    if (levelFees) {
        text += "L|" + std::to_string(size.levels) + "|";
        for (int l = 1; l <= size.levels; ++l) {
            text += Fixed2(30 + 5 * l) + "|" + Fixed2(24 + 4 * l) + "|";
        }
    } else {
        text += "A|1|" + Fixed2(38) + "|" + Fixed2(30) + "|";
    }
    text += "20.00|15.00|A|1|1|1.8|8|6|5|S|Y|N|A|N|N|N\r\n";
}

char PriceListKind(int number) {
    return number % 10 == 0 ? 'R' : number % 7 == 0 ? 'S' : 'O';
}

// A package with a hotel room every fourth one; its items are price-list items.
void AddPackageLine(std::string& text, const CGeneratedSize& size, int number) {
    const bool hotel = number % 4 == 0;
    text += "PK|" + std::to_string(number) + "|Package " + std::to_string(number) +
            (hotel ? " with Hotel" : "") + "|" + (hotel ? "Y" : "N") + "|" +
            PriceBlockText(300 + number) + "|0|0|0|";
    std::vector<int> items;
    for (int k = 0; k < 5; ++k) {
        items.push_back(1 + (number * 7 + k * 13) % size.priceListItems);
    }
    if (hotel) {
        items.push_back(std::min(size.priceListItems, 10 * (1 + number % 5)));
    }
    text += std::to_string(items.size()) + "|";
    for (int item : items) {
        text += std::to_string(item) + "|";
    }
    text += "\r\n";
}

DATE Minutes(DATE base, int minutes) {
    return base + minutes / (24.0 * 60.0);
}

class CStudioBuilder {
public:
    CStudioBuilder(CDatabase& store, const CGeneratedSize& size, uint32_t seed)
        : store_(store), size_(size), random_(seed) {}

    void Build() {
        AddStudios();
        AddPersons();
        AddForms();
        AddPurchases();
    }

private:
    void AddStudios() {
        const char* names[] = {"Generated Dance Academy", "Visiting Coaches Studio",
                               "Ballroom Friends"};
        for (int i = 0; i < 3; ++i) {
            auto studio = std::make_unique<CStudioRecord>();
            studio->number = i + 1;
            studio->name = names[i];
            studio->address1 = std::to_string(100 + i) + " Main Street";
            studio->city = "Springfield";
            studio->state = "OR";
            studio->zip = "97201";
            studio->phone = "503-555-01" + std::to_string(10 + i);
            studio->email = "office" + std::to_string(i) + "@studio.example.org";
            studio->kind = 'M';
            studio->created = Minutes(base_, i);
            studio->pCommentArray.push_back({1, 1, "Studio note " + std::to_string(i + 1)});
            AppendRecord(store_.studioArray, std::move(studio));
        }
    }

    int PickType() {
        int roll = random_.Below(100);
        for (int t = 0; t < 7; ++t) {
            roll -= kPersonTypes[t].share;
            if (roll < 0) {
                return t;
            }
        }
        return 6;
    }

    void AddPersons() {
        int nextGroup = 1;
        for (int i = 0; i < size_.persons; ++i) {
            const int type = PickType();
            auto person = std::make_unique<CPersonRecord>();
            person->number = i + 1;
            person->gender = kPersonTypes[type].gender;
            person->classLetter = kPersonTypes[type].classLetter;
            person->youth = kPersonTypes[type].youth;
            person->firstName = kFirstNames[random_.Below(std::size(kFirstNames))];
            person->lastName = kLastNames[random_.Below(std::size(kLastNames))];
            if (random_.Chance(20)) {
                person->nickname = person->firstName.substr(0, 3);
            }
            if (random_.Chance(10)) {
                person->noteToMC = ToUpperAscii(person->lastName);
            }
            person->membershipNumber = "M-" + std::to_string(10000 + i);
            // Professionals from elsewhere coach some of the studio's couples.
            person->studioNumber = type <= 1 && random_.Chance(20) ? 2 : 1;
            person->created = Minutes(base_, 10 + i);
            if (random_.Chance(20)) {
                person->pCommentArray.push_back({1, 1, "Arrives Friday"});
                if (random_.Chance(30)) {
                    person->pCommentArray.push_back({1, 1, "Vegetarian meals, please"});
                }
            }
            byType_[type].push_back(person->number);
            AppendRecord(store_.personArray, std::move(person));
        }
        // Roommates: about a third of the persons share a room in twos and threes.
        for (size_t i = 0; i + 3 < store_.personArray.size(); i += 9) {
            const size_t members = 2 + i % 2;
            for (size_t k = 0; k < members; ++k) {
                store_.personArray[i + k]->roommateGroup = nextGroup;
            }
            ++nextGroup;
        }
    }

    // A person of that type, or -1 when the studio has none.
    int Any(int type) {
        const auto& pool = byType_[type];
        return pool.empty() ? -1 : pool[random_.Below(static_cast<int>(pool.size()))];
    }

    // Dances per form: the entries shared evenly, then pairs of forms trade a few dances, so
    // that forms differ in size while the total stays.
    std::vector<int> DanceCounts() {
        std::vector<int> counts(size_.forms);
        for (int f = 0; f < size_.forms; ++f) {
            counts[f] = static_cast<int>(static_cast<int64_t>(f + 1) * size_.entries / size_.forms -
                                         static_cast<int64_t>(f) * size_.entries / size_.forms);
        }
        for (int f = 0; f + 1 < size_.forms; f += 2) {
            const int trade =
                random_.Below(std::min(counts[f + 1], size_.dancesPerCategory - counts[f] + 1));
            counts[f] += trade;
            counts[f + 1] -= trade;
        }
        return counts;
    }

    void AddForms() {
        static const char kTypes[] = "FFFFMMffmAAAaaPPG";
        int entryNumber = 0;
        const std::vector<int> counts = DanceCounts();
        for (int form = 0; form < size_.forms; ++form) {
            const int dances = std::min(counts[form], size_.dancesPerCategory);
            const char type = kTypes[random_.Below(static_cast<int>(sizeof kTypes) - 1)];
            CEntryRecord model;
            model.type = type;
            model.owner = 1;
            model.formCode = form + 1;
            const CDanceCategory& category =
                *store_.categoryArray[random_.Below(static_cast<int>(store_.categoryArray.size()))];
            model.categoryCode = category.code;
            model.kind = category.kind;
            model.level = static_cast<uint8_t>(1 + random_.Below(size_.levels));
            const bool youth = type == 'f' || type == 'm' || type == 'a';
            model.age = static_cast<uint8_t>(youth ? 1 + random_.Below(3)
                                                   : 4 + random_.Below(size_.ages - 3));
            SetDancers(model, type);
            model.created = Minutes(base_, 2000 + form);
            model.entryMark = category.entryMark;
            const int first = random_.Below(size_.dancesPerCategory - dances + 1);
            for (int d = 0; d < dances; ++d) {
                auto entry = std::make_unique<CEntryRecord>(model);
                entry->number = ++entryNumber;
                entry->dance = static_cast<uint8_t>(1 + first + d);
                entry->style = entry->EffectiveStyle(category);
                AppendRecord(store_.entryArray, std::move(entry));
            }
        }
    }

    void SetDancers(CEntryRecord& entry, char type) {
        switch (type) {
            case 'F':
                entry.gentleman = Any(0), entry.lady = Any(3);
                break;
            case 'M':
                entry.gentleman = Any(2), entry.lady = Any(1);
                break;
            case 'f':
                entry.gentleman = Any(0), entry.lady = Any(5);
                break;
            case 'm':
                entry.gentleman = Any(4), entry.lady = Any(1);
                break;
            case 'A':
            case 'a':
                entry.gentleman = Any(type == 'A' ? 2 : 4);
                entry.lady = Any(type == 'A' ? 3 : 5);
                entry.coach = random_.Chance(50) ? Any(random_.Below(2)) : -1;
                break;
            case 'P':
                entry.gentleman = Any(0), entry.lady = Any(1);
                break;
            default:  // a group: its dancers and a team name
                for (int k = 3 + random_.Below(4); k > 0; --k) {
                    entry.dancers.push_back(Any(2 + random_.Below(4)));
                }
                entry.teamName = "Team " + std::to_string(1 + random_.Below(50));
                break;
        }
    }

    void AddPurchases() {
        for (int i = 0; i < size_.purchases; ++i) {
            auto purchase = std::make_unique<CFinanceRecord>();
            purchase->number = i + 1;
            purchase->studioNumber = 1;
            const bool package = random_.Chance(30);
            purchase->type = package ? 'P' : 'O';
            const CPersonRecord* buyer =
                random_.Chance(85) ? store_.personArray[random_.Below(size_.persons)].get()
                                   : nullptr;
            purchase->purchaserNumber = buyer != nullptr ? buyer->number : -1;
            purchase->purchaserName = buyer != nullptr ? buyer->FormatPersonName(1) : "Studio";
            if (package) {
                const auto& item = *store_.packageArray[random_.Below(size_.packages)];
                purchase->itemNumber = item.number;
                purchase->itemName = item.name;
                purchase->price = item.Price(buyer);
            } else {
                const auto& item = *store_.priceListArray[random_.Below(size_.priceListItems)];
                purchase->itemNumber = item.number;
                purchase->itemName = item.name;
                purchase->price = item.Price(buyer);
            }
            purchase->quantity = 1 + random_.Below(3);
            purchase->created = Minutes(base_, 30000 + i);
            AppendRecord(store_.purchaseArray, std::move(purchase));
        }
    }

    CDatabase& store_;
    const CGeneratedSize size_;
    CRandom random_;
    const DATE base_ = MakeDate({2025, 2, 17, 9, 0, 0});
    std::vector<int> byType_[7];
};

}  // namespace

CGeneratedSize CGeneratedSize::LargeTimes(int factor) {
    CGeneratedSize size;
    size.persons *= factor;
    size.forms *= factor;
    size.entries *= factor;
    size.purchases *= factor;
    return size;
}

CGeneratedSize CGeneratedSize::Small() {
    CGeneratedSize size;
    size.categories = 12;
    size.dancesPerCategory = 5;
    size.levels = 6;
    size.ages = 8;
    size.priceListItems = 20;
    size.packages = 6;
    size.persons = 60;
    size.forms = 80;
    size.entries = 260;
    size.purchases = 50;
    return size;
}

std::string GenerateSetupText(const CGeneratedSize& size) {
    std::string text = "stu|1|Grand Generated Open|entries@open.example.org|T|S|N|1\r\n";
    for (int i = 0; i < size.categories; ++i) {
        AddCategoryLine(text, size, i);
    }
    for (int n = 1; n <= size.priceListItems; ++n) {
        const char kind = PriceListKind(n);
        text += "PL|" + std::to_string(n) + "|" + kind + "|" +
                (kind == 'R' ? "Hotel Room " : "Item ") + std::to_string(n) + "|" +
                (kind == 'S' ? "1" : "0") + "|4.25.2025.9.0.0|N|1||N|" +
                PriceBlockText(40 + n % 50) + "\r\n";
    }
    for (int n = 1; n <= size.packages; ++n) {
        AddPackageLine(text, size, n);
    }
    return text;
}

void GenerateStudio(CDatabase& store, const CGeneratedSize& size, uint32_t seed) {
    CStudioBuilder(store, size, seed).Build();
}

std::string WriteGeneratedFiles(const std::string& directory, const CGeneratedSize& size,
                                uint32_t seed) {
    std::filesystem::create_directories(directory);
    const std::string setupPath = (std::filesystem::path(directory) / "Big.stu").string();
    std::ofstream(setupPath, std::ios::binary) << GenerateSetupText(size);
    CQuietUi ui;
    CDatabase store(ui);
    if (LoadSetupFile(store, setupPath, false) != 1) {
        throw std::runtime_error("generated setup file does not load: " + setupPath);
    }
    GenerateStudio(store, size, seed);
    const std::string dataPath =
        (std::filesystem::path(directory) / "Big_Generated_Dance_Academy.tvr").string();
    if (!WriteDataFile(store, dataPath)) {
        throw std::runtime_error("cannot write " + dataPath);
    }
    return dataPath;
}
