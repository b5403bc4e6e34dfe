#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace zephra::test {

// Runs `act` on the dialog of type Dialog as soon as it is shown modally
// (the code under test is then blocked in exec()). Whatever `act` leaves
// open is cancelled afterwards, so a failed check cannot hang the test.
template <typename Dialog> void WhenDialogOpens(std::function<void(Dialog&)> act) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<Dialog*>(widget);
            if (dialog == nullptr || !dialog->isVisible()) {
                continue;
            }
            poll->stop();
            poll->deleteLater();
            act(*dialog);
            if (dialog->isVisible()) {
                dialog->reject();
            }
            return;
        }
    });
    poll->start();
}

} // namespace zephra::test
