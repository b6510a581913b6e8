// What the kinds before a kind list: a template shared by several kinds is looked at closely in
// the first of them, as the others show the same text.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "framework/core/cstring.h"
#include "model/config_file.h"
#include "model/view_tables.h"

// The document files that the configuration files before configFile in configFiles list.
inline std::set<std::string> EarlierDocumentFiles(const std::vector<CString> &configFiles, const CString &configFile,
                                                  int orderType)
{
    std::set<std::string> earlier;
    auto tables = std::make_unique<ViewTables>();
    for (const CString &other : configFiles) {
        if (other.CompareNoCase(configFile) == 0)
            break;
        if (ReadConfigFile(other, orderType, *tables))
            for (int d = 0; d < tables->m_nDocumentCount && d < kDocumentSlots; ++d)
                earlier.insert(std::string(tables->m_documents[d].fileName));
    }
    return earlier;
}
