// Draws every screen of the program with a small sample survey to PNG files,
// for the README and the docs (runs on Qt's offscreen platform).
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>
#include <filesystem>

#include "app/screenshot_program.h"
#include "entry/all_screens.h"
#include "entry/main_screen.h"
#include "shell/navigation.h"
#include "shell/record_screen.h"
#include "shell/screen_names.h"
#include "store/schema/airport_fields.h"
#include "store/schema/navaid_fields.h"
#include "store/schema/obstruction_fields.h"
#include "store/schema/runway_fields.h"
#include "store/survey_status.h"
#include "ui/main_window.h"

namespace {

using survey::screenshots::QuietPlatform;
using survey::screenshots::SilentDialogs;

namespace airport = survey::airport;
namespace runway = survey::runway;
namespace navaid = survey::navaid;
namespace obstruction = survey::obstruction;

void addSampleSurveys(survey::SurveyStore& store) {
  store.current.surveyType = "AOC";
  store.appendAirport({{airport::Name, "Springfield Municipal"},
                       {airport::SiteNumber, "03407.A"},
                       {airport::Identifier, "SGF"},
                       {airport::Region, "ACE"},
                       {airport::SurveyDate, "05/14/2026"},
                       {airport::City, "Springfield"},
                       {airport::ReferenceLatitudeDegrees, "37"},
                       {airport::ReferenceLatitudeMinutes, "14"},
                       {airport::ReferenceLatitudeSeconds, "43.2"},
                       {airport::ReferenceLongitudeDegrees, "93"},
                       {airport::ReferenceLongitudeMinutes, "23"},
                       {airport::ReferenceLongitudeSeconds, "18.6"},
                       {airport::ElevationOrthometric, "1268.4"},
                       {airport::LatitudeNorth, "True"}});
  store.airports().setCell(1, airport::Status, std::string(survey::status::kCertified));
  store.current.surveyType = "RUNWAY";
  store.appendAirport({{airport::Name, "Lakeside Field"},
                       {airport::SiteNumber, "11230.*A"},
                       {airport::Identifier, "LKS"},
                       {airport::SurveyDate, "06/02/2026"}});
  store.current.surveyKey = "SGF";
  store.current.surveyName = "Springfield Municipal";
  store.current.surveyType = "AOC";
  store.appendChild(survey::TableKind::Runway,
                    {{runway::SurveyDate, "05/14/2026"},
                     {runway::RwyIdDesignator, "02"},
                     {runway::RwyIdBlastPad, "Yes"},
                     {runway::RwyIdGeodeticAzimuth, "0192512"},
                     {runway::SurveyedLength, "7003"},
                     {runway::Width, "150"},
                     {runway::Surface, "P - Paved Hard Surface"},
                     {runway::RwyIdLatitudeDegrees, "37"},
                     {runway::RwyIdLatitudeMinutes, "13"},
                     {runway::RwyIdLatitudeSeconds, "40.1234"},
                     {runway::RwyIdLongitudeDegrees, "93"},
                     {runway::RwyIdLongitudeMinutes, "23"},
                     {runway::RwyIdLongitudeSeconds, "5.4321"},
                     {runway::RwyIdEndElevationOrthometric, "1260.4"},
                     {runway::OppositeDesignator, "20"},
                     {runway::OppositeBlastPad, "No"},
                     {runway::OppositeGeodeticAzimuth, "1992512"},
                     {runway::OppositeLatitudeDegrees, "37"},
                     {runway::OppositeLatitudeMinutes, "14"},
                     {runway::OppositeLatitudeSeconds, "48.5678"},
                     {runway::OppositeLongitudeDegrees, "93"},
                     {runway::OppositeLongitudeMinutes, "22"},
                     {runway::OppositeLongitudeSeconds, "50.8765"},
                     {runway::OppositeEndElevationOrthometric, "1255.1"}});
  store.appendChild(survey::TableKind::Runway,
                    {{runway::RwyIdDesignator, "14"}, {runway::OppositeDesignator, "32"}});
  store.appendChild(survey::TableKind::Navaid,
                    {{navaid::Runway, "02"},
                     {navaid::Identifier, "ISGF"},
                     {navaid::LatitudeDegrees, "37"},
                     {navaid::LatitudeMinutes, "14"},
                     {navaid::LatitudeSeconds, "12.3456"},
                     {navaid::LongitudeDegrees, "93"},
                     {navaid::LongitudeMinutes, "23"},
                     {navaid::LongitudeSeconds, "1.2"},
                     {navaid::ElevationOrthometric, "1260.4"},
                     {navaid::ElevationEllipsoidal, "1190.2"},
                     {navaid::AssociatedPoint, "PP"},
                     {navaid::OffsetDirection, "L"},
                     {navaid::Distance, "-1020"},
                     {navaid::Type, "GS - Glide Slope"},
                     {navaid::SurveyDate, "05/14/2026"},
                     {navaid::AssociatedLatitudeDegrees, "37"},
                     {navaid::AssociatedLatitudeMinutes, "14"},
                     {navaid::AssociatedLatitudeSeconds, "13.1"},
                     {navaid::AssociatedLongitudeDegrees, "93"},
                     {navaid::AssociatedLongitudeMinutes, "23"},
                     {navaid::AssociatedLongitudeSeconds, "3.3"},
                     {navaid::AssociatedElevationOrthometric, "1255.1"},
                     {navaid::AssociatedElevationEllipsoidal, "1185.0"}});
  store.appendChild(survey::TableKind::Navaid,
                    {{navaid::Runway, "20"},
                     {navaid::Type, "PAPI - Precision Approach Path Indicator"},
                     {navaid::AssociatedPoint, "NAVAID"},
                     {navaid::LatitudeDegrees, "37"},
                     {navaid::LatitudeMinutes, "13"},
                     {navaid::LatitudeSeconds, "59.1"},
                     {navaid::SurveyDate, "05/14/2026"}});
  store.appendChild(survey::TableKind::Navaid, {{navaid::Type, "ASOS - Weather Station"},
                                                {navaid::AssociatedPoint, "NAVAID"},
                                                {navaid::LatitudeDegrees, "37"},
                                                {navaid::SurveyDate, "05/14/2026"}});
  store.appendChild(survey::TableKind::Obstruction, {{obstruction::RwyId, "02"},
                                                     {obstruction::Object, "TREE"},
                                                     {obstruction::LatitudeDegrees, "37"},
                                                     {obstruction::LatitudeMinutes, "12"},
                                                     {obstruction::LatitudeSeconds, "10.25"},
                                                     {obstruction::LongitudeDegrees, "93"},
                                                     {obstruction::LongitudeMinutes, "23"},
                                                     {obstruction::LongitudeSeconds, "37.5"},
                                                     {obstruction::TopElevationOrthometric, "1310"},
                                                     {obstruction::TopElevationEllipsoidal, "1250"},
                                                     {obstruction::AboveGroundElevation, "45"},
                                                     {obstruction::AccuracyHorizontal, "2 (50')"},
                                                     {obstruction::AccuracyVertical, "B (10')"},
                                                     {obstruction::Surface,
                                                      "PIR: Precision Instrument Approach, "
                                                      "includes approach and primary surfaces "
                                                      "only"},
                                                     {obstruction::SurveyDate, "05/14/2026"}});
  store.current.storeLoaded = true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: survey-screenshots OUTDIR\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out);
  SilentDialogs dialogs;
  QuietPlatform platform(std::filesystem::temp_directory_path());
  survey::Program program(dialogs, platform);
  survey::registerAllScreens(program.screens);
  addSampleSurveys(program.store);
  survey::ui::MainWindow window(program);
  window.show();
  int written = 0;
  for (const char* name :
       {survey::screen::kMain, survey::screen::kSurveyType, survey::screen::kAirport,
        survey::screen::kRunway, survey::screen::kRunwayPP, survey::screen::kNavaid,
        survey::screen::kObstruction, survey::screen::kCertification, survey::screen::kReview,
        survey::screen::kOutputFile, survey::screen::kImport}) {
    if (std::string(name) == survey::screen::kAirport) {
      survey::prepareScreen(program, name, survey::Preparation::Tab);
    }
    survey::showScreen(program, name);
    QApplication::processEvents();
    QWidget* view = window.viewOf(*program.screens.existing(name));
    if (!view) continue;
    QWidget* shot =
        program.screens.isManaged(name) ? static_cast<QWidget*>(&window) : view->window();
    if (shot->grab().save(out + "/" + name + ".png")) ++written;
  }
  // The record screens again, each with a record loaded for edit.
  const struct {
    const char* screen;
    int16_t survey::CurrentSurvey::*row;
    survey::RecordMode survey::CurrentSurvey::*mode;
    int16_t rowNumber;
    const char* file;
  } records[] = {
      {survey::screen::kRunway, &survey::CurrentSurvey::runwayRow,
       &survey::CurrentSurvey::runwayMode, 1, "FormRunway-edit"},
      {survey::screen::kNavaid, &survey::CurrentSurvey::navaidRow,
       &survey::CurrentSurvey::navaidMode, 1, "FormGS-electronic"},
      {survey::screen::kNavaid, &survey::CurrentSurvey::navaidRow,
       &survey::CurrentSurvey::navaidMode, 2, "FormGS-visual"},
      {survey::screen::kNavaid, &survey::CurrentSurvey::navaidRow,
       &survey::CurrentSurvey::navaidMode, 3, "FormGS-stars"},
      {survey::screen::kObstruction, &survey::CurrentSurvey::obstructionRow,
       &survey::CurrentSurvey::obstructionMode, 1, "FormObstruction-edit"},
  };
  for (const auto& record : records) {
    program.current().*record.row = record.rowNumber;
    program.current().*record.mode = survey::RecordMode::Edit;
    survey::showScreen(program, survey::screen::kMain);
    auto& screen = survey::showScreen(program, record.screen);
    if (auto* loader = dynamic_cast<survey::RecordScreen*>(&screen)) loader->loadRecord();
    QApplication::processEvents();
    if (window.grab().save(out + "/" + record.file + ".png")) ++written;
  }
  std::printf("%d screens drawn to %s\n", written, argv[1]);
  program.screens.setObserver(nullptr);
  return written > 0 ? 0 : 1;
}
