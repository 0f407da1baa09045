// The graph options dialog: the show switches, the annotation, default or own attributes, and the two
// picture-export settings of the application, chosen by name.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <string>

#include "kivo32/views/graph_attributes_lifecycle.h"
#include "platform/ui/dialog.h"

class CGraphOptions : public platform::Dialog {
    Q_OBJECT

public:
    explicit CGraphOptions(QWidget* parent = nullptr);

    std::string annotation;
    int showDataCursor = 0;
    int showDataPoints = 0;
    int showAnalysisValues = 0;
    // 0 default attributes, 1 own attributes.
    int attributeChoice = 1;
    // The stored numbers of the picture export's file type and size; the dialog shows them by name.
    std::string exportType;
    std::string exportSize;

protected:
    void DoDataExchange(platform::DataExchange& exchange) override;

private:
    QLineEdit* annotation_;
    QCheckBox* data_cursor_;
    QCheckBox* data_points_;
    QCheckBox* analysis_values_;
    QRadioButton* default_attributes_;
    QRadioButton* own_attributes_;
    QComboBox* export_type_;
    QComboBox* export_size_;
};

// The graph options command: the dialog filled from the attributes and the two export settings; after
// OK the choice is applied and the export settings taken back. True when open graphs must be rebuilt.
bool RunGraphOptions(CGraphObjectAttributes& attributes, std::string& exportType, std::string& exportSize,
                     QWidget* parent);
