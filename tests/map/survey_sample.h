// A small survey south of the equator and east of Greenwich, with one of each kind of
// record, a deleted obstruction and two obstructions whose position cannot be placed.
#pragma once

#include "store/survey_store.h"

namespace survey::testing {

inline constexpr double kArpLatitude = -(33 + 56 / 60.0 + 46.0 / 3600);
inline constexpr double kArpLongitude = 151 + 10 / 60.0 + 38.0 / 3600;

inline void addSouthernSurvey(SurveyStore& store) {
  store.current.surveyType = "AOC";
  store.appendAirport({{1, "Botany Bay Aeródromo"},
                       {3, "SBB"},
                       {5, "05/14/2026"},
                       {7, "33"},
                       {8, "56"},
                       {9, "46.0"},
                       {10, "151"},
                       {11, "10"},
                       {12, "38.0"},
                       {13, "21.0"},
                       {14, "43.5"},
                       {39, "False"},
                       {40, "True"}});
  store.appendChild(TableKind::Runway,
                    {{1, "05/14/2026"}, {2, "16"},       {4, "1612345"},
                     {5, "8000"},       {6, "150"},      {7, "P - Paved Hard Surface"},
                     {8, "33"},         {9, "55"},       {10, "00.0000"},
                     {11, "151"},       {12, "10"},      {13, "00.0000"},
                     {14, "20.5"},      {15, "42.0"},    {18, "33"},
                     {19, "55"},        {20, "10.0000"}, {21, "151"},
                     {22, "10"},        {23, "03.0000"}, {24, "1000"},
                     {27, "34"},        {30, "33"},      {31, "58"},
                     {32, "00.0000"},   {33, "151"},     {34, "11"},
                     {35, "00.0000"},   {36, "18.0"},    {60, "16"},
                     {61, "2000"},      {62, "19.5"},    {63, "41.0"},
                     {65, "34"},        {66, "500"},     {67, "18.2"}});
  store.appendChild(TableKind::Navaid, {{1, "16"},
                                        {2, "ISBB"},
                                        {3, "33"},
                                        {4, "55"},
                                        {5, "20.0000"},
                                        {6, "151"},
                                        {7, "10"},
                                        {8, "20.0000"},
                                        {9, "25.0"},
                                        {11, "PP"},
                                        {15, "GS - Glide Slope"},
                                        {20, "33"},
                                        {21, "55"},
                                        {22, "21.0000"},
                                        {23, "151"},
                                        {24, "10"},
                                        {25, "10.0000"},
                                        {26, "20.1"}});
  store.appendChild(TableKind::Navaid, {{1, "34"},
                                        {3, "33"},
                                        {4, "57"},
                                        {5, "50.0"},
                                        {6, "151"},
                                        {7, "11"},
                                        {8, "0.0"},
                                        {15, "PAPI - Precision Approach Path Indicator"}});
  store.appendChild(
      TableKind::Navaid,
      {{3, "33"}, {4, "56"}, {5, "0"}, {6, "151"}, {7, "9"}, {8, "0"}, {15, "WIND CONE"}});
  store.appendChild(TableKind::Obstruction, {{2, "TREE"},
                                             {3, "33"},
                                             {4, "56"},
                                             {5, "10.25"},
                                             {6, "151"},
                                             {7, "10"},
                                             {8, "50.75"},
                                             {9, "95"},
                                             {10, "117"},
                                             {12, "60"},
                                             {19, "1 - +/- 20 FT"},
                                             {21, "PIR: Precision Instrument Approach"},
                                             {23, "05/14/2026"}});
  const int deleted = store
                          .appendChild(TableKind::Obstruction, {{2, "MAST"},
                                                                {3, "33"},
                                                                {4, "57"},
                                                                {5, "1"},
                                                                {6, "151"},
                                                                {7, "11"},
                                                                {8, "1"},
                                                                {9, "300"}})
                          .row;
  store.markDeleted(TableKind::Obstruction, deleted);
  store.appendChild(TableKind::Obstruction,
                    {{2, "POLE"}, {3, "33"}, {4, "7x"}, {5, "1"}, {6, "151"}, {7, "11"}, {8, "1"}});
  store.appendChild(TableKind::Obstruction, {{2, "SIGN"}});
}

}  // namespace survey::testing
