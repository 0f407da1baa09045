// The look of every data graph and its attribute file.
#include "kivo32/views/graph_object_attributes.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <functional>
#include <system_error>
#include <vector>

#include "kivo32/analysis/attribute_lines.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/text_format.h"
#include "platform/base/windows1252.h"
#include "shared/common/message_box.h"
#include "shared/common/user_data_folder.h"

namespace {

constexpr const char* kComment = "# Kivo Graphical Object Attributes -";
constexpr std::array<std::uint32_t, 16> kDefaultPlotColors{
    0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFF000000, 0xFF800000,
    0xFF008000, 0xFF0064FF, 0xFF000080, 0xFFAFAFAF, 0xFF0000DC, 0xFFFF64FF, 0xFF9B6464, 0xFFFFAA64};
constexpr int kDefaultLegendFontSize = 8;
constexpr int kDefaultLegendStyle = 0;

// An annotation that names a version of the program ("KIVO " and a number from 1) names the running
// one: only "KIVO " and the version number are replaced, then every " [DEBUG]" goes.
std::string CurrentAnnotation(std::string text, const std::string& productText) {
    static constexpr std::string_view kProduct = "KIVO ";
    const auto start = text.find(kProduct);
    if (start != std::string::npos && start + kProduct.size() < text.size() &&
        text[start + kProduct.size()] == '1') {
        auto end = start + kProduct.size();
        while (end < text.size() &&
               (std::isdigit(static_cast<unsigned char>(text[end])) || text[end] == '.')) {
            ++end;
        }
        text.replace(start, end - start, productText);
    }
    static constexpr std::string_view kDebug = " [DEBUG]";
    for (auto debug = text.find(kDebug); debug != std::string::npos; debug = text.find(kDebug)) {
        text.erase(debug, kDebug.size());
    }
    return text;
}

// One key of the file: how its value is read and written.
struct AttributeKey {
    std::string key;
    std::function<void(CGraphObjectAttributes&, std::string_view value, bool acceptUseDefault)> read;
    std::function<std::string(const CGraphObjectAttributes&)> write;
};

template <class Member>
AttributeKey IntKey(const char* key, Member member) {
    return {key,
            [member](CGraphObjectAttributes& a, std::string_view value, bool) {
                a.*member = ReadAttributeInt(value);
            },
            [member](const CGraphObjectAttributes& a) { return std::to_string(a.*member); }};
}

template <class Member>
AttributeKey IntsKey(const char* key, Member member) {
    return {key,
            [member](CGraphObjectAttributes& a, std::string_view value, bool) {
                ReadAttributeInts(value, a.*member);
            },
            [member](const CGraphObjectAttributes& a) { return AttributeIntsText(a.*member); }};
}

template <class Member>
AttributeKey ColorKey(const char* key, Member member) {
    return {key,
            [member](CGraphObjectAttributes& a, std::string_view value, bool) {
                ReadAttributeColor(value, a.*member);
            },
            [member](const CGraphObjectAttributes& a) { return AttributeColorText(a.*member); }};
}

// The two keys of a font: "<name>Font" and "<name>Attributes".
template <class Member>
void AddFontKeys(std::vector<AttributeKey>& keys, const char* name, Member member) {
    const std::string key(name);
    keys.push_back(
        {key + "Font",
         [member](CGraphObjectAttributes& a, std::string_view value, bool) { (a.*member).name = value; },
         [member](const CGraphObjectAttributes& a) { return (a.*member).name; }});
    keys.push_back(
        {key + "Attributes",
         [member](CGraphObjectAttributes& a, std::string_view value, bool) {
             ReadAttributeInts(value, (a.*member).attributes);
         },
         [member](const CGraphObjectAttributes& a) { return AttributeIntsText((a.*member).attributes); }});
}

// The keys in the order of the file.
const std::vector<AttributeKey>& AttributeKeys() {
    static const std::vector<AttributeKey> keys = [] {
        using A = CGraphObjectAttributes;
        std::vector<AttributeKey> list;
        list.push_back(ColorKey("GraphBackgndColor", &A::graphBackgroundColor));
        list.push_back(ColorKey("GraphForegndColor", &A::graphForegroundColor));
        list.push_back(ColorKey("DeskBackgndColor", &A::deskBackgroundColor));
        list.push_back(ColorKey("DeskForegndColor", &A::deskForegroundColor));
        list.push_back(IntKey("BorderType", &A::borderType));
        list.push_back(IntsKey("QuickStyle", &A::quickStyle));
        list.push_back(IntKey("ViewingStyle", &A::viewingStyle));
        list.push_back(IntKey("GraphFontSize", &A::graphFontSize));
        list.push_back({"PlottingMethod",
                        [](A& a, std::string_view value, bool) {
                            a.plottingMethod = ReadAttributeInt(value);
                            a.defaultPlottingMethod = 0;
                        },
                        [](const A& a) { return std::to_string(a.plottingMethod); }});
        list.push_back(IntsKey("GridAttributes", &A::gridAttributes));
        list.push_back(IntKey("IncludeDataLabels", &A::includeDataLabels));
        AddFontKeys(list, "MainTitle", &A::mainTitleFont);
        AddFontKeys(list, "SubTitle", &A::subtitleFont);
        AddFontKeys(list, "SubsetPointAxisLabels", &A::axisLabelsFont);
        list.push_back({"LegendFont", [](A& a, std::string_view value, bool) { a.legendFont = value; },
                        [](const A& a) { return a.legendFont; }});
        list.push_back(IntKey("LegendFontSize", &A::legendFontSize));
        list.push_back(IntKey("LegendStyle", &A::legendStyle));
        list.push_back(IntKey("ShowDataCursor", &A::showDataCursor));
        list.push_back(IntKey("ShowDataPoints", &A::showDataPoints));
        list.push_back(IntKey("ShowAnalysisValues", &A::showAnalysisValues));
        list.push_back({"UseDefaultAttributes",
                        [](A& a, std::string_view value, bool accept) {
                            if (accept) {
                                a.useDefaultAttributes = ReadAttributeInt(value);
                            }
                        },
                        [](const A& a) { return std::to_string(a.useDefaultAttributes); }});
        list.push_back({"Annotation",
                        [](A& a, std::string_view value, bool) {
                            a.annotation = CurrentAnnotation(std::string(value), a.ProductText());
                        },
                        [](const A& a) { return a.annotation; }});
        list.push_back(IntKey("NumericPrecision", &A::numericPrecision));
        for (std::size_t n = 0; n < A::kPlotCount; ++n) {
            const std::string plot = platform::StringPrintf("Plot%02zu", n + 1);
            list.push_back(
                {plot + "Color",
                 [n](A& a, std::string_view value, bool) { ReadAttributeHexColor(value, a.plotColors[n]); },
                 [n](const A& a) { return platform::StringPrintf("%x", a.plotColors[n]); }});
            list.push_back(
                {plot + "LineType",
                 [n](A& a, std::string_view value, bool) { a.plotLineTypes[n] = ReadAttributeInt(value); },
                 [n](const A& a) { return std::to_string(a.plotLineTypes[n]); }});
            list.push_back(
                {plot + "PointType",
                 [n](A& a, std::string_view value, bool) { a.plotPointTypes[n] = ReadAttributeInt(value); },
                 [n](const A& a) { return std::to_string(a.plotPointTypes[n]); }});
        }
        return list;
    }();
    return keys;
}

void ShowPathMessage(unsigned id, const std::filesystem::path& path) {
    ShowMessageBox(platform::FormatLoadedText(id, {platform::Utf8ToWindows1252(path.string())}),
                   MB_OK | MB_ICONEXCLAMATION, true);
}

}  // namespace

