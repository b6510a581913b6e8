#pragma once
// CObject and run-time class information: class names, kind tests, creation by class name and
// the schema numbers that archives store with objects.
//
//   class CRecord : public CObject { DECLARE_SERIAL(CRecord) ... };
//   IMPLEMENT_SERIAL(CRecord, CObject, VERSIONABLE_SCHEMA | 2)     // in the .cpp
//
// DECLARE_DYNCREATE/IMPLEMENT_DYNCREATE and DECLARE_SERIAL/IMPLEMENT_SERIAL register the class
// at start-up, so CRuntimeClass::FromName and ReadObject find it. A file using IMPLEMENT_SERIAL
// includes framework/core/archive.h.

#include <windows.h>

class CArchive;
class CObject;

// Set on a class's schema: the class reads every stored schema itself (CArchive::GetObjectSchema)
// instead of the archive refusing those that differ from its own.
#define VERSIONABLE_SCHEMA 0x80000000u

struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema; // 0xFFFF: the class is not serialisable
    CObject *(*m_pfnCreateObject)();
    CRuntimeClass *m_pBaseClass;
    CRuntimeClass *m_pNextClass; // chain of registered classes

    CObject *CreateObject() const; // nullptr for a class without a create function
    BOOL IsDerivedFrom(const CRuntimeClass *base) const;

    static CRuntimeClass *FromName(LPCSTR className);
    static CObject *CreateObject(LPCSTR className);
};

// One static instance per creatable class links it into the registry at start-up.
struct CClassRegistration {
    explicit CClassRegistration(CRuntimeClass *runtimeClass);
};

class CObject {
public:
    static CRuntimeClass classCObject;

    virtual CRuntimeClass *GetRuntimeClass() const;
    virtual ~CObject() = default;
    virtual void Serialize(CArchive &ar);

    BOOL IsKindOf(const CRuntimeClass *runtimeClass) const;
    BOOL IsSerializable() const;

    CObject(const CObject &) = delete;
    CObject &operator=(const CObject &) = delete;

protected:
    CObject() = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                                                                    \
public:                                                                                                                \
    static CRuntimeClass class##class_name;                                                                            \
    CRuntimeClass *GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                                                  \
    DECLARE_DYNAMIC(class_name)                                                                                        \
    static CObject *CreateObject();

#define DECLARE_SERIAL(class_name)                                                                                     \
    DECLARE_DYNCREATE(class_name)                                                                                      \
    friend CArchive &operator>>(CArchive &ar, class_name *&object);

#define MORVELANK_RUNTIME_CLASS(class_name, base_name, schema, create)                                                 \
    CRuntimeClass class_name::class##class_name = {#class_name, sizeof(class_name),       schema,                      \
                                                   create,      RUNTIME_CLASS(base_name), nullptr};                    \
    CRuntimeClass *class_name::GetRuntimeClass() const                                                                 \
    {                                                                                                                  \
        return RUNTIME_CLASS(class_name);                                                                              \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_name) MORVELANK_RUNTIME_CLASS(class_name, base_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_name)                                                                     \
    CObject *class_name::CreateObject()                                                                                \
    {                                                                                                                  \
        return new class_name;                                                                                         \
    }                                                                                                                  \
    MORVELANK_RUNTIME_CLASS(class_name, base_name, 0xFFFF, class_name::CreateObject)                                   \
    static const CClassRegistration registration##class_name(RUNTIME_CLASS(class_name));

#define IMPLEMENT_SERIAL(class_name, base_name, schema)                                                                \
    CObject *class_name::CreateObject()                                                                                \
    {                                                                                                                  \
        return new class_name;                                                                                         \
    }                                                                                                                  \
    MORVELANK_RUNTIME_CLASS(class_name, base_name, schema, class_name::CreateObject)                                   \
    static const CClassRegistration registration##class_name(RUNTIME_CLASS(class_name));                               \
    CArchive &operator>>(CArchive &ar, class_name *&object)                                                            \
    {                                                                                                                  \
        object = static_cast<class_name *>(ar.ReadObject(RUNTIME_CLASS(class_name)));                                  \
        return ar;                                                                                                     \
    }
