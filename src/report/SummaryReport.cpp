#include "report/SummaryReport.h"

#include <filesystem>
#include <string_view>
#include <unordered_map>

#include "data/Database.h"
#include "data/LookupScope.h"
#include "entries/EntryDescriptions.h"
#include "platform/Ui.h"
#include "report/Pricing.h"
#include "report/ReportCharges.h"
#include "report/ReportWindow.h"
#include "util/Files.h"
#include "util/LineSink.h"
#include "util/Money.h"
#include "util/SystemPath.h"

namespace {

std::string Unsigned(int value) {
    return std::to_string(static_cast<uint32_t>(value));
}

class CReportBuilder {
public:
    CReportBuilder(CDatabase& store, CLineSink& sink, bool quiet = false,
                   std::vector<CReportLine>* rows = nullptr)
        : store_(store),
          sink_(sink),
          rows_(rows),
          pricesShown_(store.showDancePrices == 1),
          quiet_(quiet) {}

    // The "Approximate total due", as the report adds up what its lines show.
    int64_t TotalDue() const { return totalDue_; }

    void Build() {
        store_.DropLoneRoomGroups();
        Add(store_.studioArray.front()->name, CReportLineKind::Studio);
        AddHeading("Persons attending competition:");
        AddPersons();
        AddHeading("Dance entries:");
        store_.AssignHotelPackages();
        charges_ = ChargesOf(store_);
        // A line per entry, up to four more per couple, and one per purchase: the report need
        // not move what it holds to grow.
        sink_.ExpectLines(charges_.entries.size() + 4 * charges_.coupleLabels.size() +
                          charges_.purchases.size() + 8);
        AddEntries();
        AddHeading("Other purchases:");
        AddPurchases();
        Add("");
        if (pricesShown_) {
            const char* const note = "*The final amount due will be provided by organizer invoice*";
            line_.assign("Approximate total due: ");
            AppendCents(line_, totalDue_);
            line_ += ", ";
            line_ += note;
            Add(line_, CReportLineKind::Total, "Approximate total due:", FormatCents(totalDue_));
            Row(CReportLineKind::Text, note, "");
        }
        AddRoomingList();
    }

private:
    // The line, and its row as the line itself unless `text` or `amount` say otherwise.
    void Add(std::string_view line, CReportLineKind kind = CReportLineKind::Text,
             std::string_view text = {}, std::string_view amount = {}) {
        sink_.Line(line);
        if (line.empty()) {
            kind = CReportLineKind::Blank;
        }
        Row(kind, text.empty() && amount.empty() ? line : text, amount);
    }
    void Row(CReportLineKind kind, std::string_view text, std::string_view amount) {
        if (rows_ != nullptr) {
            rows_->push_back({kind, std::string(text), std::string(amount)});
        }
    }

    // An empty line, the heading and another empty line.
    void AddHeading(const char* heading) {
        Add("");
        Add(heading, CReportLineKind::Heading);
        Add("");
    }

