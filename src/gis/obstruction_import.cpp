#include "gis/obstruction_import.h"

#include <gdal_priv.h>
#include <ogr_spatialref.h>
#include <ogrsf_frmts.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <unordered_map>
#include <utility>

#include "store/number_text.h"
#include "store/schema/airport_fields.h"
#include "store/schema/hemispheres.h"
#include "store/schema/obstruction_fields.h"
#include "store/text_forms.h"
#include "store/text_trim.h"
#include "survey/degrees.h"
#include "survey/field_rules.h"
#include "survey/geodesy.h"
#include "survey/obstruction_surfaces.h"

namespace survey::gis {

namespace {

constexpr double kFeetPerMetre = 1 / 0.3048;
// Two positions this close in both coordinates are the same obstruction.
constexpr double kSamePositionDegrees = 0.1 / 3600;

std::string numberText(double value) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return std::string(buffer, end);
}

// An angle as a column holds it: decimal degrees ("-122.125") or degrees, minutes and
// seconds with a hemisphere letter or sign ("122 07 30.5 W", "37°14'43.2\"N").
struct AngleReading {
  std::optional<double> degrees;  // signed
  std::optional<DmsTexts> parts;  // the unsigned texts, when written as d/m/s
  std::string partsStorage[3];
};

bool readAngle(std::string_view text, bool latitude, AngleReading& out) {
  std::string_view s = trimSpaces(text);
  bool negative = false;
  const auto takeLetter = [&](char c) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if ((latitude && (upper == 'N' || upper == 'S')) ||
        (!latitude && (upper == 'E' || upper == 'W'))) {
      negative = upper == 'S' || upper == 'W';
      return true;
    }
    return false;
  };
  if (s.empty()) return false;
  if (std::isalpha(static_cast<unsigned char>(s.back()))) {
    if (!takeLetter(s.back())) return false;
    s = trimSpaces(s.substr(0, s.size() - 1));
  } else if (std::isalpha(static_cast<unsigned char>(s.front()))) {
    if (!takeLetter(s.front())) return false;
    s = trimSpaces(s.substr(1));
  }
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    negative = negative || s.front() == '-';
    s = trimSpaces(s.substr(1));
  }
  std::vector<std::string_view> numbers;
  std::size_t i = 0;
  while (i < s.size()) {
    const auto isPart = [&](std::size_t at) {
      return std::isdigit(static_cast<unsigned char>(s[at])) || s[at] == '.';
    };
    if (!isPart(i)) {
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < s.size() && isPart(i)) ++i;
    numbers.push_back(s.substr(start, i - start));
  }
  if (numbers.empty() || numbers.size() > 3) return false;
  double total = 0;
  double scale = 1;
  for (std::size_t part = 0; part < numbers.size(); ++part, scale *= 60) {
    const auto value = plainDecimalValue(numbers[part]);
    if (!value) return false;
    total += *value / scale;
  }
  out.degrees = negative ? -total : total;
  if (numbers.size() == 3) {
    for (int part = 0; part < 3; ++part)
      out.partsStorage[part] = std::string(numbers[static_cast<std::size_t>(part)]);
    out.parts = DmsTexts{out.partsStorage[0], out.partsStorage[1], out.partsStorage[2]};
  }
  return true;
}

// Unsigned degrees, minutes and seconds to a hundredth of a second, trailing zeros cut.
std::array<std::string, 3> dmsOf(double degrees) {
  const auto hundredths = static_cast<long long>(std::llround(std::fabs(degrees) * 360000));
  std::string seconds = std::to_string(hundredths % 6000 / 100);
  const long long fraction = hundredths % 100;
  if (fraction != 0) {
    seconds += '.';
    seconds += static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) seconds += static_cast<char>('0' + fraction % 10);
  }
  return {std::to_string(hundredths / 360000), std::to_string(hundredths / 6000 % 60), seconds};
}