struct CGraphObjectAttributes::Snapshot {
    std::uint32_t graphBackgroundColor;
    std::uint32_t deskBackgroundColor;
    CGraphFontAttributes mainTitleFont;
    CGraphFontAttributes subtitleFont;
    CGraphFontAttributes axisLabelsFont;
    std::string legendFont;
    int legendFontSize;
    int legendStyle;
    std::string annotation;
    std::array<std::uint32_t, kPlotCount> plotColors;
    std::array<int, kPlotCount> plotLineTypes;
    std::array<int, kPlotCount> plotPointTypes;
};

CGraphObjectAttributes::CGraphObjectAttributes(std::string productText)
    : product_text_(std::move(productText)) {}

CGraphObjectAttributes::~CGraphObjectAttributes() = default;

void CGraphObjectAttributes::SetDefaultAttributes(bool setUseDefault, bool resetShowDataCursor,
                                                  bool resetShowDataPoints, bool setShowAnalysisValues) {
    if (setUseDefault) {
        useDefaultAttributes = 1;
    }
    if (resetShowDataCursor) {
        showDataCursor = 0;
    }
    if (resetShowDataPoints) {
        showDataPoints = 0;
    }
    if (setShowAnalysisValues) {
        showAnalysisValues = 1;
    }
    SetDefaultLook();
    legendFont = kDefaultFont;
    legendFontSize = kDefaultLegendFontSize;
    legendStyle = kDefaultLegendStyle;
    std::copy(kDefaultPlotColors.begin(), kDefaultPlotColors.end(), plotColors.begin());
    plotLineTypes.fill(0);
    plotPointTypes.fill(3);
    annotation = kDefaultAnnotation;
}

