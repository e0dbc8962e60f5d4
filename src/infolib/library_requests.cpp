#include "infolib/library_requests.h"

#include "infolib/library_paths.h"
#include "infolib/pseudo_address.h"

namespace brisova {

std::string OutputPageAddress(std::string_view root, int pageNumber) {
    return "file://" + std::string(root) + "\\webtmp\\" + std::to_string(pageNumber) + ".html";
}

std::string ViewLibrary(IndexPageWriter& writer, bool infoNewWindow) {
    writer.SetOpenInNewWindow(infoNewWindow);
    return ShowFolderRequest(writer, 0);
}

std::string ShowFolderRequest(IndexPageWriter& writer, std::int32_t folderId) {
    writer.ShowFolder(folderId);
    return OutputPageAddress(writer.store().rootPath(), 0);
}

std::optional<std::string> SearchRequest(IndexPageWriter& writer, std::string_view argument) {
    std::optional<SearchArgument> search = ParseSearchArgument(argument);
    if (!search) return std::nullopt;
    writer.Search(search->folderId, search->encodedWords);
    return OutputPageAddress(writer.store().rootPath(), 0);
}

std::optional<std::string> DeletePageRequest(InfoLibraryStore& store, std::string_view argument) {
    std::optional<DeleteArgument> target = ParseDeleteArgument(argument);
    if (!target) return std::nullopt;
    store.MarkDirty();
    const InfoNode* page = store.FindById(target->pageId);
    if (page && page->IsPage()) {
        std::string shown = OutputPagePath(store.rootPath(), target->pageNumber);
        if (std::optional<std::string> text = store.files().Read(shown)) {
            if (std::optional<std::string> cut = CutPageRow(*text, target->pageId)) store.files().Replace(shown, *cut);
        }
        store.DeletePage(target->pageId);
    }
    store.Reload();
    return OutputPageAddress(store.rootPath(), target->pageNumber);
}

}  // namespace brisova
