// What the proceeding window's frame and document tree ask of the view beside them. The view,
// the right pane, holds all data of the open proceeding and fills the tree when a proceeding
// loads; saving and the closing question come through ProceedingViewServices (app/). The view
// class that the proceeding templates pair with CChildFrame implements both; the frame finds
// them on its right pane. This header needs no library, so the view can derive from it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/core/cstring.h"

class CCmdUI;
class CProject;
class CTreeView;

// The evaluation calculators: 0 price criterion, 1 delivery term, 2 points balance.
const int kCriteriaCalculators = 3;

class ProceedingWindowView {
public:
    virtual ~ProceedingWindowView() = default;

    // ---- For the frame ---------------------------------------------------------------------
    // 0 proceeding, 1 archive, 3 contracts, 5 example, 6 legal remedies, 8 contractor forms.
    virtual int GetProceedingKind() const = 0;
    virtual void SetProceedingKind(int kind) = 0;
    virtual bool IsModified() const = 0;
    virtual void SetModified() = 0;
    // The tree the view fills and keeps in step with the caret.
    virtual void SetTree(CTreeView *tree) = 0;
    // 0 no wrapping, 1 to the window, 2 to the print settings.
    virtual void SetWordWrap(int mode) = 0;
    // The multi-part layout: asks for the parts and generates the shown document again.
    virtual void RegenerateDocument() = 0;
    virtual void OnUpdateMultipartLayout(CCmdUI *pCmdUI) = 0;
    // Format version of the loaded data file; -1 until a proceeding is loaded.
    virtual int GetFileVersion() const = 0;
    virtual void UpdateStatusBar() = 0;
    virtual CProject &GetProject() = 0;
    // Saving under a new name, the password, the documents' secured flags and the page set-up.
    virtual void SaveProceedingAs() = 0;
    virtual void ChangePassword() = 0;
    virtual void EditDocumentProperties() = 0;
    virtual void GetPageSize() = 0;
    // The proceeding to the archive folder, after its signature was asked.
    virtual void MoveToArchive() = 0;
    // The template editor on the open proceeding's template set.
    virtual void StartTemplateEditor() = 0;

    // ---- For the tree ----------------------------------------------------------------------
    // Set while the view moves the tree's selection to follow the caret.
    virtual bool IsTreeSyncing() const = 0;
    // State of document n (n < 0: the shown one); -1 outside 0..139.
    virtual int GetDocumentState(int n) const = 0;
    virtual CString GetDocumentName(int n) const = 0;
    virtual int IsPartDocument(int n) const = 0;
    // The shown document (-1 none) and the part it was generated with.
    virtual int GetCurrentDocument() const = 0;
    virtual int GetCurrentPart() const = 0;
    // Generates document (0..139) for the part (-1 the whole document) and shows it.
    virtual void ShowDocument(int document, int part) = 0;
    // Character position of the heading in slot 1000 + point of the document; -1 when the
    // document has no such heading.
    virtual int GetHeadingPosition(int document, int slot) const = 0;
    virtual void ToggleDocumentSecured(int document) = 0;
    // Asks for a file, copies it into the proceeding's folder and lists it in the tree.
    virtual void AddFileToProject() = 0;
    // The tree items that open the evaluation calculators; null when the view made none.
    virtual HTREEITEM GetCalculatorItem(int type) const = 0;
    virtual void ShowCriteriaCalculator(int type) = 0;
    // The technical specification wizard, writing into the shown editable document.
    virtual void RunSpecificationWizard() = 0;
};
