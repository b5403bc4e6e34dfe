#include "app/HelpWindow.h"

#include "ui_common/Translation.h"
#include "ui_common/WindowPlacement.h"

#include <QFile>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace zephra {

namespace {

const QSize HelpWindowSize(640, 600);

// The guide in the program's language; the English one when there is none.
QUrl GuideInLanguage() {
    const QString translated = QStringLiteral("/zephra/help/guide_%1.html").arg(ProgramLanguage());
    return QUrl(QStringLiteral("qrc:") + (QFile::exists(QLatin1Char(':') + translated)
                                              ? translated
                                              : QStringLiteral("/zephra/help/guide.html")));
}

} // namespace

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setWindowTitle(tr("ZEPHRA Help"));
    setAttribute(Qt::WA_QuitOnClose, false);
    Browser = new QTextBrowser(this);
    Browser->setOpenExternalLinks(true);
    Browser->setSource(GuideInLanguage());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);
    resize(HelpWindowSize);
    if (owner != nullptr) {
        move(PlaceOverOwner(*owner, HelpWindowSize, 0));
    }
}

} // namespace zephra
