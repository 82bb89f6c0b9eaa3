#include "widgets/qt_printer_setup.h"

#include <QApplication>
#include <QPrintDialog>

namespace brinox {

bool QtPrinterSetup::setUp(QPrinter& printer) {
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace brinox
