#pragma once

#include <QDialog>

#include "store/session.h"
#include "widgets/help_viewer.h"

class QLabel;
class QTextBrowser;

namespace brinox {

// The help file "FAMHELP.HLP" (HTML with one anchor per topic number),
// shown beside the program. The copy in the data folder wins, so a user can
// keep an edited one; otherwise, or when that copy is no small regular file,
// the copy built into the program is shown.
class HelpWindow : public QDialog, public HelpViewer {
    Q_OBJECT
public:
    HelpWindow(const Session& session, QWidget* parent = nullptr);

    void showHelp(HelpTopic topic) override;

    QTextBrowser* Browser = nullptr;
    // Says why the data folder's copy is not shown; hidden when it is.
    QLabel* Notice = nullptr;

private:
    void loadHelp();
    void followModalWindow();

    const Session& m_session;
};

}  // namespace brinox
