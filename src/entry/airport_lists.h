// The items of the airport screen's lists, in the order they are shown.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "shell/screen.h"

namespace survey {

// The empty item and the 54 states and territories.
const std::vector<std::string>& stateItems();
// ListHor, ListEll, ListOrth and ListVertDatum with their items.
const std::vector<std::pair<ControlName<ListBox>, std::vector<std::string>>>& airportListItems();

}  // namespace survey
