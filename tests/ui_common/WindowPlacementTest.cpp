#include "ui_common/WindowPlacement.h"

#include <QScreen>
#include <QWidget>
#include <QtTest>

using namespace zephra;

class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    // An owner at `ownerRect` (within the screen's available area) places a
    // window of `size`, shifted by `shift`; the cases are relative to the
    // available area's top left.
    void placesOverTheOwnerAndKeepsToTheScreen_data() {
        QTest::addColumn<QRect>("ownerRect");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("shift");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("centred") << QRect(100, 100, 400, 300) << QSize(200, 100) << 0
                                 << QPoint(200, 200);
        QTest::newRow("shifted") << QRect(100, 100, 400, 300) << QSize(200, 100) << 24
                                 << QPoint(224, 224);
        QTest::newRow("owner at the top left corner")
            << QRect(0, 0, 100, 100) << QSize(300, 300) << 0 << QPoint(0, 0);
    }
    void placesOverTheOwnerAndKeepsToTheScreen() {
        QFETCH(QRect, ownerRect);
        QFETCH(QSize, size);
        QFETCH(int, shift);
        QFETCH(QPoint, expected);
        QWidget owner;
        const QRect area = owner.screen()->availableGeometry();
        owner.setGeometry(ownerRect.translated(area.topLeft()));
        QCOMPARE(PlaceOverOwner(owner, size, shift), expected + area.topLeft());
    }

    void aWindowNearTheBottomRightStaysOnTheScreen() {
        QWidget owner;
        const QRect area = owner.screen()->availableGeometry();
        owner.setGeometry(QRect(area.bottomRight() - QPoint(150, 150), QSize(100, 100)));
        const QSize size(300, 200);
        const QRect placed(PlaceOverOwner(owner, size, 24), size);
        QVERIFY(area.contains(placed));
        QCOMPARE(placed.bottomRight(), area.bottomRight());
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"
