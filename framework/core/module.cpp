#include "framework/core/module.h"

namespace {
HINSTANCE g_resourceInstance = nullptr;
}

HINSTANCE AfxGetResourceHandle()
{
    return g_resourceInstance ? g_resourceInstance : GetModuleHandleW(nullptr);
}

void AfxSetResourceHandle(HINSTANCE instance)
{
    g_resourceInstance = instance;
}
