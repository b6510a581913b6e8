// The example proceeding of the installation, opened as the program opens it from the example
// folder: the record and data file read back, and every variable its templates name holds a
// value a new user can read.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "model/file_utils.h"
#include "model/law_versions.h"
#include "model/project.h"
#include "model/clock.h"
#include "document/files/proceeding_open.h"
#include "model/view_tables.h"
#include "installation_folder.h"
#include "template_variables.h"

namespace {

// The sample command opens "<ExamplePath>\Dostawa tonerów\Dostawa tonerów.baz".
const char kExampleName[] = "Dostawa tonerów";
const int kBasicModeCode = 64;

// A stored "today" reads back as this day, so that a date left at "today" shows.
CTime FixedToday()
{
    return CTime(1999, 1, 4, 12, 0, 0);
}

struct ClockFixedForTest {
    ClockFixedForTest() { ProceedingClock::SetNowFunction(FixedToday); }
    ~ClockFixedForTest() { ProceedingClock::SetNowFunction(nullptr); }
};

bool IsTemplate(const CString &fileName)
{
    return fileName.GetLength() > 4 && fileName.Right(4).CompareNoCase(".rtf") == 0;
}

bool IsDateType(int type)
{
    return type == 2 || type == 16 || type == 17;
}

// An empty text reads back as a row of dots.
bool IsEmptyText(const CString &value)
{
    CString text = value;
    text.Trim();
    text.Trim('.');
    return text.IsEmpty();
}

// "" when the variable shows a filled value, else what is wrong with it.
std::string ValueFault(const VariableSlot &variable)
{
    if (variable.type < 0)
        return "has no type";
    if (variable.type == 1 || variable.type == 3)
        return variable.selected == 0 || variable.selected == 1 ? "" : "is neither selected nor cleared";
    if (IsEmptyText(variable.value))
        return "is empty";
    if (IsDateType(variable.type) && variable.value == "1999-01-04")
        return "is left at the day the proceeding is opened";
    return "";
}

TEST(ExampleProceeding, OpensFromTheExampleFolderAsASavedBasicModeProceeding)
{
    const CString mainFolder = InstallationFolder();
    ASSERT_FALSE(mainFolder.IsEmpty()) << "MORVELANK_INSTALLATION is not set";
    ClockFixedForTest clock;
    const InstalledSets installation(mainFolder, "");
    ProceedingOpen open(mainFolder, installation);
    CProject project;
    ASSERT_EQ(1, open.ReadRecord(project, mainFolder + "\\example\\" + kExampleName, kExampleName));
    EXPECT_STREQ(kExampleName, project.m_strName);
    EXPECT_EQ(kBasicModeCode, project.m_nProcedureCode);
    EXPECT_EQ(LawVersions::kNewest, project.m_nLawVersion);
    EXPECT_EQ(0, project.m_nOrderType);
    EXPECT_EQ(0, project.m_nAttachedCount);
    EXPECT_STREQ(mainFolder + "\\example\\" + kExampleName + "\\" + kExampleName + ".dat", project.GetDocumentPath());

    // A password would stop a new user at the door.
    CString password = "?";
    ASSERT_EQ(1, open.ReadPassword(project.GetDocumentPath(), password));
    EXPECT_STREQ("", password);

    auto tables = std::make_unique<ViewTables>();
    DataFileHeader header;
    ASSERT_EQ(1, open.Load(kLoadOwnFile, project.GetDocumentPath(), project, DefaultValues(), *tables, header, nullptr))
        << (open.GetMessages().empty() ? std::string() : std::string(open.GetMessages()[0].text));
    EXPECT_EQ(LawVersions::kNewest, header.version);
    EXPECT_EQ(kBasicModeCode, header.procedureCode);
    EXPECT_EQ(-1, tables->m_nParts);
    EXPECT_GT(tables->m_nDocumentCount, 0);

    const CString templateFolder = LawVersions::GetTemplateFolder(mainFolder, "", LawVersions::kNewest);
    std::string faults;
    std::map<int, int> selectedInGroup; // option group -> selected options named by the templates
    std::map<int, bool> seen;
    for (int document = 0; document < tables->m_nDocumentCount; ++document) {
        const CString &fileName = tables->m_documents[document].fileName;
        if (!IsTemplate(fileName))
            continue;
        int failed = 0;
        const CString rtf = ReadFileContents(templateFolder + "\\" + fileName, failed);
        ASSERT_EQ(0, failed) << "no template " << fileName;
        for (int number : TemplateVariables(RtfPlainText(rtf))) {
            // 990 only carries the option-dependent text that the template itself holds.
            if (number == 990 || seen[number])
                continue;
            seen[number] = true;
            ASSERT_TRUE(tables->IsVariableNumber(number)) << fileName << ": " << number;
            const VariableSlot &variable = tables->m_variables[number];
            const std::string fault = ValueFault(variable);
            if (!fault.empty())
                faults += std::string(fileName) + ": variable " + std::to_string(number) + " " + fault + "\n";
            if (variable.type == 1)
                selectedInGroup[variable.groupNumber] += variable.selected == 1 ? 1 : 0;
        }
    }
    EXPECT_EQ("", faults);
    for (const auto &group : selectedInGroup)
        EXPECT_EQ(1, group.second) << "option group " << group.first;
}

} // namespace
