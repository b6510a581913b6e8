#include "model/data_file.h"

#include <cstdlib>
#include <string>

#include "model/archive_file.h"
#include "model/comment_table.h"
#include "model/law_versions.h"
#include "model/little_endian_reader.h"
#include "framework/core/temp_file_save.h"
#include "model/clock.h"
#include "model/config_file.h"
#include "model/password_scramble.h"
#include "model/variable_type.h"
#include "model/view_tables.h"
#include "framework/core/file.h"

namespace {

const int32_t kFormatMarker = 111;
const int32_t kSectionMarker = 222;
// Opens the list of variables never edited, which follows the page breaks; older files end
// before it.
const int32_t kUntouchedMarker = 333;
const int32_t kOldestFormatVersion = 16;
const int32_t kOldestReadableVersion = 23;
const int32_t kLastSecuredMaskVersion = 24;
const int32_t kFirstPartsVersion = 26;
const int kSecuredMaskBytes = 10;
const int kSecuredMaskDocuments = 32;
const int32_t kStoredUndivided = 255;
// Above the 16 bits an instance number is read with: the instance's entry is left out. Only
// where the record's flag holds a part's flag has the entry's flag no other place.
const int32_t kLeftOutMark = 0x10000;
const int kEmptyValueDots = 30;
// A stored date of 1600-02-32 stands for the day the proceeding is made.
const int32_t kTodayYear = 1600;
const int32_t kTodayMonth = 2;
const int32_t kTodayDay = 32;
// Far above any proceeding; a larger file is damaged, and is not read into memory.
const ULONGLONG kLargestFile = 256ull * 1024 * 1024;

const char kOldestFormatText[] = "Postępowanie zostało zapisane w programie Morvelank w wersji 8 lub starszej.\n"
                                 "Można je otworzyć jedynie przy pomocy tej właśnie wersji programu.";
const char kSecondVersionText[] = "Postępowanie zostało zapisane w programie Morvelank 2.\n"
                                  "Można je otworzyć jedynie przy pomocy tej właśnie wersji programu.";

// [DOMYSLNE] key index -> DefaultValues text; -1 for the keys without a text.
const int kDefaultTextOfKey[] = {0, 1, 2, 3, 5, 4, 8, 7, 9, 10, -1, -1, 6, 11};
const int kWadiumDef1 = 10;
const int kWadiumDef2 = 11;

// Types whose texts may carry "\n", "\r" and "\t" written out, and whose empty value shows as
// a row of dots that writing strips again.
bool IsPlainTextType(VariableType type)
{
    return type == VariableType::Text || IsDocumentListType(type);
}

enum class ValueShape {
    None,
    Text,            // a string
    TextWithoutDots, // a string without its trailing dots
    Option,          // field 9, group, selected flag
    Date,            // year, month, day
    Amount,          // a string and the group
};

ValueShape ShapeOfType(VariableType type)
{
    if (IsPlainTextType(type) || type == VariableType::HelpLink)
        return ValueShape::TextWithoutDots;
    if (IsOptionType(type))
        return ValueShape::Option;
    if (IsDateType(type))
        return ValueShape::Date;
    if (IsAmountType(type))
        return ValueShape::Amount;
    // The criteria-method table has no value of its own to keep.
    if (IsListType(type) || type == VariableType::OffersSummary || IsGridTableType(type)
        || type == VariableType::RtfTable)
        return ValueShape::Text;
    return ValueShape::None;
}

int16_t TypeFromFile(int32_t stored)
{
    const int16_t type = static_cast<int16_t>(stored);
    return IsInTypeRange(VariableTypeOf(type)) ? type : VariableTypeCode(VariableType::None);
}

CString Bytes(const std::string &bytes)
{
    return CString(bytes.data(), static_cast<int>(bytes.size()));
}

std::string Bytes(const CString &text)
{
    return std::string(text.GetString(), static_cast<size_t>(text.GetLength()));
}

class ByteWriter {
public:
    void Int32(int32_t value)
    {
        const uint32_t bits = static_cast<uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8)
            m_bytes.push_back(static_cast<char>((bits >> shift) & 0xFF));
    }
    void Raw(const std::string &bytes) { m_bytes += bytes; }
    void String(const CString &text)
    {
        Int32(text.GetLength());
        Raw(Bytes(text));
    }
    const std::string &Result() const { return m_bytes; }

private:
    std::string m_bytes;
};

