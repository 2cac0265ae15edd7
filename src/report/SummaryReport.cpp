#include "report/SummaryReport.h"

#include <algorithm>
#include <filesystem>
#include <unordered_map>

#include "data/Database.h"
#include "data/LookupScope.h"
#include "entries/EntryDescriptions.h"
#include "formats/DataFileWriter.h"
#include "platform/Ui.h"
#include "report/Pricing.h"
#include "report/ReportWindow.h"
#include "util/Files.h"

namespace {

// "%9.2f": right-aligned in nine characters, "." as decimal point whatever the locale.
std::string Amount9(double value) {
    std::string text = FormatAmount(value);
    if (text.size() < 9) {
        text.insert(0, 9 - text.size(), ' ');
    }
    return text;
}

std::string Unsigned(int value) {
    return std::to_string(static_cast<uint32_t>(value));
}

std::string PersonLine(const CPersonRecord& person) {
    static const char* const kKinds[] = {
        "gentleman professional", "lady professional",       "adult gentleman amateur",
        "adult lady amateur",     "youth gentleman amateur", "youth lady amateur",
    };
    const int code = person.PersonTypeCode();
    const char* kind = code >= 0 && code <= 5 ? kKinds[code] : "non-competitor";
    return person.FormatPersonName(0) + ", " + kind;
}

class CReportBuilder {
public:
    CReportBuilder(CDatabase& store, CStringList& lines)
        : store_(store), lines_(lines), pricesShown_(store.showDancePrices == 1) {}

    void Build() {
        store_.DropLoneRoomGroups();
        Add(store_.studioArray.front()->name);
        AddHeading("Persons attending competition:");
        AddPersons();
        AddHeading("Dance entries:");
        store_.AssignHotelPackages();
        AddEntries();
        AddHeading("Other purchases:");
        AddPurchases();
        Add("");
        if (pricesShown_) {
            Add("Approximate total due: " + FormatAmount(grandTotal_) +
                ", *The final amount due will be provided by organizer invoice*");
        }
        AddRoomingList();
    }

private:
    void Add(std::string line) { lines_.push_back(std::move(line)); }

    // An empty line, the heading and another empty line.
    void AddHeading(const char* heading) {
        Add("");
        Add(heading);
        Add("");
    }

    void AddPersons() {
        const auto entryCounts = EntryCountsOfPersons(store_);
        for (const auto& person : store_.personArray) {
            std::string line = PersonLine(*person);
            if (const auto count = entryCounts.find(person->number); count != entryCounts.end()) {
                line += " (" + std::to_string(count->second) + " dance entries)";
            }
            Add(std::move(line));
            const int group = person->roommateGroup;
            if (group != -1) {
                auto& members = roommates_[group];
                if (members.empty()) {
                    roomGroups_.push_back(group);
                }
                members.push_back(person.get());
            }
        }
    }

    // "Last" and "First" of a stored person; both empty for none.
    void NamesOf(int personNumber, std::string& last, std::string& first) const {
        last.clear();
        first.clear();
        if (const CPersonRecord* person =
                personNumber == -1 ? nullptr : store_.FindPerson(personNumber)) {
            last = person->lastName;
            first = person->firstName;
        }
    }

    // Entries sort by couple (the lady first for a lady pro/am entry), then by what they are;
    // the studio's group entries under "<All>".
    std::string SortText(const CEntryRecord& entry, int firstStudio) const {
        std::string gentLast, gentFirst, ladyLast, ladyFirst;
        NamesOf(entry.gentleman, gentLast, gentFirst);
        NamesOf(entry.lady, ladyLast, ladyFirst);
        std::string key;
        if ((entry.type == 'F' || entry.type == 'f') && !gentLast.empty() && !ladyLast.empty()) {
            key = ladyLast + ladyFirst + gentLast + gentFirst;
        } else if (!gentLast.empty()) {
            key = gentLast + gentFirst + ladyLast + ladyFirst;
        } else if (store_.FindStudio(entry.owner) != nullptr) {
            key = "<All>";
        }
        return key + DescribeForm(store_, entry, 'S', firstStudio);
    }

    void AddEntries() {
        const int firstStudio = store_.studioArray.front()->number;
        std::vector<std::pair<std::string, const CEntryRecord*>> sorted;
        sorted.reserve(store_.entryArray.size());
        for (const auto& entry : store_.entryArray) {
            sorted.emplace_back(SortText(*entry, firstStudio), entry.get());
        }
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });

