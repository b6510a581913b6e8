// "Kreator korespondencji seryjnej": step 1 chooses contractors of the register, step 2 the
// proceeding's correspondence documents, each by moving rows from the available list to the
// chosen one. After OK the caller reads the two key lists (",k1,k2,...,").
#pragma once

#include <vector>

#include "controls/color_label.h"
#include "framework/db/connection.h"
#include "framework/ui/commctrls.h"
#include "framework/ui/dialog.h"
#include "framework/ui/gdi.h"
#include "model/document_slots.h"
#include "res/resource.h"

struct MergeDocument {
    int number = 0; // the document's slot
    CString name;
};

// The documents a series can be made of: every slot below the count with a state of 0 or more
// and the correspondence flag.
std::vector<MergeDocument> CorrespondenceDocuments(const DocumentList &list);

class CSeriesCorespondenceWizzard : public CDialog {
public:
    enum { IDD = IDD_KREATOR_KORESPONDENCJI };

    explicit CSeriesCorespondenceWizzard(CWnd *pParent = nullptr);
    BOOL OnInitDialog() override;

    // Set by the caller: the registers database and the proceeding's documents.
    ConnectionPtr m_connection;
    DocumentList m_documents;

    CString m_strChosenContractors;
    CString m_strChosenDocuments;

    CFont m_titleFont;
    CColorLabel m_stepTitle;
    CListCtrl m_available;
    CListCtrl m_chosen;
    int m_nStep = 0; // 0 contractors, 1 documents
    int m_nColumns = 0;
    CString m_strStepTitle;

    void FillContractors();
    void FillDocuments();
    void OnNext();
    void OnBack();
    void OnAdd() { MoveSelected(m_available, m_chosen); }
    void OnRemove() { MoveSelected(m_chosen, m_available); }

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    void OnListClick(NMHDR *, LRESULT *pResult);
    void OnAvailableDblClk(NMHDR *, LRESULT *pResult);
    void OnChosenDblClk(NMHDR *, LRESULT *pResult);
    DECLARE_MESSAGE_MAP()

private:
    void ResetLists(const std::vector<std::pair<const char *, int>> &columns);
    void MoveSelected(CListCtrl &source, CListCtrl &target);
    void UpdateMoveButtons();
    void ShowStepTitle(const CString &title);
};