// Thrown by ByteReader when a field runs past the end of the file or a length is negative.
struct DamagedFile {};

class ByteReader {
public:
    explicit ByteReader(const std::string &bytes) : m_reader(bytes) {}

    bool AtEnd() const { return m_reader.AtEnd(); }
    int32_t Int32()
    {
        int32_t value = 0;
        if (!m_reader.ReadInt32(value))
            throw DamagedFile();
        return value;
    }
    std::string Raw(int64_t count)
    {
        std::string bytes;
        if (!m_reader.ReadBytes(count, bytes))
            throw DamagedFile();
        return bytes;
    }
    CString String()
    {
        std::string bytes;
        if (!m_reader.ReadString(bytes))
            throw DamagedFile();
        return Bytes(bytes);
    }
    // A count of records, each at least minimumBytes long, that must lie in 0..limit.
    int32_t Count(int32_t limit, int minimumBytes)
    {
        const int32_t count = Int32();
        if (count < 0 || count > limit || static_cast<uint64_t>(count) * minimumBytes > m_reader.Remaining())
            throw DamagedFile();
        return count;
    }

private:
    LittleEndianReader m_reader;
};

bool LoadFileBytes(const CString &path, std::string &bytes)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite))
        return false;
    try {
        const ULONGLONG length = file.GetLength();
        if (length > kLargestFile)
            return false;
        bytes.assign(static_cast<size_t>(length), '\0');
        const UINT read = length ? file.Read(&bytes[0], static_cast<UINT>(length)) : 0;
        file.Close();
        return read == length;
    } catch (CException *e) {
        e->Delete();
        file.Abort();
        return false;
    }
}

// The oldest files begin with a version whose first two bytes read as a number below 16.
bool IsOldestFormat(const std::string &bytes, int32_t version)
{
    const int w = static_cast<uint8_t>(bytes[0]) * 256 + static_cast<uint8_t>(bytes[1]);
    return version != kOldestFormatVersion && w < kOldestFormatVersion;
}

// Protected texts: their two lengths, each 0..299, then the scrambled bytes.
void ReadProtectedTexts(ByteReader &reader, CString &password)
{
    const int32_t firstLength = reader.Int32();
    const int32_t passwordLength = reader.Int32();
    if (firstLength < 0 || firstLength > kMaxPasswordLength || passwordLength < 0
        || passwordLength > kMaxPasswordLength)
        throw DamagedFile();
    reader.Raw(firstLength);
    password = Bytes(ScrambleProtectedText(reader.Raw(passwordLength), kPasswordKey));
}

struct VariableRecord {
    int32_t number = 0;
    int16_t type = -1;
    CString value;
    int32_t extra = -1;
    int16_t group = -1;
    int32_t selected = -1;
    int32_t year = 0, month = 0, day = 0;
};

struct DynamicRecord {
    int32_t blockVariable = 0;
    int16_t repetition = 0;
    bool leftOutMark = false;
    int32_t templateVariable = 0;
    int32_t blockKind = 0;
    CString label;
    int32_t instanceFlag = 0;
};

// Everything a file holds, read whole before any of it reaches the tables.
struct FileContents {
    int32_t version = -1;
    int32_t procedureCode = -1;
    bool hasSecuredMask = false;
    uint32_t securedMask = 0;
    std::vector<CString> securedNames;
    CString password;
    int32_t storedAfterMarker = 0;
    std::vector<VariableRecord> variables;
    int32_t nextDynamic = 0;
    std::vector<DynamicRecord> dynamics;
    int32_t parts = -1;
    std::vector<CString> partNames;
    std::vector<PageBreakMark> pageBreaks;
    std::vector<int32_t> untouched; // numbers of the variables never edited
};

