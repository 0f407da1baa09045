// CLoadProfileGraphView: the load profile on the graph control.
#include "kivo32/loadprofile/load_profile_graph_view.h"

#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPrinter>

#include "kivo32/analysis/load_profile_graph_data.h"
#include "kivo32/loadprofile/load_profile_ids.h"
#include "kivo32/views/graph_look.h"
#include "kivo32/views/graph_view_keys.h"
#include "kivo32/views/raw_data_doc.h"
#include "platform/base/file_exception.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/temp_file_beside.h"
#include "platform/base/ui_broker.h"
#include "platform/base/windows1252.h"
#include "platform/ui/application.h"
#include "platform/ui/command_state.h"
#include "platform/ui/graph/graph_control.h"
#include "platform/ui/graph/qpainter_graph_canvas.h"
#include "platform/ui/print_info.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/ui_ids.h"
#include "shared/common/calendar.h"
#include "shared/common/day_of_week.h"
#include "shared/common/message_box.h"
#include "shared/common/user_data_folder.h"

namespace {

// A week is drawn on the days from Monday 2024-01-01 (an OLE date), a day on the zero date.
constexpr double kWeekStart = 45292.0;
constexpr double kSecondsPerDay = 86400.0;
constexpr std::uint32_t kRgbMask = 0x00FFFFFF;
constexpr std::uint32_t kOwnDeskColor = 0x000001;

// The day names under a weekly graph's axis.
std::string WeekDayText(int year, int month, int day) {
    CDayOfWeek weekDay(1);
    weekDay.SetFromDate(OleDateFromFields(year, month, day, 0, 0, 0).value_or(0.0));
    return weekDay.GetName();
}

// A day's graph is of no date: its axis shows the times only.
std::string NoDateText(int, int, int) {
    return {};
}

}  // namespace

CLoadProfileGraphView::CLoadProfileGraphView()
    : CLoadProfileViewBase(ID_LOAD_PROFILE_GRAPH),
      attributes_(UserDataFolder() / CLoadProfileGraphObjectAttributes::kFileName) {
    setFocusPolicy(Qt::StrongFocus);
}

CLoadProfileGraphView* CLoadProfileGraphView::GetActiveLoadProfileGraphView() {
    return dynamic_cast<CLoadProfileGraphView*>(platform::GetActiveView());
}

void CLoadProfileGraphView::ShowProfile() {
    LoadProfileGraphData data;
    if (!PrepareLoadProfileGraphData(Profile(), data)) {
        return;  // the graph keeps what it showed
    }
    if (control_ == nullptr) {
        control_ = new platform::GraphControl(this);
        SetContent(control_);
        connect(control_, &platform::GraphControl::Notify, this,
                [this](platform::GraphNotification notification) {
                    if (notification == platform::GraphNotification::Customised) {
                        TakeLookBack();
                    }
                });
    }
    const bool weekly = Profile().GetPeriod() == kProfileWeekly;
    CGraphLook look;
    TakeAttributeLook(attributes_, look);
    look.style.plottingMethod = attributes_.plottingMethod;
    look.style.showDataPoints = attributes_.showDataPoints != 0;
    look.plotColors[0] = attributes_.plotColor | 0xFF000000;
    look.lineTypes[0] = attributes_.plotLineType;
    look.pointTypes[0] = attributes_.plotPointType;
    platform::GraphSettings& settings = control_->Settings();
    ApplyGraphLook(look, {0}, settings);
    // The attribute file's desk colour 0x000001 stands for the graph's own desk colour, not for black.
    if ((attributes_.deskBackgroundColor & kRgbMask) == kOwnDeskColor) {
        settings.colors.deskBackground = platform::GraphColors().deskBackground;
    }
    const CRawDataDoc* document = GetDocument();
    settings.mainTitle =
        document != nullptr ? platform::Utf8ToWindows1252(document->GetOriginalPath().string()) : "";
    settings.subtitle = LoadText(weekly ? IDS_LP_WEEKLY_SUBTITLE : IDS_LP_DAILY_SUBTITLE);
    settings.subsets[0].label = ColumnTitle();
    // The value axis over the range the profile's points were prepared for (a flat profile gets a
    // range of its own, a negative one a top of 0).
    settings.axes[0].manualRange = data.yMinimum < data.yMaximum
                                       ? std::optional(std::make_pair(data.yMinimum, data.yMaximum))
                                       : std::nullopt;
    settings.annotations = attributes_.annotation.empty()
                               ? std::vector<std::string>{}
                               : std::vector<std::string>{"|" + attributes_.annotation + "|"};
    settings.dateText = weekly ? platform::DateTextFn(WeekDayText) : platform::DateTextFn(NoDateText);

    platform::GraphData graph;
    const double start = weekly ? kWeekStart : 0.0;
    const long interval = Profile().GetIntervalSeconds();
    for (std::size_t point = 0; point < data.y.size(); ++point) {
        graph.x.push_back(start +
                          static_cast<double>(point) * static_cast<double>(interval) / kSecondsPerDay);
    }
    const std::vector<float> values(data.y.begin(), data.y.end());
    graph.subsets.emplace_back(values, settings.nullValue);
    control_->SetData(std::move(graph));
    control_->Reinitialise();
}

