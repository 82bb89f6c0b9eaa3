#pragma once

class QDialog;
class QLabel;
class QMenuBar;
class QWidget;

namespace brinox {

class PhotoFrame;
class PictureView;

// What the two viewers with a frame are made of: under the menu bar a
// coloured background holding the frame with the photo in it, and a status
// line across the bottom. Presses on the background, the frame and the
// status line go to the window's event filter.
struct FramedPhoto {
    QWidget* background = nullptr;
    PhotoFrame* frame = nullptr;
    PictureView* image = nullptr;
    QLabel* status = nullptr;
};

FramedPhoto buildFramedPhoto(QDialog* window, QMenuBar* menuBar, int statusHeight);

}  // namespace brinox