    void AddPersons() {
        const auto entryCounts = EntryCountsOfPersons(store_);
        for (const auto& person : store_.personArray) {
            line_.clear();
            person->AppendName(line_, 0);
            line_ += ", ";
            line_ += PersonKind(*person);
            if (const auto count = entryCounts.find(person->number); count != entryCounts.end()) {
                line_ += " (";
                line_ += std::to_string(count->second);
                line_ += " dance entries)";
            }
            Add(line_);
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

    void AddEntries() {
        std::string_view previousLabel;
        int64_t groupSubtotal = 0;
        int64_t danceTotal = 0;
        int danceCount = 0;
        bool first = true;
        for (const auto& [entry, fee, couple] : charges_.entries) {
            const std::string_view label = charges_.coupleLabels[couple];
            if (first || label != previousLabel) {
                if (!first) {
                    AddSubtotal(groupSubtotal);
                    Add("");
                }
                groupSubtotal = 0;
                Add(label, CReportLineKind::Couple);
                previousLabel = label;
            }
            first = false;
            groupSubtotal += fee;
            danceTotal += fee;
            ++danceCount;
            // Put together in one reused buffer, then copied out at its size.
            line_.clear();
            if (pricesShown_) {
                AppendCents9(line_, fee);
                line_ += ' ';
            }
            const std::size_t textStart = line_.size();
            AppendEntryDescription(line_, store_, *entry, true);
            Add(line_, CReportLineKind::Entry, std::string_view(line_).substr(textStart),
                pricesShown_ ? FormatCents(fee) : std::string());
        }
        if (!charges_.entries.empty() && pricesShown_) {
            AddSubtotal(groupSubtotal);
            line_.assign("Approximate subtotal for ");
            line_ += std::to_string(danceCount);
            line_ += " dances,";
            const std::string text = line_;
            line_ += ' ';
            AppendCents9(line_, danceTotal);
            Add(line_, CReportLineKind::Subtotal, text, FormatCents(danceTotal));
        }
        totalDue_ += danceTotal;
    }

    void AddSubtotal(int64_t subtotal) {
        if (pricesShown_) {
            line_.assign("Subtotal ");
            AppendCents9(line_, subtotal);
            Add(line_, CReportLineKind::Subtotal, "Subtotal", FormatCents(subtotal));
        }
    }

    void AddPurchases() {
        std::string what;  // who bought what, reused
        for (const auto& [purchase, price] : charges_.purchases) {
            what.clear();
            if (const CPersonRecord* purchaser = store_.FindPerson(purchase->purchaserNumber)) {
                purchaser->AppendName(what, 1);
            } else {
                what += "Studio";
            }
            what += " - ";
            what += purchase->itemName;
            what += " (";
            what += Unsigned(purchase->quantity);
            what += ')';
            if (!price && !quiet_) {
                store_.ui.ShowMessage(
                    FormatText("Package %u for %s not found. Price will be set to zero.",
                               {Unsigned(purchase->itemNumber), what}));
            }
            totalDue_ += price.value_or(0);
            line_.clear();
            if (pricesShown_) {
                AppendCents9(line_, price.value_or(0));
                line_ += ' ';
            }
            line_ += what;
            Add(line_, CReportLineKind::Entry, what,
                pricesShown_ ? FormatCents(price.value_or(0)) : std::string());
        }
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
        for (const std::string& text : groupTexts) {
            Add(text);
        }
        if (someoneWithoutRoom) {
            Add("** Person has not purchased a hotel room.");
        }
    }

    CDatabase& store_;
    CLineSink& sink_;
    std::vector<CReportLine>* rows_;  // none unless a printed document is made
    const bool pricesShown_;
    const bool quiet_;  // no message: the report is only added up
    int64_t totalDue_ = 0;
    std::vector<int> roomGroups_;  // in order of first appearance
    std::unordered_map<int, std::vector<const CPersonRecord*>> roommates_;  // in person order
    CStudioCharges charges_;
    std::string line_;  // each line is put together here, then handed on
};

}  // namespace

const char* PersonKind(const CPersonRecord& person) {
    static const char* const kKinds[] = {
        "gentleman professional", "lady professional",       "adult gentleman amateur",
        "adult lady amateur",     "youth gentleman amateur", "youth lady amateur",
    };
    const int code = person.PersonTypeCode();
    return code >= 0 && code <= 5 ? kKinds[code] : "non-competitor";
}

namespace {

bool BuildReport(CDatabase& store, CLineSink& sink, std::vector<CReportLine>* rows = nullptr) {
    if (store.studioArray.empty()) {
        store.ui.ShowMessage("Error - no studio data");
        return false;
    }
    const CLookupScope lookups(store);
    CReportBuilder(store, sink, false, rows).Build();
    return true;
}

// Lines that no one reads: the report made only for its total.
class CDiscardingSink : public CLineSink {
public:
    void Line(std::string_view) override {}
    void PageBreak() override {}
    void ExpectLines(std::size_t) override {}
};

}  // namespace

int64_t SummaryReportTotal(CDatabase& store) {
    if (store.studioArray.empty()) {
        return 0;
    }
    const CLookupScope lookups(store);
    CDiscardingSink sink;
    CReportBuilder builder(store, sink, true);
    builder.Build();
    return builder.TotalDue();
}

bool BuildSummaryReport(CDatabase& store, CStringList& lines) {
    CLinesSink sink(lines);
    return BuildReport(store, sink);
}

bool BuildSummaryReport(CDatabase& store, CStringList& lines, std::vector<CReportLine>& rows) {
    CLinesSink sink(lines);
    return BuildReport(store, sink, &rows);
}

std::string SummaryReportPath(CDatabase& store) {
    // The report lies beside the competition's files, where the data file lies too.
    const std::filesystem::path directory = SystemPath(store.setupFileName).parent_path();
    return PathText(directory / SystemPath("SummaryReport_" + store.StudioFileNamePart() + ".txt"));
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
    if (mode == 'T') {
        CTextSink sink(output, "\r\n");
        BuildReport(store, sink);
        return;
    }
    CStringList lines;
    std::vector<CReportLine> rows;
    if (!BuildSummaryReport(store, lines, rows)) {
        return;
    }
    switch (mode) {
        case 'S': {
            CReportWindow window(store.ui, CReportWindow::kSummaryCaption, lines);
            window.OfferDocument(std::move(rows));
            std::string fileName = "SummaryReport_";
            fileName += store.StudioFileNamePart();
            window.SuggestFileName(std::move(fileName));
            window.OfferStatements(store);
            store.ui.RunDialog(window);
            break;
        }
        case 'F':
            output = SummaryReportPath(store);
            WriteReportFile(store, lines, output);
            break;
        default:
            break;
    }
}
