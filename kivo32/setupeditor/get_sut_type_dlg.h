// CGetSUTTypeDlg: the model list from which the user picks the logger model of a new setup table.
#pragma once

#include <QComboBox>
#include <QPushButton>

#include "platform/ui/dialog.h"

class CGetSUTTypeDlg : public platform::Dialog {
    Q_OBJECT

public:
    explicit CGetSUTTypeDlg(QWidget* parent = nullptr);

    // The model code chosen with OK; -1 before.
    int GetModelCode() const { return model_code_; }

    // The model chosen last while the program runs (-1 before the first choice); the list opens on it.
    static int GetLastChosenModel();
    static void SetLastChosenModel(int model);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    QComboBox* list_;
    QPushButton* help_;
    int model_code_ = -1;
};
