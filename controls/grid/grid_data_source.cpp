#include "controls/grid/grid_data_source.h"

#include "framework/core/codepage.h"

#include <shlobj.h>

#include <cstring>
#include <cwchar>
#include <string>

namespace {

const SIZE_T kBlockStep = 4096;
const UINT kBlockFlags = GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT;

// A zeroed block of whole steps holding the bytes and at least one zero after them, so a
// reader that wants a terminated text always finds one.
HGLOBAL NewBlock(const void *bytes, SIZE_T size)
{
    const SIZE_T blockSize = (size / kBlockStep + 1) * kBlockStep;
    HGLOBAL block = ::GlobalAlloc(kBlockFlags, blockSize);
    if (block == nullptr)
        return nullptr;
    void *memory = ::GlobalLock(block);
    if (memory == nullptr) {
        ::GlobalFree(block);
        return nullptr;
    }
    std::memcpy(memory, bytes, size);
    ::GlobalUnlock(block);
    return block;
}

HGLOBAL CopyBlock(HGLOBAL source)
{
    const SIZE_T size = ::GlobalSize(source);
    const void *bytes = ::GlobalLock(source);
    if (bytes == nullptr)
        return nullptr;
    HGLOBAL copy = ::GlobalAlloc(kBlockFlags, size);
    void *memory = copy != nullptr ? ::GlobalLock(copy) : nullptr;
    if (memory != nullptr) {
        std::memcpy(memory, bytes, size);
        ::GlobalUnlock(copy);
    } else if (copy != nullptr) {
        ::GlobalFree(copy);
        copy = nullptr;
    }
    ::GlobalUnlock(source);
    return copy;
}

FORMATETC TextFormat(CLIPFORMAT format)
{
    return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// The medium's text: its characters up to the first zero, never past the block's end.
template <class Char>
bool ReadBlock(HGLOBAL block, std::basic_string<Char> &text)
{
    const SIZE_T count = ::GlobalSize(block) / sizeof(Char);
    const Char *chars = static_cast<const Char *>(::GlobalLock(block));
    if (chars == nullptr)
        return false;
    SIZE_T length = 0;
    while (length < count && chars[length] != 0)
        ++length;
    try {
        text.assign(chars, length);
    } catch (const std::bad_alloc &) {
        ::GlobalUnlock(block);
        return false;
    }
    ::GlobalUnlock(block);
    return true;
}

} // namespace

// ---- CGridDataSource ---------------------------------------------------------------------------

CGridDataSource *CGridDataSource::Create(const CString &text)
{
    CGridDataSource *source = new CGridDataSource;
    const std::wstring wide = Cp1250ToWide(text);
    source->m_hText = NewBlock(text.GetString(), text.GetLength());
    source->m_hUnicode = NewBlock(wide.c_str(), wide.size() * sizeof(wchar_t));
    if (source->m_hText == nullptr || source->m_hUnicode == nullptr) {
        source->Release();
        return nullptr;
    }
    return source;
}

CGridDataSource::~CGridDataSource()
{
    if (m_hText != nullptr)
        ::GlobalFree(m_hText);
    if (m_hUnicode != nullptr)
        ::GlobalFree(m_hUnicode);
}

HGLOBAL CGridDataSource::BlockFor(CLIPFORMAT format) const
{
    if (format == CF_TEXT)
        return m_hText;
    if (format == CF_UNICODETEXT)
        return m_hUnicode;
    return nullptr;
}

STDMETHODIMP CGridDataSource::QueryInterface(REFIID riid, void **ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (IsEqualIID(riid, __uuidof(IUnknown)) || IsEqualIID(riid, __uuidof(IDataObject))) {
        *ppv = static_cast<IDataObject *>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CGridDataSource::AddRef()
{
    return (ULONG)::InterlockedIncrement(&m_refs);
}

STDMETHODIMP_(ULONG) CGridDataSource::Release()
{
    const LONG refs = ::InterlockedDecrement(&m_refs);
    if (refs == 0)
        delete this;
    return (ULONG)refs;
}

STDMETHODIMP CGridDataSource::QueryGetData(FORMATETC *pFormat)
{
    if (pFormat == nullptr)
        return E_INVALIDARG;
    if (BlockFor(pFormat->cfFormat) == nullptr)
        return DV_E_FORMATETC;
    if (!(pFormat->tymed & TYMED_HGLOBAL))
        return DV_E_TYMED;
    if (pFormat->dwAspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    return S_OK;
}

STDMETHODIMP CGridDataSource::GetData(FORMATETC *pFormat, STGMEDIUM *pMedium)
{
    if (pMedium == nullptr)
        return E_INVALIDARG;
    const HRESULT usable = QueryGetData(pFormat);
    if (usable != S_OK)
        return usable;
    // The receiver frees what it gets: it gets a copy.
    HGLOBAL copy = CopyBlock(BlockFor(pFormat->cfFormat));
    if (copy == nullptr)
        return E_OUTOFMEMORY;
    pMedium->tymed = TYMED_HGLOBAL;
    pMedium->hGlobal = copy;
    pMedium->pUnkForRelease = nullptr;
    return S_OK;
}

STDMETHODIMP CGridDataSource::GetDataHere(FORMATETC *, STGMEDIUM *)
{
    return E_NOTIMPL;
}

STDMETHODIMP CGridDataSource::GetCanonicalFormatEtc(FORMATETC *, FORMATETC *pOut)
{
    if (pOut != nullptr)
        pOut->ptd = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CGridDataSource::SetData(FORMATETC *, STGMEDIUM *, BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP CGridDataSource::EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC **ppEnum)
{
    if (ppEnum == nullptr)
        return E_POINTER;
    *ppEnum = nullptr;
    if (dwDirection != DATADIR_GET)
        return E_NOTIMPL;
    FORMATETC formats[] = {TextFormat(CF_UNICODETEXT), TextFormat(CF_TEXT)};
    return ::SHCreateStdEnumFmtEtc(2, formats, ppEnum);
}

STDMETHODIMP CGridDataSource::DAdvise(FORMATETC *, DWORD, IAdviseSink *, DWORD *)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP CGridDataSource::DUnadvise(DWORD)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP CGridDataSource::EnumDAdvise(IEnumSTATDATA **)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

// ---- CGridDropSource ---------------------------------------------------------------------------

STDMETHODIMP CGridDropSource::QueryInterface(REFIID riid, void **ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (IsEqualIID(riid, __uuidof(IUnknown)) || IsEqualIID(riid, __uuidof(IDropSource))) {
        *ppv = static_cast<IDropSource *>(this);
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP CGridDropSource::QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState)
{
    if (fEscapePressed)
        return DRAGDROP_S_CANCEL;
    if (!(grfKeyState & MK_LBUTTON))
        return DRAGDROP_S_DROP;
    return S_OK;
}

STDMETHODIMP CGridDropSource::GiveFeedback(DWORD)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

// ---- Reading ----------------------------------------------------------------------------------

bool DataObjectHasText(IDataObject *pData)
{
    if (pData == nullptr)
        return false;
    FORMATETC unicode = TextFormat(CF_UNICODETEXT);
    FORMATETC ansi = TextFormat(CF_TEXT);
    return pData->QueryGetData(&unicode) == S_OK || pData->QueryGetData(&ansi) == S_OK;
}

bool ReadDataObjectText(IDataObject *pData, CString &text)
{
    if (pData == nullptr)
        return false;
    for (CLIPFORMAT format : {(CLIPFORMAT)CF_UNICODETEXT, (CLIPFORMAT)CF_TEXT}) {
        FORMATETC wanted = TextFormat(format);
        STGMEDIUM medium{};
        if (pData->GetData(&wanted, &medium) != S_OK)
            continue;
        bool read = false;
        if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal != nullptr) {
            if (format == CF_UNICODETEXT) {
                std::wstring wide;
                read = ReadBlock(medium.hGlobal, wide);
                if (read)
                    text = WideToCp1250(wide);
            } else {
                std::string bytes;
                read = ReadBlock(medium.hGlobal, bytes);
                if (read)
                    text = CString(bytes.c_str());
            }
        }
        ::ReleaseStgMedium(&medium);
        if (read)
            return true;
    }
    return false;
}
