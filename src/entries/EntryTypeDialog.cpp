#include "entries/EntryTypeDialog.h"

#include <string_view>

namespace {

bool OneOf(char type, std::string_view types) {
    return type != 0 && types.find(type) != std::string_view::npos;
}

// The types in which a kept gentleman (restriction 'M') or lady ('F') keeps his or her role and
// class: a professional teacher stays a teacher, an amateur stays an amateur.
CEntryTypeDialog::Mode RestrictedMode(char presetType, char restriction) {
    if (restriction == 'M') {
        if (OneOf(presetType, "FfP")) {
            return CEntryTypeDialog::kProfessionalGentleman;
        }
        if (OneOf(presetType, "MmAa")) {
            return CEntryTypeDialog::kAmateurGentleman;
        }
    } else if (restriction == 'F') {
        if (OneOf(presetType, "MmP")) {
            return CEntryTypeDialog::kProfessionalLady;
        }
        if (OneOf(presetType, "FfAa")) {
            return CEntryTypeDialog::kAmateurLady;
        }
    }
    // A group keeps no gentleman or lady: its follow-up form stays a group.
    return CEntryTypeDialog::kTypeFixed;
}

}  // namespace

CEntryTypeDialog::CEntryTypeDialog(CDatabase& store, char presetType, char restriction,
                                   bool hidePersons)
    : store(store), hidePersons(hidePersons) {
    if (presetType == 0) {
        mode = kFreeChoice;
        entryType = 'F';
    } else if (restriction == 0) {
        mode = kTypeFixed;
        entryType = presetType;
    } else {
        mode = RestrictedMode(presetType, restriction);
        entryType = mode == kTypeFixed ? presetType : 0;
    }
}

bool CEntryTypeDialog::IsTypeEnabled(char type) const {
    switch (mode) {
        case kFreeChoice:
            return OneOf(type, "FMfmAaPG");
        case kTypeFixed:
            return false;
        case kProfessionalGentleman:
            return OneOf(type, "FfP");
        case kProfessionalLady:
            return OneOf(type, "MmP");
        case kAmateurGentleman:
            return OneOf(type, "MmAa");
        case kAmateurLady:
            return OneOf(type, "FfAa");
    }
    return false;
}
