#pragma once
// Opening a document or address with the shell's "open" verb, as the link controls do.
// Tests replace the opener so that a click can be observed without starting a program.

#include "framework/core/cstring.h"

#include <functional>

void ShellOpen(const CString &target);

// Installs an opener for its lifetime and puts the previous one back after.
class CShellOpenScope {
public:
    explicit CShellOpenScope(std::function<void(const CString &)> opener);
    ~CShellOpenScope();
    CShellOpenScope(const CShellOpenScope &) = delete;
    CShellOpenScope &operator=(const CShellOpenScope &) = delete;

private:
    std::function<void(const CString &)> m_previous;
};
