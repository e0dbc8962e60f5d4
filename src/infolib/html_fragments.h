// The pieces of HTML the library's generated pages are made of. Every text that comes from a
// page title, the user or the disk is escaped; the fixed text is exactly what the pages need,
// including the "<!--B" id "-->" / "<!--E" id "-->" comments a deletion cuts rows by.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brisova {

inline constexpr std::string_view kLastPageLabel = "Result&nbsp;Page:&nbsp;&nbsp;";
inline constexpr std::string_view kNoFind = "No Find";

// &, <, >, " and ' become entities; every other byte stays.
std::string EscapeHtml(std::string_view text);

// The shown folder, last in the breadcrumb.
std::string CurrentFolderTitle(std::string_view name);
// An ancestor's link put in front of the breadcrumb built so far.
std::string AncestorLink(std::int32_t id, std::string_view name, std::string_view breadcrumb);
void AppendLeftRow(std::string& rows, std::int32_t id, std::string_view name);

struct PageRow {
    std::int32_t id = 0;
    std::string_view name;
    std::string_view fileName;
    int pageNumber = 0;  // the generated page the row sits on
};
void AppendPageRow(std::string& rows, std::string_view root, const PageRow& row, bool openInNewWindow);

std::string RowBeginMarker(std::int32_t id);  // "<!--B" id "-->"
std::string RowEndMarker(std::int32_t id);    // "<!--E" id "-->"

// Links to every page but the current one, whose number stands plain; numbers shown from 1.
std::string PageNumberLine(std::string_view start, std::string_view root, int pageNumber, int pageCount);
std::string LastPageBody(std::string_view rows);

}  // namespace brisova
