#include "infolib/html_fragments.h"

namespace brisova {

std::string EscapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            default: out += c; break;
        }
    }
    return out;
}

std::string CurrentFolderTitle(std::string_view name) {
    return "<font face='Verdana, Arial, Helvetica, sans-serif' color=#cc6600 size=-1><b>" + EscapeHtml(name) +
           "</b></font>\r\n";
}

std::string AncestorLink(std::int32_t id, std::string_view name, std::string_view breadcrumb) {
    return "<a href=\"http://$I" + std::to_string(id) + ".html\">" + EscapeHtml(name) + "</a> &gt; \r\n" +
           std::string(breadcrumb);
}

void AppendLeftRow(std::string& rows, std::int32_t id, std::string_view name) {
    rows += "\r\n<tr>\r\n<td width=1></td>\r\n<td><a href=\"http://$I";
    rows += std::to_string(id);
    rows += ".html\">";
    rows += EscapeHtml(name);
    rows += "</a></td></tr>\r\n";
}

void AppendPageRow(std::string& rows, std::string_view root, const PageRow& row, bool openInNewWindow) {
    std::string id = std::to_string(row.id);
    std::string escapedRoot = EscapeHtml(root);
    rows += "\r\n";
    rows += RowBeginMarker(row.id);
    rows += "<tr><td>&nbsp;</td></tr><tr><td><a href=\"file://";
    rows += escapedRoot;
    rows += '\\';
    rows += id;
    rows += '\\';
    rows += EscapeHtml(row.fileName);
    rows += openInNewWindow ? "\" target=_blank>" : "\">";
    rows += EscapeHtml(row.name);
    rows += "</a></td><td><a href=\"http://$D";
    rows += id;
    rows += '_';
    rows += std::to_string(row.pageNumber);
    rows += ".html\"><img src=\"";
    rows += escapedRoot;
    rows += "\\delete.bmp\" border=0></a></td></tr>";
    rows += RowEndMarker(row.id);
}

std::string RowBeginMarker(std::int32_t id) { return "<!--B" + std::to_string(id) + "-->"; }

std::string RowEndMarker(std::int32_t id) { return "<!--E" + std::to_string(id) + "-->"; }

std::string PageNumberLine(std::string_view start, std::string_view root, int pageNumber, int pageCount) {
    std::string line(start);
    std::string escapedRoot = EscapeHtml(root);
    for (int m = 0; m < pageCount; ++m) {
        if (m == pageNumber) {
            line += ' ';
            line += std::to_string(m + 1);
            continue;
        }
        line += " <a href=\"file://";
        line += escapedRoot;
        line += "\\webtmp\\";
        line += std::to_string(m);
        line += ".html\">";
        line += std::to_string(m + 1);
        line += "</a>";
    }
    return line;
}

std::string LastPageBody(std::string_view rows) { return "<table>" + std::string(rows) + "</table>"; }

}  // namespace brisova
