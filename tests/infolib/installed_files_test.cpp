#include "infolib/page_template.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace brisova;

namespace {

std::string Installed(const std::string& name) {
    std::filesystem::path file = std::filesystem::path(__FILE__).parent_path() / "../../data/MyInfoLib" / name;
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(InstalledFiles, TemplateHoldsTheMarkersAndASearchFormForTheShownFolder) {
    std::string frame = Installed("frame");
    for (std::string_view marker : {kIndexMarker, kLeftMarker, kSearchNoMarker, kBodyMarker, kPageNoMarker}) {
        EXPECT_NE(frame.find(marker), std::string::npos) << marker;
    }
    std::size_t form = frame.find("action=\"http://$S/\"");
    std::size_t words = frame.find("name=NeiRong", form);
    std::size_t node = frame.find("name=Node value=\"***SEARCHNO***\"", words);
    ASSERT_NE(form, std::string::npos);
    ASSERT_NE(words, std::string::npos);
    // The words come first in the submitted address, then the folder.
    EXPECT_NE(node, std::string::npos);
}

