// CGraphLook: a data graph's look between the graph attributes, the built-in defaults and the graph.
#include "kivo32/views/graph_look.h"

namespace {

constexpr platform::GraphColor kOpaque = 0xFF000000;
constexpr platform::GraphColor kRgbMask = 0x00FFFFFF;

// The 16 default plot colours of the attributes, then none for the 17th plot.
constexpr std::array<platform::GraphColor, CGraphLook::kPlotCount> kDefaultPlotColors{
    0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF,
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF0064FF, 0xFF000080, 0xFFAFAFAF,
    0xFF0000DC, 0xFFFF64FF, 0xFF9B6464, 0xFFFFAA64, 0};

platform::GraphColor Opaque(std::uint32_t color) {
    return color | kOpaque;
}

bool SameColor(platform::GraphColor a, platform::GraphColor b) {
    return (a & kRgbMask) == (b & kRgbMask);
}

platform::GraphFontChoice FontOf(const CGraphFontAttributes& font) {
    return {font.name, font.attributes};
}

CGraphFontAttributes FontOf(const platform::GraphFontChoice& font) {
    return {font.face, font.attributes};
}

bool SameStyle(const platform::GraphStyle& a, const platform::GraphStyle& b) {
    return a.borderType == b.borderType && a.quickStyle == b.quickStyle && a.viewingStyle == b.viewingStyle &&
           a.fontSize == b.fontSize && a.numericPrecision == b.numericPrecision &&
           a.gridAttributes == b.gridAttributes && a.plottingMethod == b.plottingMethod &&
           a.showDataPoints == b.showDataPoints && a.includeDataLabels == b.includeDataLabels;
}

bool SameFont(const platform::GraphFontChoice& a, const platform::GraphFontChoice& b) {
    return a.face == b.face && a.attributes == b.attributes;
}

}  // namespace

void TakeAttributeLook(const GraphAttributeLook& attributes, CGraphLook& look) {
    look.style.borderType = attributes.borderType;
    look.style.quickStyle = attributes.quickStyle;
    look.style.viewingStyle = attributes.viewingStyle;
    look.style.fontSize = attributes.graphFontSize;
    look.style.numericPrecision = attributes.numericPrecision;
    look.style.gridAttributes = attributes.gridAttributes;
    look.style.includeDataLabels = attributes.includeDataLabels != 0;
    look.colors = {Opaque(attributes.graphForegroundColor), Opaque(attributes.graphBackgroundColor),
                   Opaque(attributes.deskForegroundColor), Opaque(attributes.deskBackgroundColor)};
    look.mainTitleFont = FontOf(attributes.mainTitleFont);
    look.subtitleFont = FontOf(attributes.subtitleFont);
    look.labelFont = FontOf(attributes.axisLabelsFont);
}

CGraphLook GraphLookFromAttributes(const CGraphObjectAttributes& attributes) {
    CGraphLook look;
    TakeAttributeLook(attributes, look);
    look.style.plottingMethod = attributes.plottingMethod;
    look.style.showDataPoints = attributes.showDataPoints != 0;
    for (int i = 0; i < CGraphLook::kPlotCount; ++i) {
        look.plotColors[i] = Opaque(attributes.plotColors[i]);
    }
    look.lineTypes = attributes.plotLineTypes;
    look.pointTypes = attributes.plotPointTypes;
    return look;
}

CGraphLook DefaultGraphLook(int plottingMethod) {
    CGraphLook look;
    look.style = {};
    look.style.plottingMethod = plottingMethod;
    look.colors = {};
    look.plotColors = kDefaultPlotColors;
    look.lineTypes.fill(0);
    look.pointTypes.fill(3);
    return look;
}

