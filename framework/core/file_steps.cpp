#include "framework/core/file_steps.h"

#include <utility>

namespace {

FileStepGate &Gate()
{
    static FileStepGate gate;
    return gate;
}

} // namespace

void SetFileStepGate(FileStepGate gate)
{
    Gate() = std::move(gate);
}

bool PassFileStep()
{
    return !Gate() || Gate()();
}