void CLoadProfileGraphView::TakeLookBack() {
    const platform::GraphSettings& settings = control_->Settings();
    ReadBackAttributeLook(settings, attributes_);
    attributes_.showDataPoints = settings.style.showDataPoints ? 1 : 0;
    attributes_.plottingMethod = settings.style.plottingMethod;
    if (!settings.subsets.empty()) {
        attributes_.plotColor = settings.subsets[0].color & kRgbMask;
        attributes_.plotLineType = settings.subsets[0].lineType;
        attributes_.plotPointType = settings.subsets[0].pointType;
    }
    attributes_.SaveGOAttributes();
}

bool CLoadProfileGraphView::OnCommand(unsigned id) {
    switch (id) {
        case ID_LOAD_PROFILE_GRAPH_EXPORT:
            OnGraphSettings();
            return true;
        case ID_LOAD_PROFILE_GRAPH_PICTURE:
            OnWritePicture();
            return true;
        case ID_FILE_PRINT:
            OnFilePrint();
            return true;
        default:
            return View::OnCommand(id);
    }
}

bool CLoadProfileGraphView::OnUpdateCommand(platform::CommandState& state) {
    switch (state.id) {
        case ID_LOAD_PROFILE_GRAPH_EXPORT:
        case ID_LOAD_PROFILE_GRAPH_PICTURE:
        case ID_FILE_PRINT:
            state.Enable(control_ != nullptr);
            return true;
        default:
            return View::OnUpdateCommand(state);
    }
}

void CLoadProfileGraphView::OnGraphSettings() {
    if (control_ != nullptr) {
        RunGraphSettingsUnderTitle(*this, *control_, control_->Settings().mainTitle,
                                   LoadText(IDS_LP_EXPORT_SUFFIX));
    }
}

void CLoadProfileGraphView::keyPressEvent(QKeyEvent* event) {
    if (!HandleGraphViewKey(*event, control_, [this] { OnGraphSettings(); })) {
        View::keyPressEvent(event);
    }
}

bool CLoadProfileGraphView::PrintGraph(QPrinter& printer) const {
    return PrintGraphAtViewSize(*this, control_, printer);
}

void CLoadProfileGraphView::OnFilePrint() {
    PrintGraphView(*this, control_);
}

void CLoadProfileGraphView::OnWritePicture() {
    const CRawDataDoc* document = GetDocument();
    if (control_ == nullptr || document == nullptr) {
        return;
    }
    std::filesystem::path proposed = document->GetOriginalPath();
    proposed.replace_extension(".png");
    platform::FileNameRequest request;
    request.open = false;
    request.title = LoadText(IDS_LP_SAVE_TITLE);
    request.filters = {{"PNG (*.png)", {"*.png"}}, {LoadText(IDS_LP_ALL_FILES) + " (*.*)", {"*"}}};
    request.initialFolder = proposed.parent_path();
    request.fileName = proposed.filename();
    request.defaultExtension = "png";
    request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    if (const auto chosen = platform::CurrentUiBroker().PromptFileName(request);
        chosen && !WritePicture(*chosen)) {
        ShowMessageBoxId(IDS_LP_EXPORT_FAILED, MB_OK | MB_ICONEXCLAMATION, true);
    }
}

bool CLoadProfileGraphView::WritePicture(const std::filesystem::path& path) const {
    if (control_ == nullptr) {
        return false;
    }
    QImage image(control_->size().expandedTo(QSize(640, 400)), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        platform::QPainterGraphCanvas canvas(painter);
        control_->Render(canvas, {0, 0, image.width(), image.height()});
    }
    try {
        platform::TempFileBeside temporary(path);
        if (!image.save(platform::PathToQString(temporary.Path()), "PNG")) {
            return false;
        }
        temporary.ReplaceTarget();
        return true;
    } catch (const CPSTFileException&) {
        return false;
    }
}
