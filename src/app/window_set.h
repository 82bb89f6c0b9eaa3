#pragma once

#include <filesystem>
#include <memory>

#include "app/help_window.h"
#include "pedigree/fam51u1.h"
#include "pedigree/main_window_dialogs.h"
#include "store/familiedlg.h"
#include "store/prompt.h"
#include "store/session.h"

namespace brinox {

// Every window of the program, created once at start in the fixed order
// (the main window first, whose creation loads the family) and reused.
class WindowSet {
public:
    WindowSet(Session& session, Prompt& prompt, const std::filesystem::path& dataDirectory);

    TForm1& mainWindow() { return *m_form1; }

private:
    MainWindowDialogs m_dialogs;
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<Tfamiliedlg> m_familiedlg;
    std::unique_ptr<HelpWindow> m_help;
};

}  // namespace brinox
