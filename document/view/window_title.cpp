#include "document/view/window_title.h"

#include "model/project.h"
#include "document/files/document_sets.h"

namespace {

const int kLongestTitleText = 60;
const int kTitleHead = 10;
const int kTitleTail = 49;
const char kUnsavedSet[] = "(plik niezapisany)";
const char kOwnContractsTitle[] = "Biblioteka umów programu Morvelank";

CString PrefixOf(int kind)
{
    if (const DocumentSetKind *set = FindDocumentSet(kind))
        return set->titlePrefix;
    switch (kind) {
    case kKindArchive:
        return "Archiwum::";
    case kKindExample:
        return "Przykład::";
    default:
        return "Postępowanie::";
    }
}

} // namespace

CString ShortenTitleText(const CString &text)
{
    if (text.GetLength() <= kLongestTitleText)
        return text;
    return text.Left(kTitleHead) + "[...]" + text.Right(kTitleTail);
}

CString FrameTitle(int kind, const CProject &project, const CString &contractsDataPath)
{
    if (kind == kKindArchive || kind == kKindExample)
        return PrefixOf(kind) + project.m_strName;
    CString text;
    if (FindDocumentSet(kind)) {
        if (!project.HasFileName())
            return PrefixOf(kind) + kUnsavedSet;
        text = project.GetDocumentPath();
        if (kind == kKindContracts && text.CompareNoCase(contractsDataPath) == 0)
            return PrefixOf(kind) + kOwnContractsTitle;
    } else {
        text = project.GetProjectFilePath();
        const int dot = text.ReverseFind('.');
        if (dot >= 0)
            text = text.Left(dot);
    }
    return PrefixOf(kind) + ShortenTitleText(text);
}

CString KindStatusText(int kind, const CProject &project)
{
    if (const DocumentSetKind *set = FindDocumentSet(kind))
        return set->statusText;
    return project.m_strName;
}
