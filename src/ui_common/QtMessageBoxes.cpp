#include "ui_common/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace zephra {

namespace {

QMessageBox::StandardButton ToQt(BoxAnswer answer) {
    switch (answer) {
    case BoxAnswer::Ok:
        return QMessageBox::Ok;
    case BoxAnswer::Cancel:
        return QMessageBox::Cancel;
    case BoxAnswer::Yes:
        return QMessageBox::Yes;
    case BoxAnswer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons ToQt(BoxButtons buttons) {
    switch (buttons) {
    case BoxButtons::Ok:
        return QMessageBox::Ok;
    case BoxButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case BoxButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case BoxButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// Closing a box without a button counts as its most cautious answer.
BoxAnswer ClosedAnswer(BoxButtons buttons) {
    switch (buttons) {
    case BoxButtons::Ok:
        return BoxAnswer::Ok;
    case BoxButtons::YesNo:
        return BoxAnswer::No;
    case BoxButtons::OkCancel:
    case BoxButtons::YesNoCancel:
        return BoxAnswer::Cancel;
    }
    return BoxAnswer::Cancel;
}

} // namespace

BoxAnswer QtMessageBoxes::Show(BoxKind kind, const std::string& text, BoxButtons buttons,
                               BoxAnswer defaultButton) {
    QMessageBox::Icon icon = QMessageBox::Information;
    QString title = QCoreApplication::translate("MessageBoxes", "Information");
    switch (kind) {
    case BoxKind::Information:
        break;
    case BoxKind::Warning:
        icon = QMessageBox::Warning;
        title = QCoreApplication::translate("MessageBoxes", "Warning");
        break;
    case BoxKind::Error:
        icon = QMessageBox::Critical;
        title = QCoreApplication::translate("MessageBoxes", "Error");
        break;
    case BoxKind::Question:
        icon = QMessageBox::Question;
        title = QCoreApplication::translate("MessageBoxes", "Confirm");
        break;
    }
    // The core's fixed messages are marked for translation (ShownText); every
    // other text arrives in the program's language already.
    QMessageBox box(icon, title, QCoreApplication::translate("Messages", text.c_str()),
                    ToQt(buttons), QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(ToQt(defaultButton));
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok:
        return BoxAnswer::Ok;
    case QMessageBox::Cancel:
        return BoxAnswer::Cancel;
    case QMessageBox::Yes:
        return BoxAnswer::Yes;
    case QMessageBox::No:
        return BoxAnswer::No;
    default:
        return ClosedAnswer(buttons);
    }
}

} // namespace zephra
