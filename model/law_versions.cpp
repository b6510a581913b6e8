// Names and folders of the law versions, and the paths of their data and configuration files.
#include "model/law_versions.h"

#include "model/file_utils.h"

namespace LawVersions {
namespace {

struct LawVersion {
    const char *name;
    const char *folderSuffix; // yyyymm of "szablony_<yyyymm>" and "cnf\<yyyymm>"; none before 25
};

const int kOldestNamed = 16;

// Indexes 16 to 114, in order.
const LawVersion kVersions[] = {
    {"kwiecień 2004", ""},
    {"sierpien 2004", ""},
    {"listopad 2004", ""},
    {"luty 2005", ""},
    {"maj 2005", ""},
    {"sierpien 2005", ""},
    {"grudzien 2005", ""},
    {"kwiecien 2006", ""},
    {"kwiecien 2006", ""},
    {"lipiec 2006", "200607"},
    {"wrzesień 2006", "200609"},
    {"grudzień 2006", "200612"},
    {"luty 2007", "200702"},
    {"czerwiec 2007", "200706"},
    {"wrzesień 2007", "200709"},
    {"listopad 2007", "200711"},
    {"listopad 2007", "200711"},
    {"luty 2008", "200802"},
    {"maj 2008", "200805"},
    {"październik 2008", "200810"},
    {"grudzień 2008", "200812"},
    {"luty 2009", "200902"},
    {"maj 2009", "200905"},
    {"sierpień 2009", "200908"},
    {"grudzień 2009", "200912"},
    {"grudzień 2009, poprawka 1.0", "201001"},
    {"luty 2010", "201002"},
    {"maj 2010", "201005"},
    {"sierpień 2010", "201008"},
    {"listopad 2010", "201011"},
    {"luty 2011", "201102"},
    {"maj 2011", "201105"},
    {"sierpień 2011", "201108"},
    {"listopad 2011", "201111"},
    {"luty 2012", "201202"},
    {"maj 2012", "201205"},
    {"lipiec 2012", "201207"},
    {"październik 2012", "201210"},
    {"grudzień 2012", "201212"},
    {"marzec 2013", "201303"},
    {"maj 2013", "201305"},
    {"sierpień 2013", "201308"},
    {"listopad 2013", "201311"},
    {"grudzień 2013", "201312"},
    {"luty 2014", "201402"},
    {"luty 2014(v2)", "201403"},
    {"maj 2014", "201405"},
    {"sierpień 2014", "201408"},
    {"listopad 2014", "201411"},
    {"luty 2015", "201502"},
    {"maj 2015", "201505"},
    {"sierpień 2015", "201508"},
    {"listopad 2015", "201511"},
    {"luty 2016", "201602"},
    {"czerwiec 2016", "201606"},
    {"sierpień 2016", "201608"},
    {"październik 2016", "201610"},
    {"grudzień 2016", "201612"},
    {"luty 2017", "201702"},
    {"maj 2017", "201705"},
    {"sierpień 2017", "201708"},
    {"listopad 2017", "201711"},
    {"luty 2018", "201802"},
    {"luty 2018", "201803"},
    {"maj 2018", "201805"},
    {"sierpień 2018", "201808"},
    {"listopad 2018", "201811"},
    {"luty 2019", "201902"},
    {"maj 2019", "201905"},
    {"sierpień 2019", "201908"},
    {"październik 2019", "201910"},
    {"grudzień 2019", "201912"},
    {"grudzień 2019(nowy kurs)", "202001"},
    {"luty 2020", "202002"},
    {"maj 2020", "202005"},
    {"sierpień 2020", "202008"},
    {"listopad 2020", "202011"},
    {"luty 2021", "202102"},
    {"maj 2021", "202105"},
    {"sierpień 2021", "202108"},
    {"paźdzernik 2021", "202110"},
    {"grudzień 2021", "202112"},
    {"luty 2022", "202202"},
    {"maj 2022", "202205"},
    {"sierpień 2022", "202208"},
    {"listopad 2022", "202211"},
    {"luty 2023", "202302"},
    {"maj 2023", "202305"},
    {"sierpień 2023", "202308"},
    {"październik 2023", "202310"},
    {"grudzień 2023", "202312"},
    {"luty 2024", "202402"},
    {"maj 2024", "202405"},
    {"sierpień 2024", "202408"},
    {"październik 2024", "202410"},
    {"grudzień 2024", "202412"},
    {"marzec 2025", "202503"},
    {"czerwiec 2025", "202506"},
    {"wrzesień 2025", "202509"},
};

static_assert(sizeof kVersions / sizeof kVersions[0] == kNewest - kOldestNamed + 1, "one row per named law version");

const int kFirstOwnTemplateFolder = 25;    // earlier versions share "szablony"
const int kFirstOwnConfigFolder = 29;      // earlier versions share "cnf"
const int kFirstContractsConfigFile = 110; // remainder 98 reads "postepowanie99.cnf" from here on

int ForPaths(int lawVersion)
{
    return lawVersion < 0 ? kNewest : lawVersion;
}

// Remainders (modulo 100) of the procedure kinds that have a data and a configuration file.
bool HasOwnFiles(int remainder)
{
    return (remainder >= 0 && remainder <= 23) || (remainder >= 40 && remainder <= 60)
           || (remainder >= 62 && remainder <= 89) || remainder == 95 || remainder == 96 || remainder == 98;
}

CString ConfigFolder(const CString &mainPath, int lawVersion)
{
    if (lawVersion < kFirstOwnConfigFolder)
        return mainPath + "\\cnf";
    return mainPath + "\\cnf\\" + kVersions[lawVersion - kOldestNamed].folderSuffix;
}

} // namespace

CString GetVersionName(int lawVersion)
{
    if (lawVersion < kOldestNamed)
        return CString("wersja sprzed kwietnia 2004");
    if (lawVersion > kNewest)
        return CString("(Nieznana wersja pliku)");
    return CString(kVersions[lawVersion - kOldestNamed].name);
}

CString GetDataFilePath(const CString &mainPath, int procedureCode)
{
    const int remainder = procedureCode % 100;
    if (!HasOwnFiles(remainder))
        return CString();
    CString path;
    path.Format("%s\\data\\postepowanie%d.wy", mainPath, remainder + 1);
    return path;
}

CString GetConfigFilePath(const CString &mainPath, int lawVersion, int procedureCode)
{
    lawVersion = ForPaths(lawVersion);
    if (lawVersion > kNewest)
        return CString();
    const CString folder = ConfigFolder(mainPath, lawVersion);
    const int remainder = procedureCode % 100;
    CString path;
    if (remainder == 98)
        path = folder + (lawVersion >= kFirstContractsConfigFile ? "\\postepowanie99.cnf" : "\\spis_umow.cnf");
    else if (remainder == 99)
        path = folder + "\\spis_aktow.cnf";
    else if (HasOwnFiles(remainder))
        path.Format("%s\\postepowanie%d.cnf", folder, remainder + 1);
    else
        path = folder;
    return path;
}

CString GetTemplateFolder(const CString &mainPath, const CString &userTemplatesPath, int lawVersion)
{
    lawVersion = ForPaths(lawVersion);
    CString folder;
    if (lawVersion < kFirstOwnTemplateFolder)
        folder = mainPath + "\\szablony";
    else if (lawVersion <= kNewest)
        folder = mainPath + "\\szablony_" + kVersions[lawVersion - kOldestNamed].folderSuffix;
    else
        folder = userTemplatesPath;
    folder.Trim();
    return folder;
}

CString GetUserTemplateFolder(const CString &userTemplatesPath, const CString &templateFolder)
{
    if (userTemplatesPath.IsEmpty())
        return CString();
    const CString set = templateFolder.Mid(templateFolder.ReverseFind('\\') + 1);
    const CString newest = CString("szablony_") + kVersions[kNewest - kOldestNamed].folderSuffix;
    if (set.CompareNoCase(newest) == 0 || templateFolder.CompareNoCase(userTemplatesPath) == 0)
        return userTemplatesPath;
    return userTemplatesPath + "\\" + set;
}

bool HasTemplatesForVersion(const CString &mainPath, const CString &userTemplatesPath, int lawVersion)
{
    const CString folder = GetTemplateFolder(mainPath, userTemplatesPath, lawVersion);
    return !folder.IsEmpty() && DirectoryExists(folder);
}

bool HasConfigForVersion(const CString &mainPath, int lawVersion, int procedureCode)
{
    const CString path = GetConfigFilePath(mainPath, lawVersion, procedureCode);
    return !path.IsEmpty() && FileExists(path);
}

} // namespace LawVersions
