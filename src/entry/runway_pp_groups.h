// The additional profile points of a runway row: up to 28 groups of five
// fields from field 60 on, shared by both ends of the runway.
#pragma once

#include <string>
#include <vector>

#include "store/table.h"

namespace survey {

inline constexpr int kFirstProfileGroup = 60;
inline constexpr int kLastProfileGroup = 195;
inline constexpr int kProfileGroupSize = 5;
inline constexpr int kProfileGroups = 28;

struct ProfilePoint {
  std::string end;  // designator of the runway end the distance is measured from
  std::string distance;
  std::string orthometric;
  std::string ellipsoidal;

  bool operator==(const ProfilePoint&) const = default;
};

// The first group whose end field is empty; 0 when all 28 are in use.
int firstFreeProfileGroup(const Table& runways, int row);

// The points of one end, in group order.
std::vector<ProfilePoint> profilePointsOfEnd(const Table& runways, int row, const std::string& end);

// Stores the point in the first free group; false when none is free.
bool storeProfilePoint(Table& runways, int row, const ProfilePoint& point);

// Empties the lowest group holding exactly this point; false when none does.
bool deleteProfilePoint(Table& runways, int row, const ProfilePoint& point);

}  // namespace survey
