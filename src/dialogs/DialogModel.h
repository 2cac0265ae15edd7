#pragma once
// The base of every dialog's model: the part the port and the views need to know.
#include <string>

class CDialogModel {
public:
    virtual ~CDialogModel() = default;
    // The dialog's resource number; views look up their layout by it.
    virtual int ResourceId() const = 0;
    // The help topic of the dialog with resource number `resourceId`.
    static constexpr unsigned HelpContextFor(int resourceId) {
        return 0x20000u + static_cast<unsigned>(resourceId);
    }
    unsigned HelpContext() const { return HelpContextFor(ResourceId()); }
    // What the control says when the pointer rests on it: for buttons whose caption is short or
    // coded. Empty: no tip.
    virtual std::string ToolTipOf(int /*controlId*/) const { return {}; }
    // Whether the user changed what the dialog would store since it opened: such a dialog asks
    // before Escape, Cancel or the close box throw the changes away.
    virtual bool HasChanges() const { return false; }
};

class CUi;

// "Discard your changes?" before a changed dialog is cancelled; true when it may close.
bool MayDiscardChanges(const CDialogModel& model, CUi& ui);
