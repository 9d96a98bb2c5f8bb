#include <gtest/gtest.h>

#include "store/survey_store.h"

namespace survey {
namespace {

FieldValues airport(const std::string& key, const std::string& name = "") {
  return {{1, name}, {3, key}};
}

TEST(SurveyStore, AppendAirportMakesTheSurveyCurrent) {
  SurveyStore store;
  store.current.surveyType = "NAVAID";
  const auto added = store.appendAirport(airport("ABC", "Abc Field"));
  ASSERT_TRUE(added);
  EXPECT_EQ(added.row, 1);
  EXPECT_EQ(store.airports().cell(1, 25), "NAVAID");
  EXPECT_EQ(store.airports().cell(1, 41), "NEW");
  EXPECT_EQ(store.current.surveyKey, "ABC");
  EXPECT_EQ(store.current.surveyName, "Abc Field");
  EXPECT_EQ(store.current.airportRow, 1);
}

TEST(SurveyStore, FindSurveyRowTakesTheLastMatch) {
  SurveyStore store;
  for (const char* key : {"X", "Y", "X"}) store.appendAirport(airport(key));
  EXPECT_EQ(store.findSurveyRow("X"), 3);
  EXPECT_EQ(store.findSurveyRow("Y"), 2);
  EXPECT_EQ(store.findSurveyRow("x"), 0);
  EXPECT_EQ(store.findSurveyRow(""), 0);
}

TEST(SurveyStore, ChildRowsSkipDeletedAndOtherSurveys) {
  SurveyStore store;
  store.appendAirport(airport("A"));
  store.appendChild(TableKind::Runway, {{2, "09"}});
  store.current.surveyKey = "B";
  store.appendChild(TableKind::Runway, {{2, "18"}});
  store.current.surveyKey = "A";
  store.appendChild(TableKind::Runway, {{2, "27"}});
  store.appendChild(TableKind::Runway, {{2, "36"}});
  store.markDeleted(TableKind::Runway, 3);
  EXPECT_EQ(store.childRows(TableKind::Runway, "A"), (std::vector<int>{1, 4}));
  EXPECT_EQ(store.runways().cell(3, 50), "D");
  EXPECT_EQ(store.runways().count(), 4);
  EXPECT_EQ(store.current.runwayRow, 4);
}

// A navaid or obstruction is numbered by its row when added, however it is added;
// runways carry no number.
TEST(SurveyStore, NewNavaidsAndObstructionsAreNumberedByTheirRow) {
  for (TableKind kind : {TableKind::Runway, TableKind::Navaid, TableKind::Obstruction}) {
    SCOPED_TRACE(std::string(shapeOf(kind).name));
    SurveyStore store;
    store.appendAirport(airport("A"));
    store.appendChild(kind, {{1, "x"}});
    store.appendWholeRow(kind, {"", "y"});
    const int numberField = shapeOf(kind).recordNumberField;
    EXPECT_EQ(numberField != 0, kind != TableKind::Runway);
    if (numberField != 0) {
      EXPECT_EQ(store.table(kind).cell(1, numberField), numberCell(1));
      EXPECT_EQ(store.table(kind).cell(2, numberField), numberCell(2));
    }
    EXPECT_EQ(store.table(kind).cell(2, 1), "y");
  }
}

// Renaming a survey takes all its rows along, deleted ones too, and no other survey's.
TEST(SurveyStore, RenamingASurveyTakesItsChildrenAlong) {
  SurveyStore store;
  store.appendAirport(airport("OLD"));
  store.appendAirport(airport("OTHER"));
  for (const char* key : {"OLD", "OTHER", "OLD"}) {
    store.current.surveyKey = key;
    for (TableKind kind : {TableKind::Runway, TableKind::Navaid, TableKind::Obstruction})
      store.appendChild(kind, {});
  }
  store.markDeleted(TableKind::Navaid, 3);
  EXPECT_TRUE(store.identifierTaken("OTHER", 1));
  EXPECT_FALSE(store.identifierTaken("OTHER", 2));
  EXPECT_FALSE(store.identifierTaken("NEW", 1));
  store.renameSurvey("OLD", "NEW");
  EXPECT_EQ(store.current.surveyKey, "NEW");
  for (TableKind kind : {TableKind::Runway, TableKind::Navaid, TableKind::Obstruction}) {
    const Table& table = store.table(kind);
    const int link = table.shape().linkField;
    EXPECT_EQ(table.cell(1, link), "NEW");
    EXPECT_EQ(table.cell(2, link), "OTHER");
    EXPECT_EQ(table.cell(3, link), "NEW");
  }
}

TEST(SurveyStore, FullTablesRefuseAndKeepTheirCount) {
  const struct {
    TableKind kind;
    int capacity;
  } cases[] = {{TableKind::Airport, 1000},
               {TableKind::Runway, 1000},
               {TableKind::Navaid, 10000},
               {TableKind::Obstruction, 32767}};
  for (const auto& c : cases) {
    SurveyStore store;
    store.table(c.kind).setCount(static_cast<int16_t>(c.capacity - 1));
    const auto last =
        c.kind == TableKind::Airport ? store.appendAirport({}) : store.appendChild(c.kind, {});
    EXPECT_EQ(last.row, c.capacity);
    const auto refused =
        c.kind == TableKind::Airport ? store.appendAirport({}) : store.appendChild(c.kind, {});
    EXPECT_FALSE(refused) << store.table(c.kind).shape().name;
    EXPECT_NE(refused.error.find(std::to_string(c.capacity)), std::string::npos);
    EXPECT_EQ(store.table(c.kind).count(), c.capacity);
  }
}

TEST(SurveyStore, NumberAndBooleanCellsTakeTheirPrintForm) {
  EXPECT_EQ(numberCell(7), " 7 ");
  EXPECT_EQ(numberCell(32767), " 32767 ");
  EXPECT_EQ(numberCell(-3), "-3 ");
  EXPECT_EQ(booleanCell(true), "True");
  EXPECT_EQ(booleanCell(false), "False");
}

}  // namespace
}  // namespace survey
