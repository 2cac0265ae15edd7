#include "qt/DialogViewRegistry.h"

#include <map>

#include "dialogs/DialogModel.h"

namespace {

std::map<int, DialogViewFactory>& Factories() {
    static std::map<int, DialogViewFactory> factories;
    return factories;
}

}  // namespace

bool RegisterDialogView(int resourceId, DialogViewFactory factory) {
    return Factories().emplace(resourceId, std::move(factory)).second;
}

bool HasDialogView(int resourceId) {
    return Factories().count(resourceId) != 0;
}

std::unique_ptr<QDialog> CreateDialogView(CDialogModel& model, CUi& ui, QWidget* parent) {
    const auto found = Factories().find(model.ResourceId());
    if (found == Factories().end()) {
        return nullptr;
    }
    return found->second(model, ui, parent);
}
