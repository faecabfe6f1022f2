#include "dispatch/StartButton.h"

#include "dispatch/DispatchOrder.h"

namespace vantrel {
namespace {

bool matches(const WindowView& view, const DispatchEntry& entry) {
    const bool modeSelected = view.isSelected(entry.mode);
    // Exact comparison: same code units, case significant, nothing trimmed.
    const bool textMatches = !entry.list || view.listText(*entry.list) == entry.itemText;
    return modeSelected && textMatches;
}

}  // namespace

void Command2_Click(FormContext& form) {
    for (const DispatchEntry& entry : dispatchOrder()) {
        if (matches(form.view, entry)) {
            runAction(form, entry.action);
            return;
        }
    }
}

}  // namespace vantrel