VariableRecord ReadVariableRecord(ByteReader &reader, int32_t number)
{
    VariableRecord record;
    record.number = number;
    record.type = TypeFromFile(reader.Int32());
    switch (ShapeOfType(VariableTypeOf(record.type))) {
    case ValueShape::Text:
    case ValueShape::TextWithoutDots:
        record.value = reader.String();
        break;
    case ValueShape::Option:
        record.extra = reader.Int32();
        record.group = static_cast<int16_t>(reader.Int32());
        record.selected = reader.Int32();
        break;
    case ValueShape::Date:
        record.year = reader.Int32();
        record.month = reader.Int32();
        record.day = reader.Int32();
        break;
    case ValueShape::Amount:
        record.value = reader.String();
        record.group = static_cast<int16_t>(reader.Int32());
        break;
    case ValueShape::None:
        break;
    }
    return record;
}

// Everything after the procedure code; the text of the refusal, or nullptr when the body is
// whole. A field that runs past the end of the file throws DamagedFile.
const char *ReadBody(ByteReader &reader, FileContents &contents)
{
    if (contents.version <= kLastSecuredMaskVersion) {
        // The mask is the first four of its bytes.
        contents.hasSecuredMask = true;
        contents.securedMask = static_cast<uint32_t>(reader.Int32());
        reader.Raw(kSecuredMaskBytes - 4);
    } else {
        const int32_t secured = reader.Count(kDocumentSlots, 4);
        for (int32_t i = 0; i < secured; ++i)
            contents.securedNames.push_back(reader.String());
    }
    ReadProtectedTexts(reader, contents.password);
    if (reader.Int32() != kSectionMarker)
        return "Błędny format pliku";
    reader.String();
    contents.storedAfterMarker = reader.Int32();

    // Older files may end after any whole variable record; nothing follows then.
    const int count = VariableCountForVersion(contents.version);
    for (int i = 0; i < count && !reader.AtEnd(); ++i) {
        const int32_t number = reader.Int32();
        if (number < 0 || number >= count)
            return "Błąd formatu pliku.";
        contents.variables.push_back(ReadVariableRecord(reader, number));
    }

    const int first = FirstDynamicVariableForVersion(contents.version);
    contents.nextDynamic = first;
    if (reader.AtEnd())
        return nullptr;
    const int32_t end = reader.Int32();
    if (end > count)
        return "Zbyt duża ilość dowiązań do pliku";
    contents.nextDynamic = end < first ? first : end;
    for (int d = first; d < contents.nextDynamic; ++d) {
        DynamicRecord record;
        record.blockVariable = reader.Int32();
        const int32_t repetition = reader.Int32();
        record.repetition = static_cast<int16_t>(repetition);
        record.leftOutMark = (repetition & ~0xFFFF) == kLeftOutMark;
        record.templateVariable = reader.Int32();
        record.blockKind = reader.Int32();
        record.label = reader.String();
        record.instanceFlag = reader.Int32();
        contents.dynamics.push_back(record);
    }

    int32_t parts = reader.Int32();
    if (parts == kStoredUndivided || parts < 0)
        parts = -1;
    if (parts > kMaxPartNames)
        throw DamagedFile();
    for (int32_t part = 0; part < parts; ++part)
        contents.partNames.push_back(reader.String());
    contents.parts = parts;
    if (contents.version < kFirstPartsVersion) {
        contents.parts = -1;
        contents.partNames.clear();
    }

    const int32_t marks = reader.Count(kPageBreakMarks, 12);
    for (int32_t mark = 0; mark < marks; ++mark) {
        PageBreakMark pageBreak;
        pageBreak.document = static_cast<int16_t>(reader.Int32());
        pageBreak.position = reader.Int32();
        pageBreak.length = reader.Int32();
        contents.pageBreaks.push_back(pageBreak);
    }

    if (reader.AtEnd() || reader.Int32() != kUntouchedMarker)
        return nullptr;
    const int32_t untouched = reader.Count(count, 4);
    for (int32_t i = 0; i < untouched; ++i) {
        const int32_t number = reader.Int32();
        if (number < 0 || number >= count)
            return "Błąd formatu pliku.";
        contents.untouched.push_back(number);
    }
    return nullptr;
}

