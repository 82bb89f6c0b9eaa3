#pragma once

#include "widgets/printer_setup.h"

namespace brinox {

// The program's printer set-up: Qt's print dialog, modal over the active window.
class QtPrinterSetup : public PrinterSetup {
public:
    bool setUp(QPrinter& printer) override;
};

}  // namespace brinox