// The first broken rule of a coordinate's texts, as the screen would tell it.
std::string coordinateProblem(const std::array<std::string, 3>& texts, bool latitude) {
  std::string problem = dmsProblem(latitude ? DmsKind::DegLat : DmsKind::Deg, texts[0]);
  if (problem.empty()) problem = dmsProblem(DmsKind::Min, texts[1]);
  if (problem.empty()) problem = dmsProblem(DmsKind::Sec, texts[2]);
  if (problem.empty()) problem = numberProblem(texts[2], 5, 2);
  return problem;
}

// The list item a value names, whole or by its code ("PIR", "1", "A").
std::optional<std::string> itemOf(const std::vector<std::string>& items, std::string_view value,
                                  bool bySurfaceCode) {
  const std::string wanted = lowered(trimSpaces(value));
  for (const auto& item : items) {
    const std::string code = bySurfaceCode ? surfaceCodeOf(item) : item.substr(0, item.find(' '));
    if (lowered(item) == wanted || lowered(code) == wanted) return item;
  }
  return std::nullopt;
}

std::string itemCodes(const std::vector<std::string>& items, bool bySurfaceCode) {
  std::string codes;
  for (const auto& item : items) {
    if (!codes.empty()) codes += ", ";
    codes += bySurfaceCode ? surfaceCodeOf(item) : item.substr(0, item.find(' '));
  }
  return codes;
}

struct DatasetCloser {
  void operator()(GDALDataset* dataset) const { GDALClose(dataset); }
};

// Existing and accepted obstructions by position, in cells of the duplicate tolerance.
class PositionIndex {
 public:
  void add(const GeoPosition& at, std::optional<double> top) {
    cells_[cellOf(at.latitude, at.longitude)].push_back({at, top});
  }
  bool holds(const GeoPosition& at, std::optional<double> top) const {
    const auto [row, column] = indexOf(at.latitude, at.longitude);
    for (long long dr = -1; dr <= 1; ++dr) {
      for (long long dc = -1; dc <= 1; ++dc) {
        const auto found = cells_.find(keyOf(row + dr, column + dc));
        if (found == cells_.end()) continue;
        for (const auto& [other, otherTop] : found->second) {
          if (std::fabs(other.latitude - at.latitude) <= kSamePositionDegrees * 1.000001 &&
              std::fabs(other.longitude - at.longitude) <= kSamePositionDegrees * 1.000001 &&
              otherTop == top) {
            return true;
          }
        }
      }
    }
    return false;
  }

 private:
  static std::pair<long long, long long> indexOf(double latitude, double longitude) {
    return {static_cast<long long>(std::floor(latitude / kSamePositionDegrees)),
            static_cast<long long>(std::floor(longitude / kSamePositionDegrees))};
  }
  static long long keyOf(long long row, long long column) { return row * 20'000'000 + column; }
  static long long cellOf(double latitude, double longitude) {
    const auto [row, column] = indexOf(latitude, longitude);
    return keyOf(row, column);
  }
  std::unordered_map<long long, std::vector<std::pair<GeoPosition, std::optional<double>>>> cells_;
};

class RowReader {
 public:
  RowReader(const SurveyStore& store, std::string_view key, const ObstructionImportOptions& options,
            ImportPreview& preview)
      : key_(key), options_(options), preview_(preview) {
    const int surveyRow = store.findSurveyRow(key);
    hemispheres_ = hemispheresOf(store.airports(), surveyRow);
    surfaces_ = obstructionSurfacesFor(store.airports().cell(surveyRow, airport::SurveyType));
    const Table& table = store.obstructions();
    for (int row : store.childRows(TableKind::Obstruction, key)) {
      const Placement placed = placeRowPosition(table, row, obstruction::kPosition, hemispheres_);
      if (placed.at) {
        known_.add(*placed.at, decimalValue(table.cell(row, obstruction::TopElevationOrthometric)));
      }
    }
    nextRow_ = table.count() + 1;
  }

