#pragma once
// What "Enregistrer" and "Imprimer" do in every report window: the report written whole in the
// data folder, then its name told to the operator ("Fichier enregistré sous le nom : "); its lines
// printed through the printer dialog (nothing on Cancel), with a message when the printer fails;
// and the day that dates their names and headings.

#include <string>
#include <string_view>
#include <vector>

#include "model/log_line.h"
#include "ui/context/window_context.h"

class QWidget;

namespace orv {

// Today's local date.
LogDate localToday(const Clock& clock);

// fileName is Windows-1252, without folder.
void saveReport(WindowContext& context, QWidget* window, const std::string& fileName,
                std::string_view content);

// lines are Windows-1252.
void printReport(WindowContext& context, QWidget* window, const std::vector<std::string>& lines);

}  // namespace orv
