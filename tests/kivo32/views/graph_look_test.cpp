// A data graph's look: what counts as a change from the built-in look (a plot colour is compared with
// the view's own and taken by it), and what the read-back gives the attributes.
#include "kivo32/views/graph_look.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int kDefaultMethod = 2;

platform::GraphSettings Shown(const CGraphLook& look, const std::vector<int>& order) {
    platform::GraphSettings settings;
    ApplyGraphLook(look, order, settings);
    return settings;
}

TEST(GraphLookTest, ChangesFromTheBuiltInLook) {
    const std::vector<int> order{2, 0};
    struct Case {
        const char* name;
        std::function<void(platform::GraphSettings&)> change;
        bool changed;
    };
    const Case cases[] = {
        {"nothing", [](platform::GraphSettings&) {}, false},
        {"only the colours' top byte",
         [](platform::GraphSettings& s) { s.colors.deskBackground &= 0x00FFFFFF; }, false},
        {"grid lines", [](platform::GraphSettings& s) { s.style.gridAttributes[0] = 0; }, true},
        {"plotting method", [](platform::GraphSettings& s) { s.style.plottingMethod = 0; }, true},
        {"desk colour", [](platform::GraphSettings& s) { s.colors.deskBackground = 0xFF808080; }, true},
        {"subtitle font", [](platform::GraphSettings& s) { s.subtitleFont.face = "Courier"; }, true},
        {"a line type", [](platform::GraphSettings& s) { s.subsets[1].lineType = 2; }, true},
        {"a point type", [](platform::GraphSettings& s) { s.subsets[0].pointType = 5; }, true},
    };
    for (const Case& test : cases) {
        CGraphLook viewLook = DefaultGraphLook(kDefaultMethod);
        platform::GraphSettings settings = Shown(viewLook, order);
        test.change(settings);
        EXPECT_EQ(IsLookChanged(settings, order, kDefaultMethod, viewLook), test.changed) << test.name;
    }

    // A plot colour is a change against the view's colours, which take it.
    CGraphLook viewLook = DefaultGraphLook(kDefaultMethod);
    platform::GraphSettings settings = Shown(viewLook, order);
    settings.subsets[0].color = 0xFF123456;
    EXPECT_TRUE(IsLookChanged(settings, order, kDefaultMethod, viewLook));
    EXPECT_EQ(viewLook.plotColors[2], 0xFF123456u);
    EXPECT_FALSE(IsLookChanged(settings, order, kDefaultMethod, viewLook));
}

TEST(GraphLookTest, ReadBackGoesToEachSubsetsOwnEntry) {
    CGraphObjectAttributes attributes("KIVO 15");
    attributes.SetDefaultAttributes(true, true, true, true);
    attributes.plottingMethod = 4;
    attributes.includeDataLabels = 1;
    const std::vector<int> order{2, 0};
    platform::GraphSettings settings = Shown(GraphLookFromAttributes(attributes), order);
    EXPECT_EQ(settings.colors.deskBackground, attributes.deskBackgroundColor | 0xFF000000u);
    settings.subsets[0].color = 0xFF0A0B0C;
    settings.subsets[0].lineType = 3;
    settings.style.plottingMethod = 8;
    settings.style.includeDataLabels = false;

    ReadBackGraphLook(settings, order, false, true, attributes);
    EXPECT_EQ(attributes.plotColors[2], 0x0A0B0Cu);
    EXPECT_EQ(attributes.plotLineTypes[2], 3);
    EXPECT_EQ(attributes.plotLineTypes[0], 0);
    EXPECT_EQ(attributes.plottingMethod, 4);
    EXPECT_EQ(attributes.includeDataLabels, 1);
    EXPECT_EQ(attributes.graphBackgroundColor, 0xFFFFFFu);

    ReadBackGraphLook(settings, order, true, false, attributes);
    EXPECT_EQ(attributes.plottingMethod, 8);
    EXPECT_EQ(attributes.includeDataLabels, 0);
}

}  // namespace
