#pragma once
// The column header of a fixed-pitch list: a label over the list, in the list's font, whose text
// starts where the text of the rows starts, so that each word of the header stands over the
// column it names.

#include <QString>

class QAbstractItemView;
class QLabel;

namespace orv {

// Shows text in header over list, and makes the list wide enough for rows as wide as the header;
// the list's font is set beforehand. The list describes its columns as below.
void showListHeader(QLabel* header, QAbstractItemView* list, const QString& text);

// A screen reader tells the list's columns with it: the header's words, without the blanks that
// place them.
void describeColumns(QAbstractItemView* list, const QString& header);

}  // namespace orv
