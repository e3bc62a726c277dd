#include "model/wizard_button_table.h"

#include <algorithm>

namespace orv {

bool WizardButtonTable::add(const MenuButton& button)
{
    int n = usedCount();
    if (n >= WizardButtonLimit)
        return false;
    Records[static_cast<size_t>(n)] = button;
    Count = n + 1;
    return true;
}

int WizardButtonTable::usedCount() const { return std::clamp(Count, 0, WizardButtonLimit); }

void WizardButtonTable::clear() { *this = WizardButtonTable{}; }

}  // namespace orv
