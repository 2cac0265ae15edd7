#include "dialogs/EnterKey.h"

int HandleEnterKey(CFocusedControl& focused) {
    switch (focused.kind) {
        case EControlKind::PushButton:
        case EControlKind::MultiLineEdit:
            return kEnterKey;
        case EControlKind::CheckBox:
            focused.check = focused.check == ECheckState::Checked ? ECheckState::Unchecked
                                                                  : ECheckState::Checked;
            return kTabKey;
        case EControlKind::RadioButton:
            focused.check = ECheckState::Checked;
            return kTabKey;
        case EControlKind::OtherButton:
        case EControlKind::Other:
            break;
    }
    return kTabKey;
}
