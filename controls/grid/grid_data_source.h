#pragma once
// The OLE objects behind the grid's clipboard and drag-and-drop: a data object holding one
// text, the drop source of a drag, and reading the text of any data object.

#include "framework/core/cstring.h"

#include <ole2.h>

// One text as CF_TEXT (the code page 1250 bytes the grid holds) and as CF_UNICODETEXT, so
// another program reads Polish letters right whatever its code page. Starts with one
// reference; the holder releases it.
class CGridDataSource final : public IDataObject {
public:
    // Null when the memory for the text cannot be had.
    static CGridDataSource *Create(const CString &text);

    // The CF_TEXT block: the text, then zeros up to the next step of 4096 bytes (at least one).
    HGLOBAL GetTextBlock() const { return m_hText; }

    STDMETHODIMP QueryInterface(REFIID riid, void **ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP GetData(FORMATETC *pFormat, STGMEDIUM *pMedium) override;
    STDMETHODIMP GetDataHere(FORMATETC *pFormat, STGMEDIUM *pMedium) override;
    STDMETHODIMP QueryGetData(FORMATETC *pFormat) override;
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC *pIn, FORMATETC *pOut) override;
    STDMETHODIMP SetData(FORMATETC *pFormat, STGMEDIUM *pMedium, BOOL fRelease) override;
    STDMETHODIMP EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC **ppEnum) override;
    STDMETHODIMP DAdvise(FORMATETC *, DWORD, IAdviseSink *, DWORD *) override;
    STDMETHODIMP DUnadvise(DWORD) override;
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA **) override;

private:
    CGridDataSource() = default;
    ~CGridDataSource();
    HGLOBAL BlockFor(CLIPFORMAT format) const;

    LONG m_refs = 1;
    HGLOBAL m_hText = nullptr;
    HGLOBAL m_hUnicode = nullptr;
};

// The drag goes on while the left button is held, drops when it is released and ends
// with nothing dropped on Escape.
class CGridDropSource : public IDropSource {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void **ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override { return 1; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState) override;
    STDMETHODIMP GiveFeedback(DWORD dwEffect) override;
};

// The text of a data object, from CF_UNICODETEXT when it has that, else from CF_TEXT; the
// text ends at the first zero or at the end of the block. False when it has neither or the
// text cannot be read.
bool ReadDataObjectText(IDataObject *pData, CString &text);
// Whether the data object offers text at all.
bool DataObjectHasText(IDataObject *pData);
