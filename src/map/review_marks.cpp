#include "map/review_marks.h"

namespace survey::map {

std::vector<MapMark> marksOfFindings(const std::vector<review::Finding>& findings) {
  std::vector<MapMark> marks;
  for (const review::Finding& finding : findings) {
    if (finding.row <= 0) continue;
    const MarkSeverity severity =
        finding.severity == review::Severity::Error ? MarkSeverity::Error : MarkSeverity::Warning;
    std::string text = finding.message;
    if (!finding.fieldLabel.empty()) text = finding.fieldLabel + ": " + text;
    marks.push_back({finding.table, finding.row, severity, std::move(text)});
  }
  return marks;
}

}  // namespace survey::map
