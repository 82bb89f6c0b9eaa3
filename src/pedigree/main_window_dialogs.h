#pragma once

namespace brinox {

class HelpViewer;
class PersonPicker;
class Tfamiliedlg;

// The modal windows the main window opens. They are created after the main
// window, once, in the program's fixed order, and filled in here as they come.
struct MainWindowDialogs {
    PersonPicker* selectiedlg = nullptr;
    Tfamiliedlg* familiedlg = nullptr;
    HelpViewer* help = nullptr;
};

}  // namespace brinox
