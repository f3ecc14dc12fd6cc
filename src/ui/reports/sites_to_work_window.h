#pragma once
// "Patrimoines à contacter" ("A_Contacter"): the sites of the reference list that the log has not
// worked yet, in the departement chosen in "Département" (or in all) and on the band chosen in
// "Bande" (or on any), with their count, saved and printed as a numbered report. A double click
// or Enter on a site opens its "Detail". The list and the log are read once, when the window
// opens; a new choice only filters what they gave.

#include <QObject>
#include <functional>
#include <optional>
#include <string>

#include "reports/report_texts.h"
#include "reports/sites_to_work.h"
#include "ui/reports/numbered_report_window.h"

class QComboBox;
class QHBoxLayout;

namespace orv {

class SitesToWorkWindow final : public NumberedReportWindow {
    Q_OBJECT

public:
    // showDetail opens the "Detail" window for a site's reference.
    SitesToWorkWindow(WindowContext& context, std::function<void(const std::string&)> showDetail);

    // Shows the sites of that departement ("89", "2a") when the list holds any; else the choice
    // stays as it was.
    void chooseDepartement(const std::string& departement);

protected:
    ReportTexts reportTexts() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* addChoice(QHBoxLayout& row, const char* labelName, const char* name,
                         const QString& caption, const QStringList& items);
    HuntChoice choice() const;
    void showChoice();
    void showDetailOfRow(int row);

    std::function<void(const std::string&)> showDetail_;
    std::optional<SiteHunt> hunt_;
    std::vector<const ReferenceSite*> shownSites_;
    QComboBox* Dpt_C_ = nullptr;
    QComboBox* Bande_C_ = nullptr;
    QLabel* Label3_ = nullptr;
};

}  // namespace orv
