#include "document/view/value_editor_runner.h"

namespace {
ValueEditorRunner *g_runner = nullptr;
}

void SetValueEditorRunner(ValueEditorRunner *runner)
{
    g_runner = runner;
}

ValueEditorRunner *GetValueEditorRunner()
{
    return g_runner;
}

bool ValueEditorRunner::EditList(ListEditRequest &)
{
    return false;
}

bool ValueEditorRunner::EditOffersSummary(OffersSummaryEditRequest &)
{
    return false;
}

bool ValueEditorRunner::EditDocumentList(DocumentListEditRequest &)
{
    return false;
}

bool ValueEditorRunner::EditGridTable(GridTableEditRequest &)
{
    return false;
}

bool ValueEditorRunner::EditTable(TableEditRequest &)
{
    return false;
}
