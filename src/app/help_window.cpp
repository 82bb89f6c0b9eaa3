#include "app/help_window.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "store/case_insensitive_files.h"
#include "store/regular_file.h"

namespace brinox {
namespace {

// Our help file is about 10 KB; a file past this is no help file, and reading
// it whole would hold up the window.
constexpr std::size_t kHelpFileLimit = 4 * 1024 * 1024;

QString builtInHelp() {
    QFile file(":/help/FAMHELP.HLP");
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QString refusalText(const QString& reason) {
    return "FAMHELP.HLP in de gegevensmap " + reason + ". Hieronder staat de help van het programma zelf.";
}

}  // namespace

HelpWindow::HelpWindow(const Session& session, QWidget* parent) : QDialog(parent), m_session(session) {
    setObjectName("helpdlg");
    setWindowTitle("Brinox Help");
    setModal(false);
    // Closing the main window ends the program, even with help still open.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(560, 520);
    Notice = new QLabel(this);
    Notice->setObjectName("Notice");
    Notice->setWordWrap(true);
    Notice->hide();
    Browser = new QTextBrowser(this);
    Browser->setObjectName("Browser");
    Browser->setOpenLinks(true);
    auto* contents = new QPushButton("&Inhoud", this);
    contents->setObjectName("Inhoudbtn");
    auto* close = new QPushButton("&Sluiten", this);
    close->setObjectName("Sluitenbtn");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Notice);
    layout->addWidget(Browser);
    layout->addLayout(buttons);
    connect(contents, &QPushButton::clicked, this, [this] { showHelp(HelpTopic::Contents); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void HelpWindow::loadHelp() {
    Notice->hide();
    const auto own = findIgnoringCase(m_session.dataDirectory, "FAMHELP.HLP");
    if (!own) {
        Browser->setHtml(builtInHelp());
        return;
    }
    const auto content = readRegularFile(*own, kHelpFileLimit);
    const auto* file = std::get_if<FileBytes>(&content);
    if (file && !file->beyondLimit) {
        Browser->setHtml(QString::fromUtf8(reinterpret_cast<const char*>(file->bytes.data()),
                                           static_cast<qsizetype>(file->bytes.size())));
        return;
    }
    const bool notAFile = !file && std::get<ReadError>(content).problem == ReadProblem::NotAFile;
    Notice->setText(refusalText(file       ? "is groter dan 4 MB"
                                : notAFile ? "is geen gewoon bestand"
                                           : "kan niet worden gelezen"));
    Notice->show();
    Browser->setHtml(builtInHelp());
}

void HelpWindow::followModalWindow() {
    // While a window is open modally Qt blocks every other window except its
    // own children. Help asked for there becomes its child, so that it can be
    // read, scrolled and closed; help asked for elsewhere stands on its own.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == this || parentWidget() == modal) return;
    setParent(modal, windowFlags());
}

void HelpWindow::showHelp(HelpTopic topic) {
    followModalWindow();
    loadHelp();
    if (topic == HelpTopic::Contents) {
        Browser->scrollToAnchor("inhoud");
    } else {
        Browser->scrollToAnchor(QString("topic%1").arg(static_cast<int>(topic)));
    }
    show();
    raise();
    activateWindow();
}

}  // namespace brinox
