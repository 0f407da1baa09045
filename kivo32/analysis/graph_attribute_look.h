// GraphAttributeLook: what the data graph's and the load-profile graph's attribute files both keep of a
// graph's look: border, styles, font size, grid, precision, colours and the three fonts, with their
// defaults.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// A font by name with its three attribute numbers.
struct CGraphFontAttributes {
    std::string name;
    std::array<int, 3> attributes{};

    bool operator==(const CGraphFontAttributes&) const = default;
};

struct GraphAttributeLook {
    static constexpr const char* kDefaultFont = "Arial";
    static constexpr std::array<int, 3> kDefaultFontAttributes{1, 1, 0};
    static constexpr std::uint32_t kDefaultGraphBackground = 0xFFFFFFFF;
    static constexpr std::uint32_t kDefaultDeskBackground = 0xFF000001;

    // Every member back to its default.
    void SetDefaultLook() { *this = GraphAttributeLook(); }

    int borderType = 3;
    std::array<int, 2> quickStyle{1, 1};
    int viewingStyle = 0;
    int graphFontSize = 1;
    std::array<int, 4> gridAttributes{3, 0, 0, 0};
    int includeDataLabels = 0;
    int numericPrecision = 1;
    std::uint32_t graphForegroundColor = 0xFF000000;
    std::uint32_t graphBackgroundColor = kDefaultGraphBackground;
    std::uint32_t deskForegroundColor = 0xFF000000;
    std::uint32_t deskBackgroundColor = kDefaultDeskBackground;
    CGraphFontAttributes mainTitleFont{kDefaultFont, kDefaultFontAttributes};
    CGraphFontAttributes subtitleFont{kDefaultFont, kDefaultFontAttributes};
    CGraphFontAttributes axisLabelsFont{kDefaultFont, kDefaultFontAttributes};
};
