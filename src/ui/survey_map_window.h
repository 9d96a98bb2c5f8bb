// "Survey Map": the plan of one survey in its own window, with Zoom, Fit and
// "Save Image" above it and the records that could not be placed below it.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "map/plan_view.h"
#include "map/surface_features.h"
#include "shell/program.h"

class QCheckBox;
class QGraphicsScene;
class QIODevice;
class QLabel;
class QListWidget;
class QPainter;
class QPushButton;

namespace survey::ui {

class SurveyMapView;

class SurveyMapWindow : public QWidget {
  Q_OBJECT
 public:
  // `marks`: records to ring on the plan, such as the survey review's findings.
  SurveyMapWindow(Program& program, std::string key, std::vector<map::MapMark> marks = {},
                  QWidget* parent = nullptr);

  SurveyMapView* view() const { return view_; }
  QListWidget* notPlacedList() const { return notPlaced_; }
  const map::SurveyFeatures& features() const { return features_; }
  const map::SurfaceFeatures& surfaces() const { return surfaces_; }
  // "Show surfaces": the surfaces' outlines and their legend entries, on at first.
  QCheckBox* surfacesToggle() const { return showSurfaces_; }
  QString toolTipOf(int featureIndex) const;
  // Redraws from the tables (after an edit elsewhere).
  void refresh();
  // Writes the plan as shown under a title line: PNG, or PDF when the name ends in ".pdf",
  // whole or not at all. Empty when written, otherwise why not.
  QString saveImage(const QString& file);
  // The saved image's title: the airport's identifier and name and the survey date (the
  // date the image is saved when the survey has none).
  QString imageTitle() const;
  // The saved image's size in the view's pixels: the title line over the plan.
  QSize imageSize() const;
  // Draws the saved image on a device of imageSize() at the screen's resolution, so that
  // the plan, its symbols, labels and scale bar keep the sizes they have on screen.
  void paintImage(QPainter& painter) const;

 private:
  void chooseAndSaveImage();
  // The saved image's file as PNG or as a PDF page into the device; false when it could
  // not be drawn.
  bool drawImage(QIODevice& device, bool pdf) const;
  QFont titleFont() const;
  int titleHeight() const;
  void openFeature(int index);
  // Shows or hides the outlines as the toggle says, with the legend to match.
  void showSurfaces();

  Program& program_;
  std::string key_;
  std::vector<map::MapMark> marks_;
  map::SurveyFeatures features_;
  map::PlanView plan_;
  map::SurfaceFeatures surfaces_;
  QGraphicsScene* scene_;
  SurveyMapView* view_;
  QLabel* nothing_;
  QListWidget* notPlaced_;
  QLabel* notPlacedTitle_;
  std::vector<QPushButton*> tools_;  // useless while nothing is placed
  QCheckBox* showSurfaces_;
};

// Opens the map of the current survey; tells the user when none is chosen.
// Marks the findings of the survey's last review in this run, if it has been reviewed.
void showSurveyMap(Program& program, QWidget* parent);
// "Export Survey Data": a file dialog for the current survey, then the GIS writer.
void exportSurveyData(Program& program);

}  // namespace survey::ui
