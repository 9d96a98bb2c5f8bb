// The closing block of an exchange file: the survey line gives the survey
// type, the surveyor and the licence number; the remarks lines are collected
// into the additional comments.
#pragma once

#include <string>
#include <string_view>

namespace survey::uddf {

struct SurveyLine {
  std::string surveyType;  // airport field 25
  std::string surveyor;    // airport field 34
  std::string licence;     // airport field 35
};

// Takes the survey line apart; nothing when the line is not a survey line
// (it must hold both "LICENSE NO:" and "SURVEY TYPE IS").
bool parseSurveyLine(std::string_view line, SurveyLine& out);

class AdditionalInformation {
 public:
  // Reads one line of the closing block (the whole line, untrimmed).
  void readLine(std::string_view line);

  bool hasSurveyLine() const { return hasSurveyLine_; }
  const SurveyLine& surveyLine() const { return surveyLine_; }
  // Whether a remarks line was read; the comments then replace airport field 36.
  bool hasRemarks() const { return hasRemarks_; }
  // The collected remarks: each line after one blank, runs of blanks collapsed.
  const std::string& remarks() const { return remarks_; }

 private:
  void appendRemarks(std::string_view text);

  SurveyLine surveyLine_;
  bool hasSurveyLine_ = false;
  bool hasRemarks_ = false;
  std::string remarks_;
};

}  // namespace survey::uddf
