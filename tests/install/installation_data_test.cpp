// The shipped starting data and comment files of both acts against the reader and the
// templates: every file the build generates opens in a law version the installation holds,
// and every variable a template of a kind names is in that kind's data file with a type and in
// its comment file with a label.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "model/comment_table.h"
#include "model/file_utils.h"
#include "model/law_versions.h"
#include "model/config_file.h"
#include "model/data_file.h"
#include "model/view_tables.h"
#include "installation_folder.h"
#include "template_variables.h"

namespace {

struct LoadedKind {
    std::unique_ptr<ViewTables> tables = std::make_unique<ViewTables>();
    std::unique_ptr<CKomentarz2> comments = std::make_unique<CKomentarz2>();
    DataFileHeader header;
    ProceedingDataFile file;
    int result = -1;
};

std::unique_ptr<LoadedKind> LoadKind(const CString &mainFolder, const CString &dataPath)
{
    auto kind = std::make_unique<LoadedKind>();
    kind->result = kind->file.Read(dataPath, false, InstalledSets(mainFolder, ""), *kind->tables, kind->header,
                                   kind->comments.get());
    return kind;
}

std::string FirstMessage(const ProceedingDataFile &file)
{
    return file.GetMessages().empty() ? std::string() : std::string(file.GetMessages()[0].text);
}

bool IsTemplate(const CString &fileName)
{
    return fileName.GetLength() > 4 && fileName.Right(4).CompareNoCase(".rtf") == 0;
}

TEST(InstallationData, EveryStartingDataFileReadsBackWithItsComments)
{
    const CString mainFolder = InstallationFolder();
    ASSERT_FALSE(mainFolder.IsEmpty()) << "MORVELANK_INSTALLATION is not set";
    const std::vector<CString> dataFiles = FindFiles(mainFolder + "\\data\\postepowanie*.wy");
    ASSERT_FALSE(dataFiles.empty());
    for (const CString &path : dataFiles) {
        SCOPED_TRACE(std::string(path));
        auto kind = LoadKind(mainFolder, path);
        ASSERT_EQ(0, kind->result) << FirstMessage(kind->file);
        EXPECT_TRUE(kind->file.GetMessages().empty()) << FirstMessage(kind->file);
        bool installedVersion = false;
        for (const InstalledLaw &law : kInstalledLaws)
            installedVersion = installedVersion || law.version == kind->header.version;
        EXPECT_TRUE(installedVersion) << kind->header.version;
        EXPECT_TRUE(
            FileExists(LawVersions::GetConfigFilePath(mainFolder, kind->header.version, kind->header.procedureCode)));
        EXPECT_EQ(KindFileNumber(path), kind->header.procedureCode + 1);
        EXPECT_GT(kind->comments->m_nCount, 0);
    }
}

TEST(InstallationData, EveryVariableATemplateNamesHasATypeAndALabel)
{
    const CString mainFolder = InstallationFolder();
    ASSERT_FALSE(mainFolder.IsEmpty()) << "MORVELANK_INSTALLATION is not set";
    std::string missing;
    for (const InstalledLaw &law : kInstalledLaws) {
        const CString templateFolder = LawVersions::GetTemplateFolder(mainFolder, "", law.version);
        const std::vector<CString> configFiles = FindFiles(
            GetParentFolder(LawVersions::GetConfigFilePath(mainFolder, law.version, 0)) + "\\postepowanie*.cnf");
        ASSERT_FALSE(configFiles.empty());
        for (const CString &configPath : configFiles) {
            SCOPED_TRACE(std::string(configPath));
            auto kind = LoadKind(mainFolder, LawVersions::GetDataFilePath(mainFolder, KindFileNumber(configPath) - 1));
            ASSERT_EQ(0, kind->result) << FirstMessage(kind->file);
            ASSERT_TRUE(ReadConfigFile(configPath, -1, *kind->tables));
            std::map<int, CString> labels;
            for (int i = kind->comments->m_nCount - 1; i >= 0; --i)
                labels[kind->comments->m_entries[i].id] = kind->comments->m_entries[i].text;

            for (int document = 0; document < kind->tables->m_nDocumentCount; ++document) {
                const CString &fileName = kind->tables->m_documents[document].fileName;
                if (!IsTemplate(fileName))
                    continue;
                int failed = 0;
                const CString rtf = ReadFileContents(templateFolder + "\\" + fileName, failed);
                EXPECT_EQ(0, failed) << "no template " << fileName;
                for (int number : TemplateVariables(RtfPlainText(rtf))) {
                    const std::string where = std::string(GetFileTitleNoExt(configPath)) + " " + std::string(fileName)
                                              + ": variable " + std::to_string(number);
                    if (!kind->tables->IsVariableNumber(number) || kind->tables->m_variables[number].type < 0)
                        missing += where + " has no type\n";
                    if (labels[number].IsEmpty())
                        missing += where + " has no label\n";
                }
            }
        }
    }
    EXPECT_EQ("", missing);
}

} // namespace
