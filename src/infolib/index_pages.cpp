#include "infolib/index_pages.h"

#include "infolib/html_fragments.h"
#include "infolib/library_paths.h"
#include "infolib/library_search.h"

namespace brisova {

namespace {

std::string Breadcrumb(const InfoNode& folder) {
    std::string breadcrumb = CurrentFolderTitle(folder.name);
    for (const InfoNode* ancestor = folder.parent; ancestor; ancestor = ancestor->parent) {
        breadcrumb = AncestorLink(ancestor->id, ancestor->name, breadcrumb);
    }
    return breadcrumb;
}

std::string LeftColumn(const InfoNode& folder) {
    std::string rows;
    for (const auto& child : folder.children) {
        if (child->IsFolder()) AppendLeftRow(rows, child->id, child->name);
    }
    return rows.empty() ? std::string(" ") : rows;
}

}  // namespace

bool IndexPageWriter::PrepareTemplate(const InfoNode& folder) {
    std::optional<std::string> text = store_.files().Read(TemplatePath(store_.rootPath()));
    if (!text) return false;
    template_ = PageTemplate::Prepare(*text, Breadcrumb(folder), LeftColumn(folder), folder.id);
    return true;
}

void IndexPageWriter::FreshOutputDirectory() {
    std::string output = OutputDirectory(store_.rootPath());
    store_.RemoveDirectoryTree(output);
    store_.files().MakeDirectory(output);
}

bool IndexPageWriter::ShowFolder(std::int32_t folderId) {
    FreshOutputDirectory();
    const InfoNode* folder = store_.FindById(folderId);
    if (!folder || !folder->IsFolder() || !PrepareTemplate(*folder)) return false;
    std::vector<const InfoNode*> pages;
    for (const auto& child : folder->children) {
        if (child->IsPage()) pages.push_back(child.get());
    }
    WritePages(pages, " ");
    return true;
}

bool IndexPageWriter::Search(std::int32_t folderId, std::string_view encodedQuery) {
    QueryMatcher query(SplitQueryWords(DecodeQuery(encodedQuery)));
    const InfoNode* folder = store_.FindById(folderId);
    std::vector<const InfoNode*> results;
    if (folder) {
        const std::string& root = store_.rootPath();
        LibraryFiles& files = store_.files();
        results = SearchPages(*folder, folderId == 0, query, [&](const InfoNode& page) -> std::optional<std::string> {
            if (!IsPlainFileName(page.fileName)) return std::nullopt;
            return files.Read(TextCopyPath(PageFilePath(root, page.id, page.fileName)));
        });
    }
    FreshOutputDirectory();
    const InfoNode* templateFolder = folder && folder->IsFolder() ? folder : store_.root();
    if (!template_.prepared() && (!templateFolder || !PrepareTemplate(*templateFolder))) return false;
    WritePages(results, kNoFind);
    return true;
}

void IndexPageWriter::WritePages(const std::vector<const InfoNode*>& pages, std::string_view emptyBody) {
    if (pages.empty()) {
        WritePage(0, template_.Render(emptyBody, " "));
        return;
    }
    const std::string& root = store_.rootPath();
    const int pageCount = static_cast<int>((pages.size() + kRowsPerPage - 1) / kRowsPerPage);
    for (int pageNumber = 0; pageNumber < pageCount; ++pageNumber) {
        std::size_t first = static_cast<std::size_t>(pageNumber) * kRowsPerPage;
        std::size_t last = std::min(pages.size(), first + kRowsPerPage);
        std::string rows;
        for (std::size_t i = first; i < last; ++i) {
            const InfoNode& page = *pages[i];
            AppendPageRow(rows, root, {page.id, page.name, page.fileName, pageNumber}, openInNewWindow_);
        }
        // Full pages stand without a table; the last, shorter one gets the table and the label.
        if (last - first == static_cast<std::size_t>(kRowsPerPage)) {
            WritePage(pageNumber, template_.Render(rows, PageNumberLine("", root, pageNumber, pageCount)));
        } else {
            WritePage(pageNumber, template_.Render(LastPageBody(rows),
                                                   PageNumberLine(kLastPageLabel, root, pageNumber, pageCount)));
        }
    }
}

void IndexPageWriter::WritePage(int pageNumber, const std::string& text) {
    store_.files().Replace(OutputPagePath(store_.rootPath(), pageNumber), text);
}

}  // namespace brisova
