#include "entry/airport_lists.h"

#include "entry/airport_screen.h"

namespace survey {

const std::vector<std::string>& stateItems() {
  static const std::vector<std::string> items = {"",
                                                 "ALABAMA",
                                                 "ALASKA",
                                                 "ARIZONA",
                                                 "ARKANSAS",
                                                 "CALIFORNIA",
                                                 "COLORADO",
                                                 "CONNECTICUT",
                                                 "DELAWARE",
                                                 "DISTRICT OF COLUMBIA",
                                                 "FLORIDA",
                                                 "GEORGIA",
                                                 "HAWAII",
                                                 "IDAHO",
                                                 "ILLINOIS",
                                                 "INDIANA",
                                                 "IOWA",
                                                 "KANSAS",
                                                 "KENTUCKY",
                                                 "LOUISIANA",
                                                 "MAINE",
                                                 "MARYLAND",
                                                 "MASSACHUSETTS",
                                                 "MICHIGAN",
                                                 "MINNESOTA",
                                                 "MISSISSIPPI",
                                                 "MISSOURI",
                                                 "MONTANA",
                                                 "NEBRASKA",
                                                 "NEVADA",
                                                 "NEW HAMPSHIRE",
                                                 "NEW JERSEY",
                                                 "NEW MEXICO",
                                                 "NEW YORK",
                                                 "NORTH CAROLINA",
                                                 "NORTH DAKOTA",
                                                 "OHIO",
                                                 "OKLAHOMA",
                                                 "OREGON",
                                                 "PACIFIC",
                                                 "PENNSYLVANIA",
                                                 "PUERTO RICO",
                                                 "RHODE ISLAND",
                                                 "SOUTH CAROLINA",
                                                 "SOUTH DAKOTA",
                                                 "TENNESSEE",
                                                 "TEXAS",
                                                 "UTAH",
                                                 "VERMONT",
                                                 "VIRGIN ISLANDS",
                                                 "VIRGINIA",
                                                 "WASHINGTON",
                                                 "WEST VIRGINIA",
                                                 "WISCONSIN",
                                                 "WYOMING"};
  return items;
}

const std::vector<std::pair<ControlName<ListBox>, std::vector<std::string>>>& airportListItems() {
  static const std::vector<std::pair<ControlName<ListBox>, std::vector<std::string>>> lists = {
      {AirportScreen::kHorizontalAccuracyList,
       {"", "5 CM", "50 CM", "1:100,000", "1:50,000", "1:20,000", "1:10,000", "1:5,000", "15 FT",
        "> 15 FT"}},
      {AirportScreen::kEllipsoidalAccuracyList, {"", "15 CM", "50 CM", "1 M", ">1 M"}},
      {AirportScreen::kOrthometricAccuracyList,
       {"", "25 CM", "1.0 MM * SQRT(K)", "1.4 MM * SQRT(K)", "2.0 MM * SQRT(K)", "2.6 MM * SQRT(K)",
        "4.0 MM * SQRT(K)", "24.0 MM * SQRT(K)", "10 FT", ">10 FT"}},
      {AirportScreen::kVerticalDatumList, {"", "NAVD88", "LCLTDL (Local Tidal)", "MSL"}}};
  return lists;
}

}  // namespace survey
