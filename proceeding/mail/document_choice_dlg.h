// "Wybór dokumentów do wysyłki": the documents of the proceeding that can go by e-mail, ticked
// by the user. The caller fills the entries; after OK the chosen indexes are read back.
#pragma once

#include <vector>

#include "model/document_slots.h"
#include "framework/ui/commctrls.h"
#include "framework/ui/dialog.h"
#include "res/resource.h"

// Only generated documents written from an RTF template can be sent.
bool IsMailableDocument(const DocumentSlot &slot);

class CWyborDokumentow : public CDialog {
public:
    enum { IDD = IDD_WYBOR_DOKUMENTOW };

    explicit CWyborDokumentow(CWnd *pParent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;

    DocumentSlot m_entries[kDocumentSlots];
    int m_nEntries = 0;        // at most kDocumentSlots
    std::vector<int> m_chosen; // entry indexes of the ticked rows, in list order
    CListCtrl m_list;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    void OnTickAll() { TickAll(TRUE); }
    void OnUntickAll() { TickAll(FALSE); }
    DECLARE_MESSAGE_MAP()

private:
    void TickAll(BOOL tick);
};
