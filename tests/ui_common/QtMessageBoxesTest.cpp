#include "ui_common/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace zephra;

namespace {

struct SeenBox {
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QString Text;
    QMessageBox::StandardButtons Buttons;
    QMessageBox::StandardButton Default = QMessageBox::NoButton;
    Qt::TextFormat Format = Qt::AutoText;
};

// Shows one box and answers it from a timer: by pressing Escape, or by
// clicking `click` when it is not NoButton.
BoxAnswer ShowAndAnswer(BoxKind kind, BoxButtons buttons, BoxAnswer defaultButton,
                        QMessageBox::StandardButton click, SeenBox& seen) {
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        seen = {box->icon(), box->text(), box->standardButtons(),
                box->standardButton(box->defaultButton()), box->textFormat()};
        if (click == QMessageBox::NoButton)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(click)->click();
    });
    return QtMessageBoxes().Show(kind, "<b>/tmp/a.zph</b>", buttons, defaultButton);
}

} // namespace

class QtMessageBoxesTest : public QObject {
    Q_OBJECT

private slots:
    void showsKindButtonsDefaultAndPlainText_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("defaultButton");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("qtButtons");
        QTest::addColumn<int>("qtDefault");
        QTest::newRow("information ok")
            << int(BoxKind::Information) << int(BoxButtons::Ok) << int(BoxAnswer::Ok)
            << int(QMessageBox::Information) << int(QMessageBox::Ok) << int(QMessageBox::Ok);
        QTest::newRow("warning ok cancel")
            << int(BoxKind::Warning) << int(BoxButtons::OkCancel) << int(BoxAnswer::Cancel)
            << int(QMessageBox::Warning) << int(QMessageBox::Ok | QMessageBox::Cancel)
            << int(QMessageBox::Cancel);
        QTest::newRow("error ok") << int(BoxKind::Error) << int(BoxButtons::Ok)
                                  << int(BoxAnswer::Ok) << int(QMessageBox::Critical)
                                  << int(QMessageBox::Ok) << int(QMessageBox::Ok);
        QTest::newRow("question yes no cancel")
            << int(BoxKind::Question) << int(BoxButtons::YesNoCancel) << int(BoxAnswer::Yes)
            << int(QMessageBox::Question)
            << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
            << int(QMessageBox::Yes);
    }

    void showsKindButtonsDefaultAndPlainText() {
        QFETCH(int, kind);
        QFETCH(int, buttons);
        QFETCH(int, defaultButton);
        QFETCH(int, icon);
        QFETCH(int, qtButtons);
        QFETCH(int, qtDefault);
        SeenBox seen;
        ShowAndAnswer(BoxKind(kind), BoxButtons(buttons), BoxAnswer(defaultButton),
                      QMessageBox::StandardButton(qtDefault), seen);
        QCOMPARE(int(seen.Icon), icon);
        QCOMPARE(int(seen.Buttons), qtButtons);
        QCOMPARE(int(seen.Default), qtDefault);
        QCOMPARE(seen.Text, QStringLiteral("<b>/tmp/a.zph</b>"));
        QCOMPARE(seen.Format, Qt::PlainText);
    }

    void answersTheButtonClicked() {
        SeenBox seen;
        QCOMPARE(ShowAndAnswer(BoxKind::Warning, BoxButtons::YesNoCancel, BoxAnswer::Yes,
                               QMessageBox::No, seen),
                 BoxAnswer::No);
        QCOMPARE(ShowAndAnswer(BoxKind::Warning, BoxButtons::OkCancel, BoxAnswer::Cancel,
                               QMessageBox::Ok, seen),
                 BoxAnswer::Ok);
    }

    void escapeGivesTheCautiousAnswer() {
        SeenBox seen;
        QCOMPARE(ShowAndAnswer(BoxKind::Warning, BoxButtons::OkCancel, BoxAnswer::Cancel,
                               QMessageBox::NoButton, seen),
                 BoxAnswer::Cancel);
        QCOMPARE(ShowAndAnswer(BoxKind::Warning, BoxButtons::YesNoCancel, BoxAnswer::Yes,
                               QMessageBox::NoButton, seen),
                 BoxAnswer::Cancel);
        QCOMPARE(ShowAndAnswer(BoxKind::Warning, BoxButtons::YesNo, BoxAnswer::Yes,
                               QMessageBox::NoButton, seen),
                 BoxAnswer::No);
    }
};

QTEST_MAIN(QtMessageBoxesTest)
#include "QtMessageBoxesTest.moc"
