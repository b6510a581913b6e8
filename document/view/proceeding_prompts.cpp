#include "document/view/proceeding_prompts.h"

namespace {
ProceedingPrompts *g_prompts = nullptr;
}

void SetProceedingPrompts(ProceedingPrompts *prompts)
{
    g_prompts = prompts;
}

ProceedingPrompts *GetProceedingPrompts()
{
    return g_prompts;
}
