#include "framework/ui/testhook.h"

namespace {
CTestHook *installed = nullptr;
}

CTestHook *AfxGetTestHook()
{
    return installed;
}

CTestHookScope::CTestHookScope(CTestHook &hook) : m_previous(installed)
{
    installed = &hook;
}

CTestHookScope::~CTestHookScope()
{
    installed = m_previous;
}
