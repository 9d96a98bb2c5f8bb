// FormCert: the surveyor certifies the survey with name, license number and
// comments, which sets its status to "CERTIFIED".
#pragma once

#include "shell/screen.h"

namespace survey {

class CertificationScreen : public Screen {
 public:
  static constexpr const char* kName = "FormCert";
  static constexpr const char* kCaption = "Survey Certification";

  explicit CertificationScreen(Program& program);

  static constexpr ControlName<Frame> kFrame{"Frame1"};
  static constexpr ControlName<TextBox> kNoteBox{"TextSurvey2"};
  static constexpr ControlName<TextBox> kStatementBox{"TextSurvey3"};
  static constexpr ControlName<CommandButton> kCancelButton{"CommandCancelAirport"};
  static constexpr ControlName<CommandButton> kSubmitButton{"CommandSubmitAirport"};

  void load() override;
  // Shows the entries of an earlier certification of the survey for editing.
  void showEarlierEntries();

 private:
  void submit();
  void cancel();
};

// The two certification statements, as the surveyor reads them.
extern const char* const kCertificationNote;
extern const char* const kCertificationStatement;

}  // namespace survey
