// The identification surfaces and accuracy codes of an obstruction. The obstruction
// screen offers them in its lists and stores a chosen item whole, so these texts are
// also what the obstruction rows hold.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace survey {

const std::vector<std::string>& horizontalAccuracyItems();
const std::vector<std::string>& verticalAccuracyItems();

// The obstruction identification surfaces a survey of this type may use, in
// the order the list shows them.
std::vector<std::string> obstructionSurfacesFor(std::string_view surveyType);

// The code before ":" of an obstruction identification surface item ("PIR").
std::string surfaceCodeOf(std::string_view surfaceItem);

// The surface the developer list import gives every obstruction it reads.
inline constexpr const char* kAreaNavPrecisionSurface =
    "ANAPC: Area Nav Approach - Precision, conventional landing";

}  // namespace survey
