#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "photos/large_viewer.h"
#include "photos/photo_management.h"
#include "selection/person_picker.h"
#include "store/prompt.h"
#include "store/session.h"
#include "widgets/help_viewer.h"

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;

namespace brinox {

class PictureView;
class PressableLabel;

// "Foto's en Onderschriften": the photos of the SelectedPerson as fifteen
// thumbnails with their order letters, where photos are added, deleted and
// put in another order (manipulate mode) or given captions (text mode).
class Tfotoinvoerdlg : public QDialog {
    Q_OBJECT
public:
    // `setMainCaption` shows a text as the main window's caption.
    Tfotoinvoerdlg(Session& session, Prompt& prompt, PersonPicker& picker, HelpViewer& help, LargeViewer& largeView,
                   std::function<void(const std::string&)> setMainCaption, QWidget* parent = nullptr);

    void FormActivate();
    void Afsluiten1Click();
    void KiesanderePersoon1Click();
    void Volgorde1Click();
    void Verwijder1Click();
    void mode1Click();
    void Help1Click();
    void ImageMouseDown(int slot, Qt::MouseButton button);
    void PanelMouseDown(int slot, Qt::MouseButton button);
    void jpgbtnClick();
    void schaalbtnClick();
    void addbtnClick();
    void Edit1Change();
    void Edit1Click();
    void koppelbtnClick();

    const PhotoManager& manager() const { return m_manager; }

    QMenuBar* MainMenu1 = nullptr;
    QAction* Afsluiten1 = nullptr;
    QAction* KiesanderePersoon1 = nullptr;
    QAction* Volgorde1 = nullptr;
    QAction* Verwijder1 = nullptr;
    QAction* mode1 = nullptr;
    QAction* Help1 = nullptr;
    std::array<PictureView*, kPhotoSlots> Images{};
    std::array<PressableLabel*, kPhotoSlots> Panels{};
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QWidget* AddArea = nullptr;
    QFrame* Panel16 = nullptr;
    PictureView* Image16 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* jpgbtn = nullptr;
    QPushButton* schaalbtn = nullptr;
    QPushButton* addbtn = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* koppelbtn = nullptr;
    QLabel* StatusLine = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenuBar();
    void buildSlots(QWidget* client);
    void buildAddArea(QWidget* client);
    void buildCaptionArea(QWidget* client);
    // After the manager opened anew: its slots, with the edit field and
    // the preview's labels emptied.
    void showOpened();
    void loadThumbnails();
    void showState();
    void showHints();
    void toonjpg();

    Session& m_session;
    Prompt& m_prompt;
    PersonPicker& m_picker;
    HelpViewer& m_help;
    LargeViewer& m_largeView;
    std::function<void(const std::string&)> m_setMainCaption;
    PhotoManager m_manager;
};

}  // namespace brinox
