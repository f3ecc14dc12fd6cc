#pragma once
// Ending the program from inside an event handler (the error dialog, a log that cannot be read).

namespace orv {

class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    // Asks the event loop to stop; the caller returns at once without going on with its work.
    virtual void endProgram() = 0;
    // True once the end was asked for: a caller back from a modal window stops there.
    virtual bool ending() const = 0;
};

}  // namespace orv
