// A file drawn in memory (a PDF, an image) and then written whole or not at all.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

namespace survey::ui {

// Writes the bytes beside the file first, then renames them over it, so that a write that
// fails leaves an earlier file of that name as it was. An empty text on success, otherwise
// why the file could not be written ("nothing could be drawn in it" for no bytes at all).
std::string writeDrawnFile(const QString& file, const QByteArray& bytes);

}  // namespace survey::ui
