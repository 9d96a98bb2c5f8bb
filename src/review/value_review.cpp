// The values themselves: present where the file needs them, not cut by the file's
// columns, and dates that are real, past and of this survey.
#include <array>
#include <charconv>
#include <optional>
#include <span>

#include "review/review_context.h"
#include "store/schema/airport_fields.h"
#include "store/schema/navaid_fields.h"
#include "store/schema/obstruction_fields.h"
#include "store/schema/runway_fields.h"
#include "store/text_trim.h"
#include "uddf/export/uddf_export.h"

namespace survey::review {

namespace {

// The values the exchange file must carry for each record of the survey.
constexpr auto kAirportRequired = std::to_array<int>(
    {airport::Identifier, airport::SiteNumber, airport::SurveyDate,
     airport::ReferenceLatitudeDegrees, airport::ReferenceLatitudeMinutes,
     airport::ReferenceLatitudeSeconds, airport::ReferenceLongitudeDegrees,
     airport::ReferenceLongitudeMinutes, airport::ReferenceLongitudeSeconds,
     airport::ElevationOrthometric, airport::ElevationEllipsoidal,
     airport::HorizontalDatumTieAccuracy, airport::EllipsoidalElevationTieAccuracy,
     airport::OrthometricElevationTieAccuracy, airport::VerticalDatum});
constexpr auto kRunwayRequired = std::to_array<int>(
    {runway::RwyIdDesignator, runway::OppositeDesignator, runway::RwyIdLatitudeDegrees,
     runway::RwyIdLatitudeMinutes, runway::RwyIdLatitudeSeconds, runway::RwyIdLongitudeDegrees,
     runway::RwyIdLongitudeMinutes, runway::RwyIdLongitudeSeconds,
     runway::RwyIdEndElevationOrthometric, runway::RwyIdEndElevationEllipsoidal,
     runway::OppositeLatitudeDegrees, runway::OppositeLatitudeMinutes,
     runway::OppositeLatitudeSeconds, runway::OppositeLongitudeDegrees,
     runway::OppositeLongitudeMinutes, runway::OppositeLongitudeSeconds,
     runway::OppositeEndElevationOrthometric, runway::OppositeEndElevationEllipsoidal});
constexpr auto kNavaidRequired = std::to_array<int>(
    {navaid::Type, navaid::LatitudeDegrees, navaid::LatitudeMinutes, navaid::LatitudeSeconds,
     navaid::LongitudeDegrees, navaid::LongitudeMinutes, navaid::LongitudeSeconds});
constexpr auto kObstructionRequired = std::to_array<int>(
    {obstruction::LatitudeDegrees, obstruction::LatitudeMinutes, obstruction::LatitudeSeconds,
     obstruction::LongitudeDegrees, obstruction::LongitudeMinutes, obstruction::LongitudeSeconds,
     obstruction::TopElevationOrthometric, obstruction::AccuracyHorizontal,
     obstruction::AccuracyVertical, obstruction::Surface});

bool blank(const std::string& text) {
  return trimSpaces(text).empty();
}

void requireFields(ReviewContext& context, TableKind table, int row, std::span<const int> fields) {
  for (int field : fields) {
    if (blank(context.cell(table, row, field))) {
      context.add(Severity::Error, table, row, field, "Missing: the UDDF file needs this value.");
    }
  }
}

// The export names a cut value by its place in the file; these are the fields behind them.
int fieldOfExportLabel(TableKind table, std::string_view label) {
  struct Entry {
    TableKind table;
    std::string_view label;
    int field;
  };
  static constexpr std::array kEntries{
      Entry{TableKind::Airport, "Airport Identifier", airport::Identifier},
      Entry{TableKind::Airport, "Site Number", airport::SiteNumber},
      Entry{TableKind::Airport, "Region", airport::Region},
      Entry{TableKind::Airport, "Airport Name", airport::Name},
      Entry{TableKind::Airport, "Survey Date", airport::SurveyDate},
      Entry{TableKind::Airport, "City", airport::City},
      Entry{TableKind::Airport, "State", airport::State},
      Entry{TableKind::Airport, "Horizontal Datum Tie Accuracy",
            airport::HorizontalDatumTieAccuracy},
      Entry{TableKind::Airport, "Ellipsoidal Elevation Tie Accuracy",
            airport::EllipsoidalElevationTieAccuracy},
      Entry{TableKind::Airport, "Orthometric Elevation Tie Accuracy",
            airport::OrthometricElevationTieAccuracy},
      Entry{TableKind::Airport, "Vertical Datum", airport::VerticalDatum},
      Entry{TableKind::Airport, "Airport Elevation Location", airport::ElevationLocation},
      Entry{TableKind::Runway, "Rwy ID", runway::RwyIdDesignator},
      Entry{TableKind::Runway, "Opp. Rwy", runway::OppositeDesignator},
      Entry{TableKind::Runway, "Survey Date", runway::SurveyDate},
      Entry{TableKind::Navaid, "NAVAID Type", navaid::Type},
      Entry{TableKind::Navaid, "Runway and NAVAID Identifier", navaid::Identifier},
      Entry{TableKind::Navaid, "Survey Date", navaid::SurveyDate},
      Entry{TableKind::Obstruction, "Object", obstruction::Object},
      Entry{TableKind::Obstruction, "Rwy ID", obstruction::RwyId},
      Entry{TableKind::Obstruction, "Obstruction Identification Surface", obstruction::Surface},
      Entry{TableKind::Obstruction, "Survey Date", obstruction::SurveyDate},
  };
  for (const Entry& entry : kEntries) {
    if (entry.table == table && entry.label == label) return entry.field;
  }
  return 0;
}

struct Date {
  int year, month, day;
};

std::optional<int> wholeNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::optional<Date> parseDate(std::string_view text) {
  const std::size_t first = text.find('/');
  const std::size_t second = first == std::string_view::npos ? first : text.find('/', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const auto month = wholeNumber(text.substr(0, first));
  const auto day = wholeNumber(text.substr(first + 1, second - first - 1));
  const auto year = wholeNumber(text.substr(second + 1));
  if (!month || !day || !year || text.size() - second - 1 != 4) return std::nullopt;
  if (*month < 1 || *month > 12 || *day < 1 || *year < 1900) return std::nullopt;
  const bool leap = (*year % 4 == 0 && *year % 100 != 0) || *year % 400 == 0;
  constexpr std::array kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const int days = kDays[static_cast<std::size_t>(*month - 1)] + (*month == 2 && leap ? 1 : 0);
  if (*day > days) return std::nullopt;
  return Date{*year, *month, *day};
}

// Days since 1970-01-01 of a proleptic Gregorian date.
long dayNumber(const Date& date) {
  const int y = date.year - (date.month <= 2 ? 1 : 0);
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yearOfEra = y - era * 400;
  const long dayOfYear = (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

constexpr long kFiveYears = 5 * 365 + 1;

void reviewDate(ReviewContext& context, TableKind table, int row, int field,
                const std::optional<Date>& airportDate) {
  const std::string& text = context.cell(table, row, field);
  if (blank(text)) return;  // a missing airport date is a missing value
  const std::optional<Date> date = parseDate(text);
  if (!date) {
    context.add(Severity::Error, table, row, field,
                "\"" + text + "\" is not a calendar date (mm/dd/yyyy).");
    return;
  }
  const ReviewDate& today = context.today;
  if (today.year > 0 && dayNumber(*date) > dayNumber({today.year, today.month, today.day})) {
    context.add(Severity::Error, table, row, field, "The date " + text + " is in the future.");
  }
  if (airportDate && dayNumber(*airportDate) - dayNumber(*date) > kFiveYears) {
    context.add(Severity::Warning, table, row, field,
                "The date " + text + " is more than five years before the airport's survey date " +
                    context.airport(airport::SurveyDate) + ".");
  }
}

}  // namespace

void reviewCompleteness(ReviewContext& context) {
  requireFields(context, TableKind::Airport, context.surveyRow, kAirportRequired);
  for (int row : context.runways) requireFields(context, TableKind::Runway, row, kRunwayRequired);
  for (int row : context.navaids) requireFields(context, TableKind::Navaid, row, kNavaidRequired);
  for (int row : context.obstructions) {
    requireFields(context, TableKind::Obstruction, row, kObstructionRequired);
  }
}

void reviewShortenedValues(ReviewContext& context) {
  const ReviewDate& d = context.today;
  const uddf::ComposedUddf composed =
      uddf::composeUddf(context.store, context.key, {d.year, d.month, d.day, 0, 0, 0});
  if (!composed.ok) {
    context.add(Severity::Error, TableKind::Airport, context.surveyRow, 0, composed.error);
    return;
  }
  for (const uddf::ShortenedValue& value : composed.shortened) {
    const int field = fieldOfExportLabel(value.table, value.field);
    context.add(Severity::Error, value.table, value.row, field,
                "Too long for the UDDF file: \"" + value.value + "\" would be written as \"" +
                    value.written + "\".",
                value.written);
    if (field == 0) context.findings.back().fieldLabel = value.field;
  }
}

void reviewDates(ReviewContext& context) {
  const std::optional<Date> airportDate = parseDate(context.airport(airport::SurveyDate));
  reviewDate(context, TableKind::Airport, context.surveyRow, airport::SurveyDate, std::nullopt);
  for (int row : context.runways)
    reviewDate(context, TableKind::Runway, row, runway::SurveyDate, airportDate);
  for (int row : context.navaids)
    reviewDate(context, TableKind::Navaid, row, navaid::SurveyDate, airportDate);
  for (int row : context.obstructions) {
    reviewDate(context, TableKind::Obstruction, row, obstruction::SurveyDate, airportDate);
  }
}

}  // namespace survey::review
