// FormReview: the findings of the survey review in a grid; a row opens its record's
// screen with the field focused, and the findings can be saved as a PDF report.
#pragma once

#include <string>
#include <vector>

#include "review/survey_review.h"
#include "shell/platform.h"
#include "shell/screen.h"

namespace survey {

class ReviewScreen : public Screen {
 public:
  static constexpr const char* kName = "FormReview";
  static constexpr const char* kCaption = "Survey Review";

  explicit ReviewScreen(Program& program);

  static constexpr ControlName<Frame> kFindingsFrame{"FrameFindings"};
  static constexpr ControlName<Label> kCountsLabel{"LabelCounts"};
  static constexpr ControlName<Grid> kFindingsGrid{"GridFindings"};
  static constexpr ControlName<CommandButton> kOpenButton{"CommandOpen"};
  static constexpr ControlName<CommandButton> kReviewButton{"CommandReview"};
  static constexpr ControlName<CommandButton> kSaveReportButton{"CommandSaveReport"};
  static constexpr ControlName<CommandButton> kCertifyButton{"CommandCertify"};

  // Reviews the current survey and lists the findings.
  void load() override;
  // Reached from "Finalize Input": offers to go on to the certification.
  void offerCertification();

  const std::vector<review::Finding>& findings() const { return findings_; }

 private:
  void review();
  void openFinding();
  void saveReport();
  void continueToCertification();

  std::vector<review::Finding> findings_;
};

// "2 errors, 1 warning", or that nothing was found.
std::string findingCountsText(const review::FindingCounts& counts);

// The report of a survey's findings: identification, a line each, the date, a summary of
// the counts and the findings.
ReportDocument reviewReport(const SurveyStore& store, const std::string& key,
                            const std::vector<review::Finding>& findings,
                            const review::ReviewDate& date);

// The control of a record's screen that shows the field, when the screen has one.
std::string controlOfField(TableKind table, int field);

}  // namespace survey
