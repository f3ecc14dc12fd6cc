#pragma once
// Stands in for the end of the program in tests: counts the requests instead of leaving.

#include "platform/program_end.h"

namespace orv {

class RecordingProgramEnd final : public ProgramEnd {
public:
    void endProgram() override { ++requests; }
    bool ending() const override { return requests > 0; }
    int requests = 0;
};

}  // namespace orv
