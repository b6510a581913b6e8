#include "model/config_file.h"

#include <cstdlib>
#include <memory>

#include "model/file_utils.h"
#include "model/string_utils.h"
#include "model/view_tables.h"

namespace {

enum class Section { None, BuyerData, DateDefault, Mdb, Defaults };

const char *const kDefaultKeys[] = {
    "NumerSprawyDef",
    "NazwaZadaniaDef",
    "NazwaZamawiajacegoDef",
    "AdresZamawiajacegoDef",
    "MiejscowoscDef",
    "KodDef",
    "AdresWWWDef",
    "AdresEmailDef",
    "GodzinyUrzedowaniaDef",
    "KierownikZamawiajacegoDef",
    "WadiumDef1",
    "WadiumDef2",
    "TelefonDef",
    "FaxDef",
};

struct OrderTypeMarker {
    const char *marker;
    bool fits[3]; // supplies, services, works
};

const OrderTypeMarker kOrderTypeMarkers[] = {
    {"[DOSTAWY]", {true, false, false}}, {"[USLUGI]", {false, true, false}},    {"[ROBOTY]", {false, false, true}},
    {"[DOST_USL]", {true, true, false}}, {"[USL_ROBOTY]", {false, true, true}},
};

// Removes every occurrence of the marker; true when there was one.
bool TakeMarker(CString &line, const char *marker)
{
    return line.Replace(marker, "") > 0;
}

// False when the line carries order-type markers and none fits; the markers are removed
// from a line that stays.
bool KeepForOrderType(CString &line, int orderType)
{
    bool marked = false;
    bool fits = false;
    for (const OrderTypeMarker &entry : kOrderTypeMarkers) {
        if (line.Find(entry.marker) < 0)
            continue;
        marked = true;
        if (orderType < 0 || orderType > 2 || entry.fits[orderType])
            fits = true;
    }
    if (marked && !fits)
        return false;
    for (const OrderTypeMarker &entry : kOrderTypeMarkers)
        line.Replace(entry.marker, "");
    return true;
}

bool IsLinkAddress(const CString &line)
{
    return line.Left(7) == "http://" || line.Left(8) == "https://";
}

// Cuts the field before the first ";" (and the ";") from the line; false when there is none.
bool TakeField(CString &line, CString &field)
{
    const int separator = line.Find(';');
    if (separator < 0)
        return false;
    field = line.Left(separator);
    line = line.Mid(separator + 1);
    return true;
}

class ConfigFileReader {
public:
    ConfigFileReader(ViewTables &tables, int orderType) : m_tables(tables), m_orderType(orderType) {}

    // False when reading must end (a table is full).
    bool ReadLine(CString line);
    int DocumentCount() const { return m_documents; }

private:
    bool ReadDocumentLine(const CString &line, int separator, bool spec, bool link, bool multipart,
                          bool correspondence);
    bool ReadBuyerDataRow(CString line);
    bool ReadDateDefaultRow(CString line);
    void ReadMdbRow(CString line);
    void ReadDefaultsRow(CString line);

