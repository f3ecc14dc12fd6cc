#pragma once
// What the entry chain and the list actions ask of the main window's entry area.

namespace orv {

class EntryOperations {
public:
    virtual ~EntryOperations() = default;
    virtual void Init_Saisie() = 0;
    virtual bool automaticDate() const = 0;
};

}  // namespace orv
