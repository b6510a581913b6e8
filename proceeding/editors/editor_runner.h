// The value editors of the document view opened as their dialogs, parented to the main window.
#pragma once

#include "document/view/value_editor_runner.h"

class DialogEditorRunner : public ValueEditorRunner {
public:
    bool EditText(TextEditRequest &request) override;
    bool EditPrice(PriceEditRequest &request) override;
    bool EditDate(DateEditRequest &request) override;
    bool EditList(ListEditRequest &request) override;
    bool EditOffersSummary(OffersSummaryEditRequest &request) override;
    bool EditDocumentList(DocumentListEditRequest &request) override;
    bool EditGridTable(GridTableEditRequest &request) override;
    bool EditTable(TableEditRequest &request) override;
};

// Registers the program's one dialog runner with the document view.
void RegisterDialogEditorRunner();
