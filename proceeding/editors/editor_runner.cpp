#include "proceeding/editors/editor_runner.h"

#include "app/app_settings.h"

#include "proceeding/editors/date_editor_dlg.h"
#include "proceeding/editors/document_list_dlg.h"
#include "proceeding/editors/grid_table_editor_dlg.h"
#include "proceeding/editors/list_editor_dlg.h"
#include "proceeding/editors/offers_summary_dlg.h"
#include "proceeding/editors/price_editor_dlg.h"
#include "proceeding/editors/table_editor_dlg.h"
#include "proceeding/editors/text_editor_dlg.h"

bool DialogEditorRunner::EditText(TextEditRequest &request)
{
    CTextEditorDlg dialog;
    dialog.m_strHelpFolder = request.helpFolder;
    dialog.m_strHelpTopic = request.label;
    dialog.m_nLegalTopic = request.legalTopic;
    if (const AppSettings *settings = GetProgramSettings())
        dialog.m_strLegalHelpProgram = settings->QuvPath;
    dialog.m_strVariableName = request.variableName;
    dialog.m_strValue = request.value;
    dialog.m_nKeyChar = request.keyChar;
    dialog.m_nClickOffset = request.clickOffset;
    dialog.m_nWindowWidth = request.windowWidth;
    dialog.m_nPropagationIndex = request.propagationIndex;
    if (dialog.DoModal() != IDOK)
        return false;
    request.value = dialog.m_strValue;
    return true;
}

bool DialogEditorRunner::EditPrice(PriceEditRequest &request)
{
    CPriceEditorDlg dialog;
    dialog.m_strCaption = request.caption;
    dialog.m_strLabel = request.label;
    dialog.m_strValue = request.value;
    if (dialog.DoModal() != IDOK)
        return false;
    request.value = dialog.m_strValue;
    return true;
}

bool DialogEditorRunner::EditDate(DateEditRequest &request)
{
    CDateEditorDlg dialog;
    dialog.m_strSchedulePath = request.schedulePath;
    dialog.m_strVariableName = request.variableName;
    dialog.m_strValue = request.value;
    dialog.m_nMode = request.mode;
    dialog.m_nProcedureCode = request.procedureCode;
    dialog.m_bWorksOrder = request.worksOrder;
    if (dialog.DoModal() != IDOK)
        return false;
    request.value = dialog.m_strValue;
    return true;
}

bool DialogEditorRunner::EditList(ListEditRequest &request)
{
    CListEditorDlg dialog;
    dialog.m_nListKind = request.listKind;
    dialog.m_nPartCount = request.partCount;
    dialog.m_strValue = request.value;
    if (dialog.DoModal() != IDOK)
        return false;
    request.value = dialog.m_strValue;
    return true;
}

bool DialogEditorRunner::EditOffersSummary(OffersSummaryEditRequest &request)
{
    CZestawienieOfertDlg dialog;
    dialog.m_strText = request.value;
    if (dialog.DoModal() != IDOK)
        return false;
    request.value = dialog.m_strText;
    return true;
}

bool DialogEditorRunner::EditDocumentList(DocumentListEditRequest &request)
{
    CDocumentListDlg dialog;
    dialog.m_strCaption = request.caption;
    dialog.m_strValue = request.value;
    if (dialog.DoModal() != IDOK)
        return false;
    request.value = dialog.m_strValue;
    return true;
}

bool DialogEditorRunner::EditGridTable(GridTableEditRequest &request)
{
    CGridTableEditorDlg dialog;
    dialog.m_nMode = request.mode;
    dialog.m_strCaption = request.caption;
    dialog.m_strValue = request.value;
    if (dialog.DoModal() != IDOK)
        return false;
    request.value = dialog.m_strValue;
    return true;
}

bool DialogEditorRunner::EditTable(TableEditRequest &request)
{
    CTableEditorDlg dialog;
    dialog.SetTable(request.project);
    dialog.m_strName = request.name;
    dialog.m_strValue = request.value;
    if (dialog.DoModal() != IDOK)
        return false;
    request.value = dialog.m_strValue;
    return true;
}

void RegisterDialogEditorRunner()
{
    static DialogEditorRunner runner;
    SetValueEditorRunner(&runner);
}
