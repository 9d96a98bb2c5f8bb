#include "entry/certification_screen.h"

#include "entry/airport_screen.h"
#include "shell/navigation.h"
#include "shell/program.h"
#include "shell/screen_names.h"
#include "store/schema/airport_fields.h"
#include "store/survey_status.h"

namespace survey {

const char* const kCertificationNote =
    "NOTE: The registered surveyor must certify that the information submitted herein meets or "
    "exceeds the informational Resolution requirements of ZAV No. 405 \"Standard for Aeronautical "
    "Surveys and Related Products.\"  The surveyor is not certifying that this information "
    "submitted constitutes a full ZAV No. 405 survey. The surveyor shall apply their official seal "
    "to the completed form. The form shall be signed and dated in ink across the applied seal. "
    "Complying with standards in this document will meet ZAV No. 405 requirements.";

const char* const kCertificationStatement =
    "I hereby certify that the information provided herein above has been Compiled from accurate "
    "field surveys conducted under my direct supervision and that said information meets or "
    "exceeds the minimum Resolution requirements of ZAV No. 405. \"Standards for Aeronautical "
    "Surveys and Related Products\" (including Change 1, effective April 15, 1998) by complying "
    "with prescribed Resolutions and accuracies specified in this document.";

namespace {
constexpr airport::Field kEntryFields[] = {airport::SurveyorName, airport::SurveyorLicenseNumber,
                                           airport::AdditionalComments};
std::string boxName(int field) {
  return "Text" + std::to_string(field) + "C";
}
}  // namespace

CertificationScreen::CertificationScreen(Program& program) : Screen(program, kName, kCaption) {
  setSizeTwips(9840, 8160);
  auto& frame = add(kFrame, nullptr);
  frame.setCaption("CERTIFICATION");
  frame.place(120, 120, 9600, 7500);

  auto statement = [&](ControlName<TextBox> name, const char* caption, int top) {
    auto& box = add(name, &frame);
    box.setCaption(caption);
    box.setMultiLine(true);
    box.setLocked(true);
    box.place(120, top, 9360, 1500);
  };
  statement(kNoteBox, "Certification note", 300);

  const struct {
    airport::Field field;
    const char* caption;
    int top;
    int height;
  } entries[] = {{airport::SurveyorName, "Surveyor's Name", 1980, 300},
                 {airport::SurveyorLicenseNumber, "Surveyor's License Number", 2400, 300},
                 {airport::AdditionalComments, "Additional Comments", 2820, 1260}};
  for (const auto& entry : entries) {
    auto& label = add<Label>("LabelField" + std::to_string(entry.field), &frame);
    label.setCaption(entry.caption);
    label.place(120, entry.top + 30, 2640, 255);
    auto& box = add<TextBox>(boxName(entry.field), &frame);
    box.setCaption(entry.caption);
    const bool comments = entry.field == airport::AdditionalComments;
    box.place(2880, entry.top, comments ? 6600 : 4200, entry.height);
    if (comments) box.setMultiLine(true);
  }

  statement(kStatementBox, "Certification statement", 4260);

  const struct {
    ControlName<CommandButton> name;
    const char* caption;
    int left;
    void (CertificationScreen::*handler)();
  } commands[] = {{kCancelButton, "Cancel", 6840, &CertificationScreen::cancel},
                  {kSubmitButton, "Submit", 8160, &CertificationScreen::submit}};
  for (const auto& command : commands) {
    auto& button = add(command.name, &frame);
    button.setCaption(command.caption);
    button.place(command.left, 6900, 1200, 420);
    button.onClick = [this, handler = command.handler] { (this->*handler)(); };
  }

  auto& status = add(kStatusBar, nullptr);
  status.setCaption("Current survey");
  status.place(0, 7740, 9840, 360);
}

void CertificationScreen::load() {
  get(kNoteBox).setText(kCertificationNote);
  get(kStatementBox).setText(kCertificationStatement);
  showSurveyInStatusBar(*this);
  setBoldTextBoxes(*this);
}

void CertificationScreen::showEarlierEntries() {
  const SurveyStore& store = program().store;
  const int row = store.findSurveyRow(program().current().surveyKey);
  for (const airport::Field field : kEntryFields) {
    get<TextBox>(boxName(field))
        .setText(row > 0 ? std::string(store.airports().cell(row, field)) : "");
  }
}

void CertificationScreen::submit() {
  Program& program = this->program();
  if (program.refuseWhenReadOnly()) return;
  SurveyStore& store = program.store;
  const int row = store.findSurveyRow(program.current().surveyKey);
  if (row == 0) {
    // The survey was deleted after it was chosen: there is nothing to certify.
    program.tell("The survey " + program.current().surveyKey +
                 " is no longer in the list of surveys. Nothing was certified.");
  } else {
    FieldValues values = {{airport::Status, std::string(status::kCertified)}};
    for (const airport::Field field : kEntryFields)
      values.emplace_back(field, get<TextBox>(boxName(field)).text());
    store.updateRow(TableKind::Airport, row, values);
  }
  showScreen(program, screen::kMain);
}

void CertificationScreen::cancel() {
  Program& program = this->program();
  // This screen is discarded from here on.
  auto& airport = static_cast<AirportScreen&>(showScreen(program, screen::kAirport));
  airport.loadAirportScreen();
}

}  // namespace survey
