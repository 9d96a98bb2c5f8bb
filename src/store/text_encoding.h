// Conversions between the program's UTF-8 and the single-byte Windows-1252
// used by older store files and by exchange files.
#pragma once

#include <string>
#include <string_view>

namespace survey {

bool isValidUtf8(std::string_view bytes);
std::string windows1252ToUtf8(std::string_view bytes);
// Each line (ended by CR or LF) that is valid UTF-8 stays as it is; any other
// line is read as Windows-1252. Line ends are kept. A valid text is not copied.
std::string utf8ByLine(std::string bytes);
// Characters that Windows-1252 lacks become the replacement.
std::string utf8ToWindows1252(std::string_view text, char replacement = '?');
// Number of characters of a UTF-8 text (invalid bytes count one each).
std::size_t utf8Length(std::string_view text);

}  // namespace survey
