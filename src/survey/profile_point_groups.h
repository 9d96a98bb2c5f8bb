// The additional profile points of a runway row, kept in its profile groups and shared
// by both ends of the runway.
#pragma once

#include <string>
#include <vector>

#include "store/schema/runway_fields.h"
#include "store/table.h"

namespace survey {

struct ProfilePoint {
  std::string end;  // designator of the runway end the distance is measured from
  std::string distance;
  std::string orthometric;
  std::string ellipsoidal;

  bool operator==(const ProfilePoint&) const = default;
};

// The first field of the first group whose end field is empty; 0 when all are in use.
int firstFreeProfileGroup(const Table& runways, int row);

// The points of one end, in group order.
std::vector<ProfilePoint> profilePointsOfEnd(const Table& runways, int row, const std::string& end);

// Stores the point in the first free group; false when none is free.
bool storeProfilePoint(Table& runways, int row, const ProfilePoint& point);

// Empties the lowest group holding exactly this point; false when none does.
bool deleteProfilePoint(Table& runways, int row, const ProfilePoint& point);

}  // namespace survey
