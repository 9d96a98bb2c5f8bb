#include "gis/gis_writer.h"

#include <cpl_error.h>
#include <gdal_priv.h>
#include <ogr_spatialref.h>
#include <ogrsf_frmts.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <set>

#include "gis/gis_layers.h"
#include "map/survey_features.h"
#include "store/file_io.h"
#include "store/store_side_files.h"
#include "store/text_forms.h"

namespace survey::gis {

namespace fs = std::filesystem;

namespace {

struct DatasetCloser {
  void operator()(GDALDataset* dataset) const { GDALClose(dataset); }
};
using DatasetPtr = std::unique_ptr<GDALDataset, DatasetCloser>;

// Keeps GDAL's own messages off the terminal while a survey is written; the last
// failure text ends up in the message to the user.
class QuietGdal {
 public:
  QuietGdal() {
    static std::once_flag registered;
    std::call_once(registered, [] { GDALAllRegister(); });
    CPLPushErrorHandler(CPLQuietErrorHandler);
    CPLErrorReset();
  }
  ~QuietGdal() { CPLPopErrorHandler(); }
  QuietGdal(const QuietGdal&) = delete;
  QuietGdal& operator=(const QuietGdal&) = delete;

  static bool failed() { return CPLGetLastErrorType() >= CE_Failure; }
  static std::string why() {
    const std::string text = CPLGetLastErrorMsg();
    return text.empty() ? "the GIS library gave no reason" : text;
  }
};

// A null-terminated list of "KEY=VALUE" texts, as GDAL takes its options.
class Options {
 public:
  Options(std::initializer_list<std::string> items) : texts_(items) {
    for (auto& text : texts_) pointers_.push_back(text.data());
    pointers_.push_back(nullptr);
  }
  char** get() { return texts_.empty() ? nullptr : pointers_.data(); }

 private:
  std::vector<std::string> texts_;
  std::vector<char*> pointers_;
};

OGRwkbGeometryType geometryType(GeometryKind kind) {
  switch (kind) {
    case GeometryKind::Line:
      return wkbLineString25D;
    case GeometryKind::Polygon:
      return wkbPolygon25D;
    default:
      return wkbPoint25D;
  }
}

// A polygon's rings; as closed 3D polylines when the format draws lines (DXF).
std::unique_ptr<OGRGeometry> polygonOf(const LayerFeature& feature, bool asLines) {
  auto polygon = std::make_unique<OGRPolygon>();
  auto lines = std::make_unique<OGRMultiLineString>();
  std::size_t at = 0;
  for (std::size_t size : feature.ringSizes) {
    OGRLinearRing ring;
    for (std::size_t i = 0; i <= size; ++i) {
      const std::size_t k = at + (i == size ? 0 : i);  // back to the first: closed
      ring.addPoint(feature.positions[k].longitude, feature.positions[k].latitude,
                    feature.heights[k].value_or(0.0));
    }
    at += size;
    if (asLines) {
      lines->addGeometry(&ring);
    } else {
      polygon->addRing(&ring);
    }
  }
  if (asLines) return lines;
  return polygon;
}

std::unique_ptr<OGRGeometry> geometryOf(const LayerFeature& feature) {
  const auto z = [&](std::size_t i) { return feature.heights[i].value_or(0.0); };
  if (feature.positions.size() == 1) {
    const auto& at = feature.positions[0];
    return std::make_unique<OGRPoint>(at.longitude, at.latitude, z(0));
  }
  auto line = std::make_unique<OGRLineString>();
  for (std::size_t i = 0; i < feature.positions.size(); ++i) {
    line->addPoint(feature.positions[i].longitude, feature.positions[i].latitude, z(i));
  }
  return line;
}

// OGR finds field names without regard to case, and a KML layer comes with fields "Name"
// and "Description" of its own: an attribute "name" is found by its exact name only.
int exactFieldIndex(const OGRFeatureDefn& definition, const char* name) {
  for (int i = 0; i < definition.GetFieldCount(); ++i) {
    if (std::strcmp(definition.GetFieldDefn(i)->GetNameRef(), name) == 0) return i;
  }
  return -1;
}

// KML writes the field chosen as a placemark's name into <name> and reads <name> back as
// its own field "Name", where an attribute "name" would also land. So each placemark's
// name is a copy in a field of its own, and every attribute stays in the placemark's data
// under its own name.
constexpr const char* kKmlPlacemarkName = "kml_name";
constexpr const char* kKmlDescription = "kml_description";  // no field: no <description>

// What a placemark is called in a KML viewer: the layer's `name` (the airport's), else
// its `label`. Empty when the layer has neither.
std::string placemarkName(const Layer& layer, const LayerFeature& feature) {
  for (const char* wanted : {"name", "label"}) {
    for (std::size_t i = 0; i < layer.attributes.size(); ++i) {
      if (std::string_view(layer.attributes[i].name) == wanted) return feature.values[i].text;
    }
  }
  return {};
}

// How each format takes the survey's layers.
struct Shape {
  bool oneLayer = false;    // GeoJSON: one collection with a "layer" attribute
  bool dxfLayers = false;   // DXF: one entity list; the DXF layer names the layer
  bool withSrs = true;      // KML and DXF have no place for the coordinate system
  bool intoFolder = false;  // Shapefile and CSV: the dataset is a folder of files
};

Shape shapeOf(GisFormat format) {
  switch (format) {
    case GisFormat::GeoJson:
      return {true, false, true, false};
    case GisFormat::Dxf:
      return {false, true, false, false};
    case GisFormat::Kml:
      return {false, false, false, false};
    case GisFormat::Shapefile:
    case GisFormat::Csv:
      return {false, false, true, true};
    default:
      return {};
  }
}

class DatasetWriter {
 public:
  DatasetWriter(GDALDataset& dataset, GisFormat format) : dataset_(dataset), format_(format) {
    srs_.importFromEPSG(4269);
    srs_.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
  }

