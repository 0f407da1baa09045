// CRawDataGraphView: the data graph of a data file: the records and channels selected in the file's grid
// view drawn as values against date and time by the graph control, in the look of the graph attributes,
// with statistics, a cursor read-out, zoom and printing.
#pragma once

#include <QPointer>
#include <QSize>
#include <string>
#include <vector>

#include "kivo32/views/graph_data_load.h"
#include "kivo32/views/graph_look.h"
#include "kivo32/views/graph_statistics_table.h"
#include "platform/ui/graph/graph_control.h"
#include "platform/ui/view.h"

class CGraphObjectAttributes;
class CRawDataDoc;
class CRawDataView;
class QPrinter;

namespace platform {
class MainFrame;
}

class CRawDataGraphView : public platform::View {
    Q_OBJECT

public:
    // The most subsets a graph holds, and the longest subset label the read-out shows.
    static constexpr int kMaxSubsets = 17;
    static constexpr std::size_t kLabelLength = 64;

    // `attributes` are the application's graph attributes, which outlive every view.
    explicit CRawDataGraphView(CGraphObjectAttributes& attributes);
    // Saves the attributes when the user changed the graph (or uses own attributes) and clears the grid's
    // selection.
    ~CRawDataGraphView() override;

    CRawDataDoc* GetDocument() const;
    QSize sizeHint() const override;

    // Loads the grid's selection and builds the graph; IsGraphBuilt tells whether that worked.
    void OnInitialUpdate() override;
    // After the file was read anew (new records downloaded into it) the graph is built again over the
    // grid's selection.
    void OnUpdate(platform::View* sender, long hint) override;
    // The main frame shows the graph's toolbar.
    void OnActivateView(bool active) override;
    // 32942 the graph settings, 32833 undo zoom, File Print.
    bool OnCommand(unsigned id) override;

    // Reads the grid's selected records of the selected channels in one pass through the file, behind a
    // progress window with Cancel, and builds the graph (also after a failure, then empty). False when
    // there is no grid, no usable selection (none, more than 17 channels, channels over different rows,
    // fewer than 2 records), the file cannot be read or the user cancelled.
    bool LoadGraphData();
    // Builds the graph the first time; afterwards brings the data cursor, the annotation and the
    // statistics in line with the attributes.
    void SetupGraph();
    // Whether the user's graph differs from the built-in look; sets the view's modified flag when it does.
    bool IsGraphChanged();
    // Reads the graph's look back into the attributes and saves their file.
    void SaveGraphAttributes();
    // The subtitle and (with the analysis values) the statistics of the zoomed part.
    void ShowZoomedStatistics();
    // The read-out of the point `hit` (under the mouse, or the data cursor's); empty and grey off the
    // points.
    void ShowCursorReadout(const platform::GraphHit& hit);

    bool IsGraphBuilt() const { return built_; }
    bool IsZoomed() const { return zoomed_; }
    // The graph control; null before the first SetupGraph.
    platform::GraphControl* Control() const { return control_; }
    // The grid view whose selection the graph shows; null once it has gone.
    CRawDataView* GridView() const;

    // The size a print-out is laid out at: a wide view 20 times its width by 25 times its height, any
    // other 30 times both.
    QSize PrintSize() const;
    // One page with the graph at PrintSize's aspect; false when the printer failed.
    bool PrintGraph(QPrinter& printer) const;

protected:
    // Ctrl+E and Space act on the graph and are taken even without one.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // LoadGraphData behind the wait cursor; false when the view went meanwhile.
    bool LoadBehindWaitCursor();
    // The grid's selected value columns, which must all cover the same rows; false when the graph cannot
    // take them.
    bool ReadSelection(GraphLoadRequest& selection) const;
    // Takes each subset's chosen axis, closes up empty axes (telling the grid) and orders the subsets.
    void AssignYAxes(std::vector<int> axes);
    void CreateControl();
    void BuildGraph();
    void OnNotify(platform::GraphNotification notification);
    void OnGraphSettings();
    void OnFilePrint();
    // At close and after the user customised the graph: the attributes are saved when the graph uses its
    // own attributes or differs from the built-in look.
    void SaveAttributesIfChanged();
    void ToggleDataCursor();
    // The statistics of every subset over points [first, last).
    std::vector<GraphSubsetStatistics> StatisticsOver(std::size_t first, std::size_t last) const;
    // The date (in the user's order) and time texts of a serial date; false for no date.
    static bool DateAndTimeTexts(double serialDate, std::string& date, std::string& time);
    static std::string DateTimeText(double serialDate);
    // "first date - last date" of the points.
    std::string DateRangeText() const;

    CGraphObjectAttributes& attributes_;
    QPointer<CRawDataView> grid_;
    platform::GraphControl* control_ = nullptr;
    // By subset index: the short label, and the axis (0-2).
    std::vector<std::string> labels_;
    std::vector<int> axis_of_subset_;
    // The subset index drawn at each position: those of axis 0, then 1, then 2, each in selection order.
    std::vector<int> subset_order_;
    int axes_in_use_ = 1;
    // The loaded values until the first build hands them to the control.
    platform::GraphData loaded_;
    // By position; the whole range, or the zoomed part.
    std::vector<GraphSubsetStatistics> statistics_;
    std::string subtitle_;
    CGraphLook look_;
    bool show_data_cursor_ = false;
    bool show_analysis_values_ = false;
    bool use_default_attributes_ = false;
    // The graph differs from the built-in look; the attributes are no longer copied into the view.
    bool modified_ = false;
    // The attributes' data labels were held off for this graph's many points.
    bool labels_held_off_ = false;
    bool zoomed_ = false;
    bool built_ = false;
};

// The data graph of the active child frame of `frame` (the application's main window when null), or null.
CRawDataGraphView* GetActiveRawDataGraphView(const platform::MainFrame* frame = nullptr);
