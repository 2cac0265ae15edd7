#include "cli/StudioJson.h"

#include "cli/SetupJson.h"
#include "data/Database.h"
#include "util/CodePage.h"

using nlohmann::ordered_json;

namespace {

ordered_json CommentsJson(const CCommentArray& comments) {
    ordered_json out = ordered_json::array();
    for (const CommentEntry& comment : comments) {
        out.push_back(ordered_json{{"first", comment.first},
                                   {"second", comment.second},
                                   {"text", JsonText(comment.text)}});
    }
    return out;
}

ordered_json StudioJson(const CStudioRecord& s) {
    ordered_json out;
    out["number"] = s.number;
    out["name"] = JsonText(s.name);
    out["address1"] = JsonText(s.address1);
    out["address2"] = JsonText(s.address2);
    out["city"] = JsonText(s.city);
    out["state"] = JsonText(s.state);
    out["zip"] = JsonText(s.zip);
    out["country"] = JsonText(s.country);
    out["phone"] = JsonText(s.phone);
    out["fax"] = JsonText(s.fax);
    out["email"] = JsonText(s.email);
    out["kind"] = JsonLetter(s.kind);
    out["status"] = s.status;
    out["created"] = JsonDate(s.created);
    out["comments"] = CommentsJson(s.pCommentArray);
    return out;
}

ordered_json PersonJson(const CPersonRecord& p) {
    ordered_json out;
    out["number"] = p.number;
    out["gender"] = JsonLetter(p.gender);
    out["class"] = JsonLetter(p.classLetter);
    out["youth"] = p.youth;
    out["version"] = p.version;
    out["firstName"] = JsonText(p.firstName);
    out["lastName"] = JsonText(p.lastName);
    out["nickname"] = JsonText(p.nickname);
    out["noteToMC"] = JsonText(p.noteToMC);
    out["membershipNumber"] = JsonText(p.membershipNumber);
    out["ssNumber"] = JsonText(p.ssNumber);
    out["studioNumber"] = p.studioNumber;
    out["dancePackage"] = p.dancePackage;
    out["roommateGroup"] = p.roommateGroup;
    out["status"] = p.status;
    out["created"] = JsonDate(p.created);
    out["comments"] = CommentsJson(p.pCommentArray);
    return out;
}

ordered_json PurchaseJson(const CFinanceRecord& p) {
    ordered_json out;
    out["number"] = p.number;
    out["type"] = JsonLetter(p.type);
    out["studioNumber"] = p.studioNumber;
    out["purchaserNumber"] = p.purchaserNumber;
    out["price"] = JsonCents(p.price);
    out["quantity"] = p.quantity;
    out["itemNumber"] = p.itemNumber;
    out["purchaserName"] = JsonText(p.purchaserName);
    out["itemName"] = JsonText(p.itemName);
    out["status"] = p.status;
    out["created"] = JsonDate(p.created);
    return out;
}

ordered_json EntryJson(const CEntryRecord& e) {
    ordered_json out;
    out["number"] = e.number;
    out["formCode"] = e.formCode;
    out["type"] = JsonLetter(e.type);
    out["gentleman"] = e.gentleman;
    out["lady"] = e.lady;
    out["coach"] = e.coach;
    out["dancers"] = e.dancers;
    out["owner"] = e.owner;
    out["categoryCode"] = e.categoryCode;
    out["dance"] = e.dance;
    out["level"] = e.level;
    out["age"] = e.age;
    out["teamName"] = JsonText(e.teamName);
    out["style"] = JsonLetter(e.style);
    out["statusLetter"] = JsonLetter(e.statusLetter);
    out["amount"] = JsonCents(e.amount);
    out["entryMark"] = JsonLetter(e.entryMark);
    out["status"] = e.status;
    out["created"] = JsonDate(e.created);
    return out;
}

template <class T, class Convert>
ordered_json RecordsJson(const COwningArray<T>& records, Convert convert) {
    ordered_json out = ordered_json::array();
    for (const auto& record : records) {
        out.push_back(convert(*record));
    }
    return out;
}

}  // namespace

void AddStudioJson(const CDatabase& store, ordered_json& out) {
    // A path, not a text of the store: normally already UTF-8, but a folder named on an older
    // system may hold code-page bytes, which JSON cannot carry as they are.
    out["dataFileName"] = DisplayTextToUtf8(store.dataFileName);
    out["studios"] = RecordsJson(store.studioArray, StudioJson);
    out["persons"] = RecordsJson(store.personArray, PersonJson);
    out["purchases"] = RecordsJson(store.purchaseArray, PurchaseJson);
    out["entries"] = RecordsJson(store.entryArray, EntryJson);
}
