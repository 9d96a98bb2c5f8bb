#include "ui/obstruction_import_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>
#include <utility>

#include "entry/obstruction_screen.h"
#include "ui/gis_module_loader.h"
#include "ui/import_preview_model.h"
#include "ui/record_table.h"

namespace survey::ui {

namespace {

constexpr const char* kNoColumn = "(none)";

// The captions of the values a column may give, in the order of obstructionMapKeys().
const std::map<std::string, const char*>& valueCaptions() {
  static const std::map<std::string, const char*> captions = {
      {"object", "&Object:"},
      {"top", "&Top elevation (orthometric):"},
      {"top_ellip", "Top elevation (&ellipsoidal):"},
      {"agl", "&Height above ground:"},
      {"runway", "&Runway end:"},
      {"surface", "&Surface code:"},
      {"acc_horiz", "Hori&zontal accuracy:"},
      {"acc_vert", "&Vertical accuracy:"},
      {"date", "Survey &date:"},
      {"lat", "&Latitude (or northing, y):"},
      {"lon", "Lon&gitude (or easting, x):"},
  };
  return captions;
}

QString text(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

QString importMappingsFile() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return QDir(folder).filePath("airport-survey/import-mappings.ini");
}

ObstructionImportWindow::ObstructionImportWindow(Program& program, const gis::GisModule& module,
                                                 std::string key, std::filesystem::path file,
                                                 QWidget* parent)
    : QDialog(parent),
      program_(program),
      module_(module),
      key_(std::move(key)),
      file_(std::move(file)),
      pages_(new QStackedWidget),
      model_(new ImportPreviewModel(this)) {
  setWindowTitle(text("Import Obstructions - " + key_));
  auto* layout = new QVBoxLayout(this);
  auto* fileLine = new QLabel(text("File: " + file_.string()));
  fileLine->setObjectName("ImportFile");
  fileLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(fileLine);
  layout->addWidget(pages_, 1);
  pages_->addWidget(mappingPage());
  pages_->addWidget(previewPage());

  connect(layer_, &QComboBox::activated, this, [this] {
    readLayout();
    fillColumnChoices();
    preview_->setEnabled(layout_.error.empty());
  });
  connect(preview_, &QPushButton::clicked, this, [this] { showPreview(); });
  connect(back_, &QPushButton::clicked, this, [this] { showMapping(); });
  connect(keepRepeats_, &QCheckBox::toggled, this, [this] { showPreview(); });
  connect(import_, &QPushButton::clicked, this, [this] { importAccepted(); });

  readLayout();
  for (const auto& name : layout_.layers) layer_->addItem(text(name));
  layer_->setCurrentText(text(layout_.layer));
  layer_->setEnabled(layout_.layers.size() > 1);
  fillColumnChoices();
  showMapping();
  resize(900, 640);
}

// The mapping step: where the positions and elevations stand, and which column gives what.
QWidget* ObstructionImportWindow::mappingPage() {
  auto* mapping = new QWidget;
  auto* mappingLayout = new QVBoxLayout(mapping);
  mappingLayout->setContentsMargins(0, 0, 0, 0);
  auto* source = new QFormLayout;
  layer_ = new QComboBox;
  layer_->setObjectName("ImportLayer");
  source->addRow("L&ayer:", layer_);
  fileSystem_ = new QLabel;
  fileSystem_->setObjectName("FileCoordinateSystem");
  fileSystem_->setWordWrap(true);
  source->addRow("The file's coordinate system:", fileSystem_);
  srs_ = new QLineEdit;
  srs_->setObjectName("CoordinateSystem");
  srs_->setToolTip(
      "An EPSG code such as EPSG:26910; needed when the file names no system, "
      "and taken over the file's when given");
  source->addRow("&Positions in (EPSG):", srs_);
  auto* units = new QHBoxLayout;
  feet_ = new QRadioButton("&Feet");
  feet_->setObjectName("ElevationsInFeet");
  metres_ = new QRadioButton("&Metres");
  metres_->setObjectName("ElevationsInMetres");
  feet_->setChecked(true);
  auto* unitGroup = new QButtonGroup(this);
  unitGroup->addButton(feet_);
  unitGroup->addButton(metres_);
  units->addWidget(feet_);
  units->addWidget(metres_);
  units->addStretch();
  source->addRow("Elevations in:", units);
  mappingLayout->addLayout(source);

  auto* columnsBox = new QGroupBox("Columns");
  auto* columnForm = new QFormLayout(columnsBox);
  for (const auto& mapKey : obstructionMapKeys()) {
    auto* choice = new QComboBox;
    choice->setObjectName(text("Column_" + mapKey));
    auto* label = new QLabel(valueCaptions().at(mapKey));
    label->setBuddy(choice);
    columnForm->addRow(label, choice);
    columns_[mapKey] = choice;
  }
  auto* positionHint = new QLabel(
      "Leave latitude and longitude at (none) to take the positions from the points themselves; "
      "columns of a projected system hold northings and eastings.");
  positionHint->setWordWrap(true);
  columnForm->addRow(positionHint);
  mappingLayout->addWidget(columnsBox);
  mappingLayout->addStretch();
  auto* mappingButtons = new QHBoxLayout;
  mappingButtons->addStretch();
  preview_ = new QPushButton("P&review >");
  preview_->setObjectName("ShowPreview");
  auto* cancelMapping = new QPushButton("Cancel");
  cancelMapping->setObjectName("CancelMapping");
  mappingButtons->addWidget(preview_);
  mappingButtons->addWidget(cancelMapping);
  mappingLayout->addLayout(mappingButtons);
  connect(cancelMapping, &QPushButton::clicked, this, &QDialog::reject);
  return mapping;
}

// The preview step: every row's outcome.
QWidget* ObstructionImportWindow::previewPage() {
  auto* previewPage = new QWidget;
  auto* previewLayout = new QVBoxLayout(previewPage);
  previewLayout->setContentsMargins(0, 0, 0, 0);
  summary_ = new QLabel;
  summary_->setObjectName("ImportSummary");
  summary_->setWordWrap(true);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  previewLayout->addWidget(summary_);
  table_ = newRecordTable("ImportPreview", "Rows of the file", model_);
  previewLayout->addWidget(table_, 1);
  keepRepeats_ = new QCheckBox("Import rows that &repeat obstructions already in the survey");
  keepRepeats_->setObjectName("KeepRepeats");
  keepRepeats_->setToolTip(
      "A row repeats an obstruction when it lies within 0.1 second of it in latitude and "
      "longitude and has the same top elevation; such rows are skipped unless this is ticked");
  previewLayout->addWidget(keepRepeats_);
  auto* previewButtons = new QHBoxLayout;
  back_ = new QPushButton("< &Back");
  back_->setObjectName("BackToMapping");
  previewButtons->addWidget(back_);
  previewButtons->addStretch();
  import_ = new QPushButton("&Import");
  import_->setObjectName("ImportRows");
  auto* cancelPreview = new QPushButton("Cancel");
  cancelPreview->setObjectName("CancelPreview");
  previewButtons->addWidget(import_);
  previewButtons->addWidget(cancelPreview);
  previewLayout->addLayout(previewButtons);
  connect(cancelPreview, &QPushButton::clicked, this, &QDialog::reject);
  return previewPage;
}

QComboBox* ObstructionImportWindow::columnChoice(const std::string& mapKey) const {
  const auto found = columns_.find(mapKey);
  return found == columns_.end() ? nullptr : found->second;
}

void ObstructionImportWindow::readLayout() {
  const BusyPointer busy(program_.platform);
  layout_ = module_.inspectImport(file_, layer_->currentText().toStdString());
  fileSystem_->setText(layout_.coordinateSystem.empty()
                           ? "none named: give the EPSG code of the system the positions are in"
                           : text(layout_.coordinateSystem));
  srs_->setPlaceholderText(layout_.coordinateSystem.empty() ? "EPSG:N" : "as the file says");
}

// Each value's column as last time for a file laid out alike, else as guessed by its name.
void ObstructionImportWindow::fillColumnChoices() {
  const QSettings remembered(importMappingsFile(), QSettings::IniFormat);
  const QString group = text(layoutSignature(layout_.columns)) + "/";
  std::map<std::string, std::string> chosen;
  if (remembered.contains(group + "columns")) {
    chosen = mappingOfText(remembered.value(group + "columns").toString().toStdString(),
                           layout_.columns);
    // A system the file names itself is not overridden by one typed for another file.
    if (layout_.coordinateSystem.empty()) {
      srs_->setText(remembered.value(group + "srs").toString().left(64));
    }
    (remembered.value(group + "metres").toBool() ? metres_ : feet_)->setChecked(true);
  } else {
    chosen = guessedColumns(layout_.columns, {});
  }
  for (const auto& [mapKey, choice] : columns_) {
    choice->clear();
    choice->addItem(kNoColumn);
    for (const auto& column : layout_.columns) choice->addItem(text(column));
    const auto found = chosen.find(mapKey);
    if (found != chosen.end()) choice->setCurrentText(text(found->second));
  }
}

ObstructionImportOptions ObstructionImportWindow::options() const {
  ObstructionImportOptions options;
  for (const auto& [mapKey, choice] : columns_) {
    // (none) is a choice too: the import must not guess that value again.
    options.columns[mapKey] = choice->currentIndex() > 0 ? choice->currentText().toStdString() : "";
  }
  options.srs = srs_->text().trimmed().toStdString();
  options.metres = metres_->isChecked();
  options.layer = layout_.layer;
  options.keepRepeats = keepRepeats_->isChecked();
  return options;
}

bool ObstructionImportWindow::previewShown() const {
  return pages_->currentIndex() == 1;
}

void ObstructionImportWindow::showMapping() {
  pages_->setCurrentIndex(0);
  preview_->setEnabled(layout_.error.empty());
  preview_->setDefault(true);
  (layer_->isEnabled() ? static_cast<QWidget*>(layer_) : srs_)->setFocus();
}

void ObstructionImportWindow::showPreview() {
  {
    const BusyPointer busy(program_.platform);
    model_->setPreview(nullptr);
    plan_ = module_.previewImport(program_.store, key_, file_, options());
    model_->setPreview(&plan_);
  }
  summary_->setText(text(previewSummary(plan_)));
  table_->resizeColumnsToContents();
  const bool importable = plan_.error.empty() && plan_.accepted() > 0 && plan_.fits();
  import_->setEnabled(importable);
  import_->setDefault(importable);
  back_->setDefault(!importable);
  pages_->setCurrentIndex(1);
  (importable ? static_cast<QWidget*>(import_) : back_)->setFocus();
}

void ObstructionImportWindow::importAccepted() {
  if (program_.refuseWhenReadOnly()) return;
  const ImportOutcome outcome = applyObstructionImport(program_.store, plan_);
  if (outcome.added > 0) showAddedObstructions(program_);
  rememberMapping();
  accept();
  std::string report = importReport(plan_, outcome.added, file_.string());
  if (!outcome.error.empty()) report = "The import stopped: " + outcome.error + ".\n" + report;
  program_.tell(report);
}

void ObstructionImportWindow::rememberMapping() const {
  QSettings remembered(importMappingsFile(), QSettings::IniFormat);
  const QString group = text(layoutSignature(layout_.columns)) + "/";
  remembered.setValue(group + "columns", text(mappingText(options().columns)));
  if (layout_.coordinateSystem.empty()) remembered.setValue(group + "srs", srs_->text().trimmed());
  remembered.setValue(group + "metres", metres_->isChecked());
}

void importObstructionsFromFile(Program& program, QWidget* parent) {
  if (program.refuseWhenReadOnly() || program.refuseWithoutSurvey()) return;
  const std::string key = program.current().surveyKey;
  if (const std::string refusal = importRefusal(program.store, key); !refusal.empty()) {
    return program.tell("No obstructions can be imported: " + refusal + ".");
  }
  const GisModuleLoad gisModule = loadGisModule(GisUse::Import);
  if (!gisModule.module) return program.tell(gisModule.problem);
  const auto file = program.platform.chooseOpenFile(
      "Import Obstructions", program.platform.storeDirectory(),
      "GIS and CAD files (*.csv *.gpkg *.shp *.geojson *.json *.kml *.dxf *.gml *.tab);;"
      "All files (*)");
  if (!file) return;
  ObstructionImportWindow window(program, *gisModule.module, key, *file, parent);
  if (!window.fileProblem().empty()) {
    return program.tell("No obstructions were imported: " + window.fileProblem() + ".");
  }
  window.exec();
}

}  // namespace survey::ui
