#pragma once

#include "platform/program_end.h"

namespace orv {

// Leaves the event loop, and with it every modal loop still open, so that main() returns.
class QtProgramEnd final : public ProgramEnd {
public:
    void endProgram() override;
    bool ending() const override { return ending_; }

private:
    bool ending_ = false;
};

}  // namespace orv
