#include "ui/drawn_file.h"

#include <string_view>

#include "store/file_io.h"

namespace survey::ui {

std::string writeDrawnFile(const QString& file, const QByteArray& bytes) {
  if (bytes.isEmpty()) return "nothing could be drawn in it";
  return writeFileAtomically(
      file.toStdString(),
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace survey::ui
