#include "pedigree/raamdlg.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "widgets/colours.h"
#include "widgets/photo_frame.h"
#include "widgets/placed.h"

namespace brinox {
namespace {

QSpinBox* widthSpinner(QWidget* window, const char* name, const char* labelName, const char* caption, int top) {
    auto* label = placed<QLabel>(window, labelName, QRect(16, top, 250, 18), QString::fromUtf8(caption));
    setTextColour(label, Qt::white);
    auto* spinner = placed<QSpinBox>(window, name, QRect(16, top + 20, 64, 24));
    spinner->setRange(0, 30);
    return spinner;
}

}  // namespace

TRaamdlg::TRaamdlg(QWidget* parent) : QDialog(parent) {
    setObjectName("raamdlg");
    setWindowTitle("Fotolijst");
    setBackground(this, kTeal);
    setFixedSize(500, 252);

    SpinEdit1 = widthSpinner(this, "SpinEdit1", "Label1", "Afstand iussen binnen- en buitenrand", 24);
    SpinEdit2 = widthSpinner(this, "SpinEdit2", "Label2", "Breedte van ninnen- en buitenrand", 88);
    Panel2 = placed<PhotoFrame>(this, "Panel2", QRect(276, 24, 200, 204));
    SpinEdit1Change(SpinEdit1->value());
    SpinEdit2Change(SpinEdit2->value());
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &TRaamdlg::SpinEdit1Change);
    connect(SpinEdit2, &QSpinBox::valueChanged, this, &TRaamdlg::SpinEdit2Change);

    auto* ok = placed<QPushButton>(this, "OKbtn", QRect(16, 203, 75, 25), "Ok");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TRaamdlg::OKbtnClick);
}

void TRaamdlg::SpinEdit1Change(int borderWidth) { Panel2->setBorderWidth(borderWidth); }

void TRaamdlg::SpinEdit2Change(int bevelWidth) { Panel2->setBevelWidth(bevelWidth); }

void TRaamdlg::OKbtnClick() { accept(); }

}  // namespace brinox
