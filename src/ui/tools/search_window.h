#pragma once
// The window "Recherche_Indicatif": the QSOs of the main list found by callsign, by site reference
// or by departement. A double click on a result chooses that QSO in the main list, as a click on
// it does, and closes the window.

#include <QDialog>
#include <array>
#include <functional>
#include <vector>

#include "reports/qso_search.h"
#include "ui/context/window_context.h"
#include "ui/kit/key_hook.h"

class QGroupBox;
class QListView;
class QRadioButton;

namespace orv {

class TextRowsModel;

class SearchWindow final : public QDialog {
    Q_OBJECT

public:
    // selectRow chooses a row of the main list (from 0) as the operator's click does.
    SearchWindow(WindowContext& context, std::function<void(int row)> selectRow);

private:
    struct SearchField {
        SearchKind kind;
        EntryLineEdit* field = nullptr;
        QRadioButton* option = nullptr;
    };

    QGroupBox* buildChoices();
    void buildResults(const QFont& font);
    void buildField(SearchField& search, const char* fieldName, const char* optionName,
                    const QString& caption);
    KeyAction onKey(const SearchField& search, const QKeyEvent& event);
    void onEnter(const SearchField& search);
    void Recherche_QSO(SearchKind kind, const std::string& text);
    void onResultDoubleClicked(int result);
    bool eventFilter(QObject* watched, QEvent* event) override;

    WindowContext& context_;
    std::function<void(int)> selectRow_;
    std::array<SearchField, 3> fields_;
    QListView* QSO_Effectues_ = nullptr;
    TextRowsModel* results_ = nullptr;
    std::vector<SearchResult> found_;
};

}  // namespace orv
