#include "cli/SetupJson.h"

#include <charconv>

#include "data/Database.h"
#include "util/CodePage.h"
#include "util/Dates.h"

using nlohmann::ordered_json;

ordered_json JsonText(const std::string& text) {
    return Cp1252ToUtf8(text);
}

ordered_json JsonLetter(char letter) {
    return letter == '\0' ? std::string() : Cp1252ToUtf8(std::string(1, letter));
}

ordered_json JsonNumber(float value) {
    // The shortest text that reads back as the same float, read as a double: 0.1f stays 0.1.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    double shortest = value;
    std::from_chars(buffer, written.ptr, shortest);
    return shortest;
}

ordered_json JsonCents(int64_t cents) {
    // A double that prints as the amount's decimals: 1999 cents is 19.99.
    return static_cast<double>(cents) / 100.0;
}

ordered_json JsonDate(double date) {
    return FormatDateText(date);
}

namespace {

template <class Values, class Convert>
ordered_json JsonArray(const Values& values, Convert convert) {
    ordered_json array = ordered_json::array();
    for (const auto& value : values) {
        array.push_back(convert(value));
    }
    return array;
}

ordered_json PricesJson(const PriceBlock& block) {
    return JsonArray(block.prices, JsonCents);
}

ordered_json CategoryJson(const CDanceCategory& c) {
    ordered_json out;
    out["code"] = c.code;
    out["name"] = JsonText(c.name);
    out["kind"] = JsonLetter(c.kind);
    out["allowAdultProAm"] = c.allowAdultProAm;
    out["allowYouthProAm"] = c.allowYouthProAm;
    out["allowAdultAmateur"] = c.allowAdultAmateur;
    out["allowYouthAmateur"] = c.allowYouthAmateur;
    out["allowProfessional"] = c.allowProfessional;
    out["proAmTogether"] = JsonLetter(c.proAmTogether);
    out["style"] = JsonLetter(c.style);
    out["styleNumber"] = c.styleNumber;
    out["entryMark"] = JsonLetter(c.entryMark);
    out["feeBasis"] = JsonLetter(c.feeBasis);
    out["unitCountBasis"] = JsonLetter(c.unitCountBasis);
    out["unitCount"] = c.unitCount;
    out["adultFee"] = JsonCents(c.adultFee);
    out["youthFee"] = JsonCents(c.youthFee);
    out["adultExtraFee"] = JsonCents(c.adultExtraFee);
    out["youthExtraFee"] = JsonCents(c.youthExtraFee);
    out["adultFeeList"] = JsonArray(c.adultFeeList, JsonCents);
    out["youthFeeList"] = JsonArray(c.youthFeeList, JsonCents);
    out["unitCountList"] = JsonArray(c.unitCountList, [](uint8_t n) { return ordered_json(n); });
    out["optionBytes"] = JsonArray(c.optionBytes, [](uint8_t n) { return ordered_json(n); });
    out["dances"] = JsonArray(c.pcaDances, [](const DanceItem& d) {
        return ordered_json{{"code", d.code}, {"name", JsonText(d.name)}};
    });
    out["levels"] = JsonArray(c.pcaLevels, [](const LevelItem& l) {
        return ordered_json{{"code", l.code}, {"name", JsonText(l.name)}};
    });
    out["ages"] = JsonArray(c.pcaAges, [](const AgeItem& a) {
        return ordered_json{{"code", a.code},
                            {"name", JsonText(a.name)},
                            {"range", JsonText(a.rangeText)},
                            {"youth", a.youth}};
    });
    return out;
}

ordered_json PriceListItemJson(const CPriceListRecord& item) {
    ordered_json out;
    out["index"] = item.index;
    out["number"] = item.number;
    out["kind"] = JsonLetter(item.kind);
    out["kindNumber"] = item.kindNumber;
    out["name"] = JsonText(item.name);
    out["date"] = JsonDate(item.date);
    out["extraFlag"] = item.extraFlag;
    out["extraNumber"] = item.extraNumber;
    out["extraLetter"] = JsonLetter(item.extraLetter);
    out["hidden"] = item.hidden;
    out["prices"] = PricesJson(item.prices);
    out["switchDate"] = JsonDate(item.prices.switchDate);
    return out;
}

ordered_json PackageJson(const CPackageRecord& package) {
    ordered_json out;
    out["index"] = package.index;
    out["number"] = package.number;
    out["name"] = JsonText(package.name);
    out["coversEntries"] = package.coversEntries;
    out["prices"] = PricesJson(package.prices);
    out["switchDate"] = JsonDate(package.prices.switchDate);
    out["extraValues"] =
        ordered_json::array({JsonNumber(package.extraValue1), JsonNumber(package.extraValue2),
                             JsonNumber(package.extraValue3)});
    out["itemNumbers"] = package.itemNumbers;
    return out;
}

}  // namespace

ordered_json SetupToJson(const CDatabase& store) {
    ordered_json out;
    out["competitionName"] = JsonText(store.competitionName);
    out["organizerAddress"] = JsonText(store.organizerAddress);
    out["fieldSeparator"] = JsonText(store.fieldSeparator);
    out["proAmPackageRule"] = JsonLetter(store.proAmPackageRule);
    out["amateurPackageRule"] = JsonLetter(store.amateurPackageRule);
    out["professionalPackageRule"] = JsonLetter(store.professionalPackageRule);
    out["showDancePrices"] = store.showDancePrices;
    out["categories"] = JsonArray(store.categoryArray,
                                  [](const auto& category) { return CategoryJson(*category); });
    out["priceList"] =
        JsonArray(store.priceListArray, [](const auto& item) { return PriceListItemJson(*item); });
    out["packages"] =
        JsonArray(store.packageArray, [](const auto& package) { return PackageJson(*package); });
    return out;
}
