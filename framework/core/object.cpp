#include "framework/core/object.h"

#include <cstring>

namespace {
CRuntimeClass *g_firstClass = nullptr;
}

CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF, nullptr, nullptr, nullptr};

CClassRegistration::CClassRegistration(CRuntimeClass *runtimeClass)
{
    runtimeClass->m_pNextClass = g_firstClass;
    g_firstClass = runtimeClass;
}

CObject *CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass *base) const
{
    for (const CRuntimeClass *c = this; c; c = c->m_pBaseClass)
        if (c == base)
            return TRUE;
    return FALSE;
}

CRuntimeClass *CRuntimeClass::FromName(LPCSTR className)
{
    if (!className)
        return nullptr;
    for (CRuntimeClass *c = g_firstClass; c; c = c->m_pNextClass)
        if (std::strcmp(c->m_lpszClassName, className) == 0)
            return c;
    return nullptr;
}

CObject *CRuntimeClass::CreateObject(LPCSTR className)
{
    CRuntimeClass *runtimeClass = FromName(className);
    return runtimeClass ? runtimeClass->CreateObject() : nullptr;
}

CRuntimeClass *CObject::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CObject);
}

void CObject::Serialize(CArchive &) {}

BOOL CObject::IsKindOf(const CRuntimeClass *runtimeClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(runtimeClass);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}
