// How a page shown in a browser window gets into the library: one file written into the page
// directory. The document serialises its own HTML (IPersistStreamInit::Save into memory), and
// the library writes that under a name made from the page title. Unlike the control's Save As,
// this needs no dialog, no keystrokes sent blindly into whichever window has the focus, and no
// change to the system browser's "Save Directory".
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

#include "infolib/library_files.h"

class CBrisovaView;

class PageSaver {
public:
    virtual ~PageSaver() = default;
    // Writes the page `view` shows into `directory`; false when nothing was written.
    virtual bool Save(CBrisovaView& view, const std::string& directory) = 0;
};

class DocumentPageSaver final : public PageSaver {
public:
    bool Save(CBrisovaView& view, const std::string& directory) override;
    // Writes the HTML of `document` into `directory`, in a file named after `title`.
    bool SaveDocument(IDispatch* document, const std::string& title, const std::string& directory);

private:
    brisova::DiskLibraryFiles files_;
};

// The name of the file a page with this title is saved as, in the program's code page.
std::string SavedPageFileNameFor(const std::string& title);
