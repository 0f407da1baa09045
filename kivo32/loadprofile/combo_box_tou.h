// CComboBoxTOU: a drop-down list filled from a fixed table of values and text ids, which reports the
// value chosen to its dialog bar (WM_APP+0xE7); and its three kinds: the presentation, the period and the
// days of a load profile.
#pragma once

#include <QComboBox>
#include <span>

#include "platform/base/message_target.h"

struct ComboEntry {
    int value;
    unsigned textId;
};

class CComboBoxTOU : public QComboBox {
    Q_OBJECT

public:
    // `reportId` is the message the choice stands for; the bar hears it through `bar`.
    CComboBoxTOU(std::span<const ComboEntry> entries, unsigned reportId, QWidget* parent = nullptr);

    // Once: the entries' texts in table order.
    void Fill();
    // The index of the first entry of `value`; -1 when none.
    int FindIndex(int value) const;
    // Selects the entry of `value`; false, the selection kept, when no entry has it.
    bool SelectValue(int value);
    // The selected entry's value; -1 when none is selected.
    int GetSelectedValue() const;
    // Where the choices go.
    void SetBar(std::shared_ptr<platform::MessageTarget> bar) { bar_ = std::move(bar); }

private:
    // The list closed on an entry: WM_APP+0xE7 to the bar with the report id and the value.
    void ReportSelection(int index);

    std::span<const ComboEntry> entries_;
    unsigned report_id_;
    bool filled_ = false;
    std::shared_ptr<platform::MessageTarget> bar_;
};

// The table (32869) or the graph (32870); the choice goes to the frame as WM_APP+0xE5.
class CComboBoxAnalysis : public CComboBoxTOU {
public:
    explicit CComboBoxAnalysis(QWidget* parent = nullptr);
};

// Daily (0) or weekly (1).
class CComboBoxPeriodLP : public CComboBoxTOU {
public:
    explicit CComboBoxPeriodLP(QWidget* parent = nullptr);
};

// All days (0), weekdays (1), weekend days (2).
class CComboBoxDaysLP : public CComboBoxTOU {
public:
    explicit CComboBoxDaysLP(QWidget* parent = nullptr);
};