  bool open(OGRLayer& layer) {
    OGRFeatureDefn* definition = layer.GetLayerDefn();
    std::vector<std::string> columns;
    std::map<std::string, int> byName;  // lowest case
    for (int i = 0; i < definition->GetFieldCount(); ++i) {
      columns.emplace_back(definition->GetFieldDefn(i)->GetNameRef());
      byName.emplace(lowered(columns.back()), i);
    }
    for (const auto& [mapKey, column] : guessedColumns(columns, options_.columns)) {
      if (column.empty()) continue;  // deliberately none
      const auto found = byName.find(lowered(column));
      if (found == byName.end()) {
        preview_.error = "the file has no column \"" + column + "\" (for " + mapKey + ")";
        return false;
      }
      fields_[mapKey] = found->second;
    }
    for (const auto& [mapKey, index] : fields_) {
      preview_.columns[mapKey] = definition->GetFieldDefn(index)->GetNameRef();
    }
    if (fields_.contains("lat") != fields_.contains("lon")) {
      preview_.error = "give both the latitude and the longitude column, or neither";
      return false;
    }
    return openCoordinateSystem(layer);
  }

  void read(OGRFeature& feature, int fileRow) {
    ImportRow row;
    row.row = fileRow;
    row.object = text(feature, "object");
    row.message = judge(feature, row);
    if (row.message.empty()) {
      row.outcome = RowOutcome::Accepted;
      row.obstruction = nextRow_++;
    } else if (row.outcome != RowOutcome::Skipped) {
      row.outcome = RowOutcome::Refused;
      row.cells.clear();
    }
    preview_.rows.push_back(std::move(row));
  }

 private:
  bool openCoordinateSystem(OGRLayer& layer) {
    OGRSpatialReference source;
    if (!options_.srs.empty()) {
      // A code or a definition only: no file read, no address fetched for what is typed.
      if (source.SetFromUserInput(options_.srs.c_str(),
                                  OGRSpatialReference::SET_FROM_USER_INPUT_LIMITATIONS_get()) !=
          OGRERR_NONE) {
        preview_.error = "\"" + options_.srs + "\" is not a coordinate system GDAL knows";
        return false;
      }
    } else if (const OGRSpatialReference* named = layer.GetSpatialRef()) {
      source = *named;
    } else {
      preview_.error =
          "the file names no coordinate system; give the EPSG code of the one its positions are in";
      return false;
    }
    source.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    target_.importFromEPSG(4269);
    target_.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    geographic_ = source.IsGeographic();
    sameAsTarget_ = source.IsSame(&target_);
    if (!sameAsTarget_) {
      transform_.reset(OGRCreateCoordinateTransformation(&source, &target_));
      if (!transform_) {
        preview_.error = "positions in this coordinate system cannot be turned into NAD83";
        return false;
      }
    }
    return true;
  }

  std::string text(OGRFeature& feature, const std::string& mapKey) const {
    const auto found = fields_.find(mapKey);
    if (found == fields_.end() || !feature.IsFieldSetAndNotNull(found->second)) return {};
    const OGRFieldType type = feature.GetFieldDefnRef(found->second)->GetType();
    if (type == OFTDate || type == OFTDateTime) {
      int year = 0, month = 0, day = 0, hour = 0, minute = 0, zone = 0;
      float second = 0;
      feature.GetFieldAsDateTime(found->second, &year, &month, &day, &hour, &minute, &second,
                                 &zone);
      char buffer[16];
      std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", month, day, year);
      return buffer;
    }
    if (type == OFTReal) return numberText(feature.GetFieldAsDouble(found->second));
    return std::string(trimSpaces(feature.GetFieldAsString(found->second)));
  }

  // An elevation in feet as the row stores it: the text as written when in feet, a
  // converted one rounded to the foot.
  std::string elevation(std::string written) const {
    if (!options_.metres || written.empty()) return written;
    const auto metres = decimalValue(written);
    if (!metres) return written;
    return numberText(std::round(*metres * kFeetPerMetre));
  }