void CGraphObjectAttributes::LoadGOAttributes(bool acceptUseDefault, bool takeShowDataCursor,
                                              bool takeShowDataPoints, bool takeShowAnalysisValues) {
    const int keptDataCursor = showDataCursor;
    const int keptDataPoints = showDataPoints;
    const int keptAnalysisValues = showAnalysisValues;
    SetDefaultAttributes(acceptUseDefault, takeShowDataCursor, takeShowDataPoints, takeShowAnalysisValues);
    file_path_ = UserDataFolder() / kFileName;

    std::error_code error;
    if (std::filesystem::exists(file_path_, error)) {
        std::ifstream file(file_path_, std::ios::binary);
        if (!file) {
            ShowPathMessage(IDS_GRAPH_ATTRIBUTES_NOT_OPENED, file_path_);
            return;
        }
        std::string line;
        while (std::getline(file, line)) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            ParseGOAttributeLine(acceptUseDefault, line);
        }
    }
    if (!takeShowDataCursor) {
        showDataCursor = keptDataCursor;
    }
    if (!takeShowDataPoints) {
        showDataPoints = keptDataPoints;
    }
    if (!takeShowAnalysisValues) {
        showAnalysisValues = keptAnalysisValues;
    }
}

bool CGraphObjectAttributes::ParseGOAttributeLine(bool acceptUseDefault, std::string_view line) {
    if (line.starts_with('#')) {
        return false;
    }
    for (const AttributeKey& key : AttributeKeys()) {
        if (const auto value = AttributeLineValue(line, key.key)) {
            key.read(*this, *value, acceptUseDefault);
            return true;
        }
    }
    return false;
}

std::string CGraphObjectAttributes::FileText() const {
    std::string text(kComment);
    text += '\n';
    for (const AttributeKey& key : AttributeKeys()) {
        text += key.key + ": " + key.write(*this) + "\n";
    }
    return text;
}

bool CGraphObjectAttributes::SaveGOAttributes() const {
    if (file_path_.empty()) {
        ShowMessageBox("SaveGOAttributes() Error: m_strGOAttribIniFileName.GetLength() == 0", MB_OK, true);
        return false;
    }
    const CrLfTextFileSave saved = SaveCrLfTextFile(file_path_, FileText());
    if (saved != CrLfTextFileSave::Saved) {
        ShowPathMessage(saved == CrLfTextFileSave::NotCreated ? IDS_GRAPH_ATTRIBUTES_NOT_CREATED
                                                               : IDS_GRAPH_ATTRIBUTES_NOT_WRITTEN,
                        file_path_);
        return false;
    }
    return true;
}

void CGraphObjectAttributes::TakeSnapshot() {
    snapshot_ = std::make_unique<Snapshot>(Snapshot{
        graphBackgroundColor, deskBackgroundColor, mainTitleFont, subtitleFont, axisLabelsFont, legendFont,
        legendFontSize, legendStyle, annotation, plotColors, plotLineTypes, plotPointTypes});
}

void CGraphObjectAttributes::RestoreSnapshot() {
    if (!snapshot_) {
        return;
    }
    const Snapshot& kept = *snapshot_;
    const auto restore = [](auto& member, const auto& value, const auto& unchanged) {
        if (value != unchanged) {
            member = value;
        }
    };
    restore(graphBackgroundColor, kept.graphBackgroundColor, kDefaultGraphBackground);
    restore(deskBackgroundColor, kept.deskBackgroundColor, kDefaultDeskBackground);
    for (auto [member, value] :
         {std::pair{&mainTitleFont, &kept.mainTitleFont}, std::pair{&subtitleFont, &kept.subtitleFont},
          std::pair{&axisLabelsFont, &kept.axisLabelsFont}}) {
        restore(member->name, value->name, std::string(kDefaultFont));
        for (std::size_t i = 0; i < 3; ++i) {
            restore(member->attributes[i], value->attributes[i], kDefaultFontAttributes[i]);
        }
    }
    restore(legendFont, kept.legendFont, std::string(kDefaultFont));
    restore(legendFontSize, kept.legendFontSize, kDefaultLegendFontSize);
    restore(legendStyle, kept.legendStyle, kDefaultLegendStyle);
    restore(annotation, kept.annotation, std::string(kDefaultAnnotation));
    snapshot_.reset();
}
