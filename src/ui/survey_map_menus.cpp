// The map, the obstruction evaluation, the import of obstructions and the GIS export reach the
// survey list's and the airport screen's File menus.
#include <QMenu>
#include <QMenuBar>

#include "entry/main_screen.h"
#include "shell/screen_names.h"
#include "ui/main_window.h"
#include "ui/obstruction_evaluation_window.h"
#include "ui/obstruction_import_window.h"
#include "ui/survey_map_window.h"

namespace survey::ui {

void addSurveyMapMenus(QMenuBar* bar, Program& program, const std::string& screenName,
                       QWidget* parent) {
  const bool onList = screenName == MainScreen::kName;
  if (!onList && screenName != screen::kAirport) return;
  // The File menu the bar shows now: the old screen's menus may still wait for deletion.
  QMenu* file = nullptr;
  for (QAction* shown : bar->actions()) {
    if (shown->menu() && shown->menu()->objectName() == "MenuFile") file = shown->menu();
  }
  if (!file) return;
  QAction* before = file->actions().isEmpty() ? nullptr : file->actions().back();  // "Exit"
  auto* map = new QAction("Survey &Map", file);
  map->setObjectName("MenuSurveyMap");
  QObject::connect(map, &QAction::triggered, parent,
                   [&program, parent] { showSurveyMap(program, parent); });
  file->insertAction(before, map);
  // "V": the airport screen's File menu has E for Exit, the survey list's O for the store.
  auto* evaluation = new QAction("Obstruction E&valuation", file);
  evaluation->setObjectName("MenuObstructionEvaluation");
  QObject::connect(evaluation, &QAction::triggered, parent,
                   [&program, parent] { showObstructionEvaluation(program, parent); });
  file->insertAction(before, evaluation);
  if (!onList) {
    auto* import = new QAction("&Import Obstructions...", file);
    import->setObjectName("MenuImportObstructions");
    QObject::connect(import, &QAction::triggered, parent,
                     [&program, parent] { importObstructionsFromFile(program, parent); });
    file->insertAction(before, import);
  }
  if (onList) {
    auto* data = new QAction("Export Survey &Data...", file);
    data->setObjectName("MenuExportSurveyData");
    QObject::connect(data, &QAction::triggered, parent, [&program] { exportSurveyData(program); });
    file->insertAction(before, data);
  }
  file->insertSeparator(before);
}

}  // namespace survey::ui
