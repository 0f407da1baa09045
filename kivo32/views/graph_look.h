// CGraphLook: the look of a data graph as its view keeps it (styles, colours, fonts, and the colour, line
// and point type of each of the 17 plots), taken from the graph attributes or the built-in defaults, put
// into the graph's settings, compared with the defaults and read back into the attributes.
#pragma once

#include <array>
#include <vector>

#include "kivo32/views/graph_object_attributes.h"
#include "platform/ui/graph/graph_settings.h"

struct CGraphLook {
    static constexpr int kPlotCount = CGraphObjectAttributes::kPlotCount;

    platform::GraphStyle style;
    platform::GraphColors colors;
    platform::GraphFontChoice mainTitleFont{"Arial", {1, 1, 0}};
    platform::GraphFontChoice subtitleFont{"Arial", {1, 0, 0}};
    platform::GraphFontChoice labelFont{"Arial", {1, 0, 0}};
    // By subset index (the subset's place in the grid's selection).
    std::array<platform::GraphColor, kPlotCount> plotColors{};
    std::array<int, kPlotCount> lineTypes{};
    std::array<int, kPlotCount> pointTypes{};
};

// The look both attribute files keep (styles, colours drawn opaque, fonts) into `look`; the plotting
// method, the data points and the plots are left as they were.
void TakeAttributeLook(const GraphAttributeLook& attributes, CGraphLook& look);
// The graph's styles, colours (without their top byte) and fonts back into that look.
void ReadBackAttributeLook(const platform::GraphSettings& settings, GraphAttributeLook& attributes);

// The attributes' look; every colour drawn opaque (its top byte 0xFF).
CGraphLook GraphLookFromAttributes(const CGraphObjectAttributes& attributes);
// The built-in look with `plottingMethod`: the default plot colours, then 0 for the 17th plot.
CGraphLook DefaultGraphLook(int plottingMethod);

// Puts the look into `settings`; subsetOrder[position] is the subset index drawn at that position.
void ApplyGraphLook(const CGraphLook& look, const std::vector<int>& subsetOrder,
                    platform::GraphSettings& settings);

// Whether the graph's settings differ from the built-in look with `defaultMethod`; a plot colour is
// compared with the view's own, which takes a colour that differs.
bool IsLookChanged(const platform::GraphSettings& settings, const std::vector<int>& subsetOrder,
                   int defaultMethod, CGraphLook& viewLook);

// Reads the graph's look back into the attributes; the plotting method only with `takeMethod`, the data
// labels only unless `keepDataLabels` (they were held off for this graph, not by the user).
void ReadBackGraphLook(const platform::GraphSettings& settings, const std::vector<int>& subsetOrder,
                       bool takeMethod, bool keepDataLabels, CGraphObjectAttributes& attributes);
