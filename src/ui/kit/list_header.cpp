#include "ui/kit/list_header.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QStyle>
#include <algorithm>

namespace orv {

void showListHeader(QLabel* header, QAbstractItemView* list, const QString& text) {
    header->setText(text);
    describeColumns(list, text);
    header->setFont(list->font());
    // A row's text starts inside the list's frame, after the margin the style gives item text.
    const int textMargin =
        list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const int rowTextStart = list->frameWidth() + textMargin;
    header->setContentsMargins(rowTextStart, 0, 0, 0);
    // Rows as wide as the header fit beside the vertical scroll bar: the list never scrolls
    // sideways, which would move its columns from under the header.
    const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    const int needed = rowTextStart + header->fontMetrics().horizontalAdvance(text) + textMargin +
                       scrollBar + list->frameWidth();
    list->setMinimumWidth(std::max(list->minimumWidth(), needed));
}

void describeColumns(QAbstractItemView* list, const QString& header) {
    list->setAccessibleDescription(header.simplified());
}

}  // namespace orv