void ApplyGraphLook(const CGraphLook& look, const std::vector<int>& subsetOrder,
                    platform::GraphSettings& settings) {
    settings.style = look.style;
    settings.colors = look.colors;
    settings.mainTitleFont = look.mainTitleFont;
    settings.subtitleFont = look.subtitleFont;
    settings.labelFont = look.labelFont;
    settings.subsets.resize(subsetOrder.size());
    for (std::size_t position = 0; position < subsetOrder.size(); ++position) {
        const auto index = static_cast<std::size_t>(subsetOrder[position]);
        platform::GraphSubsetLook& subset = settings.subsets[position];
        subset.color = look.plotColors[index];
        subset.lineType = look.lineTypes[index];
        subset.pointType = look.pointTypes[index];
    }
}

bool IsLookChanged(const platform::GraphSettings& settings, const std::vector<int>& subsetOrder,
                   int defaultMethod, CGraphLook& viewLook) {
    const CGraphLook defaults = DefaultGraphLook(defaultMethod);
    bool changed = !SameStyle(settings.style, defaults.style) ||
                   !SameColor(settings.colors.graphBackground, defaults.colors.graphBackground) ||
                   !SameColor(settings.colors.graphForeground, defaults.colors.graphForeground) ||
                   !SameColor(settings.colors.deskForeground, defaults.colors.deskForeground) ||
                   !SameColor(settings.colors.deskBackground, defaults.colors.deskBackground) ||
                   !SameFont(settings.mainTitleFont, defaults.mainTitleFont) ||
                   !SameFont(settings.subtitleFont, defaults.subtitleFont) ||
                   !SameFont(settings.labelFont, defaults.labelFont);
    for (std::size_t position = 0; position < subsetOrder.size() && position < settings.subsets.size();
         ++position) {
        const platform::GraphSubsetLook& subset = settings.subsets[position];
        const auto index = static_cast<std::size_t>(subsetOrder[position]);
        changed = changed || subset.lineType != defaults.lineTypes[index] ||
                  subset.pointType != defaults.pointTypes[index];
        if (!SameColor(subset.color, viewLook.plotColors[index])) {
            viewLook.plotColors[index] = subset.color;
            changed = true;
        }
    }
    return changed;
}

void ReadBackAttributeLook(const platform::GraphSettings& settings, GraphAttributeLook& attributes) {
    const platform::GraphStyle& style = settings.style;
    attributes.quickStyle = style.quickStyle;
    attributes.graphForegroundColor = settings.colors.graphForeground & kRgbMask;
    attributes.graphBackgroundColor = settings.colors.graphBackground & kRgbMask;
    attributes.deskForegroundColor = settings.colors.deskForeground & kRgbMask;
    attributes.deskBackgroundColor = settings.colors.deskBackground & kRgbMask;
    attributes.borderType = style.borderType;
    attributes.viewingStyle = style.viewingStyle;
    attributes.graphFontSize = style.fontSize;
    attributes.gridAttributes = style.gridAttributes;
    attributes.mainTitleFont = FontOf(settings.mainTitleFont);
    attributes.subtitleFont = FontOf(settings.subtitleFont);
    attributes.axisLabelsFont = FontOf(settings.labelFont);
    attributes.numericPrecision = style.numericPrecision;
}

void ReadBackGraphLook(const platform::GraphSettings& settings, const std::vector<int>& subsetOrder,
                       bool takeMethod, bool keepDataLabels, CGraphObjectAttributes& attributes) {
    ReadBackAttributeLook(settings, attributes);
    const platform::GraphStyle& style = settings.style;
    attributes.showDataPoints = style.showDataPoints ? 1 : 0;
    if (takeMethod) {
        attributes.plottingMethod = style.plottingMethod;
    }
    if (!keepDataLabels || style.includeDataLabels) {
        attributes.includeDataLabels = style.includeDataLabels ? 1 : 0;
    }
    for (std::size_t position = 0; position < subsetOrder.size() && position < settings.subsets.size();
         ++position) {
        const platform::GraphSubsetLook& subset = settings.subsets[position];
        const auto index = static_cast<std::size_t>(subsetOrder[position]);
        attributes.plotColors[index] = subset.color & kRgbMask;
        attributes.plotLineTypes[index] = subset.lineType;
        attributes.plotPointTypes[index] = subset.pointType;
    }
}
