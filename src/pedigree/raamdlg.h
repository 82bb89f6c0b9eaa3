#pragma once

#include <QDialog>

class QSpinBox;

namespace brinox {

class PhotoFrame;

// "Fotolijst": the two widths of the frame the slide viewer draws around a
// photo, with a preview. The caller puts the current widths into the
// spinners, opens the window and reads the spinners back when it closes.
class TRaamdlg : public QDialog {
    Q_OBJECT
public:
    explicit TRaamdlg(QWidget* parent = nullptr);

    void SpinEdit1Change(int borderWidth);
    void SpinEdit2Change(int bevelWidth);
    void OKbtnClick();

    QSpinBox* SpinEdit1 = nullptr;  // the distance between the two bevels
    QSpinBox* SpinEdit2 = nullptr;  // the width of each bevel
    PhotoFrame* Panel2 = nullptr;   // the preview
};

}  // namespace brinox
