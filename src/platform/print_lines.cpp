#include "platform/print_lines.h"

#include <QFont>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

namespace orv {
namespace {

// No style hint: with one, the fixed-pitch clone of Courier New gives way to a proportional font.
QFont printFont() {
    QFont font(QStringLiteral("Courier New"), 9);
    font.setBold(true);
    return font;
}

}  // namespace

bool printTextLines(QPagedPaintDevice& device, const QStringList& lines) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.setFont(printFont());
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineHeight = metrics.lineSpacing();
    const int pageHeight = device.height();
    int top = 0;
    for (const QString& line : lines) {
        if (top + lineHeight > pageHeight && top > 0) {
            device.newPage();
            top = 0;
        }
        painter.drawText(0, top + metrics.ascent(), line);
        top += lineHeight;
    }
    return painter.end();
}

}  // namespace orv
