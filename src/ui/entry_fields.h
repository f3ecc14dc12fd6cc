#pragma once
// Reading and writing the entry fields as the program's own text.

#include <QWidget>
#include <string>

#include "entry/field_checks.h"
#include "model/log_line.h"
#include "ui/main_widgets.h"

namespace orv {

// The Windows-1252 text of a field. Every field refuses what Windows-1252 cannot hold as it is
// typed or pasted, so nothing is lost in the conversion.
std::string cp1252Text(const QString& text);

// What the entry fields hold, as the commit writes it.
LogRecord enteredRecord(const MainWidgets& w);

// Shows a QSO in the entry fields, leaving their enabled state as it is.
void showRecord(MainWidgets& w, const LogRecord& record);

QWidget* fieldWidget(const MainWidgets& w, EntryField field);

}  // namespace orv
