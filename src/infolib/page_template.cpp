#include "infolib/page_template.h"

namespace brisova {

PageTemplate PageTemplate::Prepare(std::string_view text, std::string_view breadcrumb, std::string_view leftRows,
                                   std::int32_t folderId) {
    PageTemplate t;
    t.prepared_ = true;
    t.pieces_.emplace_back();
    const std::string folderNumber = std::to_string(folderId);
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t stars = text.find("***", pos);
        if (stars == std::string_view::npos) {
            t.pieces_.back().append(text.substr(pos));
            break;
        }
        t.pieces_.back().append(text.substr(pos, stars - pos));
        std::string_view rest = text.substr(stars);
        pos = stars;
        if (rest.starts_with(kIndexMarker)) {
            t.pieces_.back().append(breadcrumb);
            pos += kIndexMarker.size();
        } else if (rest.starts_with(kLeftMarker)) {
            t.pieces_.back().append(leftRows);
            pos += kLeftMarker.size();
        } else if (rest.starts_with(kSearchNoMarker)) {
            t.pieces_.back().append(folderNumber);
            pos += kSearchNoMarker.size();
        } else if (rest.starts_with(kBodyMarker)) {
            t.slots_.push_back(Slot::Body);
            t.pieces_.emplace_back();
            pos += kBodyMarker.size();
        } else if (rest.starts_with(kPageNoMarker)) {
            t.slots_.push_back(Slot::PageNumbers);
            t.pieces_.emplace_back();
            pos += kPageNoMarker.size();
        } else {
            t.pieces_.back() += '*';
            pos += 1;
        }
    }
    return t;
}

std::string PageTemplate::Render(std::string_view body, std::string_view pageNumbers) const {
    std::string page = pieces_.empty() ? std::string() : pieces_[0];
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        page.append(slots_[i] == Slot::Body ? body : pageNumbers);
        page.append(pieces_[i + 1]);
    }
    return page;
}

}  // namespace brisova
