#include "tools/datagen/kind_source.h"

#include <windows.h>

#include <cstdlib>
#include <string>

#include "model/file_utils.h"
#include "model/data_file.h"
#include "model/variable_type.h"
#include "document/engine/variable_tags.h"

namespace {

const int kIncludeDepth = 8;

struct TypeName {
    const char *name;
    VariableType type;
};

const TypeName kTypeNames[] = {
    {"tekst", VariableType::Text},
    {"opcja", VariableType::Option},
    {"data", VariableType::Date},
    {"pole-wyboru", VariableType::CheckBox},
    {"kryteria", VariableType::Criteria},
    {"oferty", VariableType::Offers},
    {"oferty-ceny", VariableType::OfferPrices},
    {"oferty-wstepne", VariableType::PreliminaryOffers},
    {"spis-ofert", VariableType::OfferIndex},
    {"lista-nr", VariableType::NumberedRows},
    {"punkty", VariableType::Points},
    {"zestawienie-ofert", VariableType::OffersSummary},
    {"lista-myslnikow", VariableType::DashList},
    {"lista-literowa", VariableType::LetteredList},
    {"lista-numerowana", VariableType::NumberedList},
    {"data-terminarz", VariableType::ScheduleDate},
    {"data-termin", VariableType::DeadlineDate},
    {"kryteria-sposob", VariableType::CriteriaMethod},
    {"pomoc", VariableType::HelpLink},
    {"osoby", VariableType::Persons},
    {"tabela-numerowana", VariableType::NumberedTable},
    {"tabela", VariableType::Table},
    {"kwota-zl", VariableType::AmountZloty},
    {"oferty-czesci", VariableType::OfferParts},
    {"kwota-euro", VariableType::AmountEuro},
    {"tabela-rtf", VariableType::RtfTable},
    {"tabela-kolumny", VariableType::ColumnTable},
};

// The day a proceeding is made, as the data file stores it.
const char kTodayValue[] = "1600-02-32";

bool IsDigits(const CString &text)
{
    if (text.IsEmpty())
        return false;
    for (int i = 0; i < text.GetLength(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

// A UTF-8 line in code page 1250; false when it holds a character that code page lacks.
bool ToCodePage1250(const std::string &utf8, CString &text)
{
    text.Empty();
    if (utf8.empty())
        return true;
    const int wideLength =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    if (wideLength <= 0)
        return false;
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], wideLength);
    BOOL usedDefault = FALSE;
    const int length =
        WideCharToMultiByte(1250, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, nullptr, 0, nullptr, &usedDefault);
    if (length <= 0 || usedDefault)
        return false;
    char *buffer = text.GetBufferSetLength(length);
    WideCharToMultiByte(1250, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, buffer, length, nullptr, nullptr);
    text.ReleaseBuffer(length);
    return true;
}

class SourceReader {
public:
    SourceReader(KindSource &kind, CString &error) : m_kind(kind), m_error(error) {}
    // Reading an example proceeding: its [przykład] block names it, and its variable blocks
    // only change values of the kind's variables.
    SourceReader(KindSource &kind, CString &exampleName, CString &error)
        : m_kind(kind), m_error(error), m_exampleName(&exampleName)
    {
    }

    bool ReadFile(const CString &path, bool isKindFile, int depth);

private:
    bool Fail(const CString &what)
    {
        m_error.Format("%s:%d: %s", m_path, m_line, what);
        return false;
    }
    bool ReadLine(const CString &line, int depth);
    bool ExampleField(const CString &key, const CString &value);
    bool HeaderField(const CString &key, const CString &value, int depth);
    bool VariableField(const CString &key, const CString &value);
    bool StartVariable(const CString &identifier);
    bool Number(const CString &value, int low, int high, int &number);

    KindSource &m_kind;
    CString &m_error;
    CString m_path;
    int m_line = 0;
    bool m_isKindFile = false;
    bool m_inHeader = false;
    CString *m_exampleName = nullptr;
    bool m_inExample = false;
    SourceVariable *m_variable = nullptr;
    bool m_valueStarted = false;
};

bool SourceReader::ReadFile(const CString &path, bool isKindFile, int depth)
{
    int failed = 0;
    const CString contents = ReadFileContents(path, failed);
    m_path = path;
    m_line = 0;
    if (failed)
        return Fail("nie można odczytać pliku");
    m_isKindFile = isKindFile;
    m_inHeader = false;
    m_variable = nullptr;

    std::string bytes(contents.GetString(), static_cast<size_t>(contents.GetLength()));
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        bytes.erase(0, 3);
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        ++m_line;
        CString line;
        if (!ToCodePage1250(bytes.substr(start, end - start), line))
            return Fail("znak spoza strony kodowej 1250 albo błędny zapis UTF-8");
        if (!ReadLine(line.Trim(), depth))
            return false;
        start = end + 1;
    }
    return true;
}

bool SourceReader::ReadLine(const CString &line, int depth)
{
    if (line.IsEmpty() || line[0] == '#')
        return true;
    if (line[0] == '[') {
        if (line[line.GetLength() - 1] != ']')
            return Fail("nagłówek bloku bez zamykającego \"]\"");
        const CString name = line.Mid(1, line.GetLength() - 2);
        m_variable = nullptr;
        m_inExample = m_exampleName && name == "przykład";
        if (m_inExample)
            return true;
        m_inHeader = name == "postępowanie";
        if (m_inHeader && !m_isKindFile)
            return Fail("blok [postępowanie] może stać tylko w pliku postepowanie<N>.txt");
        return m_inHeader || StartVariable(name);
    }
    const int equals = line.Find('=');
    if (equals < 0)
        return Fail("oczekiwano \"klucz = wartość\"");
    CString key = line.Left(equals);
    CString value = line.Mid(equals + 1);
    key.Trim();
    value.Trim();
    if (m_inHeader)
        return HeaderField(key, value, depth);
    if (m_inExample)
        return ExampleField(key, value);
    if (m_variable)
        return VariableField(key, value);
    return Fail("pole poza blokiem [postępowanie] lub [zmienna]");
}

bool SourceReader::ExampleField(const CString &key, const CString &value)
{
    if (key != "nazwa")
        return Fail("nieznane pole bloku [przykład]: " + key);
    // The name becomes a folder and file names of the installation.
    if (value.IsEmpty() || value.FindOneOf("\\/:*?\"<>|") >= 0)
        return Fail("nazwa przykładu musi być dopuszczalną nazwą pliku: " + value);
    *m_exampleName = value;
    return true;
}

bool SourceReader::Number(const CString &value, int low, int high, int &number)
{
    const bool negative = value.GetLength() > 1 && value[0] == '-';
    if (!IsDigits(negative ? value.Mid(1) : value))
        return Fail("oczekiwano liczby: " + value);
    number = atoi(value);
    if (number < low || number > high) {
        CString what;
        what.Format("liczba %d poza zakresem %d..%d", number, low, high);
        return Fail(what);
    }
    return true;
}

bool SourceReader::HeaderField(const CString &key, const CString &value, int depth)
{
    if (key == "kod")
        return Number(value, 0, 99, m_kind.procedureCode);
    if (key == "wersja")
        return Number(value, 23, kNewestFileVersion, m_kind.version);
    if (key != "wlacz")
        return Fail("nieznane pole bloku [postępowanie]: " + key);
    if (depth >= kIncludeDepth)
        return Fail("zbyt głębokie dołączanie plików");
    if (value.IsEmpty() || value.FindOneOf("\\/:") >= 0)
        return Fail("dołączany plik musi leżeć w tym samym folderze: " + value);
    const CString included = GetParentFolder(m_path) + "\\" + value;
    if (!FileExists(included))
        return Fail("nie ma dołączanego pliku " + value);
    const CString path = m_path;
    const int line = m_line;
    if (!ReadFile(included, false, depth + 1))
        return false;
    m_path = path;
    m_line = line;
    m_isKindFile = true;
    m_inHeader = true;
    m_variable = nullptr;
    return true;
}

bool SourceReader::StartVariable(const CString &identifier)
{
    int number = -1;
    if (identifier.GetLength() == 3 && IsDigits(identifier))
        number = atoi(identifier);
    else if (identifier.GetLength() == 3 && IsDigits(identifier.Mid(1)) && DecodeVariableId(identifier) >= 1000)
        number = DecodeVariableId(identifier);
    if (number < 0)
        return Fail("identyfikator zmiennej to trzy cyfry albo litera i dwie cyfry: [" + identifier + "]");
    // Numbers from the first instance number on belong to the copies that repeated blocks make.
    if (number >= FirstDynamicVariableForVersion(kNewestFileVersion))
        return Fail("numer zmiennej zajęty przez kopie bloków powtarzanych: [" + identifier + "]");
    if (m_exampleName && m_kind.variables.count(number) == 0)
        return Fail("przykład podaje zmienną, której rodzaj postępowania nie ma: [" + identifier + "]");
    m_variable = &m_kind.variables[number];
    if (m_variable->where.IsEmpty())
        m_variable->where.Format("%s:%d", m_path, m_line);
    m_valueStarted = false;
    return true;
}

bool SourceReader::VariableField(const CString &key, const CString &value)
{
    SourceVariable &variable = *m_variable;
    if (m_exampleName) {
        if (key != "wartość" && key != "wiersz" && key != "zaznaczona")
            return Fail("przykład zmienia tylko pola \"wartość\", \"wiersz\" i \"zaznaczona\", nie: " + key);
        // The example is opened, never created: "today" would be the day it is opened.
        if (IsDateType(VariableTypeOf(variable.type)) && value == "dzisiaj")
            return Fail("data przykładu to RRRR-MM-DD, nie \"dzisiaj\"");
    }
    if (key == "typ") {
        for (const TypeName &name : kTypeNames)
            if (value == name.name) {
                variable.type = VariableTypeCode(name.type);
                return true;
            }
        return Fail("nieznany typ zmiennej: " + value);
    }
    if (key == "etykieta") {
        variable.label = value;
        return true;
    }
    if (key == "wartość" || key == "wiersz") {
        if (!m_valueStarted)
            variable.value.Empty();
        m_valueStarted = true;
        variable.value += key == "wiersz" ? value + "\n" : value;
        variable.valueWhere.Format("%s:%d", m_path, m_line);
        return true;
    }
    if (key == "grupa")
        return Number(value, -1, 32767, variable.group);
    if (key == "zaznaczona") {
        if (value != "tak" && value != "nie")
            return Fail("zaznaczona = tak albo nie, nie: " + value);
        variable.selected = value == "tak" ? 1 : 0;
        return true;
    }
    return Fail("nieznane pole zmiennej: " + key);
}

// Dates become the stored form of "today" or stay RRRR-MM-DD; options start unselected.
bool Complete(KindSource &kind, const CString &path, CString &error)
{
    if (kind.procedureCode < 0 || kind.version < 0) {
        error = path + ": brak pola \"kod\" albo \"wersja\" w bloku [postępowanie]";
        return false;
    }
    for (auto &entry : kind.variables) {
        SourceVariable &variable = entry.second;
        const CString where = variable.where + ": ";
        const VariableType type = VariableTypeOf(variable.type);
        if (type == VariableType::None) {
            error = where + "brak pola \"typ\"";
            return false;
        }
        if (IsDateType(type)) {
            const CString &date = variable.value;
            if (date == "dzisiaj") {
                variable.value = kTodayValue;
            } else if (date.GetLength() != 10 || date[4] != '-' || date[7] != '-' || !IsDigits(date.Left(4))
                       || !IsDigits(date.Mid(5, 2)) || !IsDigits(date.Right(2))) {
                error = (variable.valueWhere.IsEmpty() ? variable.where : variable.valueWhere)
                        + ": data to \"dzisiaj\" albo RRRR-MM-DD, nie: " + date;
                return false;
            }
        }
        if (IsOptionType(type) && variable.selected < 0)
            variable.selected = 0;
        // An amount shows only its value: an empty one would leave nothing in the document
        // to double-click for its editor.
        if (IsAmountType(type) && variable.value.IsEmpty())
            variable.value = "0,00";
    }
    return true;
}

} // namespace

bool ReadKindSource(const CString &path, KindSource &kind, CString &error)
{
    SourceReader reader(kind, error);
    return reader.ReadFile(path, true, 0) && Complete(kind, path, error);
}

bool ReadExampleSource(const CString &path, KindSource &kind, CString &name, CString &error)
{
    name.Empty();
    SourceReader reader(kind, name, error);
    if (!reader.ReadFile(path, false, 0) || !Complete(kind, path, error))
        return false;
    if (name.IsEmpty()) {
        error = path + ": brak bloku [przykład] z polem \"nazwa\"";
        return false;
    }
    return true;
}
