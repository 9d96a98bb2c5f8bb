#include "survey/obstruction_import_plan.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string_view>
#include <utility>

#include "store/schema/airport_fields.h"
#include "store/survey_status.h"
#include "store/text_forms.h"

namespace survey {

namespace {

// Column names each value is guessed from, lowest case, best first.
const std::vector<std::pair<std::string, std::vector<std::string>>>& guesses() {
  static const std::vector<std::pair<std::string, std::vector<std::string>>> all = {
      {"object", {"object", "obj", "name", "label", "description", "desc"}},
      {"top", {"top", "elev_orth", "top_elev", "topelev", "elevation", "elev", "msl", "amsl"}},
      {"top_ellip", {"top_ellip", "elev_ellip", "ellipsoidal", "ellip"}},
      {"agl", {"agl", "agl_ft", "height", "height_agl"}},
      {"runway", {"runway", "rwy", "rwy_id", "runway_end"}},
      {"surface", {"surf_code", "surface", "ois"}},
      {"acc_horiz", {"acc_horiz", "horiz_acc", "accuracy_h"}},
      {"acc_vert", {"acc_vert", "vert_acc", "accuracy_v"}},
      {"date", {"survey_dt", "survey_date", "date"}},
      {"lat", {"lat", "latitude", "lat_dd", "lat_dms", "northing", "y"}},
      {"lon", {"lon", "long", "longitude", "lng", "lon_dd", "lon_dms", "easting", "x"}},
  };
  return all;
}

// '%', ';', '=' and control characters as %XX, so that any column name fits in a line.
std::string escaped(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string result;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '%' || c == ';' || c == '=' || byte < 0x20 || byte == 0x7f) {
      result += '%';
      result += kHex[byte >> 4];
      result += kHex[byte & 0xf];
    } else {
      result += c;
    }
  }
  return result;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<std::string> unescaped(std::string_view text) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      result += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int high = hexDigit(text[i + 1]);
    const int low = hexDigit(text[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    result += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return result;
}

// Why the accepted rows cannot go in: they do not all fit.
std::string applyObstructionImportRefusal(const ImportPreview& preview) {
  return "the obstruction table has room for " + std::to_string(preview.room) +
         " more obstructions, the file has " + std::to_string(preview.accepted()) +
         " to add; nothing was imported";
}

}  // namespace

const std::vector<std::string>& obstructionMapKeys() {
  static const std::vector<std::string> keys = [] {
    std::vector<std::string> all;
    for (const auto& [key, names] : guesses()) all.push_back(key);
    return all;
  }();
  return keys;
}

std::map<std::string, std::string> guessedColumns(const std::vector<std::string>& columns,
                                                  const std::map<std::string, std::string>& fixed) {
  std::map<std::string, std::string> chosen = fixed;
  const auto taken = [&chosen](const std::string& column) {
    return std::ranges::any_of(chosen,
                               [&](const auto& given) { return lowered(given.second) == column; });
  };
  for (const auto& [mapKey, names] : guesses()) {
    if (chosen.contains(mapKey)) continue;
    for (const auto& name : names) {
      const auto found = std::ranges::find_if(
          columns, [&](const auto& column) { return lowered(column) == name; });
      if (found == columns.end() || taken(name)) continue;
      chosen[mapKey] = *found;
      break;
    }
  }
  return chosen;
}

const char* outcomeName(RowOutcome outcome) {
  switch (outcome) {
    case RowOutcome::Accepted:
      return "accepted";
    case RowOutcome::Refused:
      return "refused";
    case RowOutcome::Skipped:
      return "skipped";
  }
  return "";
}

std::string rowResultText(const ImportRow& row) {
  if (row.outcome != RowOutcome::Accepted) return row.message;
  return "obstruction " + std::to_string(row.obstruction) +
         (row.repeat ? ", repeating one already in the survey" : "");
}

int ImportPreview::count(RowOutcome outcome) const {
  return static_cast<int>(std::ranges::count_if(
      rows, [outcome](const ImportRow& row) { return row.outcome == outcome; }));
}

std::string importRefusal(const SurveyStore& store, std::string_view key) {
  const int row = key.empty() ? 0 : store.findSurveyRow(key);
  if (row == 0) return "no survey with the identifier \"" + std::string(key) + "\"";
  if (isSurveyLocked(store, key)) {
    return "survey " + std::string(key) + " is locked: its obstructions cannot change";
  }
  const std::string& type = store.airports().cell(row, airport::SurveyType);
  if (type == "RUNWAY" || type == "RUNWAYEND" || type == "NAVAID") {
    return "a survey of type " + type + " has no obstructions";
  }
  return {};
}

ImportOutcome applyObstructionImport(SurveyStore& store, const ImportPreview& preview) {
  if (!preview.error.empty()) return {0, preview.error};
  if (!preview.fits()) return {0, applyObstructionImportRefusal(preview)};
  int added = 0;
  for (const auto& row : preview.rows) {
    if (row.outcome != RowOutcome::Accepted) continue;
    if (!store.appendWholeRow(TableKind::Obstruction, row.cells)) {
      return {added, tableFullMessage(TableKind::Obstruction)};
    }
    ++added;
  }
  return {added, {}};
}

std::string previewSummary(const ImportPreview& preview) {
  if (!preview.error.empty()) return "Nothing can be imported: " + preview.error + ".";
  const auto rows = static_cast<int>(preview.rows.size());
  std::string summary = plural(rows, "row", "rows") + ": ";
  int first = 0, last = 0;
  for (const auto& row : preview.rows) {
    if (row.outcome != RowOutcome::Accepted) continue;
    if (first == 0) first = row.obstruction;
    last = row.obstruction;
  }
  const int accepted = preview.accepted();
  if (accepted == 0) {
    summary += "none to import";
  } else if (accepted == 1) {
    summary += "1 to import as obstruction " + std::to_string(first);
  } else {
    summary += std::to_string(accepted) + " to import as obstructions " + std::to_string(first) +
               " to " + std::to_string(last);
  }
  summary += ", " + std::to_string(preview.count(RowOutcome::Refused)) + " refused, " +
             std::to_string(preview.count(RowOutcome::Skipped)) +
             " skipped as repeats of obstructions already in the survey.";
  if (!preview.fits()) {
    std::string refusal = applyObstructionImportRefusal(preview);
    refusal.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(refusal.front())));
    summary += "\n" + refusal + ".";
  }
  return summary;
}

