#include "survey/profile_point_groups.h"

namespace survey {

namespace {

using runway::kFirstProfileGroup;
using runway::kLastProfileGroup;
using runway::kProfileGroupSize;

ProfilePoint pointAt(const Table& runways, int row, int first) {
  const runway::ProfileGroupFields group = runway::profileGroup(first);
  return {runways.cell(row, group.end), runways.cell(row, group.distance),
          runways.cell(row, group.elevation.orthometric),
          runways.cell(row, group.elevation.ellipsoidal)};
}

void setPoint(Table& runways, int row, int first, const ProfilePoint& point) {
  const runway::ProfileGroupFields group = runway::profileGroup(first);
  runways.setCell(row, group.end, point.end);
  runways.setCell(row, group.distance, point.distance);
  runways.setCell(row, group.elevation.orthometric, point.orthometric);
  runways.setCell(row, group.elevation.ellipsoidal, point.ellipsoidal);
}

}  // namespace

int firstFreeProfileGroup(const Table& runways, int row) {
  for (int group = kFirstProfileGroup; group <= kLastProfileGroup; group += kProfileGroupSize) {
    if (runways.cell(row, runway::profileGroup(group).end).empty()) return group;
  }
  return 0;
}

std::vector<ProfilePoint> profilePointsOfEnd(const Table& runways, int row,
                                             const std::string& end) {
  std::vector<ProfilePoint> points;
  for (int group = kFirstProfileGroup; group <= kLastProfileGroup; group += kProfileGroupSize) {
    const std::string& owner = runways.cell(row, runway::profileGroup(group).end);
    if (!owner.empty() && owner == end) points.push_back(pointAt(runways, row, group));
  }
  return points;
}

bool storeProfilePoint(Table& runways, int row, const ProfilePoint& point) {
  const int group = firstFreeProfileGroup(runways, row);
  if (group == 0) return false;
  setPoint(runways, row, group, point);
  return true;
}

bool deleteProfilePoint(Table& runways, int row, const ProfilePoint& point) {
  if (point.end.empty()) return false;  // a free group is no point
  for (int group = kFirstProfileGroup; group <= kLastProfileGroup; group += kProfileGroupSize) {
    if (pointAt(runways, row, group) != point) continue;
    setPoint(runways, row, group, {});
    return true;
  }
  return false;
}

}  // namespace survey