  // The number of features written, or nothing after a failure.
  std::optional<int> write(const std::vector<Layer>& layers, std::string_view key) {
    const Shape shape = shapeOf(format_);
    int written = 0;
    if (shape.oneLayer || shape.dxfLayers) {
      OGRLayer* target = createLayer(shape.dxfLayers ? "entities" : std::string(key), wkbUnknown,
                                     unionOf(layers, !shape.dxfLayers), shape);
      if (!target) return std::nullopt;
      for (const auto& layer : layers) {
        if (!writeFeatures(*target, layer, written)) return std::nullopt;
      }
      return written;
    }
    for (const auto& layer : layers) {
      std::vector<AttributeSpec> attributes = layer.attributes;
      OGRLayer* target =
          createLayer(layer.name, geometryType(layer.geometry), attributes, shape, layer.geometry);
      if (!target) return std::nullopt;
      if (!writeFeatures(*target, layer, written)) return std::nullopt;
    }
    return written;
  }

 private:
  static std::vector<AttributeSpec> unionOf(const std::vector<Layer>& layers, bool withLayer) {
    std::vector<AttributeSpec> all;
    if (withLayer) all.push_back({"layer", AttributeType::Text});
    for (const auto& layer : layers) {
      for (const auto& spec : layer.attributes) {
        const bool known = std::any_of(all.begin(), all.end(), [&](const AttributeSpec& seen) {
          return std::string_view(seen.name) == spec.name;
        });
        if (!known) all.push_back(spec);
      }
    }
    return all;
  }

  OGRLayer* createLayer(const std::string& name, OGRwkbGeometryType type,
                        const std::vector<AttributeSpec>& attributes, const Shape& shape,
                        GeometryKind geometry = GeometryKind::Point) {
    Options options = layerOptions(geometry);
    OGRLayer* layer =
        dataset_.CreateLayer(name.c_str(), shape.withSrs ? &srs_ : nullptr, type, options.get());
    if (!layer) return nullptr;
    if (shape.dxfLayers) return layer;  // DXF keeps its own entity fields only
    if (format_ == GisFormat::Kml) {
      OGRFieldDefn placemark(kKmlPlacemarkName, OFTString);
      if (layer->CreateField(&placemark) != OGRERR_NONE) return nullptr;
    }
    for (const auto& spec : attributes) {
      OGRFieldDefn field(spec.name, spec.type == AttributeType::Real ? OFTReal : OFTString);
      if (layer->CreateField(&field) != OGRERR_NONE) return nullptr;
    }
    return layer;
  }

  Options layerOptions(GeometryKind geometry) const {
    switch (format_) {
      case GisFormat::Shapefile:
        return {"ENCODING=UTF-8"};
      case GisFormat::Csv:
        return {geometry != GeometryKind::Point ? "GEOMETRY=AS_WKT" : "GEOMETRY=AS_XYZ",
                "CREATE_CSVT=YES"};
      case GisFormat::GeoJson:
        return {"RFC7946=NO", "WRITE_NAME=NO"};
      default:
        return {};
    }
  }

