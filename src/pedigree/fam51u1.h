#pragma once

#include <QMainWindow>
#include <array>
#include <filesystem>

#include "pedigree/main_window_dialogs.h"
#include "pedigree/pedigree_model.h"
#include "store/prompt.h"
#include "store/session.h"

class QAction;
class QMenu;

namespace brinox {

class NameLabel;
class PressableLabel;
class PressableList;

// The main window: the pedigree of the selected person and every command.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1(Session& session, Prompt& prompt, MainWindowDialogs& dialogs,
           const std::filesystem::path& dataDirectory);

    // Redraws everything for the selected person.
    void vulkwartierstaat();
    // Lays the panels and markers out for the current size.
    void FormResize();

    void FormActivate();
    // The title window, unless it has been seen; the program calls this once
    // the pedigree is on the screen and the other windows exist.
    void showTitle();
    void FormKeyDown(int key);
    void ancestorMouseDown(PanelIndex panel, Qt::MouseButton button);
    void zelf1MouseDown(Qt::MouseButton button, QPoint position);
    void ListMouseDown(Qt::MouseButton button, QPoint position);
    void Label7MouseDown(Qt::MouseButton button);

    void AnderefamilieClick();
    void ExporteerGEDCOMClick();
    void ImporteerGEDCOMClick();
    void SelectiebijopstartClick();
    void OpbergenClick();
    void AantallenClick();
    void GedenkdagClick();
    void AfsluitenClick();
    void NieuwepersooninvoerenClick();
    void VerwijderpersoonClick();
    void SelectieClick();
    void KleurKwartierstaatClick();
    void KleurKinderlijstClick();
    void KleurFotoachtergrondClick();
    void DefaultkleurenClick();
    void HintsClick(bool checked);
    void HelpInhoudClick();
    void AboutQLMClick();
    void AboutauteurClick();
    void FotoClick();
    void FotosenBijschriftenClick();
    void StemfragmentClick();
    void Stemfragment2Click();
    void Fotoalbum1Click();
    void LevensbeschrijvingClick();
    void Levensbeschrijving2Click();
    void PersoonsgegevensClick();
    void VerwantschapClick();
    void AfstammelingenClick();
    void metfamiliehistorieClick();
    void metwereldgebeurenClick();
    void WijzigPersoonsgegevensClick();
    void HuwelijkRelatieregistrerenClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Opens the family `code` in place of the current one.
    void switchToFamily(const std::string& code);
    void FormCreate(const std::filesystem::path& dataDirectory);
    void buildPedigreeArea();
    void buildChildrenArea();
    void buildMenus();
    void buildPopupMenu();
    void applyColours();
    // The self panel's pop-up entries follow the selected person's attachments.
    void updatePopupEnabling();
    // Makes `person` the photo person and opens the slide viewer when the
    // person's first photo exists.
    void showPhotosOf(RecordNo person);
    void selectAndRedraw(RecordNo person, bool recordInHistory);
    // Opens the selection window for the selected person; answers the person chosen.
    std::optional<RecordNo> pickPerson();

    Session& m_session;
    Prompt& m_prompt;
    MainWindowDialogs& m_dialogs;
    bool m_activated = false;

    QWidget* Panel1 = nullptr;
    QWidget* Panel3 = nullptr;
    std::array<NameLabel*, kPanelCount> m_panels{};
    PressableLabel* Label7 = nullptr;
    PressableList* List = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Foto1 = nullptr;
    QAction* Levensbeschrijving1 = nullptr;
    QAction* Stemfragment1 = nullptr;

    PedigreePersons m_shown{};
    std::vector<RecordNo> m_lineMap;
    std::string m_partnerLabel;
};

}  // namespace brinox
