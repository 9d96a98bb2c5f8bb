// The names of the program's screens.
#pragma once

namespace survey::screen {
inline constexpr const char* kMain = "FormMain";
inline constexpr const char* kSurveyType = "FormSurveyType";
inline constexpr const char* kAirport = "FormAirport";
inline constexpr const char* kRunway = "FormRunway";
inline constexpr const char* kRunwayPP = "FormRunwayPP";
inline constexpr const char* kNavaid = "FormGS";
inline constexpr const char* kObstruction = "FormObstruction";
inline constexpr const char* kCertification = "FormCert";
inline constexpr const char* kOutputFile = "FormPDF";
inline constexpr const char* kImport = "FormIngest";
inline constexpr const char* kReview = "FormReview";
}  // namespace survey::screen
