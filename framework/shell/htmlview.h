#pragma once
// CHtmlView: shows local HTML pages in a read-only rich edit and follows their links.
//
// Every navigation, by Navigate or by a click on a link, first goes through
// OnBeforeNavigate2 with the absolute address, where a derived class may take the address
// itself and cancel. Otherwise a local page loads here, another local file opens through the
// shell, and so do "http:", "https:", "ftp:" and "mailto:" addresses; other schemes ("app:")
// go nowhere. Pages load synchronously: when Navigate returns, the page is shown and
// OnDocumentComplete has run. A click is followed from a posted message, once the rich edit
// has finished with it.

#include "framework/core/array.h"
#include "framework/core/cstring.h"
#include "framework/shell/html_page.h"
#include "framework/ui/richedit.h"
#include "framework/ui/wnd.h"

#include <string>
#include <utility>
#include <vector>

class CHtmlView : public CWnd {
    DECLARE_DYNCREATE(CHtmlView)

public:
    void Navigate(LPCTSTR lpszURL) { Navigate2(lpszURL); }
    // A page address ("file:///C:/folder/page.htm"), a path, or a path relative to the page
    // shown (to the current folder when none is).
    void Navigate2(LPCTSTR lpszURL);
    // Shows the page shown before this one again; FALSE when there was none.
    BOOL GoBack();
    // The page shown, as "file:///..."; empty before the first page.
    CString GetLocationURL() const;
    // The page's title.
    CString GetLocationName() const { return m_title; }

    CRichEditCtrl &GetRichEditCtrl() { return m_richEdit; }
    // The links of the page shown that have text to click, in page order.
    int GetLinkCount() const { return (int)m_links.size(); }
    // The address as the page writes it.
    CString GetLinkURL(int index) const;
    // Where the link's text lies in the rich edit.
    CHARRANGE GetLinkRange(int index) const;

    virtual void OnBeforeNavigate2(LPCTSTR lpszURL, DWORD nFlags, LPCTSTR lpszTargetFrameName, CByteArray &baPostedData,
                                   LPCTSTR lpszHeaders, BOOL *pbCancel);
    virtual void OnNavigateComplete2(LPCTSTR strURL);
    virtual void OnDocumentComplete(LPCTSTR lpszURL);
    virtual void OnTitleChange(LPCTSTR lpszText);

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd *pOldWnd);
    void OnLinkNotify(NMHDR *pNMHDR, LRESULT *pResult);
    LRESULT OnFollowLink(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    struct ShownLink {
        std::wstring href;
        CHARRANGE range;
    };

    void NavigateTo(const std::wstring &href, bool remember);
    void LoadPage(const std::wstring &url, bool remember);
    void Show(const HtmlPage &page);
    void MarkLinks(const HtmlPage &page);
    void ScrollToAnchor(const std::wstring &name);
    std::wstring ControlText() const;
    int LinkAt(long charIndex) const;

    CRichEditCtrl m_richEdit;
    std::wstring m_location; // without its "#name"
    CString m_title;
    std::vector<std::wstring> m_history;
    std::vector<ShownLink> m_links;
    std::vector<std::pair<std::wstring, long>> m_anchors;
    // Counts the pages shown, so a click posted for a page since replaced is dropped.
    UINT m_pageNumber = 0;
};
