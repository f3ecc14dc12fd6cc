#pragma once
// The checks each entry field makes when Enter is pressed. Texts are Windows-1252, so a length in
// bytes is a length in characters.

#include <optional>
#include <string>
#include <string_view>

#include "entry/entry_mode.h"

namespace orv {

enum class EntryField {
    Ind_A,
    Prenom_A,
    Ref_A,
    Dpt_A,
    Date_A,
    Heure_A,
    Mode_A,
    Bande_A,
    RST_A,
    RSTE_A,
    Rem_A,
    QSL_A,
};

// The message that refuses text in field on Enter, or nothing when it is accepted. For Ref_A only
// the length checks are made here (over 5, then empty); the already-contacted check follows. A
// report whose first character is not a digit from 0 to 5 gets the report message.
std::optional<std::string_view> checkOnEnter(EntryField field, std::string_view text);

// The refusal of a site already contacted on the band, UTF-8: reference, " Patrimoine deja contacté
// le ", date, " sur ", band (the three values given in Windows-1252).
std::string alreadyContactedMessage(std::string_view reference, std::string_view date,
                                    std::string_view band);

// The date and time come from the clock when the automatic date is chosen and the QSO is neither
// inserted nor edited.
bool usesAutomaticDate(bool automaticDateChecked, EntryMode mode);

// The capital of a typed key: a to z become A to Z, every other character (accented letters
// included) is left as it is.
char16_t typedCapital(char16_t key);

}  // namespace orv
