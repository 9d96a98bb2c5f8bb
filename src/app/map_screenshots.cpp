// Draws the survey map, the obstruction evaluation and the import of obstructions of a
// sample airport to PNG files for docs/screenshots (runs on Qt's offscreen platform or
// under Xvfb).
#include <GeographicLib/UTMUPS.hpp>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableView>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/sample_airport.h"
#include "app/screenshot_program.h"
#include "entry/all_screens.h"
#include "store/number_text.h"
#include "store/schema/airport_fields.h"
#include "store/schema/hemispheres.h"
#include "store/schema/obstruction_fields.h"
#include "survey/geodesy.h"
#include "ui/evaluation_table_model.h"
#include "ui/gis_module_loader.h"
#include "ui/obstruction_evaluation_window.h"
#include "ui/obstruction_import_window.h"
#include "ui/survey_map_view.h"
#include "ui/survey_map_window.h"

using survey::screenshots::QuietPlatform;
using survey::screenshots::SilentDialogs;

namespace {

// A controller's CSV in UTM zone 15N and metres: new points round the sample airport, one
// that repeats the survey's first obstruction, two with values the field checks refuse.
void writeFieldCsv(const std::filesystem::path& file, const survey::SurveyStore& store) {
  std::ofstream csv(file);
  csv << "Point,Northing,Easting,Elev,Desc,Rwy,Surface,Date\n";
  const auto utm = [](const survey::GeoPosition& at) {
    int zone = 0;
    bool north = true;
    double easting = 0, northing = 0;
    GeographicLib::UTMUPS::Forward(at.latitude, at.longitude, zone, north, easting, northing, 15);
    return std::pair{survey::fixedText(northing, 2), survey::fixedText(easting, 2)};
  };
  const auto hemispheres = survey::hemispheresOf(store.airports(), 1);
  const auto first = survey::placeRowPosition(store.obstructions(), 1,
                                              survey::obstruction::kPosition, hemispheres);
  const double firstTop = survey::decimalValue(store.obstructions().cell(
                                                   1, survey::obstruction::TopElevationOrthometric))
                              .value_or(0);
  struct Row {
    double north, east;  // degrees from the reference point
    const char *metres, *object, *runway, *surface, *date;
  };
  const Row rows[] = {
      {0.010, -0.012, "391.4", "TREE", "02", "C", "05/19/2026"},
      {0.012, -0.010, "393.0", "TREE", "02", "C", "05/19/2026"},
      {-0.021, 0.004, "388.65", "POLE", "20", "PIR", "05/19/2026"},
      {-0.015, 0.018, "402.3", "ANTENNA", "", "ANAPC", "05/19/2026"},
      {0.018, 0.015, "396.2", "BLDG", "", "HCT", "5/19/26"},
      {0.004, -0.024, "389.9", "TREE", "14", "ANP", "05/20/2026"},
      {-0.006, 0.026, "387.1", "LIGHT", "32", "C", "05/20/2026"},
      {0.022, -0.001, "399.7", "TOWER", "", "HCT", "05/20/2026"},
  };
  int point = 101;
  for (const Row& r : rows) {
    const auto [northing, easting] =
        utm({survey::sample::kSampleReferencePoint.latitude + r.north,
             survey::sample::kSampleReferencePoint.longitude + r.east});
    csv << point++ << ',' << northing << ',' << easting << ',' << r.metres << ',' << r.object << ','
        << r.runway << ',' << r.surface << ',' << r.date << '\n';
  }
  const auto [northing, easting] = utm(*first.at);
  csv << point << ',' << northing << ',' << easting << ','
      << survey::fixedText(firstTop * survey::kMetresPerFoot, 2) << ','
      << store.obstructions().cell(1, survey::obstruction::Object) << ",,,05/20/2026\n";
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);  // no mapping remembered by the user's own imports
  if (argc != 2) {
    std::fprintf(stderr, "usage: survey-map-screenshots OUTDIR\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out);
  SilentDialogs dialogs;
  QuietPlatform platform;
  survey::Program program(dialogs, platform);
  survey::registerAllScreens(program.screens);
  survey::sample::addSampleAirport(program.store, 300);
  program.current().surveyKey = "SGF";

  // Two findings of the kind the survey review reports, to show how they are marked.
  const std::vector<survey::map::MapMark> marks = {
      {survey::TableKind::Runway, 2, survey::map::MarkSeverity::Error,
       "end 14's azimuth differs from the computed one"},
      {survey::TableKind::Obstruction, 17, survey::map::MarkSeverity::Warning,
       "AGL differs from top minus ground"}};
  int written = 0;
  survey::ui::SurveyMapWindow window(program, "SGF", marks);
  window.resize(1200, 860);
  window.show();
  QApplication::processEvents();
  window.view()->fitAll();
  QApplication::processEvents();
  written += window.grab().save(out + "/SurveyMap.png");
  window.view()->zoomBy(3);
  QApplication::processEvents();
  written += window.grab().save(out + "/SurveyMap-zoomed.png");

  // The evaluation, the obstructions that penetrate first.
  survey::ui::ObstructionEvaluationWindow evaluation(program, "SGF");
  evaluation.resize(1100, 600);
  evaluation.table()->sortByColumn(survey::ui::kPenetrationColumn, Qt::DescendingOrder);
  evaluation.show();
  QApplication::processEvents();
  written += evaluation.grab().save(out + "/ObstructionEvaluation.png");

  // The import of obstructions: its mapping, then its preview.
  if (const auto gis = survey::ui::loadGisModule(survey::ui::GisUse::Import); gis.module) {
    const auto csv = std::filesystem::temp_directory_path() / "field-points.csv";
    writeFieldCsv(csv, program.store);
    survey::ui::ObstructionImportWindow import(program, *gis.module, "SGF", csv);
    import.coordinateSystem()->setText("EPSG:26915");
    import.metresChoice()->setChecked(true);
    import.columnChoice("object")->setCurrentText("Desc");
    import.resize(820, 600);
    import.show();
    QApplication::processEvents();
    written += import.grab().save(out + "/ImportObstructions-mapping.png");
    import.showPreview();
    import.resize(1000, 560);
    QApplication::processEvents();
    written += import.grab().save(out + "/ImportObstructions-preview.png");
    import.reject();
    std::filesystem::remove(csv);
  } else {
    std::fprintf(stderr, "%s\n", gis.problem.c_str());
  }

  program.store.current.surveyType = "AOC";
  program.store.appendAirport(
      {{survey::airport::Name, "Lakeside Field"}, {survey::airport::Identifier, "LKS"}});
  survey::ui::SurveyMapWindow empty(program, "LKS");
  empty.resize(700, 360);
  empty.show();
  QApplication::processEvents();
  written += empty.grab().save(out + "/SurveyMap-empty.png");
  std::printf("%d images drawn to %s\n", written, argv[1]);
  return written == 6 ? 0 : 1;
}
