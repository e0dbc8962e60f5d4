// How a page shown in a browser window gets into the library: the page file written into the
// page directory, with what the page loads in its companion folder beside it (see
// infolib/complete_page.h). The document serialises its own HTML (IPersistStreamInit::Save into
// memory), and the library writes that under a name made from the page title. Unlike the
// control's Save As, this needs no dialog, no keystrokes sent blindly into whichever window has
// the focus, and no change to the system browser's "Save Directory".
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <functional>
#include <memory>
#include <string>

#include "infolib/complete_page.h"
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
    // Makes the fetcher of one page's resources, given the page's address.
    using FetcherFactory = std::function<std::unique_ptr<brisova::ResourceFetcher>(const std::string& pageAddress)>;

    // Fetches through WinINet with its default limits unless told otherwise.
    explicit DocumentPageSaver(FetcherFactory makeFetcher = {});

    bool Save(CBrisovaView& view, const std::string& directory) override;
    // Writes the HTML of `document` into `directory`, in a file named after `title`, and what
    // it loads into the companion folder. Relative references are read against the document's
    // own address, or `address` when it has none.
    bool SaveDocument(IDispatch* document, const std::string& title, const std::string& address,
                      const std::string& directory);

private:
    FetcherFactory makeFetcher_;
    brisova::DiskLibraryFiles files_;
};

// The name of the file a page with this title is saved as, in the program's code page.
std::string SavedPageFileNameFor(const std::string& title);
