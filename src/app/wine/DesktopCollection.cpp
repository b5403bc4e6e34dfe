#include "app/wine/DesktopCollection.h"

#include "app/wine/WineWindow.h"

#include <QWidget>

namespace zephra {

DesktopCollection::DesktopCollection(QWidget& mainWindow, TMDIChild& wineWindow,
                                     std::unique_ptr<Balance> balance,
                                     std::unique_ptr<RunClock> clock, std::string portText,
                                     UiServices services, RunSettings settings,
                                     std::function<void()> saveAs)
    : QObject(&mainWindow), balance_(std::move(balance)), clock_(std::move(clock)),
      target_(wineWindow), exchanges_(*balance_, *clock_, [this] { PassSoon(); }),
      session_(mainWindow, wineWindow, target_, exchanges_, *clock_, services.Boxes, settings,
               std::move(portText), std::move(saveAs), this) {
    connect(&session_, &CollectionSession::Finished, this, &QObject::deleteLater);
}

// The members go in reverse order: the session first, then the exchange
// thread, which is released and joined before the balance goes.
DesktopCollection::~DesktopCollection() = default;

void DesktopCollection::Begin() {
    session_.Begin();
}

// Called on the exchange thread: the session takes the outcome up on the
// main thread at once.
void DesktopCollection::PassSoon() {
    QMetaObject::invokeMethod(
        this, [this] { session_.Pass(); }, Qt::QueuedConnection);
}

void EndCollections(QWidget& mainWindow) {
    for (DesktopCollection* collection :
         mainWindow.findChildren<DesktopCollection*>(Qt::FindDirectChildrenOnly))
        delete collection;
}

} // namespace zephra