  bool writeFeatures(OGRLayer& target, const Layer& layer, int& written) {
    OGRFeatureDefn* definition = target.GetLayerDefn();
    const bool transaction =
        target.TestCapability(OLCTransactions) && target.StartTransaction() == OGRERR_NONE;
    for (const auto& source : layer.features) {
      OGRFeature feature(definition);
      feature.SetGeometryDirectly(layer.geometry == GeometryKind::Polygon
                                      ? polygonOf(source, format_ == GisFormat::Dxf).release()
                                      : geometryOf(source).release());
      if (int index = definition->GetFieldIndex("layer"); index >= 0) {
        feature.SetField(index, layer.name);
      }
      if (format_ == GisFormat::Dxf) {
        if (int index = definition->GetFieldIndex("Layer"); index >= 0) {
          feature.SetField(index, source.cadLayer.empty() ? layer.name : source.cadLayer.c_str());
        }
      }
      if (format_ == GisFormat::Kml) {
        if (const std::string name = placemarkName(layer, source); !name.empty()) {
          feature.SetField(exactFieldIndex(*definition, kKmlPlacemarkName), name.c_str());
        }
      }
      for (std::size_t i = 0; i < layer.attributes.size(); ++i) {
        const int index = exactFieldIndex(*definition, layer.attributes[i].name);
        const AttributeValue& value = source.values[i];
        if (index < 0 || value.text.empty()) continue;
        if (layer.attributes[i].type == AttributeType::Real) {
          if (value.real) feature.SetField(index, *value.real);
        } else {
          feature.SetField(index, value.text.c_str());
        }
      }
      if (target.CreateFeature(&feature) != OGRERR_NONE) return false;
      ++written;
    }
    return !transaction || target.CommitTransaction() == OGRERR_NONE;
  }

