// The tree of a library window: headings and documents from the configuration's entries.
#pragma once

#include <vector>

#include "framework/ui/docview.h"
#include "mainframe/library/library_config.h"

// Item data: a heading or a document that is not opened outside is entry x 1000; a document
// opened outside is kOpenedDocumentData + entry, above every other item's data.
const DWORD_PTR kOpenedDocumentData = 1000000;

// Item images of the tree's bitmap.
const int kLibraryRootImage = 0;
const int kLibraryHeadingImage = 1;

// "doc", "dot", "xls", "xlt", "pdf" and "rtf" documents open outside the program.
bool IsOpenedDocument(const CString &name);
// 4 for text documents and anything unknown, 3 for spreadsheets, 20 for PDF files.
int LibraryDocumentImage(const CString &name);

// Empties the tree and fills it: the root, headings (names shorter than 2 characters; one
// starting with "$" takes the entries after it), and documents, whose marks are stripped:
// "+" shows the item expanded, "$" opens a level under the last heading that takes the
// documents after it. fullPaths receives mainFolder\base\name per document ("" for headings).
void FillDocumentTree(CTreeCtrl &tree, const CString &rootText, const CString &baseText,
                      const std::vector<LibraryEntry> &entries, std::vector<CString> &fullPaths,
                      const CString &mainFolder);
