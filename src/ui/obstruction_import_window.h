// "Import Obstructions": the points of a GIS or CAD file added to the current survey in two
// steps, first which column gives which value (guessed, or as last time for files laid out
// the same), then a preview of what every row becomes; the accepted rows go in as one
// change, or none.
#pragma once

#include <QDialog>
#include <filesystem>
#include <map>
#include <string>

#include "gis/gis_module.h"
#include "shell/program.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableView;

namespace survey::ui {

class ImportPreviewModel;

class ObstructionImportWindow : public QDialog {
  Q_OBJECT
 public:
  ObstructionImportWindow(Program& program, const gis::GisModule& module, std::string key,
                          std::filesystem::path file, QWidget* parent = nullptr);

  // Why the file cannot be imported at all (unreadable, no layer); empty when it can.
  const std::string& fileProblem() const { return layout_.error; }

  // The mapping step.
  QComboBox* layerChoice() const { return layer_; }
  QComboBox* columnChoice(const std::string& mapKey) const;
  QLineEdit* coordinateSystem() const { return srs_; }
  QRadioButton* metresChoice() const { return metres_; }
  QPushButton* previewButton() const { return preview_; }
  ObstructionImportOptions options() const;

  // The preview step.
  bool previewShown() const;
  QTableView* previewTable() const { return table_; }
  QCheckBox* keepRepeatsChoice() const { return keepRepeats_; }
  QLabel* summary() const { return summary_; }
  QPushButton* importButton() const { return import_; }
  QPushButton* backButton() const { return back_; }
  const ImportPreview& preview() const { return plan_; }

  // Reads the file as mapped and shows the preview.
  void showPreview();
  // Adds the accepted rows, remembers the mapping for files laid out alike, closes the
  // window and tells what was imported.
  void importAccepted();

 private:
  QWidget* mappingPage();
  QWidget* previewPage();
  void readLayout();
  void fillColumnChoices();
  void showMapping();
  void rememberMapping() const;

  Program& program_;
  const gis::GisModule& module_;
  std::string key_;
  std::filesystem::path file_;
  gis::ImportFileLayout layout_;
  ImportPreview plan_;
  std::map<std::string, QComboBox*> columns_;
  QStackedWidget* pages_;
  QComboBox* layer_;
  QLabel* fileSystem_;
  QLineEdit* srs_;
  QRadioButton* feet_;
  QRadioButton* metres_;
  QPushButton* preview_;
  ImportPreviewModel* model_;
  QTableView* table_;
  QCheckBox* keepRepeats_;
  QLabel* summary_;
  QPushButton* back_;
  QPushButton* import_;
};

// Where the mappings are remembered: an INI file in the user's configuration folder.
QString importMappingsFile();

// "File > Import Obstructions...": refuses when the current survey cannot take obstructions,
// asks for the file, then runs the window.
void importObstructionsFromFile(Program& program, QWidget* parent);

}  // namespace survey::ui
