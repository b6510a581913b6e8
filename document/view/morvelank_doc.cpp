#include "document/view/morvelank_doc.h"

IMPLEMENT_SERIAL(CMorvelankCntrItem, CRichEditCntrItem, 0)
IMPLEMENT_DYNCREATE(CMorvelankDoc, CRichEditDoc)

CMorvelankCntrItem::CMorvelankCntrItem(REOBJECT *preo, CMorvelankDoc *pContainer) : CRichEditCntrItem(preo, pContainer)
{
}

BOOL CMorvelankDoc::OnNewDocument()
{
    return CRichEditDoc::OnNewDocument() ? TRUE : FALSE;
}

CRichEditCntrItem *CMorvelankDoc::CreateClientItem(REOBJECT *preo)
{
    return new CMorvelankCntrItem(preo, this);
}
