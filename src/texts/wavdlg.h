#pragma once

#include <QDialog>

#include "selection/person_picker.h"
#include "store/prompt.h"
#include "store/session.h"
#include "store/sound_player.h"
#include "texts/voice_fragment.h"

class QLabel;
class QPushButton;

namespace brinox {

// "Stemfragment van ...": the voice fragment of the SelectedPerson, played,
// replaced by a chosen WAV file, or deleted; another person can be chosen.
class Twavdlg : public QDialog {
    Q_OBJECT
public:
    Twavdlg(Session& session, Prompt& prompt, SoundPlayer& sound, PersonPicker& picker, QWidget* parent = nullptr);

    void FormActivate();
    void ZoekbtnClick();
    void speelbtnClick();
    void wisbtnClick();
    void koppelbtnClick();
    void selbtnClick();
    void cancelbtnClick();

    // Closing by Escape or by the window's frame lets go of the sound too.
    void reject() override;

    const VoiceFragment& voice() const { return m_voice; }

    QLabel* Label1 = nullptr;
    QLabel* persoonlabel = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* filelabel = nullptr;
    QPushButton* Zoekbtn = nullptr;
    QPushButton* speelbtn = nullptr;
    QPushButton* wisbtn = nullptr;
    QLabel* tekstlabel = nullptr;
    QPushButton* koppelbtn = nullptr;
    QPushButton* selbtn = nullptr;
    QPushButton* cancelbtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The labels and the play button as the logic has them.
    void showState();
    // The file label and status only: choosing and playing change nothing else.
    void showTexts();

    PersonPicker& m_picker;
    VoiceFragment m_voice;
};

}  // namespace brinox