  // Empty when the row is accepted (its cells then filled), else why not.
  std::string judge(OGRFeature& feature, ImportRow& row) {
    double x = 0, y = 0;
    std::optional<double> z;
    std::optional<std::array<std::string, 3>> latitudeTexts, longitudeTexts;
    if (fields_.contains("lat")) {
      AngleReading latitude, longitude;
      const std::string latitudeText = text(feature, "lat"), longitudeText = text(feature, "lon");
      if (!readAngle(latitudeText, geographic_, latitude)) {
        return "the latitude \"" + latitudeText + "\" is not a position";
      }
      if (!readAngle(longitudeText, false, longitude)) {
        return "the longitude \"" + longitudeText + "\" is not a position";
      }
      x = *longitude.degrees;
      y = *latitude.degrees;
      // Degrees, minutes and seconds already on NAD83 are kept as written.
      if (sameAsTarget_ && latitude.parts && longitude.parts) {
        latitudeTexts = {std::string(latitude.parts->degrees), std::string(latitude.parts->minutes),
                         std::string(latitude.parts->seconds)};
        longitudeTexts = {std::string(longitude.parts->degrees),
                          std::string(longitude.parts->minutes),
                          std::string(longitude.parts->seconds)};
      }
    } else {
      const OGRGeometry* geometry = feature.GetGeometryRef();
      if (geometry == nullptr || wkbFlatten(geometry->getGeometryType()) != wkbPoint) {
        return "not a point";
      }
      const auto* point = geometry->toPoint();
      x = point->getX();
      y = point->getY();
      if (point->Is3D()) z = point->getZ();
    }
    if (transform_ && !transform_->Transform(1, &x, &y)) {
      return "the position could not be turned into NAD83";
    }
    if (!latitudeTexts) {
      if (!std::isfinite(x) || !std::isfinite(y)) return "the position is not a number";
      latitudeTexts = dmsOf(y);
      longitudeTexts = dmsOf(x);
    }
    if ((y < 0) != hemispheres_.south && y != 0) {
      return std::string("the position lies in the ") + (y < 0 ? "south" : "north") +
             "ern hemisphere, the survey in the " + (hemispheres_.south ? "south" : "north") +
             "ern";
    }
    if ((x < 0) != hemispheres_.west && x != 0) {
      return std::string("the position lies in the ") + (x < 0 ? "west" : "east") +
             "ern hemisphere, the survey in the " + (hemispheres_.west ? "west" : "east") + "ern";
    }
    const auto dms = [](const std::array<std::string, 3>& t) { return DmsTexts{t[0], t[1], t[2]}; };
    row.latitude = dmsText(dms(*latitudeTexts), hemispheres_.latitudeLetter());
    row.longitude = dmsText(dms(*longitudeTexts), hemispheres_.longitudeLetter());
    if (auto problem = coordinateProblem(*latitudeTexts, true); !problem.empty()) return problem;
    if (auto problem = coordinateProblem(*longitudeTexts, false); !problem.empty()) return problem;

    std::string top = text(feature, "top");
    if (top.empty() && z) top = numberText(*z);
    row.topElevation = top = elevation(top);
    if (top.empty()) return "the top elevation is missing";
    const std::string ellipsoidal = elevation(text(feature, "top_ellip"));
    const std::string agl = elevation(text(feature, "agl"));
    for (const std::string* height : {&std::as_const(top), &ellipsoidal, &agl}) {
      if (auto problem = numberProblem(*height, 5, 0); !problem.empty()) return problem;
    }
    std::string surface = text(feature, "surface");
    if (!surface.empty()) {
      const auto item = itemOf(surfaces_, surface, true);
      if (!item) {
        return "the surface \"" + surface + "\" is not one of this survey's (" +
               itemCodes(surfaces_, true) + ")";
      }
      surface = *item;
    }
    std::string accuracy[2] = {text(feature, "acc_horiz"), text(feature, "acc_vert")};
    const std::vector<std::string>* accuracyItems[2] = {&horizontalAccuracyItems(),
                                                        &verticalAccuracyItems()};
    for (int axis = 0; axis < 2; ++axis) {
      if (accuracy[axis].empty()) continue;
      const auto item = itemOf(*accuracyItems[axis], accuracy[axis], false);
      if (!item) {
        return std::string("the ") + (axis == 0 ? "horizontal" : "vertical") + " accuracy \"" +
               accuracy[axis] + "\" is not one of " + itemCodes(*accuracyItems[axis], false);
      }
      accuracy[axis] = *item;
    }
    const std::string date = text(feature, "date");
    if (auto problem = surveyDateProblem(date); !problem.empty()) return problem;

    const GeoPosition at{y, x};
    const std::optional<double> topValue = decimalValue(top);
    if (known_.holds(at, topValue)) {
      row.repeat = true;
      if (!options_.keepRepeats) {
        row.outcome = RowOutcome::Skipped;
        return "the survey already has an obstruction here with this top elevation";
      }
    }
    known_.add(at, topValue);

    auto& cells = row.cells;
    cells.assign(static_cast<std::size_t>(obstruction::kStorageFields) + 1, {});
    const auto set = [&cells](int field, std::string value) {
      cells[static_cast<std::size_t>(field)] = std::move(value);
    };
    const PositionFields& position = obstruction::kPosition;
    for (int part = 0; part < 3; ++part) {
      const auto at = static_cast<std::size_t>(part);
      set(position.latitude.degrees + part, (*latitudeTexts)[at]);
      set(position.longitude.degrees + part, (*longitudeTexts)[at]);
    }
    set(obstruction::Object, row.object);
    set(obstruction::RwyId, text(feature, "runway"));
    set(obstruction::TopElevationOrthometric, top);
    set(obstruction::TopElevationEllipsoidal, ellipsoidal);
    set(obstruction::AboveGroundElevation, agl);
    set(obstruction::Surface, surface);
    set(obstruction::AccuracyHorizontal, accuracy[0]);
    set(obstruction::AccuracyVertical, accuracy[1]);
    set(obstruction::SurveyDate, date);
    set(obstruction::SurveyLink, key_);
    return {};
  }