  GDALDataset& dataset_;
  GisFormat format_;
  OGRSpatialReference srs_;
};

fs::path temporarySibling(const fs::path& file, const std::string& extension) {
  return file.parent_path() /
         ("." + file.stem().string() + ".writing-" + std::to_string(getpid()) + extension);
}

GisResult refused(std::string message) {
  return {false, std::move(message), {}};
}

// A Shapefile folder may be replaced when it holds nothing but files of a survey's layers.
bool holdsOnlyLayerFiles(const fs::path& folder, const std::vector<Layer>& layers) {
  std::set<std::string> names;
  for (const auto& layer : layers) names.insert(layer.name);
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    if (!entry.is_regular_file() || !names.count(entry.path().stem().string())) return false;
  }
  return !error;
}

// "1 feature", "2 features".
std::string counted(long long n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// Moves the finished dataset into place; the old file or folder goes only now.
std::optional<std::string> putInPlace(const fs::path& temporary, const fs::path& file,
                                      GisFormat format, std::vector<fs::path>& written) {
  std::error_code error;
  if (format == GisFormat::Csv) {
    std::vector<std::pair<fs::path, fs::path>> moves;
    for (const auto& entry : fs::directory_iterator(temporary, error)) {
      const std::string name = entry.path().filename().string();
      moves.push_back({entry.path(), csvLayerPath(file, entry.path().stem().string())
                                         .replace_extension(entry.path().extension())});
    }
    std::sort(moves.begin(), moves.end());
    for (const auto& [from, to] : moves) {
      fs::rename(from, to, error);
      if (error) return "Cannot write " + to.string() + ": " + error.message();
      written.push_back(to);
    }
    fs::remove_all(temporary, error);
    return std::nullopt;
  }
  if (format == GisFormat::Shapefile && fs::exists(file)) {
    const fs::path old = temporarySibling(file, ".old");
    fs::rename(file, old, error);
    if (error) return "Cannot replace " + file.string() + ": " + error.message();
    fs::rename(temporary, file, error);
    if (error) {
      std::error_code ignored;
      fs::rename(old, file, ignored);
      return "Cannot replace " + file.string() + ": " + error.message();
    }
    fs::remove_all(old, error);
  } else {
    fs::rename(temporary, file, error);
    if (error) return "Cannot write " + file.string() + ": " + error.message();
  }
  written.push_back(file);
  return std::nullopt;
}

std::optional<std::string> checkTarget(const fs::path& file, const GisFormatInfo& info,
                                       const std::vector<Layer>& layers,
                                       const fs::path& storeDirectory) {
  std::vector<fs::path> targets{file};
  if (info.format == GisFormat::Csv) {
    for (const auto& layer : layers) targets.push_back(csvLayerPath(file, layer.name));
  }
  for (const auto& target : targets) {
    if (std::string why = storeSideFileProblem(storeDirectory, target); !why.empty()) {
      return "Cannot write " + target.string() + ": " + why + ". Nothing was written.";
    }
  }
  std::error_code error;
  const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
  if (!fs::is_directory(folder, error)) {
    return "Cannot write " + file.string() + ": the folder " + folder.string() + " does not exist.";
  }
  if (access(folder.c_str(), W_OK) != 0) {
    return "Cannot write " + file.string() + ": the folder " + folder.string() +
           " is not writable.";
  }
  const auto status = fs::status(file, error);
  if (info.format == GisFormat::Shapefile) {
    if (fs::exists(status) && !fs::is_directory(status)) {
      return file.string() +
             " exists and is not a folder; a Shapefile export is a folder of files.";
    }
    if (fs::is_directory(status) && !holdsOnlyLayerFiles(file, layers)) {
      return "The folder " + file.string() +
             " holds other files; choose a new name for the Shapefile folder.";
    }
  } else if (fs::is_directory(status)) {
    return file.string() + " is a folder; choose a file name.";
  } else if (std::string why = notARegularFile(file, true); !why.empty()) {
    return "Cannot write " + file.string() + ": " + why + ".";
  }
  return std::nullopt;
}

}  // namespace

const std::vector<GisFormatInfo>& gisFormats() {
  static const std::vector<GisFormatInfo> formats = {
      {GisFormat::GeoPackage, ".gpkg", "GPKG", "GeoPackage"},
      {GisFormat::GeoJson, ".geojson", "GeoJSON", "GeoJSON"},
      {GisFormat::Kml, ".kml", "KML", "KML (Google Earth)"},
      {GisFormat::Dxf, ".dxf", "DXF", "DXF (CAD)"},
      {GisFormat::Shapefile, ".shp", "ESRI Shapefile", "Shapefile (a folder of files)"},
      {GisFormat::Csv, ".csv", "CSV", "CSV (one file per layer)"},
  };
  return formats;
}

std::optional<GisFormatInfo> gisFormatOf(const fs::path& file) {
  const std::string extension = lowered(file.extension().string());
  for (const auto& info : gisFormats()) {
    if (extension == info.extension) return info;
  }
  return std::nullopt;
}

fs::path csvLayerPath(const fs::path& file, std::string_view layer) {
  return file.parent_path() / (file.stem().string() + "-" + std::string(layer) + ".csv");
}

GisResult writeSurveyGis(const SurveyStore& store, std::string_view key, const fs::path& file,
                         const fs::path& storeDirectory) {
  const auto info = gisFormatOf(file);
  if (!info) {
    std::string known;
    for (const auto& format : gisFormats())
      known += (known.empty() ? "" : ", ") + std::string(format.extension);
    return refused("Cannot write " + file.string() + ": the file name must end in one of " + known +
                   ".");
  }
  if (store.findSurveyRow(key) == 0) {
    return refused("There is no survey " + std::string(key) + " in the store.");
  }
  const map::SurveyFeatures features = map::collectSurveyFeatures(store, key);
  if (features.empty()) {
    return refused("The survey " + std::string(key) +
                   " has no position that can be exported; nothing was written.");
  }
  const std::vector<Layer> layers = surveyLayers(store, features);
  if (auto problem = checkTarget(file, *info, layers, storeDirectory)) return refused(*problem);

  const QuietGdal quiet;
  GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(info->driver);
  if (!driver)
    return refused(std::string("The GIS library lacks its ") + info->driver + " driver.");
  const Shape shape = shapeOf(info->format);
  const fs::path temporary =
      temporarySibling(file, shape.intoFolder ? std::string() : std::string(info->extension));
  std::error_code ignored;
  fs::remove_all(temporary, ignored);
  Options options = info->format == GisFormat::Kml
                        ? Options{std::string("NameField=") + kKmlPlacemarkName,
                                  std::string("DescriptionField=") + kKmlDescription}
                        : Options{};
  std::optional<int> count;
  {
    DatasetPtr dataset(driver->Create(temporary.c_str(), 0, 0, 0, GDT_Unknown, options.get()));
    if (!dataset) {
      fs::remove_all(temporary, ignored);
      return refused("Cannot write " + file.string() + ": " + QuietGdal::why());
    }
    count = DatasetWriter(*dataset, info->format).write(layers, key);
  }
  if (!count || QuietGdal::failed()) {
    const std::string why = QuietGdal::why();
    fs::remove_all(temporary, ignored);
    return refused("Cannot write " + file.string() + ": " + why + ". Nothing was written.");
  }
  GisResult result;
  if (auto problem = putInPlace(temporary, file, info->format, result.written)) {
    fs::remove_all(temporary, ignored);
    return refused(*problem);
  }
  result.ok = true;
  // The layers' own files, not the .csvt and .prj files GDAL writes beside them.
  const auto csvFiles = std::count_if(result.written.begin(), result.written.end(),
                                      [](const fs::path& p) { return p.extension() == ".csv"; });
  result.message = "Wrote " + counted(*count, "feature", "features") + " of survey " +
                   std::string(key) + " to " +
                   (info->format == GisFormat::Csv
                        ? counted(csvFiles, "CSV file", "CSV files") + " beside " + file.string()
                        : file.string()) +
                   ".";
  if (const auto left = features.notPlaced.size(); left > 0) {
    result.message += left == 1 ? " 1 record has no usable position and was left out."
                                : " " + std::to_string(left) +
                                      " records have no usable position and were left out.";
  }
  return result;
}

}  // namespace survey::gis
