#include <gtest/gtest.h>

#include <memory>

#include "document/engine/point_headings.h"
#include "document/engine/repeated_blocks.h"
#include "document/engine/rich_edit_text.h"
#include "model/view_tables.h"
#include "fixture_path.h"

#include "model/file_utils.h"

namespace {

class RepeatedBlocksTest : public ::testing::Test {
protected:
    void SetUp() override { tables = std::make_unique<ViewTables>(); } // first dynamic number 3000

    CString Expand(const CString &text, int kind, bool perPartDocument = false, int part = -1)
    {
        EXPECT_EQ(ExpandResult::Expanded, ExpandFirstBlock(text, kind, perPartDocument, part, *tables, expansion));
        return expansion.text;
    }

    std::unique_ptr<ViewTables> tables;
    BlockExpansion expansion;
};

TEST_F(RepeatedBlocksTest, UndividedPerPartBlockRepeatsOnce)
{
    const CString text = "x<&B01>cz. <#>: <!A05>v</A05><+A05>y<-B01>z";
    EXPECT_STREQ("cz. 1: <!03000>v</03000><+03000>y", Expand(text, kPerPartBlock));
    EXPECT_EQ(1, expansion.start);
    EXPECT_EQ(text.GetLength() - 1, expansion.end);
    EXPECT_STREQ("", expansion.addEntryLink);
    EXPECT_EQ(3001, tables->m_nNextDynamicVariable);
    const DynamicVariable &instance = tables->m_dynamicVariables[0];
    EXPECT_EQ(kPerPartBlock, instance.blockKind);
    EXPECT_EQ(1005, instance.templateVariable);
    EXPECT_EQ(1101, instance.blockVariable);
    EXPECT_EQ(0, instance.repetition);
    EXPECT_STREQ("Zadanie/Zadania", instance.label);
}

TEST_F(RepeatedBlocksTest, PartsAndTheirFlags)
{
    struct Case {
        bool perPartDocument;
        int part;
        const char *expanded;
    };
    const Case cases[] = {
        {false, -1, "[1][3]"}, // part 2 is left out of the proceeding
        {true, 5, "[3]"},
        {true, -1, "[1]"},
        {true, 1, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.part);
        tables = std::make_unique<ViewTables>();
        tables->m_nParts = 3;
        tables->m_partFlags[0] = 1;
        tables->m_partFlags[1] = 0;
        tables->m_partFlags[2] = 1;
        EXPECT_STREQ(c.expanded, Expand("<&B01>[<#>]<-B01>", kPerPartBlock, c.perPartDocument, c.part));
    }
}

TEST_F(RepeatedBlocksTest, SecondGenerationReusesInstances)
{
    tables->m_nParts = 2;
    tables->m_partFlags[1] = 1;
    const CString text = "<&B01><!A05>v</A05><-B01>";
    EXPECT_STREQ("<!03000>v</03000><!03001>v</03001>", Expand(text, kPerPartBlock));
    EXPECT_STREQ("<!03000>v</03000><!03001>v</03001>", Expand(text, kPerPartBlock));
    EXPECT_EQ(3002, tables->m_nNextDynamicVariable);
}

TEST_F(RepeatedBlocksTest, PerEntryBlockAndItsAddEntryLink)
{
    tables->m_variables[1101].value = "x|Dodaj osobę";
    const CString text = "<%B01>[<#>]<!A05>osoba</A05><-B01>";
    EXPECT_STREQ("[Dodaj osobę]<!03000>osoba</03000>", Expand(text, kPerEntryBlock));
    EXPECT_STREQ("<!B01>TUTAJ NOWA ZMIENNA;Dodaj osobę</B01>", expansion.addEntryLink);
    EXPECT_STREQ("x", tables->m_variables[1101].value);
    EXPECT_EQ(3001, tables->m_nNextDynamicVariable);
    EXPECT_EQ(kPerEntryBlock, tables->m_dynamicVariables[0].blockKind);

    // The next generation finds the instance and makes no new one; the value has no label now.
    EXPECT_STREQ("[Dodaj osobę]<!03000>osoba</03000>", Expand(text, kPerEntryBlock));
    EXPECT_STREQ("<!B01>TUTAJ NOWA ZMIENNA;Kliknij aby zmienić wpisy</B01>", expansion.addEntryLink);
    EXPECT_EQ(3001, tables->m_nNextDynamicVariable);
}

TEST_F(RepeatedBlocksTest, EveryAddedEntryIsARepetitionUnlessItIsLeftOut)
{
    const char *labels[] = {"pierwszy", "drugi", "trzeci", "czwarty"};
    for (int entry = 0; entry < 4; ++entry) {
        DynamicVariable &instance = tables->m_dynamicVariables[entry];
        instance.blockVariable = 1101; // B01
        instance.blockKind = kPerEntryBlock;
        instance.templateVariable = 1005;
        instance.repetition = static_cast<int16_t>(entry);
        instance.label = labels[entry];
        tables->m_instanceFlags[entry] = 1;
    }
    tables->m_nNextDynamicVariable = 3004;
    const CString text = "<%B01><#> <!A05>o</A05>;<-B01>";
    EXPECT_STREQ("pierwszy <!03000>o</03000>;drugi <!03001>o</03001>;trzeci <!03002>o</03002>;"
                 "czwarty <!03003>o</03003>;",
                 Expand(text, kPerEntryBlock));

    // Entries left out keep their numbers and are passed over, two in a row as well; the
    // entries after them are still shown and nothing new is made.
    tables->m_instanceFlags[1] = 0;
    tables->m_instanceFlags[2] = 0;
    EXPECT_STREQ("pierwszy <!03000>o</03000>;czwarty <!03003>o</03003>;", Expand(text, kPerEntryBlock));
    tables->m_instanceFlags[3] = 0;
    EXPECT_STREQ("pierwszy <!03000>o</03000>;", Expand(text, kPerEntryBlock));
    EXPECT_EQ(3004, tables->m_nNextDynamicVariable);
    EXPECT_EQ(2, FirstEntryInstance(*tables, 1101, 2));
    EXPECT_EQ(-1, FirstEntryInstance(*tables, 1101, 4));
    EXPECT_EQ(-1, FirstEntryInstance(*tables, 1102, 0)) << "another block's entries";
}

TEST_F(RepeatedBlocksTest, TagsPointAtTheInstanceNumber)
{
    tables->m_nLoadedVersion = 50; // first dynamic number 2000
    tables->m_nNextDynamicVariable = 2007;
    for (int k = 0; k < 7; ++k)
        tables->m_dynamicVariables[k].templateVariable = 1;
    // The "<|" link is rewritten too: the instance of its repetition exists by then.
    EXPECT_STREQ("<!02007>a</02007> <+02007>b <+02007>c",
                 Expand("<&B01><!A05>a</A05> <+A05>b <|A05>c<-B01>", kPerPartBlock));
    EXPECT_STREQ("<!02007>a</02007> <+02007>b <+02007>c",
                 Expand("<&B01><!A05>a</A05> <+A05>b <|A05>c<-B01>", kPerPartBlock));
}

TEST_F(RepeatedBlocksTest, MalformedBlocksAndFullPool)
{
    EXPECT_EQ(ExpandResult::NoBlock, ExpandFirstBlock("<&B01>bez konca", kPerPartBlock, false, -1, *tables, expansion));
    EXPECT_EQ(ExpandResult::NoBlock, ExpandFirstBlock("zwykly tekst", kPerEntryBlock, false, -1, *tables, expansion));

    // A tag whose identifier is no variable number is left alone and makes no instance.
    EXPECT_STREQ("<!-05>a</-05>", Expand("<&B01><!-05>a</-05><-B01>", kPerPartBlock));
    EXPECT_EQ(3000, tables->m_nNextDynamicVariable);

    tables->m_nNextDynamicVariable = tables->GetVariableCount();
    EXPECT_EQ(ExpandResult::PoolExhausted,
              ExpandFirstBlock("<&B01><!A05>a</A05><-B01>", kPerPartBlock, false, -1, *tables, expansion));
}

TEST(PointHeadings, InTheOrderOfTheirNumbers)
{
    const std::vector<PointHeading> headings = FindPointHeadings(
        "<$005>Piąty<?005> tekst <$002>Drugi<?002> <$A05>litera<?A05> <$002>znowu<?002> <$007>bez konca");
    ASSERT_EQ(2u, headings.size());
    EXPECT_EQ(2, headings[0].point);
    EXPECT_STREQ("Drugi", headings[0].text);
    EXPECT_EQ(5, headings[1].point);
    EXPECT_STREQ("Piąty", headings[1].text);
}

// The expansion on the control: the block replaced, the link after it in the add-entry style.
TEST(RepeatedBlocksControl, ExpandsATemplateInTheControl)
{
    ASSERT_NE(nullptr, LoadLibraryW(L"MSFTEDIT.DLL"));
    HWND window = CreateWindowExW(0, L"RICHEDIT50W", L"", WS_POPUP | ES_MULTILINE, 0, 0, 600, 400, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    RichEditText control(window);
    int failed = 0;
    ASSERT_TRUE(control.StreamInRtf(ReadFileContents(FixturePath("entry_block.rtf"), failed)));
    ASSERT_EQ(0, failed);

    auto tables = std::make_unique<ViewTables>();
    tables->m_variables[1101].value = "|Dodaj członka";
    ASSERT_TRUE(ExpandRepeatedBlocks(control, *tables, false, -1));
    const CString plain = control.GetPlainText();
    EXPECT_STREQ("Komisja:\rCzłonek: <!03000>osoba</03000>\r<!B01>TUTAJ NOWA ZMIENNA;Dodaj członka</B01>\rKoniec",
                 plain)
        << "the link is a line of its own";

    const int link = plain.Find("<!B01>");
    control.SetSel(link, link + 5);
    const CHARFORMAT2W format = control.GetSelectionFormat();
    EXPECT_EQ(RGB(180, 0, 0), format.crTextColor);
    EXPECT_EQ(static_cast<DWORD>(CFE_ITALIC), format.dwEffects & CFE_ITALIC);
    control.SetSel(link - 3, link - 1);
    EXPECT_EQ(0u, control.GetSelectionFormat().dwEffects & CFE_ITALIC);
    DestroyWindow(window);
}

} // namespace
