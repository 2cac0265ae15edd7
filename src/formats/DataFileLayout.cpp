#include "formats/DataFileLayout.h"

#include <cctype>
#include <cstdlib>

namespace {

// Fixed places of the sub-records in the lines this program writes.
constexpr int kGroupDancerStudio = 1;
constexpr int kEntryStudio = 11;
constexpr int kPurchaseStudio = 9;
constexpr int kCommentSubject = 4;

bool IsTag(const CStringList& fields, int position, const char* tag) {
    return position >= 0 && position < static_cast<int>(fields.size()) && fields[position] == tag;
}

int PersonEnd(const CStringList& fields, int position) {
    return position + ReadPersonLayout(fields, position).FieldCount();
}

// Positions from the fixed layout, or nothing when a tag is not where the layout puts it.
bool LocateByLayout(const CStringList& fields, CSubRecordPositions& at) {
    const std::string& code = FieldAt(fields, 0);
    if (code == "ST") {
        at.studio = 0;
    } else if (code == "PR") {
        at.persons[0] = 0;
        at.studio = PersonEnd(fields, 0);
    } else if (code == "GR") {
        at.studio = kGroupDancerStudio;
        // One empty field stands between the studio and the dancer.
        at.persons[0] = kGroupDancerStudio + kStudioSubRecordFields + 1;
    } else if (code == "EN") {
        at.studio = kEntryStudio;
        at.persons[0] = kEntryStudio + kStudioSubRecordFields;
        if (!IsTag(fields, at.persons[0], "PR")) {
            return false;
        }
        at.persons[1] = PersonEnd(fields, at.persons[0]);
        if (!IsTag(fields, at.persons[1], "PR")) {
            return false;
        }
        at.persons[2] = PersonEnd(fields, at.persons[1]);
    } else if (code == "PU") {
        at.studio = kPurchaseStudio;
        at.persons[0] = kPurchaseStudio + kStudioSubRecordFields;
    } else if (code == "CM") {
        if (IsTag(fields, kCommentSubject, "ST")) {
            at.studio = kCommentSubject;
            at.persons[0] = kCommentSubject + kStudioSubRecordFields;
        } else {
            at.persons[0] = kCommentSubject;
            if (!IsTag(fields, at.persons[0], "PR")) {
                return false;
            }
            at.studio = PersonEnd(fields, at.persons[0]);
        }
    } else {
        return true;
    }
    if (!IsTag(fields, at.studio, "ST")) {
        return false;
    }
    for (int position : at.persons) {
        if (position != -1 && !IsTag(fields, position, "PR")) {
            return false;
        }
    }
    return true;
}

CSubRecordPositions LocateByTags(const CStringList& fields) {
    CSubRecordPositions at;
    int found = 0;
    for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
        if (fields[i] == "ST") {
            at.studio = i;
        } else if (fields[i] == "PR" && found < 3) {
            at.persons[found++] = i;
        }
    }
    return at;
}

}  // namespace

const std::string& FieldAt(const CStringList& fields, int index) {
    static const std::string kMissing;
    if (index < 0 || index >= static_cast<int>(fields.size())) {
        return kMissing;
    }
    return fields[index];
}

uint8_t LowByteOf(const std::string& field) {
    return static_cast<uint8_t>(ParseLeadingInt(field) & 0xFF);
}

CPersonLayout ReadPersonLayout(const CStringList& fields, int position) {
    CPersonLayout layout;
    const std::string& type = FieldAt(fields, position + 1);
    if (type.empty()) {
        layout.hasNote = FirstChar(FieldAt(fields, position + 9)) == 'R';
        layout.version = layout.hasNote ? 2 : 1;
        return layout;
    }
    layout.gender = type[0];
    if (layout.gender == 'm' || layout.gender == 'f') {
        layout.youth = 1;
        layout.gender = static_cast<char>(std::toupper(static_cast<unsigned char>(layout.gender)));
    }
    if (type.size() >= 2) {
        layout.version = static_cast<uint8_t>(ParseLeadingInt(type.substr(1)) & 0xFF);
    }
    // The writer puts the note into every sub-record of version 2 or later.
    layout.hasNote = layout.version >= 2;
    return layout;
}

int32_t ParseRoommateField(const std::string& field) {
    if (field.empty()) {
        return -1;
    }
    const char* digits = field.c_str() + (field[0] == 'R' ? 1 : 0);
    return static_cast<int32_t>(static_cast<uint32_t>(std::strtoull(digits, nullptr, 10)));
}

CSubRecordPositions LocateSubRecords(const CStringList& fields) {
    CSubRecordPositions at;
    if (LocateByLayout(fields, at)) {
        return at;
    }
    return LocateByTags(fields);
}
