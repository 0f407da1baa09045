// The items of the setup print-out.
#include "shared/setup/setup_print_plan.h"

#include "shared/setup/setup_table.h"

std::vector<int> PlanPrintPages(const CSetupTable& table) {
    std::vector<int> items = {0, 1, 2, 3, 4, 5, 6};
    if (table.GetModelCode() == kModelQuarvenRS) {
        items.insert(items.end(), {7, 8});
    }
    return items;
}
