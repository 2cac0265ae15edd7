#include "platform/qt/DialogViewRegistry.h"

#include <map>

#include "dialogs/DialogModel.h"

namespace {

// A function-local map: views register from static initialisers in any order.
std::map<int, DialogViewFactory>& Factories() {
    static std::map<int, DialogViewFactory> factories;
    return factories;
}

}  // namespace

bool RegisterDialogView(int resourceId, DialogViewFactory factory) {
    return Factories().insert_or_assign(resourceId, std::move(factory)).second;
}

std::unique_ptr<QDialog> CreateDialogView(CDialogModel& model, CUi& ui, QWidget* parent) {
    const auto found = Factories().find(model.ResourceId());
    if (found == Factories().end()) {
        return nullptr;
    }
    return found->second(model, ui, parent);
}
