// Small hand-built data files and what reading them needs: a byte builder, an installation
// whose answers the test sets, and fresh view tables.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/data_file.h"
#include "model/view_tables.h"
#include "tests/support/test_folder.h"

class FileBytes {
public:
    FileBytes &Int(int32_t value)
    {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<char>((static_cast<uint32_t>(value) >> shift) & 0xFF));
        return *this;
    }
    FileBytes &Str(const std::string &text)
    {
        Int(static_cast<int32_t>(text.size()));
        bytes += text;
        return *this;
    }
    FileBytes &Raw(const std::string &raw)
    {
        bytes += raw;
        return *this;
    }

    std::string bytes;
};

// Fields 1 to 11 of a file: no secured document, no password, the given version and code.
inline FileBytes FileHeader(int32_t version = 114, int32_t code = 62)
{
    FileBytes file;
    file.Int(version).Int(0).Int(111).Int(code);
    if (version <= 24)
        file.Raw(std::string(10, '\0'));
    else
        file.Int(0);
    file.Int(0).Int(0).Int(222).Str("").Int(0);
    return file;
}

class FakeInstallation : public InstalledSets {
public:
    explicit FakeInstallation(const CString &mainPath = "Z:\\nonexistent") : InstalledSets(mainPath, "") {}
    bool HasTemplatesForVersion(int) const override { return hasTemplates; }
    bool HasConfigForVersion(int, int) const override { return hasConfig; }

    bool hasTemplates = true;
    bool hasConfig = true;
};

inline std::unique_ptr<ViewTables> FreshTables()
{
    return std::make_unique<ViewTables>();
}
