#pragma once
// The application's document templates and recent-file list, and what the shell asks of them.
//
// CWinApp's AddDocTemplate, OpenDocumentFile, LoadStdProfileSettings, AddToRecentFileList,
// RegisterShellFileTypes and ProcessShellCommand come here. A path is opened by the template
// that fits it best: the one that already has it open, then one whose filter extension it
// carries, then the first template added.

#include "framework/core/cstring.h"
#include "framework/core/list.h"

#include <windows.h>

#include <vector>

class CCmdUI;
class CDocTemplate;
class CDocument;

class CDocManager {
public:
    CDocManager() = default;
    virtual ~CDocManager(); // deletes the templates it owns
    CDocManager(const CDocManager &) = delete;
    CDocManager &operator=(const CDocManager &) = delete;

    void AddDocTemplate(CDocTemplate *pTemplate);
    POSITION GetFirstDocTemplatePosition() const { return m_templateList.GetHeadPosition(); }
    CDocTemplate *GetNextDocTemplate(POSITION &pos) const;
    int GetDocumentCount() const;

    // A new document through the one template that has a document name; none: nothing.
    virtual void OnFileNew();
    // Asks for a file (filters of every template) and opens it.
    virtual void OnFileOpen();
    virtual CDocument *OpenDocumentFile(LPCTSTR lpszFileName);
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL bEndSession);

    // The templates' file types under HKCU\Software\Classes: "<ext>" -> type id,
    // "<type id>\shell\open\command" -> the program with "%1".
    void RegisterShellFileTypes(BOOL bCompat);
    void UnregisterShellFileTypes();

private:
    CPtrList m_templateList;
};

// How a recent file is named in the menu: a path longer than maxLength characters keeps its
// drive (or \\server\share) with the first folder, then "\...", then as many of its last
// levels as fit ("C:\Dokumenty\...\przetarg.baz"); the file name alone when not even that fits.
CString AbbreviatePath(const CString &path, int maxLength);

// The most recently used files, kept in the profile section "Recent File List" as
// "File1".."FileN", most recent first. Paths compare without regard to letter case.
class CRecentFileList {
public:
    CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize);
    virtual ~CRecentFileList() = default;

    int GetSize() const { return m_nSize; }
    int GetCount() const { return (int)m_files.size(); }
    const CString &operator[](int nIndex) const { return m_files[nIndex]; }
    // Moves (or puts) the path to the top; the oldest falls off when the list is full.
    virtual void Add(LPCTSTR lpszPathName);
    virtual void Remove(int nIndex);
    // Puts "&1 path".. into the menu where pCmdUI stands (greyed original item when empty).
    virtual void UpdateMenu(CCmdUI *pCmdUI);
    virtual void ReadList();
    virtual void WriteList();

    UINT m_nStart; // the command id of the first entry
    int m_nMaxDisplayLength = 30; // characters of a path shown in the menu

private:
    CString m_strSectionName;
    CString m_strEntryFormat;
    CString m_strOriginal; // the menu item's own text, shown greyed while the list is empty
    int m_nSize;
    std::vector<CString> m_files;
};
