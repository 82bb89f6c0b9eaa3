#pragma once

#include <filesystem>
#include <memory>

#include "app/help_window.h"
#include "kinship/afstamdlg.h"
#include "kinship/fam5u11.h"
#include "kinship/identdlg.h"
#include "kinship/relationship_drawing.h"
#include "pedigree/aantallendlg.h"
#include "pedigree/aboutdlg.h"
#include "pedigree/auteurdlg.h"
#include "pedigree/fam51u1.h"
#include "pedigree/main_window_dialogs.h"
#include "pedigree/raamdlg.h"
#include "pedigree/titeldlg.h"
#include "persons/datadlg.h"
#include "persons/huwdlg.h"
#include "persons/wijzigdlg.h"
#include "photos/fam5u15.h"
#include "photos/album2dlg.h"
#include "photos/foto2dlg.h"
#include "photos/fotodlg.h"
#include "photos/frame_widths_dialog.h"
#include "photos/jpgfotodlg.h"
#include "photos/large_viewer.h"
#include "selection/fam51u4.h"
#include "selection/person_picker.h"
#include "selection/zoekdlg.h"
#include "store/familiedlg.h"
#include "store/prompt.h"
#include "store/session.h"
#include "texts/cvinvoerdlg.h"
#include "texts/richeditdlg.h"
#include "texts/wavdlg.h"
#include "timeline/histasdlg.h"
#include "timeline/tijdas1dlg.h"
#include "widgets/desktop_opener.h"
#include "widgets/deferred_sound_player.h"
#include "widgets/qt_printer_setup.h"

namespace brinox {

// Every window of the program, each created once and reused. The main window
// comes first: its creation loads the family. The others follow in the
// program's fixed order once the main window has been painted; a window that
// needs one created after it reaches it through this set.
class WindowSet : public PersonPicker,
                  public HelpViewer,
                  public AncestorIdentifier,
                  public FrameWidthsDialog,
                  public LargeViewer,
                  public AlbumPhotoViewer {
public:
    WindowSet(Session& session, Prompt& prompt, const std::filesystem::path& dataDirectory);

    TForm1& mainWindow() { return m_form1; }

    // Creates the other windows, in order; called once.
    void createOtherWindows();

    // The photo-frame window, for the slide viewer.
    TRaamdlg& raamdlg() { return *m_raamdlg; }

    // The selection window, for the windows created before it.
    void pickPerson() override { m_selectiedlg->pickPerson(); }

    // The help window is made the first time help is asked for.
    void showHelp(HelpTopic topic) override;

    // The identification window for a person pressed in a drawing of the
    // relationship window, from the person's first photo on.
    void identify(RecordNo person, DrawingSide side) override;

    // The frame window, preset with the session's frame widths, which take
    // what it holds when it closes.
    void editFrameWidths() override;

    // The large view, for photo management, which is made before it.
    void showLargePhoto(char letter) override { m_foto2dlg->showPhoto(letter); }

    // The single photo viewer, for the album.
    void showAlbumPhoto(const std::filesystem::path& file) override { m_jpgfotodlg->showFile(file); }

    Tfoto2dlg& largeView() { return *m_foto2dlg; }
    Tjpgfotodlg& singlePhotoViewer() { return *m_jpgfotodlg; }

private:
    Session& m_session;
    Prompt& m_prompt;
    MainWindowDialogs m_dialogs;
    DesktopOpener m_opener;
    DeferredSoundPlayer m_sound;
    QtPrinterSetup m_printerSetup;
    TForm1 m_form1;
    std::unique_ptr<Twijzigdlg> m_wijzigdlg;
    std::unique_ptr<Tselectiedlg> m_selectiedlg;
    std::unique_ptr<Tzoekdlg> m_zoekdlg;
    std::unique_ptr<Tdatadlg> m_datadlg;
    std::unique_ptr<Taantallendlg> m_aantallendlg;
    std::unique_ptr<Tfotodlg> m_fotodlg;
    std::unique_ptr<Trelatiedlg> m_relatiedlg;
    std::unique_ptr<Tidentdlg> m_identdlg;
    std::unique_ptr<Tafstamdlg> m_afstamdlg;
    std::unique_ptr<Ttijdas1dlg> m_tijdas1dlg;
    std::unique_ptr<Thistasdlg> m_histasdlg;
    std::unique_ptr<THuwdlg> m_huwdlg;
    std::unique_ptr<Tfotoinvoerdlg> m_fotoinvoerdlg;
    std::unique_ptr<Tfoto2dlg> m_foto2dlg;
    std::unique_ptr<TAboutdlg> m_aboutdlg;
    std::unique_ptr<Tcvinvoerdlg> m_cvinvoerdlg;
    std::unique_ptr<Twavdlg> m_wavdlg;
    std::unique_ptr<Tauteurdlg> m_auteurdlg;
    std::unique_ptr<Talbum2dlg> m_album2dlg;
    std::unique_ptr<Tjpgfotodlg> m_jpgfotodlg;
    std::unique_ptr<Ttiteldlg> m_titeldlg;
    std::unique_ptr<Tfamiliedlg> m_familiedlg;
    std::unique_ptr<TRaamdlg> m_raamdlg;
    std::unique_ptr<Tricheditdlg> m_richeditdlg;
    std::unique_ptr<HelpWindow> m_help;
};

}  // namespace brinox