        std::string previousLabel;
        const CDanceCategory* category = nullptr;
        double groupSubtotal = 0;
        double danceTotal = 0;
        int danceCount = 0;
        for (std::size_t i = 0; i < sorted.size(); ++i) {
            const CEntryRecord& entry = *sorted[i].second;
            if (i == 0 || entry.categoryCode != sorted[i - 1].second->categoryCode) {
                category = store_.FindCategory(entry.categoryCode);
            }
            std::string label = CoupleLabel(store_, entry);
            if (i == 0 || label != previousLabel) {
                if (i != 0) {
                    AddSubtotal(groupSubtotal);
                    Add("");
                }
                groupSubtotal = 0;
                Add(label);
                previousLabel = std::move(label);
            }
            // An entry whose category the setup no longer lists has no fee to show.
            const float fee = category != nullptr ? EntryPrice(store_, *category, entry) : 0.0f;
            groupSubtotal += fee;
            danceTotal += fee;
            grandTotal_ += fee;
            ++danceCount;
            const std::string text = DescribeEntry(store_, entry, true);
            Add(pricesShown_ ? Amount9(fee) + " " + text : text);
        }
        if (!sorted.empty() && pricesShown_) {
            AddSubtotal(groupSubtotal);
            Add("Approximate subtotal for " + std::to_string(danceCount) + " dances, " +
                Amount9(danceTotal));
        }
    }

    void AddSubtotal(double subtotal) {
        if (pricesShown_) {
            Add("Subtotal " + Amount9(subtotal));
        }
    }

    void AddPurchases() {
        for (const auto& purchase : store_.purchaseArray) {
            const CPersonRecord* purchaser = store_.FindPerson(purchase->purchaserNumber);
            const std::string quantity = " (" + Unsigned(purchase->quantity) + ")";
            const std::string line =
                (purchaser != nullptr ? purchaser->FormatPersonName(1) : std::string("Studio")) +
                " - " + purchase->itemName + quantity;
            const float price = PriceOf(*purchase, purchaser, line);
            grandTotal_ += price;
            Add(pricesShown_ ? Amount9(price) + " " + line : line);
        }
    }

    // The price of the whole purchase for its purchaser as of today; 0, after a message, for
    // an item or package the setup no longer lists, and 0 for a kind of purchase nobody prices.
    float PriceOf(const CFinanceRecord& purchase, const CPersonRecord* purchaser,
                  const std::string& line) const {
        if (purchase.type != 'P' && purchase.type != 'O') {
            return 0.0f;
        }
        float piece = 0.0f;
        bool found = false;
        if (purchase.type == 'P') {
            if (const CPackageRecord* package = store_.FindPackage(purchase.itemNumber)) {
                piece = package->Price(purchaser);
                found = true;
            }
        } else if (const CPriceListRecord* item = store_.FindPriceListItem(purchase.itemNumber)) {
            piece = item->Price(purchaser);
            found = true;
        }
        if (!found) {
            store_.ui.ShowMessage(
                FormatText("Package %u for %s not found. Price will be set to zero.",
                           {Unsigned(purchase.itemNumber), line}));
            return 0.0f;
        }
        return piece * static_cast<float>(purchase.quantity);
    }

    void AddRoomingList() {
        if (roomGroups_.empty()) {
            return;
        }
        CItemLineList items;
        ExpandPurchases(store_, 'A', items);
        const auto withRoom = PersonsWithRoomItem(items);
        bool someoneWithoutRoom = false;
        CStringList groupTexts;
        for (std::size_t k = 0; k < roomGroups_.size(); ++k) {
            std::string text = "Sharing room " + std::to_string(k + 1);
            for (const CPersonRecord* person : roommates_[roomGroups_[k]]) {
                text += ", " + person->FormatPersonName(0);
                if (!withRoom.contains(person->number)) {
                    text += "**";
                    someoneWithoutRoom = true;
                }
            }
            groupTexts.push_back(std::move(text));
        }
        AddHeading("Rooming list:");
        lines_.insert(lines_.end(), groupTexts.begin(), groupTexts.end());
        if (someoneWithoutRoom) {
            Add("** Person has not purchased a hotel room.");
        }
    }

    CDatabase& store_;
    CStringList& lines_;
    const bool pricesShown_;
    std::vector<int> roomGroups_;  // in order of first appearance
    std::unordered_map<int, std::vector<const CPersonRecord*>> roommates_;  // in person order
    double grandTotal_ = 0;
};

}  // namespace

bool BuildSummaryReport(CDatabase& store, CStringList& lines) {
    if (store.studioArray.empty()) {
        store.ui.ShowMessage("Error - no studio data");
        return false;
    }
    const CLookupScope lookups(store);
    CReportBuilder(store, lines).Build();
    return true;
}

std::string SummaryReportPath(CDatabase& store) {
    // The report lies beside the competition's files, where the data file lies too.
    const std::filesystem::path directory =
        std::filesystem::path(store.setupFileName).parent_path();
    return (directory / ("SummaryReport_" + store.StudioFileNamePart() + ".txt")).string();
}

namespace {

bool WriteReportFile(CDatabase& store, const CStringList& lines, const std::string& path) {
    // The organizer reads the file on Windows: CR LF whatever system wrote it. A report that
    // could not be written must not pass unnoticed, or an older one would be sent.
    if (WriteLines(path, lines, "\r\n") == 0) {
        store.ui.ShowMessage(FormatText("The summary report could not be written to %s.", {path}));
        return false;
    }
    return true;
}

}  // namespace

bool WriteSummaryReportFile(CDatabase& store, std::string& path) {
    CStringList lines;
    if (!BuildSummaryReport(store, lines)) {
        return false;
    }
    path = SummaryReportPath(store);
    return WriteReportFile(store, lines, path);
}

void SummaryReport(CDatabase& store, char mode, std::string& output) {
    CStringList lines;
    if (!BuildSummaryReport(store, lines)) {
        return;
    }
    switch (mode) {
        case 'S': {
            CReportWindow window(CReportWindow::kSummaryCaption, lines);
            store.ui.RunDialog(window);
            break;
        }
        case 'F':
            output = SummaryReportPath(store);
            WriteReportFile(store, lines, output);
            break;
        case 'T':
            JoinLines(lines, output);
            break;
        default:
            break;
    }
}
