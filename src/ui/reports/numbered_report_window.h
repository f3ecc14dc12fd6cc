#pragma once
// The base of the list windows whose rows are saved and printed as a numbered report (the award
// list, the confirmed-sites list): the window's own title and count labels on top, the column
// header "Label2" over the fixed-pitch list "Liste_PC_Contacte", and the buttons "Enregistrer"
// and "Imprimer", enabled once the rows are shown, and "Quitter" ("Command1"). A window built on
// it only builds its rows, its labels and what its report is called.

#include <QDialog>
#include <string>
#include <vector>

#include "reports/numbered_report.h"
#include "reports/report_texts.h"
#include "ui/context/window_context.h"

class QLabel;
class QLayout;
class QListView;
class QPushButton;
class QVBoxLayout;

namespace orv {

class TextRowsModel;

class NumberedReportWindow : public QDialog {
    Q_OBJECT

public:
    // name is the window's objectName (its form name), caption its title.
    NumberedReportWindow(WindowContext& context, const char* name, const QString& caption);

protected:
    // A bold label on top of the window, under the ones added before.
    QLabel* addTitle(const char* name, const QString& text);
    // A row of the window's own controls on top of the window, under the lines added before.
    void addTopRow(QLayout* row);
    // A line on top of the window: a bold count, then its caption, which is also what a screen
    // reader announces for the count. Returns the count's label.
    QLabel* addCountLine(const char* countName, const char* captionName, const QString& caption);
    // The list's fixed-pitch font, and the column header over it in the same font, each of its
    // words over the column it names.
    void setColumns(const QFont& font, const QString& header);

    // Shows the rows in the list, in order, and enables "Enregistrer" and "Imprimer".
    void showRows(std::vector<std::string> rows);
    const std::vector<std::string>& rows() const;
    // The list of the rows, for a window whose rows lead somewhere when chosen.
    QListView* rowList() const { return Liste_PC_Contacte_; }

    WindowContext& context() const { return context_; }

    // The file "Enregistrer" writes and the headings of the file and the printout, asked at each
    // click, so that they follow what was chosen since the window opened.
    virtual ReportTexts reportTexts() const = 0;

private:
    void fitList();
    void save();
    void print();

    WindowContext& context_;
    QVBoxLayout* top_ = nullptr;
    QLabel* Label2_ = nullptr;
    QListView* Liste_PC_Contacte_ = nullptr;
    TextRowsModel* rows_ = nullptr;
    QPushButton* Enregistrer_ = nullptr;
    QPushButton* Imprimer_ = nullptr;
};

}  // namespace orv
