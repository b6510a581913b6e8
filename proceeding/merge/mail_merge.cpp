#include "proceeding/merge/mail_merge.h"

#include <algorithm>
#include <vector>

#include "app/main_window_services.h"
#include "app/program_databases.h"
#include "document/proceeding_window_view.h"
#include "document/series_merge_target.h"
#include "framework/ui/msgbox.h"
#include "proceeding/merge/contractor_register.h"
#include "proceeding/merge/series_correspondence_wizard.h"

namespace {

void SetStatus(MainWindowServices *main, const CString &text)
{
    if (main != nullptr)
        main->SetStatusText(0, text);
}

// Generates the document out of sight; the view is shown again afterwards.
void ShowDocumentHidden(SeriesMergeTarget &view, int document)
{
    view.SetViewVisible(false);
    view.ShowDocument(document, -1);
    view.SetViewVisible(true);
}

// The proceeding's own values of the shown document's fields, kept while the contractors'
// texts are in them and written back however the series of the document ends.
class SeriesTextsKept {
public:
    explicit SeriesTextsKept(SeriesMergeTarget &view) : m_view(view) { m_view.StoreSeriesTexts(); }
    ~SeriesTextsKept()
    {
        m_view.SetViewVisible(false);
        m_view.RestoreSeriesTexts();
        m_view.SetViewVisible(true);
    }
    SeriesTextsKept(const SeriesTextsKept &) = delete;
    SeriesTextsKept &operator=(const SeriesTextsKept &) = delete;

private:
    SeriesMergeTarget &m_view;
};

void PrintDocument(SeriesMergeTarget &view)
{
    view.OnFilePrint();
}

} // namespace

void RunMailMerge(CWnd *parent, ProceedingWindowView *proceedingView, MainWindowServices *main)
{
    auto *shownView = dynamic_cast<SeriesMergeTarget *>(proceedingView);
    if (shownView == nullptr)
        return;
    SeriesMergeTarget &view = *shownView;
    SetStatus(main, "Korespondencja seryjna...");
    const ConnectionPtr registers = GetRegistersDatabase();
    CSeriesCorespondenceWizzard wizard(parent);
    wizard.m_connection = registers;
    wizard.m_documents = view.GetDocuments();
    if (wizard.DoModal() != IDOK) {
        SetStatus(main, "");
        return;
    }
    GenerateSeries(parent, view, main, registers, wizard.m_strChosenDocuments, wizard.m_strChosenContractors,
                   PrintDocument);
}

void GenerateSeries(CWnd *parent, SeriesMergeTarget &view, MainWindowServices *main, const ConnectionPtr &registers,
                    const CString &chosenDocuments, const CString &chosenContractors, const MergeOutput &output)
{
    const HWND owner = parent != nullptr ? parent->GetSafeHwnd() : nullptr;
    SetStatus(main, "Korespondencja seryjna... Trwa generowanie dokumentow");
    const ContractorRegister contractors(registers);
    if (!contractors.IsOpen()) {
        AfxShowMessageBox(owner, "Baza danych rejestrów nie jest otwarta", "Błąd", MB_OK | MB_ICONERROR);
        SetStatus(main, "");
        return;
    }

    const int current = view.GetCurrentDocument();
    const std::vector<MergeDocument> offered = CorrespondenceDocuments(view.GetDocuments());
    const std::vector<int> documents = SplitKeys(chosenDocuments);
    const std::vector<int> firms = SplitKeys(chosenContractors);
    const int total = static_cast<int>(documents.size() * firms.size());
    if (main != nullptr)
        main->SetProgressRange(total);

    try {
        for (size_t i = 0; i < documents.size(); ++i) {
            const int document = documents[i];
            // Only a document the wizard could offer: a stale key never reaches the view.
            const bool isOffered = std::any_of(offered.begin(), offered.end(),
                                               [document](const MergeDocument &d) { return d.number == document; });
            if (!isOffered)
                continue;
            ShowDocumentHidden(view, document);
            const SeriesTextsKept kept(view);
            for (size_t j = 0; j < firms.size(); ++j) {
                const int n = static_cast<int>(i * firms.size() + j + 1);
                if (main != nullptr)
                    main->SetProgressPos(n);
                CString status;
                status.Format("Korespondencja seryjna... %d z %d", n, total);
                SetStatus(main, status);
                Contractor contractor;
                if (!contractors.Find(firms[j], contractor))
                    continue;
                view.FillCorrespondence(contractor.Name(), MergeAddress(contractor), "", "");
                output(view);
            }
        }
    } catch (...) {
        ReportCurrentException(owner);
    }

    SetStatus(main, "");
    if (current >= 0)
        ShowDocumentHidden(view, current);
}
