#pragma once
// The entry mode that Mode_Aff shows: what "Valider le QSO" does with the QSO in the fields.

namespace orv {

enum class EntryMode {
    NewQso,  // "Saisie QSO": added by Ajoute_Ligne, or placed by its date with the manual date
    // "Modification QSO": a logged QSO opened by a double click replaces its line; the list
    // ignores clicks meanwhile, so that the QSO being modified stays the chosen one.
    Modification,
    Insertion,  // "Insertion QSO": placed by its date and time, the date typed
};

}  // namespace orv
