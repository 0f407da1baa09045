// CSUTTypeHelp: the help box of the model list, which says what the logger models measure.
#pragma once

#include "platform/ui/dialog.h"

class CSUTTypeHelp : public platform::Dialog {
    Q_OBJECT

public:
    explicit CSUTTypeHelp(QWidget* parent = nullptr);
};
