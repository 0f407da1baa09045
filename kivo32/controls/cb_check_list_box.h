// The drop-down list of a check-combo box: one check box per item of its kind, taken and given back as
// the combo's code text.
#pragma once

#include <QListWidget>
#include <string>
#include <vector>

#include "kivo32/controls/check_combo_items.h"

class CCheckComboBox;
class CCheckComboForm;

class CCBCheckListBox : public QListWidget {
    Q_OBJECT

public:
    // A child of `parent` (the combo's window), filled for the combo's kind and checked from
    // its code text.
    CCBCheckListBox(CCheckComboBox& combo, CCheckComboForm& form, QWidget* parent);

    const std::vector<CheckComboItem>& Items() const { return items_; }
    std::vector<bool> Checks() const;
    std::string CodeText() const { return CodeTextFromChecks(items_, Checks()); }
    // Toggles item `index`; the alarm and peak-demand items ask the form and show its answer.
    void ToggleItem(int index);
    // The checks are taken when the list closes only when accepted (Tab, Enter, F4, a click outside).
    bool Accepted() const { return accepted_; }
    // While open the list holds the mouse, so that a click outside closes it. Its viewport takes the
    // clicks: a list view handles mouse presses only there.
    void HoldMouse(bool hold);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Tab and Shift+Tab are the list's own keys, acted on when released: the main window's focus chain,
    // which the list belongs to, never takes them.
    bool focusNextPrevChild(bool next) override;

private:
    void SetCheck(int index, bool checked);
    void TakeFormState(int index);
    void Close(bool accept);

    CCheckComboBox& combo_;
    CCheckComboForm& form_;
    std::vector<CheckComboItem> items_;
    bool accepted_ = false;
    bool closing_ = false;
};
