// Saves that change several files pass here just before each change they make to the disk.
// A test sets a gate that ends the save at any one of those moments, as a killed process or a
// power cut would; without a gate every step passes.
#pragma once

#include <functional>

// The gate answers false where the save must stop (or ends the process itself).
using FileStepGate = std::function<bool()>;

void SetFileStepGate(FileStepGate gate);

// True when the save may make its next change.
bool PassFileStep();
