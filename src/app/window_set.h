#pragma once

#include <filesystem>
#include <memory>

#include "app/help_window.h"
#include "pedigree/fam51u1.h"
#include "pedigree/main_window_dialogs.h"
#include "persons/datadlg.h"
#include "persons/huwdlg.h"
#include "persons/wijzigdlg.h"
#include "selection/fam51u4.h"
#include "selection/person_picker.h"
#include "selection/zoekdlg.h"
#include "store/familiedlg.h"
#include "store/prompt.h"
#include "store/session.h"

namespace brinox {

// Every window of the program, created once at start in the program's fixed
// order (the main window first, whose creation loads the family) and reused.
// A window that needs one created after it reaches it through this set.
class WindowSet : public PersonPicker, public HelpViewer {
public:
    WindowSet(Session& session, Prompt& prompt, const std::filesystem::path& dataDirectory);

    TForm1& mainWindow() { return m_form1; }

    // The selection window, for the windows created before it.
    void pickPerson() override { m_selectiedlg.pickPerson(); }

    // The help window is made the first time help is asked for: laying out
    // its text browser would cost the start a third of its time.
    void showHelp(HelpTopic topic) override;

private:
    // Declared in creation order. A window may take a reference to one
    // declared after it, as long as it does not use it while being built.
    MainWindowDialogs m_dialogs;
    TForm1 m_form1;
    Twijzigdlg m_wijzigdlg;
    Tselectiedlg m_selectiedlg;
    Tzoekdlg m_zoekdlg;
    Tdatadlg m_datadlg;
    THuwdlg m_huwdlg;
    Tfamiliedlg m_familiedlg;
    const Session& m_session;
    std::unique_ptr<HelpWindow> m_help;
};

}  // namespace brinox
