#pragma once
// Reference-counted pointer to a connection or recordset: null until CreateInstance, shared
// by copies, the object closed and freed with the last reference.
#include <cstddef>
#include <memory>

// Throws the ComError for the use of a pointer that holds no object.
[[noreturn]] void ThrowNullDbObject();

template <class T>
class DbPtr {
public:
    DbPtr() = default;
    DbPtr(std::nullptr_t) {}

    void CreateInstance() { object_ = std::make_shared<T>(); }
    void Release() { object_.reset(); }

    T *operator->() const
    {
        if (!object_)
            ThrowNullDbObject();
        return object_.get();
    }
    explicit operator bool() const { return object_ != nullptr; }
    bool operator==(std::nullptr_t) const { return object_ == nullptr; }
    bool operator!=(std::nullptr_t) const { return object_ != nullptr; }

private:
    std::shared_ptr<T> object_;
};