std::string importReport(const ImportPreview& preview, int added, const std::string& file) {
  std::string report = (added == 0 ? std::string("No obstructions were")
                                   : plural(added, "obstruction was", "obstructions were")) +
                       " imported from " + file + ".";
  const int refused = preview.count(RowOutcome::Refused);
  const int skipped = preview.count(RowOutcome::Skipped);
  if (refused > 0) report += "\n" + plural(refused, "row was", "rows were") + " refused.";
  if (skipped > 0) {
    report += "\n" + plural(skipped, "row was", "rows were") + " skipped: " +
              (skipped == 1 ? "it repeats an obstruction" : "they repeat obstructions") +
              " already in the survey.";
  }
  return report;
}

std::string layoutSignature(const std::vector<std::string>& columns) {
  std::vector<std::string> names;
  for (const auto& column : columns) names.push_back(lowered(column));
  std::ranges::sort(names);
  // FNV-1a: the same on every machine and in every run, unlike std::hash.
  std::uint64_t hash = 14695981039346656037ull;
  for (const auto& name : names) {
    for (const char c : name + '\x1f') {
      hash ^= static_cast<unsigned char>(c);
      hash *= 1099511628211ull;
    }
  }
  static constexpr char kHex[] = "0123456789abcdef";
  std::string signature = "layout-";
  for (int shift = 60; shift >= 0; shift -= 4) signature += kHex[(hash >> shift) & 0xf];
  return signature;
}

std::string mappingText(const std::map<std::string, std::string>& columns) {
  std::string text;
  for (const auto& [mapKey, column] : columns) {
    if (!text.empty()) text += ';';
    text += escaped(mapKey) + '=' + escaped(column);
  }
  return text;
}

std::map<std::string, std::string> mappingOfText(const std::string& text,
                                                 const std::vector<std::string>& columns) {
  std::map<std::string, std::string> mapping;
  std::string_view rest = text;
  while (!rest.empty()) {
    const std::size_t semicolon = rest.find(';');
    const std::string_view pair = rest.substr(0, semicolon);
    rest = semicolon == std::string_view::npos ? std::string_view() : rest.substr(semicolon + 1);
    const std::size_t equals = pair.find('=');
    if (equals == std::string_view::npos) continue;
    const auto mapKey = unescaped(pair.substr(0, equals));
    const auto column = unescaped(pair.substr(equals + 1));
    if (!mapKey || !column) continue;
    // The file's own spelling of the column: a layout is the same whatever the case.
    const auto present = std::ranges::find_if(
        columns, [&](const std::string& name) { return lowered(name) == lowered(*column); });
    const bool known =
        std::ranges::find(obstructionMapKeys(), *mapKey) != obstructionMapKeys().end();
    if (!known || present == columns.end()) continue;
    const bool free =
        std::ranges::none_of(mapping, [&](const auto& m) { return m.second == *present; });
    if (free) mapping[*mapKey] = *present;
  }
  return mapping;
}

}  // namespace survey
