#pragma once

#include <QDialog>

#include "store/session.h"
#include "store/sound_player.h"

namespace brinox {

class PressableFrame;
class PressableLabel;

// "About Q.L.M.": the program's name and version, with a greeting sound
// (qlm.wav in the data folder) each time it opens and at a click on the picture.
class TAboutdlg : public QDialog {
    Q_OBJECT
public:
    TAboutdlg(const Session& session, SoundPlayer& sound, QWidget* parent = nullptr);

    void FormActivate();
    void Image1Click();
    void Panel1Click();

    PressableFrame* Panel1 = nullptr;
    PressableLabel* Image1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void playGreeting();

    const Session& m_session;
    SoundPlayer& m_sound;
};

}  // namespace brinox
