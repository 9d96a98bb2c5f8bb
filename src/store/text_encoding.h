// Conversions between the program's UTF-8 and the single-byte Windows-1252
// used by older store files and by exchange files.
#pragma once

#include <string>
#include <string_view>

namespace survey {

bool isValidUtf8(std::string_view bytes);
std::string windows1252ToUtf8(std::string_view bytes);
// Characters that Windows-1252 lacks become the replacement.
std::string utf8ToWindows1252(std::string_view text, char replacement = '?');
// Number of characters of a UTF-8 text (invalid bytes count one each).
std::size_t utf8Length(std::string_view text);

}  // namespace survey
