// Writes the library's browsable pages into "webtmp": the index of one folder, or the result
// pages of a search, 25 rows to a page, numbered from 0.html.
#pragma once

#include "infolib/info_library_store.h"
#include "infolib/page_template.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace brisova {

inline constexpr int kRowsPerPage = 25;

class IndexPageWriter {
public:
    explicit IndexPageWriter(InfoLibraryStore& store) : store_(store) {}

    InfoLibraryStore& store() const { return store_; }

    // Selects the page-row links that open the saved page in a new window.
    void SetOpenInNewWindow(bool on) { openInNewWindow_ = on; }
    bool openInNewWindow() const { return openInNewWindow_; }

    // Empties webtmp and writes the folder's index pages. False, with webtmp left empty, when
    // there is no such folder or the template cannot be read.
    bool ShowFolder(std::int32_t folderId);

    // Empties webtmp and writes the result pages, or a "No Find" page. The pages carry the
    // breadcrumb, left column and folder id of the folder shown last; before any folder was
    // shown, those of the searched folder (or the root folder). False when no template is at hand.
    bool Search(std::int32_t folderId, std::string_view encodedQuery);

private:
    bool PrepareTemplate(const InfoNode& folder);
    void FreshOutputDirectory();
    void WritePages(const std::vector<const InfoNode*>& pages, std::string_view emptyBody);
    void WritePage(int pageNumber, const std::string& text);

    InfoLibraryStore& store_;
    PageTemplate template_;
    bool openInNewWindow_ = false;
};

}  // namespace brisova
