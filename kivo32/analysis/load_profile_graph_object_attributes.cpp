// CLoadProfileGraphObjectAttributes: the look of the load-profile graph and its attribute file.
#include "kivo32/analysis/load_profile_graph_object_attributes.h"

#include <fstream>
#include <functional>
#include <system_error>
#include <vector>

#include "kivo32/analysis/attribute_lines.h"
#include "kivo32/analysis/load_profile_ids.h"
#include "platform/base/string_format.h"
#include "platform/base/text_format.h"
#include "platform/base/windows1252.h"
#include "shared/common/message_box.h"

namespace {

using Attributes = CLoadProfileGraphObjectAttributes;

constexpr const char* kComment = "# KIVO Load Profile Graphical Object Attributes -";

// One key of the file, in the order of the file.
struct Key {
    const char* name;
    std::function<void(Attributes&, std::string_view)> read;
    std::function<std::string(const Attributes&)> write;
};

template <class Member>
Key IntKey(const char* name, Member member) {
    return {name, [member](Attributes& a, std::string_view value) { a.*member = ReadAttributeInt(value); },
            [member](const Attributes& a) { return std::to_string(a.*member); }};
}

template <class Member>
Key IntsKey(const char* name, Member member) {
    return {name, [member](Attributes& a, std::string_view value) { ReadAttributeInts(value, a.*member); },
            [member](const Attributes& a) { return AttributeIntsText(a.*member); }};
}

template <class Member>
Key ColorKey(const char* name, Member member) {
    return {name, [member](Attributes& a, std::string_view value) { ReadAttributeColor(value, a.*member); },
            [member](const Attributes& a) { return AttributeColorText(a.*member); }};
}

template <class Member>
Key FontKey(const char* name, Member member) {
    return {name, [member](Attributes& a, std::string_view value) { (a.*member).name = value; },
            [member](const Attributes& a) { return (a.*member).name; }};
}

template <class Member>
Key FontAttributesKey(const char* name, Member member) {
    return {
        name,
        [member](Attributes& a, std::string_view value) { ReadAttributeInts(value, (a.*member).attributes); },
        [member](const Attributes& a) { return AttributeIntsText((a.*member).attributes); }};
}

const std::vector<Key>& Keys() {
    using A = Attributes;
    static const std::vector<Key> keys = {
        ColorKey("GraphBackgndColor", &A::graphBackgroundColor),
        ColorKey("GraphForegndColor", &A::graphForegroundColor),
        ColorKey("DeskBackgndColor", &A::deskBackgroundColor),
        ColorKey("DeskForegndColor", &A::deskForegroundColor),
        IntKey("BorderType", &A::borderType),
        IntsKey("QuickStyle", &A::quickStyle),
        IntKey("ViewingStyle", &A::viewingStyle),
        IntKey("GraphFontSize", &A::graphFontSize),
        IntsKey("GridAttributes", &A::gridAttributes),
        {"IncludeDataLabels", nullptr, [](const A& a) { return std::to_string(a.includeDataLabels); }},
        FontKey("MainTitleFont", &A::mainTitleFont),
        FontAttributesKey("MainTitleAttributes", &A::mainTitleFont),
        FontKey("SubTitleFont", &A::subtitleFont),
        FontAttributesKey("SubTitleAttributes", &A::subtitleFont),
        FontKey("SubsetPointAxisLabelsFont", &A::axisLabelsFont),
        FontAttributesKey("SubsetPointAxisLabelsAttributes", &A::axisLabelsFont),
        IntKey("ShowDataPoints", &A::showDataPoints),
        IntKey("UseDefaultAttributes", &A::useDefault),
        {"Annotation", [](A& a, std::string_view value) { a.annotation = value; },
         [](const A& a) { return a.annotation; }},
        IntKey("NumericPrecision", &A::numericPrecision),
        {"PlotColor", [](A& a, std::string_view value) { ReadAttributeHexColor(value, a.plotColor); },
         [](const A& a) { return platform::StringPrintf("%x", a.plotColor); }},
        IntKey("PlotLineType", &A::plotLineType),
        IntKey("PlotPointType", &A::plotPointType),
        IntKey("PlottingMethod", &A::plottingMethod),
    };
    return keys;
}

void ShowPathMessage(unsigned id, const std::filesystem::path& path) {
    ShowMessageBox(platform::FormatLoadedText(id, {platform::Utf8ToWindows1252(path.string())}),
                   MB_OK | MB_ICONEXCLAMATION, true);
}

}  // namespace

CLoadProfileGraphObjectAttributes::CLoadProfileGraphObjectAttributes(std::filesystem::path path)
    : file_path_(std::move(path)) {
    LoadGOAttributes(false, true, true);
}

void CLoadProfileGraphObjectAttributes::SetDefaultAttributes(bool forceUseDefault, bool resetShowCursor,
                                                             bool resetShowDataPoints) {
    if (forceUseDefault) {
        useDefault = 1;
    }
    if (resetShowCursor) {
        showCursor = 0;
    }
    if (resetShowDataPoints) {
        showDataPoints = 0;
    }
    SetDefaultLook();
    plotColor = 0xFF0000FF;
    plotLineType = 0;
    plotPointType = 3;
    plottingMethod = 3;
}

void CLoadProfileGraphObjectAttributes::LoadGOAttributes(bool forceUseDefault, bool resetShowCursor,
                                                         bool resetShowDataPoints) {
    SetDefaultAttributes(forceUseDefault, resetShowCursor, resetShowDataPoints);
    std::error_code error;
    if (!std::filesystem::exists(file_path_, error)) {
        return;
    }
    std::ifstream file(file_path_, std::ios::binary);
    if (!file) {
        ShowPathMessage(IDS_LP_ATTRIBUTES_NOT_OPENED, file_path_);
        return;
    }
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        ParseLine(line);
    }
}

bool CLoadProfileGraphObjectAttributes::ParseLine(std::string_view line) {
    if (line.starts_with('#')) {
        return true;
    }
    for (const Key& key : Keys()) {
        if (key.read == nullptr) {
            continue;
        }
        if (const auto value = AttributeLineValue(line, key.name)) {
            key.read(*this, *value);
            return true;
        }
    }
    return false;
}

std::string CLoadProfileGraphObjectAttributes::FileText() const {
    std::string text = kComment;
    text += '\n';
    for (const Key& key : Keys()) {
        text += std::string(key.name) + ": " + key.write(*this) + "\n";
    }
    return text;
}

bool CLoadProfileGraphObjectAttributes::SaveGOAttributes() const {
    if (file_path_.empty()) {
        ShowMessageBox("SaveGOAttributes() Error: m_strGOAttribIniFileName.GetLength() == 0", MB_OK, true);
        return false;
    }
    const CrLfTextFileSave saved = SaveCrLfTextFile(file_path_, FileText());
    if (saved != CrLfTextFileSave::Saved) {
        ShowPathMessage(saved == CrLfTextFileSave::NotCreated ? IDS_LP_ATTRIBUTES_NOT_CREATED
                                                              : IDS_LP_ATTRIBUTES_NOT_WRITTEN,
                        file_path_);
        return false;
    }
    return true;
}
