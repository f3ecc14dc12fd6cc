// What the operator waits for while logging a QSO, measured through the real main window on a log
// of 9,999 QSOs: the Enter on the reference (already-contacted check over the log and site name
// looked up in a list of 20,000 sites), and the whole commit after "Valider le QSO" and "Oui"
// (first-name memory, log rewrite, list reloaded with its last row selected).

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <string>

#include "bench_ui_support.h"

namespace orv {
namespace {

constexpr int kLogLines = 9'999;
constexpr int kSites = 20'000;
constexpr int kCorrespondents = 3'000;
// Worked nowhere in the log, and the last site of the list: both scans go to the end.
const QString kNewReference = QStringLiteral("2b999");

// Every departement's sites, the new reference last.
std::string referenceList() {
    std::string content = "Rev 012 01/03/24;;\r\n";
    for (int i = 0; i < kSites - 1; ++i) {
        const std::string reference = bench::twoDigits(1 + i % 95) + std::to_string(100 + i / 95);
        content += "PC-" + reference + ";Ch\xE2teau num\xE9ro " + std::to_string(i) +
                   ";x;1;y;Commune;Nord;z\r\n";
    }
    return content + "PC-2b999;Tour de la Parata;x;999;y;Ajaccio;Corse;z\r\n";
}

std::string firstNames() {
    std::string content;
    for (int i = 0; i < kCorrespondents; ++i) {
        std::string key = bench::sampleCallsign(i);
        key.resize(13, ' ');
        content += key + bench::twoDigits(1 + i % 95) + " JEAN\r\n";
    }
    return content;
}

// The key a field receives from the keyboard.
void pressKey(QWidget* field, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &release);
}

void typeText(QWidget* field, const QString& text) {
    for (const QChar character : text) {
        pressKey(field, Qt::Key_unknown, QString(character));
    }
}

void pressEnter(QWidget* field) {
    pressKey(field, Qt::Key_Return, QStringLiteral("\r"));
}

// The data of one station with a full log, a reference list and a first-name memory, and its main
// window started and shown, with the operator answering Yes and the clock stood in for.
class Desk {
public:
    Desk() : log_(bench::logContent(kLogLines, kCorrespondents)), firstNames_(firstNames()) {
        desk_.clock.utc = {2026, 12, 7, 9, 5, 7};
        desk_.clock.local = desk_.clock.utc;
        bench::writeFile(desk_.dataFile("Liste_PC.csv"), referenceList());
        putBackFiles();
        desk_.keptWindow();
    }

    const MainWidgets& w() const { return desk_.keptWindow().widgets(); }

    // The log and the first-name memory as they were before any commit.
    void putBackFiles() {
        bench::writeFile(desk_.logFile(), log_);
        bench::writeFile(desk_.dataFile("Liste_Prenom.txt"), firstNames_);
    }

    void chooseDateMode(bool automatic) {
        (automatic ? w().menus.Mnu_Date_Auto : w().menus.Mnu_Date_Man)->trigger();
    }

    // A new QSO typed up to its reference, Enter not yet pressed there.
    void typeUpToReference() {
        w().Efface_A->click();
        typeText(w().Ind_A, QStringLiteral("F5NEW"));
        pressEnter(w().Ind_A);
        pressEnter(w().Prenom_A);
        typeText(w().Ref_A, kNewReference);
    }

    // The rest of the QSO, from the Enter on the reference to the commit button.
    void typeRestOfQso() {
        pressEnter(w().Ref_A);
        if (w().Date_A->isEnabled()) {
            // The QSOs of the log's middle day.
            typeText(w().Date_A, QStringLiteral("14/05/00"));
            pressEnter(w().Date_A);
            typeText(w().Heure_A, QStringLiteral("12:00"));
            pressEnter(w().Heure_A);
        }
        for (QWidget* field : std::initializer_list<QWidget*>{w().Mode_A, w().RST_A, w().RSTE_A,
                                                              w().Rem_A, w().QSL_A}) {
            pressEnter(field);
        }
    }

    // Nothing asked but the commit question, nothing refused.
    bool operatorOnlyAsked() const { return desk_.undisturbed(); }

private:
    bench::BenchDesk& desk_ = bench::windowDesk();
    std::string log_;
    std::string firstNames_;
};

Desk& desk() {
    static Desk instance;
    return instance;
}

void BM_EnterOnReference(benchmark::State& state) {
    Desk& d = desk();
    d.chooseDateMode(true);
    for (auto _ : state) {
        state.PauseTiming();
        d.typeUpToReference();
        state.ResumeTiming();
        pressEnter(d.w().Ref_A);
    }
    if (d.w().Rem_A->text() != QStringLiteral("Tour de la Parata") || !d.w().Mode_A->isEnabled() ||
        !d.operatorOnlyAsked()) {
        state.SkipWithError("the reference was not accepted with its site name");
    }
}
BENCHMARK(BM_EnterOnReference)->Unit(benchmark::kMillisecond)->UseRealTime();

// range(0): 1 with the automatic date (the line appended), 0 with the manual date (the line
// inserted at its date, in the middle of the log).
void BM_CommitQso(benchmark::State& state) {
    Desk& d = desk();
    d.chooseDateMode(state.range(0) == 1);
    for (auto _ : state) {
        state.PauseTiming();
        d.putBackFiles();
        d.typeUpToReference();
        d.typeRestOfQso();
        if (!d.w().Valide_A->isEnabled()) {
            state.SkipWithError("the QSO did not reach Valider le QSO");
            break;
        }
        state.ResumeTiming();
        d.w().Valide_A->click();
    }
    const QAbstractItemModel* rows = d.w().Liste_PC->model();
    if (rows->rowCount() != kLogLines + 1 || d.w().Liste_PC->currentIndex().row() != kLogLines ||
        !d.operatorOnlyAsked()) {
        state.SkipWithError("the QSO was not written");
    }
    d.putBackFiles();
}
BENCHMARK(BM_CommitQso)
    ->ArgName("automatic_date")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace orv

int main(int argc, char** argv) {
    return orv::bench::runWindowBenchmarks(argc, argv);
}
