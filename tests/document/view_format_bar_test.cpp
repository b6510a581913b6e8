// The format bar's bold, italic, underline and alignments: through the view's command routing
// on the editable document, switched on and off again and shown as checked; greyed and without
// effect on a generated document.
#include "framework/ui/cmdtarget.h"
#include "model/view_tables.h"
#include "res/document_ids.h"
#include "view_command_fixture.h"

namespace {

struct FormatUI : CCmdUI {
    int enabled = -1;
    int checked = -1;
    void Enable(BOOL bOn) override { enabled = bOn ? 1 : 0; }
    void SetCheck(int nCheck) override { checked = nCheck; }
};

const int kEditableDocument = 1; // "Opis przedmiotu"

class ViewFormatBarTest : public ViewCommandTest {
protected:
    FormatUI Update(UINT id)
    {
        FormatUI ui;
        ui.m_nID = id;
        ui.DoUpdate(view, TRUE);
        return ui;
    }

    void Command(UINT id) { view->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    void ShowEditable()
    {
        view->m_proceeding.m_tables->m_documents[kEditableDocument].state = kStateEditable;
        view->ShowDocument(kEditableDocument, -1);
        ASSERT_EQ(kEditableDocument, view->GetCurrentDocument());
        view->GetRichEditCtrl().SetSel(0, -1);
        view->m_proceeding.m_bModified = 0;
    }

    DWORD Effects()
    {
        CHARFORMAT2A format{};
        format.cbSize = sizeof format;
        format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE;
        view->SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, (LPARAM)&format);
        return format.dwEffects & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE);
    }

    WORD Alignment()
    {
        PARAFORMAT2 format{};
        format.cbSize = sizeof format;
        view->SendMessage(EM_GETPARAFORMAT, 0, (LPARAM)&format);
        return format.wAlignment;
    }
};

const struct {
    UINT id;
    DWORD effect;
} kEffects[] = {{ID_POGRUBIENIE, CFE_BOLD}, {ID_KURSYWA, CFE_ITALIC}, {ID_PODKRESLENIE, CFE_UNDERLINE}};

const struct {
    UINT id;
    WORD alignment;
} kAlignments[] = {{ID_WYSRODKUJ, PFA_CENTER}, {ID_DO_PRAWEJ, PFA_RIGHT}, {ID_DO_LEWEJ, PFA_LEFT}};

TEST_F(ViewFormatBarTest, CharacterEffectsGoOnAndOffOnTheEditableDocument)
{
    ShowEditable();
    for (const auto &c : kEffects) {
        const DWORD before = Effects() & c.effect;
        EXPECT_EQ(1, Update(c.id).enabled) << c.id;
        EXPECT_EQ(before ? 1 : 0, Update(c.id).checked) << c.id;
        Command(c.id);
        EXPECT_EQ(before ^ c.effect, Effects() & c.effect) << c.id;
        EXPECT_EQ(before ? 0 : 1, Update(c.id).checked) << c.id;
        EXPECT_EQ(1, view->m_proceeding.m_bModified) << c.id;
        Command(c.id);
        EXPECT_EQ(before, Effects() & c.effect) << c.id;
    }
}

TEST_F(ViewFormatBarTest, AlignmentsSetTheParagraphAndCheckOnlyTheirOwnButton)
{
    ShowEditable();
    for (const auto &c : kAlignments) {
        Command(c.id);
        EXPECT_EQ(c.alignment, Alignment()) << c.id;
        for (const auto &other : kAlignments)
            EXPECT_EQ(other.id == c.id ? 1 : 0, Update(other.id).checked) << c.id << "/" << other.id;
    }
    EXPECT_EQ(1, view->m_proceeding.m_bModified);
}

TEST_F(ViewFormatBarTest, AGeneratedDocumentKeepsItsFormatAndTheButtonsAreGreyed)
{
    ASSERT_EQ(kStateGenerated, view->GetDocumentState(-1));
    view->GetRichEditCtrl().SetSel(0, -1);
    const DWORD effects = Effects();
    const WORD alignment = Alignment();
    view->m_proceeding.m_bModified = 0;
    for (UINT id = ID_POGRUBIENIE; id <= ID_DO_PRAWEJ; ++id) {
        EXPECT_EQ(0, Update(id).enabled) << id;
        Command(id);
    }
    EXPECT_EQ(effects, Effects());
    EXPECT_EQ(alignment, Alignment());
    EXPECT_EQ(0, view->m_proceeding.m_bModified);
}

} // namespace