  struct TransformDeleter {
    void operator()(OGRCoordinateTransformation* t) const {
      OGRCoordinateTransformation::DestroyCT(t);
    }
  };

  std::string key_;
  const ObstructionImportOptions& options_;
  ImportPreview& preview_;
  Hemispheres hemispheres_;
  std::vector<std::string> surfaces_;
  PositionIndex known_;
  int nextRow_ = 0;
  std::map<std::string, int> fields_;  // map key -> field index
  OGRSpatialReference target_;
  std::unique_ptr<OGRCoordinateTransformation, TransformDeleter> transform_;
  bool geographic_ = true;
  bool sameAsTarget_ = false;
};

}  // namespace

namespace {

struct OpenedLayer {
  std::unique_ptr<GDALDataset, DatasetCloser> dataset;
  OGRLayer* layer = nullptr;
  std::string error;
};

// Every vector format GDAL reads but the virtual one, whose file names other files and
// addresses to read in its place: a file handed over reads itself, nothing else.
const std::vector<const char*>& readingDrivers() {
  static const std::vector<const char*> names = [] {
    GDALAllRegister();
    std::vector<const char*> all;
    GDALDriverManager& drivers = *GetGDALDriverManager();
    for (int i = 0; i < drivers.GetDriverCount(); ++i) {
      GDALDriver* driver = drivers.GetDriver(i);
      const bool vector = driver->GetMetadataItem(GDAL_DCAP_VECTOR) != nullptr;
      if (vector && !EQUAL(driver->GetDescription(), "OGR_VRT")) {
        all.push_back(driver->GetDescription());
      }
    }
    all.push_back(nullptr);
    return all;
  }();
  return names;
}

// The layer named, else "obstructions" when the file has it, else its first.
OpenedLayer openLayer(const std::filesystem::path& file, const std::string& name) {
  OpenedLayer opened;
  std::error_code ec;
  const auto kind = std::filesystem::status(file, ec).type();
  const bool found = kind != std::filesystem::file_type::not_found && !ec;
  // A pipe or a device would hold the program waiting on its reading. Names GDAL reads
  // through its own file systems ("/vsizip/...") are not found here and left to it.
  if (found && kind != std::filesystem::file_type::regular &&
      kind != std::filesystem::file_type::directory) {
    opened.error = file.string() + " is not a file";
    return opened;
  }
  GDALAllRegister();
  CPLErrorHandlerPusher quiet(CPLQuietErrorHandler);
  opened.dataset.reset(static_cast<GDALDataset*>(GDALOpenEx(
      file.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY, readingDrivers().data(), nullptr, nullptr)));
  if (!opened.dataset) {
    opened.error = file.string() + (found || file.string().starts_with("/vsi")
                                        ? " cannot be read as a GIS or CAD file"
                                        : " does not exist");
    return opened;
  }
  GDALDataset& dataset = *opened.dataset;
  if (!name.empty()) {
    opened.layer = dataset.GetLayerByName(name.c_str());
  } else {
    opened.layer = dataset.GetLayerByName("obstructions");
    if (opened.layer == nullptr && dataset.GetLayerCount() > 0) opened.layer = dataset.GetLayer(0);
  }
  if (opened.layer == nullptr) {
    opened.error = file.string() + " has no layer " +
                   (name.empty() ? std::string("of points") : "\"" + name + "\"");
  }
  return opened;
}

}  // namespace

