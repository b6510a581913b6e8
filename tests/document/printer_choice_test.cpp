// The printer the user chooses is the application's: page set-up makes it so, and print-all's
// later documents, printed without a dialog, go to the printer chosen in the first one.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "model/file_utils.h"
#include "model/view_tables.h"
#include "model/law_versions.h"
#include "document/view/morvelank_doc.h"
#include "document/view/morvelank_view.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/framewnd.h"
#include "framework/ui/printinfo.h"
#include "framework/ui/testhook.h"
#include "framework/ui/winapp.h"
#include "res/proceeding_ids.h"

namespace {

std::wstring DeviceOf(HGLOBAL devNames)
{
    if (devNames == nullptr)
        return L"";
    const auto *names = static_cast<const DEVNAMES *>(GlobalLock(devNames));
    std::wstring device = reinterpret_cast<const wchar_t *>(names) + names->wDeviceOffset;
    GlobalUnlock(devNames);
    return device;
}

short OrientationOf(HGLOBAL devMode)
{
    if (devMode == nullptr)
        return 0;
    const auto *mode = static_cast<const DEVMODEW *>(GlobalLock(devMode));
    const short orientation = (mode->dmFields & DM_ORIENTATION) ? mode->dmOrientation : DMORIENT_PORTRAIT;
    GlobalUnlock(devMode);
    return orientation;
}

// What the printer dialog hands back for a queue: names and a mode in landscape. The handles
// the dialog was given are freed, as the dialog does when it replaces them.
void ChooseLandscapeQueue(const wchar_t *device, HGLOBAL &devNames, HGLOBAL &devMode)
{
    if (devNames)
        GlobalFree(devNames);
    if (devMode)
        GlobalFree(devMode);
    const std::wstring driver = L"winspool", port = L"";
    const size_t chars = driver.size() + 1 + wcslen(device) + 1 + port.size() + 1;
    devNames = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVNAMES) + chars * sizeof(wchar_t));
    auto *names = static_cast<DEVNAMES *>(GlobalLock(devNames));
    auto *text = reinterpret_cast<wchar_t *>(names);
    WORD at = sizeof(DEVNAMES) / sizeof(wchar_t);
    for (auto [field, value] : {std::pair<WORD *, const wchar_t *>{&names->wDriverOffset, driver.c_str()},
                                {&names->wDeviceOffset, device},
                                {&names->wOutputOffset, port.c_str()}}) {
        *field = at;
        wcscpy(text + at, value);
        at = static_cast<WORD>(at + wcslen(value) + 1);
    }
    GlobalUnlock(devNames);

    devMode = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVMODEW));
    auto *mode = static_cast<DEVMODEW *>(GlobalLock(devMode));
    wcsncpy(mode->dmDeviceName, device, CCHDEVICENAME - 1);
    mode->dmSize = sizeof(DEVMODEW);
    mode->dmSpecVersion = DM_SPECVERSION;
    mode->dmFields = DM_ORIENTATION;
    mode->dmOrientation = DMORIENT_LANDSCAPE;
    GlobalUnlock(devMode);
}

// Remembers, for every printing, the printer the loop was handed and the shape of its page.
class RecordingView : public CMorvelankView {
public:
    struct Printing {
        std::wstring device;
        short orientation;
        bool wide;
    };
    void OnBeginPrinting(CDC *pDC, CPrintInfo *pInfo) override
    {
        const PRINTDLGW &pd = pInfo->m_pPD->m_pd;
        printings.push_back({DeviceOf(pd.hDevNames), OrientationOf(pd.hDevMode),
                             pDC->GetDeviceCaps(PHYSICALWIDTH) > pDC->GetDeviceCaps(PHYSICALHEIGHT)});
        CMorvelankView::OnBeginPrinting(pDC, pInfo);
    }
    std::vector<Printing> printings;
};

class PrinterChoiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new CFrameWnd;
        ASSERT_TRUE(frame->Create(nullptr, "Postępowanie", WS_OVERLAPPEDWINDOW, CRect(0, 0, 800, 600)));
        view = new RecordingView;
        CCreateContext context;
        context.m_pCurrentDoc = new CMorvelankDoc;
        ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 800, 600}, frame,
                                 AFX_IDW_PANE_FIRST, &context));
        frame->SetActiveView(view, FALSE);
        view->OnInitialUpdate();

        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        view->m_proceeding.m_files.m_strMainPath.Format("%smorvelank_drukarka_%lu", temp, GetCurrentProcessId());
        const CString templates =
            LawVersions::GetTemplateFolder(view->m_proceeding.m_files.m_strMainPath, "", -1) + "\\1";
        ASSERT_TRUE(CreateDirectoryPath(templates));
        ViewTables &tables = *view->m_proceeding.m_tables;
        const char *names[] = {"ogloszenie.rtf", "umowa.rtf", "protokol.rtf"};
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(WriteTextFile(templates + "\\" + names[i], "{\\rtf1\\ansi Dokument\\par}"));
            tables.m_documents[i].fileName = names[i];
        }
        tables.m_nDocumentCount = 3;
        view->ShowDocument(0, -1);
    }

    void TearDown() override
    {
        if (frame != nullptr)
            frame->DestroyWindow();
    }

    CWinApp app{"Morvelank"};
    CFrameWnd *frame = nullptr;
    RecordingView *view = nullptr;
};

TEST_F(PrinterChoiceTest, PageSetUpMakesTheChosenPrinterTheApplications)
{
    CTestHook hook;
    bool chooses = true;
    std::wstring offered;
    hook.onCommonDialog = [&](CCommonDialog &dialog) -> INT_PTR {
        if (auto *print = dynamic_cast<CPrintDialog *>(&dialog)) {
            offered = DeviceOf(print->m_pd.hDevNames);
            return IDCANCEL;
        }
        auto &setup = dynamic_cast<CPageSetupDialog &>(dialog);
        ChooseLandscapeQueue(chooses ? L"PDF" : L"Inna", setup.m_psd.hDevNames, setup.m_psd.hDevMode);
        return chooses ? IDOK : IDCANCEL;
    };
    CTestHookScope scope(hook);

    view->GetPageSize();
    EXPECT_EQ(L"PDF", DeviceOf(app.m_hDevNames));
    EXPECT_EQ(DMORIENT_LANDSCAPE, OrientationOf(app.m_hDevMode));

    // A cancelled page set-up keeps it, and the print dialog opens on it.
    chooses = false;
    view->GetPageSize();
    EXPECT_EQ(L"PDF", DeviceOf(app.m_hDevNames));
    view->OnFilePrint();
    EXPECT_EQ(L"PDF", offered);
}

TEST_F(PrinterChoiceTest, PrintAllSendsLaterDocumentsToThePrinterOfTheFirstDialog)
{
    const char *out = getenv("MORVELANK_PRINT_OUTPUT_DIR");
    if (out == nullptr || *out == '\0')
        GTEST_SKIP() << "no PDF printer in this run";
    CTestHook hook;
    int asked = 0;
    hook.onCommonDialog = [&](CCommonDialog &dialog) -> INT_PTR {
        ++asked;
        auto &print = dynamic_cast<CPrintDialog &>(dialog);
        // Offered the default printer, the only one there is; the user turns it to landscape.
        EXPECT_EQ(L"PDF", DeviceOf(print.m_pd.hDevNames));
        ChooseLandscapeQueue(L"PDF", print.m_pd.hDevNames, print.m_pd.hDevMode);
        return IDOK;
    };
    CTestHookScope scope(hook);
    frame->SendMessage(WM_COMMAND, ID_DRUKUJ_WSZYSTKO, 0);

    EXPECT_EQ(1, asked);
    ASSERT_EQ(3u, view->printings.size());
    for (const RecordingView::Printing &printing : view->printings) {
        EXPECT_EQ(L"PDF", printing.device);
        EXPECT_EQ(DMORIENT_LANDSCAPE, printing.orientation);
        EXPECT_TRUE(printing.wide) << "the page of the chosen mode";
    }
}

} // namespace
