// The document of a proceeding window. It holds nothing of the proceeding: the view keeps all
// of it; the document exists because every view belongs to one.
#pragma once

#include "framework/ui/docview.h"

class CMorvelankDoc;

class CMorvelankCntrItem : public CRichEditCntrItem {
    DECLARE_SERIAL(CMorvelankCntrItem)
public:
    explicit CMorvelankCntrItem(REOBJECT *preo = nullptr, CMorvelankDoc *pContainer = nullptr);
};

class CMorvelankDoc : public CRichEditDoc {
    DECLARE_DYNCREATE(CMorvelankDoc)
public:
    BOOL OnNewDocument() override;
    // Never asks: the view asks its own question before its window closes.
    BOOL SaveModified() override { return TRUE; }
    CRichEditCntrItem *CreateClientItem(REOBJECT *preo = nullptr) override;
};
