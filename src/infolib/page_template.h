// The page template ("frame" in the library root) with its five markers. The folder markers
// are filled once per shown folder; the body and page-number markers once per written page.
// Markers are found in the template text only, never inside what was put in place of another.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brisova {

inline constexpr std::string_view kIndexMarker = "***INDEX***";
inline constexpr std::string_view kLeftMarker = "***LEFT***";
inline constexpr std::string_view kSearchNoMarker = "***SEARCHNO***";
inline constexpr std::string_view kBodyMarker = "***BODY***";
inline constexpr std::string_view kPageNoMarker = "***PAGENO***";

class PageTemplate {
public:
    static PageTemplate Prepare(std::string_view text, std::string_view breadcrumb, std::string_view leftRows,
                                std::int32_t folderId);

    bool prepared() const { return prepared_; }
    std::string Render(std::string_view body, std::string_view pageNumbers) const;

private:
    enum class Slot { Body, PageNumbers };
    // pieces_ has one more entry than slots_: piece, slot, piece, ..., piece.
    std::vector<std::string> pieces_;
    std::vector<Slot> slots_;
    bool prepared_ = false;
};

}  // namespace brisova
