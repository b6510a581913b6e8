#pragma once
// The rich-edit document and view: CRichEditView is a view whose window is the rich edit 5.0
// control; CRichEditDoc keeps its text, read and written as RTF (or plain text with
// m_bRTF FALSE) through the document's archive; CRichEditCntrItem is an object embedded in
// the text, which the document creates (CreateClientItem) and deletes with its contents.
//
// The view's character and paragraph commands (bold, italic, underline, alignment) and their
// update handlers are public, for the program's message maps to map its own command ids to.

#include "framework/core/geometry.h"
#include "framework/ui/ctrlview.h"
#include "framework/ui/document.h"
#include "framework/ui/richedit.h"

#include <richole.h>

#include <vector>

class CArchive;
class CRichEditDoc;

class CRichEditCntrItem : public CObject {
    DECLARE_SERIAL(CRichEditCntrItem)

public:
    // The item joins pContainer's items; the document deletes it with its contents.
    explicit CRichEditCntrItem(REOBJECT *preo = nullptr, CRichEditDoc *pContainer = nullptr);
    ~CRichEditCntrItem() override;

    CRichEditDoc *GetDocument() const { return m_pDocument; }

private:
    friend class CRichEditDoc;
    CRichEditDoc *m_pDocument = nullptr;
};

class CRichEditView : public CCtrlView {
    DECLARE_DYNCREATE(CRichEditView)

public:
    enum WordWrapType { WrapNone = 0, WrapToWindow = 1, WrapToTargetDevice = 2 };

    CRichEditView();

    CRichEditCtrl &GetRichEditCtrl() const
    {
        m_control.m_hWnd = m_hWnd;
        return m_control;
    }
    CRichEditDoc *GetDocument() const;

    // Applies m_nWordWrap: no wrap, wrap to the window, or to the page's text width.
    virtual void WrapChanged();
    // Paper and margins in twips; the text width of a page is paper minus margins.
    void SetPaperSize(CSize sizePaper) { m_sizePaper = sizePaper; }
    CSize GetPaperSize() const { return m_sizePaper; }
    void SetMargins(const CRect &rectMargin) { m_rectMargin = rectMargin; }
    CRect GetMargins() const { return m_rectMargin; }
    int GetPrintWidth() const { return m_sizePaper.cx - m_rectMargin.left - m_rectMargin.right; }

    // Moves the whole text (or the selection) between the control and an archive.
    virtual void Stream(CArchive &ar, BOOL bSelection);
    void Serialize(CArchive &ar) override;
    virtual void DeleteContents();

    CHARFORMAT2A &GetCharFormatSelection();
    void SetCharFormat(CHARFORMAT2A cf);
    void OnCharEffect(DWORD dwMask, DWORD dwEffect);
    void OnUpdateCharEffect(CCmdUI *pCmdUI, DWORD dwMask, DWORD dwEffect);
    void OnParaAlign(WORD wAlign);
    void OnUpdateParaAlign(CCmdUI *pCmdUI, WORD wAlign);

    void OnCharBold() { OnCharEffect(CFM_BOLD, CFE_BOLD); }
    void OnCharItalic() { OnCharEffect(CFM_ITALIC, CFE_ITALIC); }
    void OnCharUnderline() { OnCharEffect(CFM_UNDERLINE, CFE_UNDERLINE); }
    void OnParaLeft() { OnParaAlign(PFA_LEFT); }
    void OnParaCenter() { OnParaAlign(PFA_CENTER); }
    void OnParaRight() { OnParaAlign(PFA_RIGHT); }
    void OnUpdateCharBold(CCmdUI *pCmdUI) { OnUpdateCharEffect(pCmdUI, CFM_BOLD, CFE_BOLD); }
    void OnUpdateCharItalic(CCmdUI *pCmdUI) { OnUpdateCharEffect(pCmdUI, CFM_ITALIC, CFE_ITALIC); }
    void OnUpdateCharUnderline(CCmdUI *pCmdUI) { OnUpdateCharEffect(pCmdUI, CFM_UNDERLINE, CFE_UNDERLINE); }
    void OnUpdateParaLeft(CCmdUI *pCmdUI) { OnUpdateParaAlign(pCmdUI, PFA_LEFT); }
    void OnUpdateParaCenter(CCmdUI *pCmdUI) { OnUpdateParaAlign(pCmdUI, PFA_CENTER); }
    void OnUpdateParaRight(CCmdUI *pCmdUI) { OnUpdateParaAlign(pCmdUI, PFA_RIGHT); }

    BOOL PreCreateWindow(CREATESTRUCT &cs) override;
    void OnInitialUpdate() override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnEditChange();
    void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

public:
    int m_nWordWrap = WrapToWindow;
    CSize m_sizePaper{11906, 16838}; // A4
    CRect m_rectMargin{1800, 1440, 1800, 1440};

private:
    mutable CRichEditCtrl m_control; // shares the view's window, never owns it
    CHARFORMAT2A m_charFormat{};
};

class CRichEditDoc : public CDocument {
    DECLARE_DYNAMIC(CRichEditDoc)

public:
    CRichEditDoc() = default;
    ~CRichEditDoc() override;

    // The document's rich-edit view (the first one), or null.
    CRichEditView *GetView() const;
    // A new embedded item of this document.
    virtual CRichEditCntrItem *CreateClientItem(REOBJECT *preo = nullptr);
    int GetItemCount() const { return (int)m_items.size(); }

    void Serialize(CArchive &ar) override;
    void DeleteContents() override;

    BOOL m_bRTF = TRUE; // the file holds RTF; FALSE: plain text

private:
    friend class CRichEditCntrItem;
    std::vector<CRichEditCntrItem *> m_items;
};
