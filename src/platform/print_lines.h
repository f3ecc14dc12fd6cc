#pragma once

#include <QStringList>

class QPagedPaintDevice;

namespace orv {

// Prints lines in Courier New bold 9 points, one printed line each from the top of the printable
// area, starting a new page when the next line would not fit; a long line runs off the right
// edge. False when the device cannot be painted on (a PDF file that cannot be written, say).
bool printTextLines(QPagedPaintDevice& device, const QStringList& lines);

}  // namespace orv
