#include "mainframe/library/library_tree.h"

namespace {

// Items recorded for expansion; more marks than this are ignored.
const int kMaxExpandedItems = 100;

bool ExtensionIs(const CString &extension, const char *one, const char *other = nullptr)
{
    return extension.CompareNoCase(one) == 0 || (other && extension.CompareNoCase(other) == 0);
}

} // namespace

bool IsOpenedDocument(const CString &name)
{
    const CString extension = LibraryFileExtension(name);
    return ExtensionIs(extension, "doc", "dot") || ExtensionIs(extension, "xls", "xlt")
           || ExtensionIs(extension, "pdf", "rtf");
}

int LibraryDocumentImage(const CString &name)
{
    const CString extension = LibraryFileExtension(name);
    if (ExtensionIs(extension, "xls", "xlt"))
        return 3;
    if (ExtensionIs(extension, "pdf"))
        return 20;
    return 4;
}

void FillDocumentTree(CTreeCtrl &tree, const CString &rootText, const CString &baseText,
                      const std::vector<LibraryEntry> &entries, std::vector<CString> &fullPaths,
                      const CString &mainFolder)
{
    tree.DeleteAllItems();
    HTREEITEM root = tree.InsertItem(rootText, kLibraryRootImage, kLibraryRootImage);
    CString base = baseText;
    base.Trim('\\');
    const CString folder = mainFolder + "\\" + base + "\\";

    fullPaths.assign(entries.size(), CString());
    std::vector<HTREEITEM> expanded;
    HTREEITEM lastHeading = root;
    HTREEITEM parent = root;
    for (size_t i = 0; i < entries.size(); ++i) {
        CString name = entries[i].name;
        name.Trim();
        const DWORD_PTR entryData = (DWORD_PTR)i * 1000;
        if (name.GetLength() < 2) {
            HTREEITEM heading = tree.InsertItem(entries[i].title, kLibraryHeadingImage, kLibraryHeadingImage, root);
            tree.SetItemData(heading, entryData);
            lastHeading = heading;
            parent = name.Left(1) == "$" ? heading : root;
            continue;
        }

        const bool expand = name[0] == '+';
        name.TrimLeft('+');
        const bool opensLevel = name.Left(1) == "$";
        if (opensLevel)
            name = name.Mid(1);
        fullPaths[i] = folder + name;

        const int image = LibraryDocumentImage(name);
        HTREEITEM item = tree.InsertItem(entries[i].title, image, image, opensLevel ? lastHeading : parent);
        tree.SetItemData(item, IsOpenedDocument(name) ? kOpenedDocumentData + i : entryData);
        if (opensLevel)
            parent = item;
        if (expand && (int)expanded.size() < kMaxExpandedItems)
            expanded.push_back(item);
    }
    for (HTREEITEM item : expanded)
        tree.Expand(item, TVE_EXPAND);
}