    ViewTables &m_tables;
    const int m_orderType;
    Section m_section = Section::None;
    int m_documents = 0;
};

bool ConfigFileReader::ReadLine(CString line)
{
    line.Trim();
    if (line.Left(2) == "//")
        return true;
    const bool spec = TakeMarker(line, "[SPECYFIKACJA_TECHNICZNA]");
    const bool multipart = TakeMarker(line, "[MULTIPART]");
    const bool link = IsLinkAddress(line);
    const bool correspondence = TakeMarker(line, "[KORESPONDENCJA]");
    if (!KeepForOrderType(line, m_orderType))
        return true;

    const int separator = line.Find(';');
    if (separator < 0) {
        line.Remove('\n');
        line.Remove('\r');
        if (line == "[DANE ZAMAWIAJACEGO]")
            m_section = Section::BuyerData;
        else if (line == "[DATA DEFAULT]")
            m_section = Section::DateDefault;
        else if (line == "[MDB]")
            m_section = Section::Mdb;
        else if (line == "[DOMYSLNE]")
            m_section = Section::Defaults;
        return true;
    }
    switch (m_section) {
    case Section::None:
        return ReadDocumentLine(line, separator, spec, link, multipart, correspondence);
    case Section::BuyerData:
        return ReadBuyerDataRow(line);
    case Section::DateDefault:
        return ReadDateDefaultRow(line);
    case Section::Mdb:
        ReadMdbRow(line);
        return true;
    case Section::Defaults:
        ReadDefaultsRow(line);
        return true;
    }
    return true;
}

bool ConfigFileReader::ReadDocumentLine(const CString &line, int separator, bool spec, bool link, bool multipart,
                                        bool correspondence)
{
    if (m_documents >= kDocumentSlots)
        return false;
    CString fileName = line.Left(separator);
    const bool plus = fileName.Left(1) == "+";
    if (plus)
        fileName = fileName.Mid(1);
    CString displayName = line.Mid(separator + 1);
    displayName.Replace('\n', ' ');
    displayName.Replace('\r', ' ');
    displayName.Trim(' ');

    int state;
    const int stateSeparator = displayName.Find(';');
    if (stateSeparator >= 0) {
        state = atoi(displayName.Mid(stateSeparator + 1));
        displayName = displayName.Left(stateSeparator);
        displayName.Trim(' ');
    } else if (spec) {
        state = kStateEditable;
    } else if (link) {
        state = kStateLink;
    } else if (IsAttachmentFile(fileName)) {
        state = kStateExternal;
    } else {
        state = fileName.IsEmpty() ? kStateNotGenerated : kStateGenerated;
    }

    DocumentSlot &slot = m_tables.m_documents[m_documents++];
    slot.fileName = fileName;
    slot.displayName = displayName;
    slot.state = static_cast<int16_t>(state);
    slot.plus = plus ? 1 : 0;
    slot.perPart = multipart ? 1 : 0;
    slot.correspondence = correspondence ? 1 : 0;
    return true;
}

bool ConfigFileReader::ReadBuyerDataRow(CString line)
{
    int16_t *row = m_tables.m_buyerDataMap[m_tables.m_nBuyerDataRows];
    CString field;
    for (int column = 0; column < kBuyerDataColumns && TakeField(line, field);) {
        field.Remove('\n');
        field.Remove('\r');
        if (!field.IsEmpty())
            row[column++] = static_cast<int16_t>(atoi(field));
    }
    return ++m_tables.m_nBuyerDataRows < kBuyerDataRows;
}

// A row takes its place in the table only when all three values were given.
bool ConfigFileReader::ReadDateDefaultRow(CString line)
{
    CString source, target, days;
    if (!TakeField(line, source) || !TakeField(line, target) || !TakeField(line, days))
        return true;
    DateDefaultRow &row = m_tables.m_dateDefaults[m_tables.m_nDateDefaultRows];
    row.source = static_cast<int16_t>(atoi(source));
    row.target = static_cast<int16_t>(atoi(target));
    row.days = static_cast<int16_t>(atoi(days));
    return ++m_tables.m_nDateDefaultRows < kDateDefaultRows;
}

void ConfigFileReader::ReadMdbRow(CString line)
{
    line.Replace(";", " ; ");
    int count = 0;
    std::unique_ptr<CString[]> items(SplitString(line, ";", count));
    int used = 0;
    while (used < kMdbNames && !m_tables.m_mdbList[used].IsEmpty())
        ++used;
    if (used + count > kMdbNames)
        count = kMdbNames - used;
    for (int i = 0; i < count; ++i) {
        CString name = TrimChars(items[i], " \r\n");
        if (!name.IsEmpty())
            m_tables.m_mdbList[used++] = name;
    }
}

// In practice a row sets one key; text after further colons is looked up as keys too.
void ConfigFileReader::ReadDefaultsRow(CString line)
{
    for (int colon = line.Find(':'); colon >= 0; colon = line.Find(':')) {
        const CString key = line.Left(colon);
        line = line.Mid(colon + 1);
        const int index = LoadDefaultKey(key);
        if (index >= 0)
            m_tables.m_defaultTexts[index] = TrimChars(line, " \r\n");
    }
}

} // namespace

bool ReadConfigFile(const CString &path, int orderType, ViewTables &tables)
{
    for (auto &row : tables.m_buyerDataMap)
        for (int16_t &entry : row)
            entry = 0;
    tables.m_nBuyerDataRows = 0;
    for (DateDefaultRow &row : tables.m_dateDefaults)
        row = DateDefaultRow();
    tables.m_nDateDefaultRows = 0;
    for (CString &text : tables.m_defaultTexts)
        text.Empty();

    int failed = 0;
    const CString contents = ReadFileContents(path, failed);
    if (failed)
        return false;
    for (CString &name : tables.m_mdbList)
        name.Empty();

    int count = 0;
    std::unique_ptr<CString[]> lines(SplitString(contents, "\n", count));
    ConfigFileReader reader(tables, orderType);
    for (int i = 0; i < count; ++i)
        if (!reader.ReadLine(lines[i]))
            break;
    tables.m_nDocumentCount = reader.DocumentCount();
    return true;
}

int LoadDefaultKey(const CString &key)
{
    for (int i = 0; i < static_cast<int>(sizeof kDefaultKeys / sizeof kDefaultKeys[0]); ++i)
        if (key == kDefaultKeys[i])
            return i;
    return -1;
}

int FindInSemicolonList(const ViewTables &tables, const CString &text)
{
    const CString pattern = ";" + text + ";";
    for (int k = 0; k < kDefaultTexts; ++k)
        if ((";" + tables.m_defaultTexts[k]).Find(pattern) >= 0)
            return k;
    return -1;
}

int FindInSemicolonList(const ViewTables &tables, int number)
{
    CString text;
    text.Format("%d", number);
    return FindInSemicolonList(tables, text);
}

bool IsAttachmentFile(const CString &fileName)
{
    const int dot = fileName.ReverseFind('.');
    if (dot < 0)
        return false;
    CString extension = fileName.Mid(dot + 1);
    extension.MakeLower();
    return extension == "doc" || extension == "dot" || extension == "xls" || extension == "xlt" || extension == "pdf";
}
