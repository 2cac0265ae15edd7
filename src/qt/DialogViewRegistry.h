#pragma once
// Which view shows which dialog model: the program registers a factory for each view under its
// dialog's resource number at start-up, and the Qt user interface looks it up when the core runs
// a dialog.
#include <QDialog>
#include <functional>
#include <memory>

class CDialogModel;
class CUi;

using DialogViewFactory =
    std::function<std::unique_ptr<QDialog>(CDialogModel& model, CUi& ui, QWidget* parent)>;

// false when another view already claims the resource number; the first one stays.
bool RegisterDialogView(int resourceId, DialogViewFactory factory);
bool HasDialogView(int resourceId);
// The view for `model`, or nullptr when no view is registered for its resource number.
std::unique_ptr<QDialog> CreateDialogView(CDialogModel& model, CUi& ui, QWidget* parent);

// `RegisterDialogView<CModel, CModelView>()`; the view must be constructible from (Model&, CUi&, QWidget* parent).
template <class Model, class View>
bool RegisterDialogView() {
    return RegisterDialogView(
        Model::kResourceId,
        [](CDialogModel& model, CUi& ui, QWidget* parent) -> std::unique_ptr<QDialog> {
            return std::make_unique<View>(dynamic_cast<Model&>(model), ui, parent);
        });
}
