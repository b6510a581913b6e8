#pragma once
// Where the template editor reads and writes: the installation's template set is only read;
// a template the user edits is written to the private templates folder "szablony_moje" (for a
// set older than the newest, to its subfolder named after the set) under the same relative
// path, and read from there from then on, by the editor and by the program.

#include <string>
#include <vector>

struct TemplateSet {
    std::wstring mainPath;   // the program's folder
    std::wstring folderName; // "szablony_202509", or "szablony_moje" itself

    std::wstring Folder() const { return mainPath + L"\\" + folderName; }
    std::wstring UserFolder() const;
    // The file the editor shows for a template: the user's copy when there is one.
    std::wstring ReadPath(const std::wstring &relative) const;
    // The file a save writes: always under the private folder.
    std::wstring WritePath(const std::wstring &relative) const { return UserFolder() + L"\\" + relative; }
};

// The RTF templates of the set and of the private folder, as paths relative to the set, sorted.
std::vector<std::wstring> ListTemplates(const TemplateSet &set);

// Writes the bytes through a temporary file, making the folders on the way; false when that
// fails (the old file then stays as it was).
bool SaveTemplate(const std::wstring &path, const std::string &bytes);

// A template folder named on the command line: one plain folder name, never a path.
bool IsPlainFolderName(const std::wstring &name);