void WriteVariableRecord(ByteWriter &out, int number, VariableSlot &slot)
{
    if (!IsInTypeRange(VariableTypeOf(slot.type)))
        slot.type = VariableTypeCode(VariableType::None);
    out.Int32(number);
    out.Int32(slot.type);
    switch (ShapeOfType(VariableTypeOf(slot.type))) {
    case ValueShape::TextWithoutDots:
        out.String(StripTrailingDots(slot.value));
        break;
    case ValueShape::Text:
        out.String(slot.value);
        break;
    case ValueShape::Option:
        out.Int32(slot.extra);
        out.Int32(slot.groupNumber);
        out.Int32(slot.selected);
        break;
    case ValueShape::Date:
        out.Int32(atoi(slot.value.Left(4)));
        out.Int32(atoi(slot.value.Mid(5, 2)));
        out.Int32(atoi(slot.value.Right(2)));
        break;
    case ValueShape::Amount:
        out.String(slot.value);
        out.Int32(slot.groupNumber);
        break;
    case ValueShape::None:
        break;
    }
}

CString UnescapeControlCharacters(const CString &text)
{
    CString result;
    for (int i = 0; i < text.GetLength(); ++i) {
        const char next = i + 1 < text.GetLength() ? text[i + 1] : '\0';
        if (text[i] == '\\' && (next == 'n' || next == 'r' || next == 't')) {
            result += next == 'n' ? '\n' : next == 'r' ? '\r' : '\t';
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

CString DateText(int32_t year, int32_t month, int32_t day)
{
    if (year == kTodayYear && month == kTodayMonth && day == kTodayDay) {
        const CTime now = ProceedingClock::Now();
        year = now.GetYear();
        month = now.GetMonth();
        day = now.GetDay();
    }
    CString text;
    text.Format("%04d-%02d-%02d", year, month, day);
    return text;
}

void ApplyVariableRecord(const VariableRecord &record, ViewTables &tables)
{
    VariableSlot &slot = tables.m_variables[record.number];
    slot.type = record.type;
    switch (ShapeOfType(VariableTypeOf(record.type))) {
    case ValueShape::Text:
    case ValueShape::TextWithoutDots:
        slot.value = record.value;
        break;
    case ValueShape::Option:
        slot.extra = record.extra;
        slot.groupNumber = record.group;
        slot.selected = record.selected;
        break;
    case ValueShape::Date:
        slot.value = DateText(record.year, record.month, record.day);
        break;
    case ValueShape::Amount:
        slot.value = record.value;
        slot.groupNumber = record.group;
        break;
    case ValueShape::None:
        break;
    }

    const VariableType type = VariableTypeOf(slot.type);
    if (IsPlainTextType(type)) {
        slot.value = UnescapeControlCharacters(slot.value);
        if (slot.value.IsEmpty())
            slot.value = CString('.', kEmptyValueDots);
    }
    // A new proceeding takes the wizard's texts and choices where the configuration names the
    // variable among its defaults; an opened one keeps what its user gave.
    if (slot.untouched != 1 || (type != VariableType::Text && type != VariableType::Option))
        return;
    const int key = FindInSemicolonList(tables, record.number);
    if (key < 0)
        return;
    if (type == VariableType::Text) {
        const int text = key < static_cast<int>(sizeof kDefaultTextOfKey / sizeof kDefaultTextOfKey[0])
                             ? kDefaultTextOfKey[key]
                             : -1;
        if (text >= 0 && !tables.m_defaults.texts[text].IsEmpty())
            slot.value = tables.m_defaults.texts[text];
        return;
    }
    slot.selected = key == kWadiumDef2 ? 1 : 0;
    if (key == kWadiumDef1)
        tables.m_defaults.numbers[1] = 0;
    if (key == kWadiumDef2)
        tables.m_defaults.numbers[2] = 1;
}

void ApplySecuredDocuments(const FileContents &contents, ViewTables &tables)
{
    if (contents.hasSecuredMask) {
        for (int document = 0; document < kSecuredMaskDocuments; ++document)
            if (contents.securedMask & (1u << document))
                tables.m_documents[document].secured = 1;
        return;
    }
    const int documentCount = tables.m_nDocumentCount < kDocumentSlots ? tables.m_nDocumentCount : kDocumentSlots;
    for (const CString &name : contents.securedNames)
        for (int document = 0; document < documentCount; ++document)
            if (tables.m_documents[document].fileName == name) {
                tables.m_documents[document].secured = 1;
                break;
            }
}

// Each pool record stores one flag. Files have always kept there, at the indexes of the parts,
// whether the part is in use, and elsewhere whether the instance's entry is shown (0 left
// out). A left-out instance at a part's index carries the mark on its instance number.
bool IsPartFlagIndex(int index, int parts)
{
    return index < parts && index < kPartNames;
}

void ApplyBody(const FileContents &contents, ViewTables &tables, DataFileHeader &header)
{
    ApplySecuredDocuments(contents, tables);
    header.password = contents.password;
    header.storedAfterMarker = contents.storedAfterMarker;
    for (const VariableRecord &record : contents.variables)
        ApplyVariableRecord(record, tables);
    // After the records, so that an opened proceeding keeps its own values: a value never
    // edited is shown as a default again, as it was before the proceeding was saved.
    for (int32_t number : contents.untouched)
        tables.m_variables[number].untouched = 1;

    tables.m_nNextDynamicVariable = contents.nextDynamic;
    for (size_t k = 0; k < contents.dynamics.size(); ++k) {
        const DynamicRecord &record = contents.dynamics[k];
        DynamicVariable &instance = tables.m_dynamicVariables[k];
        instance.blockVariable = record.blockVariable;
        instance.repetition = record.repetition;
        instance.templateVariable = record.templateVariable;
        instance.blockKind = record.blockKind;
        instance.label = record.label;
        const bool partFlag = IsPartFlagIndex(static_cast<int>(k), contents.parts);
        tables.m_instanceFlags[k] = record.leftOutMark ? 0 : partFlag ? 1 : record.instanceFlag;
    }

    tables.m_nParts = contents.parts;
    for (size_t part = 0; part < contents.partNames.size(); ++part) {
        tables.m_partNames[part] = contents.partNames[part];
        // A part beyond the stored records had no place for its flag: it is in use.
        tables.m_partFlags[part] = part < contents.dynamics.size() ? contents.dynamics[part].instanceFlag : 1;
    }

    tables.m_nPageBreaks = static_cast<int>(contents.pageBreaks.size());
    for (size_t mark = 0; mark < contents.pageBreaks.size(); ++mark)
        tables.m_pageBreaks[mark] = contents.pageBreaks[mark];
}

// The bytes of the whole file, fields 1 to 18, and the variables never edited.
std::string BuildDataFile(const CString &name, ViewTables &tables, const DataFileHeader &header)
{
    ByteWriter out;
    out.Int32(header.version);
    out.Int32(0);
    out.Int32(kFormatMarker);
    out.Int32(header.procedureCode);
    if (header.version <= kLastSecuredMaskVersion) {
        uint32_t mask = 0;
        for (int document = 0; document < kSecuredMaskDocuments; ++document)
            if (tables.m_documents[document].secured)
                mask |= 1u << document;
        ByteWriter maskBytes;
        maskBytes.Int32(static_cast<int32_t>(mask));
        out.Raw(maskBytes.Result() + std::string(kSecuredMaskBytes - 4, '\0'));
    } else {
        std::vector<CString> secured;
        for (const DocumentSlot &document : tables.m_documents)
            if (document.secured)
                secured.push_back(document.fileName);
        out.Int32(static_cast<int32_t>(secured.size()));
        for (const CString &fileName : secured)
            out.String(fileName);
    }

    out.Int32(0);
    out.Int32(header.password.GetLength());
    out.Raw(ScrambleProtectedText(Bytes(header.password), kPasswordKey));
    out.Int32(kSectionMarker);
    out.String(name);
    out.Int32(header.storedAfterMarker);

    const int count = VariableCountForVersion(header.version);
    for (int i = 0; i < count; ++i)
        WriteVariableRecord(out, i, tables.m_variables[i]);

    const int first = FirstDynamicVariableForVersion(header.version);
    int end = tables.m_nNextDynamicVariable;
    end = end < first ? first : end > count ? count : end;
    out.Int32(end);
    for (int k = 0; k < end - first; ++k) {
        const DynamicVariable &instance = tables.m_dynamicVariables[k];
        const bool partFlag = IsPartFlagIndex(k, tables.m_nParts);
        out.Int32(instance.blockVariable);
        if (partFlag && tables.m_instanceFlags[k] == 0)
            out.Int32(kLeftOutMark | static_cast<uint16_t>(instance.repetition));
        else
            out.Int32(instance.repetition);
        out.Int32(instance.templateVariable);
        out.Int32(instance.blockKind);
        out.String(instance.label);
        out.Int32(partFlag ? tables.m_partFlags[k] : tables.m_instanceFlags[k]);
    }

    out.Int32(tables.m_nParts);
    for (int part = 0; part < tables.m_nParts; ++part)
        out.String(tables.m_partNames[part]);
    const int marks = tables.m_nPageBreaks < 0                 ? 0
                      : tables.m_nPageBreaks > kPageBreakMarks ? kPageBreakMarks
                                                               : tables.m_nPageBreaks;
    out.Int32(marks);
    for (int mark = 0; mark < marks; ++mark) {
        out.Int32(tables.m_pageBreaks[mark].document);
        out.Int32(tables.m_pageBreaks[mark].position);
        out.Int32(tables.m_pageBreaks[mark].length);
    }

    std::vector<int32_t> untouched;
    for (int i = 0; i < count; ++i)
        if (tables.m_variables[i].untouched == 1 && IsInTypeRange(VariableTypeOf(tables.m_variables[i].type)))
            untouched.push_back(i);
    out.Int32(kUntouchedMarker);
    out.Int32(static_cast<int32_t>(untouched.size()));
    for (int32_t number : untouched)
        out.Int32(number);
    return out.Result();
}

} // namespace

InstalledSets::InstalledSets(const CString &mainPath, const CString &userTemplatesPath)
    : m_mainPath(mainPath), m_userTemplatesPath(userTemplatesPath)
{
}

bool InstalledSets::HasTemplatesForVersion(int version) const
{
    return LawVersions::HasTemplatesForVersion(m_mainPath, m_userTemplatesPath, version);
}

bool InstalledSets::HasConfigForVersion(int version, int procedureCode) const
{
    return LawVersions::HasConfigForVersion(m_mainPath, version, procedureCode);
}

CString InstalledSets::GetCommentFilePath(int procedureCode) const
{
    CString path;
    path.Format("%s\\data\\komentarz%d.wy", m_mainPath, procedureCode % 100 + 1);
    return path;
}

int VariableCountForVersion(int version)
{
    return version >= 0 && version <= 73 ? 6000 : 9000;
}

int FirstDynamicVariableForVersion(int version)
{
    return version >= 0 && version <= 73 ? 2000 : 3000;
}

CString StripTrailingDots(const CString &text)
{
    CString stripped(text);
    stripped.TrimRight('.');
    return stripped;
}

void ProceedingDataFile::AddMessage(const CString &text, const char *caption, UINT icon)
{
    m_messages.push_back(DataFileMessage{text, caption, icon});
}

int ProceedingDataFile::Write(const CString &path, const CString &name, ViewTables &tables, DataFileHeader &header)
{
    m_messages.clear();
    if (header.password.GetLength() > kMaxPasswordLength) {
        AddMessage("Hasło jest za długie: może mieć najwyżej 299 znaków.", "Błąd", MB_ICONERROR);
        return 0;
    }
    if (tables.m_nParts > kMaxPartNames) {
        AddMessage("Postępowanie może mieć najwyżej 100 części.", "Błąd", MB_ICONERROR);
        return 0;
    }
    header.procedureCode %= 100;
    const std::string bytes = BuildDataFile(name, tables, header);

    if (path.IsEmpty()) {
        AddMessage("Błąd otwarcia pliku: " + path, "Błąd", MB_ICONERROR);
        return 0;
    }
    TempFileSave save(path);
    CFile file;
    if (!save.IsReady()
        || !file.Open(save.GetTempPath(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive)) {
        AddMessage("Błąd otwarcia pliku: " + path, "Błąd", MB_ICONERROR);
        return 0;
    }
    bool written = true;
    try {
        file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
        file.Close();
    } catch (CException *e) {
        e->Delete();
        file.Abort();
        written = false;
    }
    if (!written || !save.Commit()) {
        AddMessage("Błąd zapisu pliku: " + path, "Błąd", MB_ICONERROR);
        return 0;
    }
    return 1;
}

int ProceedingDataFile::ReadHeader(const CString &path, CString &storedPassword)
{
    m_messages.clear();
    std::string bytes;
    if (path.IsEmpty() || !LoadFileBytes(path, bytes)) {
        AddMessage("Błąd otwarcia pliku: " + path, "Informacja", MB_ICONEXCLAMATION);
        return 0;
    }
    try {
        ByteReader reader(bytes);
        const int32_t version = reader.Int32();
        if (IsOldestFormat(bytes, version)) {
            AddMessage(kOldestFormatText, "Informacja", MB_ICONERROR);
            return 0;
        }
        reader.Int32();
        reader.Int32();
        reader.Int32();
        if (version <= kLastSecuredMaskVersion) {
            reader.Raw(kSecuredMaskBytes);
        } else {
            const int32_t secured = reader.Count(kDocumentSlots, 4);
            for (int32_t i = 0; i < secured; ++i)
                reader.String();
        }
        ReadProtectedTexts(reader, storedPassword);
    } catch (const DamagedFile &) {
        AddMessage("Błąd formatu pliku: " + path, "Informacja", MB_ICONEXCLAMATION);
        return 0;
    }
    return 1;
}

int ProceedingDataFile::Read(const CString &path, bool headerOnly, const InstalledSets &installation,
                             ViewTables &tables, DataFileHeader &header, CKomentarz2 *comments)
{
    m_messages.clear();
    std::string bytes;
    if (path.IsEmpty() || !LoadFileBytes(path, bytes)) {
        AddMessage("Błąd otwarcia pliku danych(2): " + path, "Informacja", MB_ICONEXCLAMATION);
        return -1;
    }

    FileContents contents;
    try {
        ByteReader reader(bytes);
        contents.version = reader.Int32();
        if (IsOldestFormat(bytes, contents.version)) {
            AddMessage(kOldestFormatText, "Informacja", MB_ICONERROR);
            return -1;
        }
        if (contents.version < kOldestReadableVersion) {
            AddMessage(kSecondVersionText, "Informacja", MB_ICONERROR);
            return -1;
        }
        if (contents.version > kNewestFileVersion)
            AddMessage("Wersja pliku jest niezgodna z wersją programu", "Uwaga", MB_ICONEXCLAMATION);
        if (!installation.HasTemplatesForVersion(contents.version)) {
            CString text;
            text.Format("Otwierany plik został zapisany w wersji: %s. Zainstalowana wersja programu 'Morvelank' "
                        "nie posiada szablonów dla tej wersji pliku.",
                        LawVersions::GetVersionName(contents.version));
            AddMessage(text, "Błąd", MB_ICONERROR);
            return -1;
        }
        reader.Int32();
        if (reader.Int32() != kFormatMarker) {
            AddMessage("Błędny format pliku", "Błąd", MB_ICONERROR);
            return -1;
        }
        contents.procedureCode = reader.Int32();
        if (!installation.HasConfigForVersion(contents.version, contents.procedureCode)) {
            CString text;
            text.Format("Otwierany plik został zapisany w wersji: %s. Zainstalowana wersja programu 'Morvelank' "
                        "nie posiada pliku konfiguracyjnego dla tej wersji pliku.",
                        LawVersions::GetVersionName(contents.version));
            AddMessage(text, "Błąd", MB_ICONERROR);
            return -1;
        }

        if (!headerOnly) {
            if (const char *refusal = ReadBody(reader, contents)) {
                AddMessage(refusal, "Błąd", MB_ICONERROR);
                return -1;
            }
        }
    } catch (const DamagedFile &) {
        AddMessage("Błąd formatu pliku: " + path, "Błąd", MB_ICONERROR);
        return -1;
    }

    header.version = contents.version;
    header.procedureCode = contents.procedureCode;
    tables.m_nLoadedVersion = contents.version;
    if (headerOnly)
        return 0;
    ApplyBody(contents, tables, header);
    if (comments) {
        comments->m_nCount = 0;
        ReadCommentFile(*comments, installation.GetCommentFilePath(contents.procedureCode));
    }
    return 0;
}