ImportFileLayout inspectImportFile(const std::filesystem::path& file, const std::string& layer) {
  ImportFileLayout layout;
  OpenedLayer opened = openLayer(file, layer);
  if (opened.dataset) {
    for (int i = 0; i < opened.dataset->GetLayerCount(); ++i) {
      layout.layers.emplace_back(opened.dataset->GetLayer(i)->GetName());
    }
  }
  if (!opened.error.empty()) {
    layout.error = opened.error;
    return layout;
  }
  CPLErrorHandlerPusher quiet(CPLQuietErrorHandler);
  OGRLayer& chosen = *opened.layer;
  layout.layer = chosen.GetName();
  OGRFeatureDefn* definition = chosen.GetLayerDefn();
  for (int i = 0; i < definition->GetFieldCount(); ++i) {
    layout.columns.emplace_back(definition->GetFieldDefn(i)->GetNameRef());
  }
  if (const OGRSpatialReference* named = chosen.GetSpatialRef()) {
    const char* name = named->GetName();
    layout.coordinateSystem = name && *name ? name : "unnamed";
    const char* authority = named->GetAuthorityName(nullptr);
    const char* code = named->GetAuthorityCode(nullptr);
    if (authority && code)
      layout.coordinateSystem += std::string(" (") + authority + ":" + code + ")";
  }
  layout.features = chosen.GetFeatureCount(FALSE);
  return layout;
}

ImportPreview previewObstructionImport(const SurveyStore& store, std::string_view key,
                                       const std::filesystem::path& file,
                                       const ObstructionImportOptions& options) {
  ImportPreview preview;
  const Table& table = store.obstructions();
  preview.room = table.shape().capacity - table.count();
  preview.error = importRefusal(store, key);
  if (!preview.error.empty()) return preview;
  for (const auto& [mapKey, column] : options.columns) {
    if (std::ranges::find(obstructionMapKeys(), mapKey) == obstructionMapKeys().end()) {
      preview.error = "\"" + mapKey + "\" is not a value to map (" + [] {
        std::string keys;
        for (const auto& k : obstructionMapKeys()) keys += (keys.empty() ? "" : ", ") + k;
        return keys;
      }() + ")";
      return preview;
    }
  }
  CPLErrorHandlerPusher quiet(CPLQuietErrorHandler);  // each refusal is told in our words
  const OpenedLayer opened = openLayer(file, options.layer);
  if (!opened.error.empty()) {
    preview.error = opened.error;
    return preview;
  }
  OGRLayer* layer = opened.layer;
  RowReader reader(store, key, options, preview);
  if (!reader.open(*layer)) return preview;
  int fileRow = 0;
  for (auto& feature : *layer) reader.read(*feature, ++fileRow);
  return preview;
}

}  // namespace survey::gis
