#include "entry/runway_pp_groups.h"

namespace survey {

namespace {

ProfilePoint pointAt(const Table& runways, int row, int group) {
  return {runways.cell(row, group), runways.cell(row, group + 1), runways.cell(row, group + 2),
          runways.cell(row, group + 3)};
}

}  // namespace

int firstFreeProfileGroup(const Table& runways, int row) {
  for (int group = kFirstProfileGroup; group <= kLastProfileGroup; group += kProfileGroupSize) {
    if (runways.cell(row, group).empty()) return group;
  }
  return 0;
}

std::vector<ProfilePoint> profilePointsOfEnd(const Table& runways, int row,
                                             const std::string& end) {
  std::vector<ProfilePoint> points;
  for (int group = kFirstProfileGroup; group <= kLastProfileGroup; group += kProfileGroupSize) {
    const std::string& owner = runways.cell(row, group);
    if (!owner.empty() && owner == end) points.push_back(pointAt(runways, row, group));
  }
  return points;
}

bool storeProfilePoint(Table& runways, int row, const ProfilePoint& point) {
  const int group = firstFreeProfileGroup(runways, row);
  if (group == 0) return false;
  runways.setCell(row, group, point.end);
  runways.setCell(row, group + 1, point.distance);
  runways.setCell(row, group + 2, point.orthometric);
  runways.setCell(row, group + 3, point.ellipsoidal);
  return true;
}

bool deleteProfilePoint(Table& runways, int row, const ProfilePoint& point) {
  if (point.end.empty()) return false;  // a free group is no point
  for (int group = kFirstProfileGroup; group <= kLastProfileGroup; group += kProfileGroupSize) {
    if (pointAt(runways, row, group) != point) continue;
    for (int field = group; field < group + 4; ++field) runways.setCell(row, field, "");
    return true;
  }
  return false;
}

}  // namespace survey
