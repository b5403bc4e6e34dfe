#pragma once

#include <QLineEdit>
#include <QString>
#include <QTest>

namespace zephra::test {

// Replaces the text of `box` the way a user does: select all, then type
// each character as a key press (any Unicode character, unlike keyClicks).
inline void TypeInto(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace zephra::test
