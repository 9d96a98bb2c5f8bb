// The rules an entry box's text must keep, as texts: each gives the message the user is
// told when the text breaks the rule, or nothing. The screens' checks report these
// messages; an import of obstructions gives them for the rows it refuses.
#pragma once

#include <string>
#include <string_view>

namespace survey {

enum class DmsKind { Deg, DegLat, Min, Sec };

// Optional sign, digits, at most one decimal point, optional exponent;
// surrounding blanks ignored. Nothing else (no separators, currency or hex).
bool isNumeric(std::string_view text);

// Degrees (of longitude or latitude), minutes or seconds: a plain number within range.
std::string dmsProblem(DmsKind kind, std::string_view text);
// A number of at most maxLength characters and maxDecimals decimals ("-" signs ignored).
std::string numberProblem(std::string_view text, int maxLength, int maxDecimals);
// A date that is not "mm/dd/yyyy"; an empty text is none.
std::string surveyDateProblem(std::string_view text);
// Four letters starting with "K", the form of an ICAO code.
std::string icaoCodeProblem(std::string_view text);

}  // namespace survey
