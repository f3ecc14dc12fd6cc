#include "ui/list_header.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>

namespace orv {

void showListHeader(QLabel* header, QAbstractItemView* list, const QString& text) {
    header->setText(text);
    header->setFont(list->font());
    // A row's text starts inside the list's frame, after the margin the style gives item text.
    const int rowTextStart =
        list->frameWidth() +
        list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const auto follow = [header, rowTextStart](int scrolled) {
        header->setContentsMargins(rowTextStart - scrolled, 0, 0, 0);
    };
    follow(list->horizontalScrollBar()->value());
    QObject::connect(list->horizontalScrollBar(), &QScrollBar::valueChanged, header, follow);
}

}  // namespace orv
