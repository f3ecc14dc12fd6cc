#pragma once
// What the entry chain and the list actions ask of the main window's entry area.

namespace orv {

class EntryOperations {
public:
    virtual ~EntryOperations() = default;
    virtual void Init_Saisie() = 0;
    // Selects the station's stored band and mode in the entry lists.
    virtual void restoreBandAndMode() = 0;
    virtual bool automaticDate() const = 0;
};

}  // namespace orv
