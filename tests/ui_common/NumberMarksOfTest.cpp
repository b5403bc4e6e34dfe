#include "ui_common/Translation.h"

#include <QtTest>

using namespace zephra;

// The marks the desktop takes from each locale it speaks.
class NumberMarksOfTest : public QObject {
    Q_OBJECT

private slots:
    void marksOfTheLocales_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("group");
        const QString nnbsp(QChar(0x202F));
        QTest::newRow("en") << "en_US"
                            << "."
                            << ",";
        for (const char* name : {"fr_FR", "it_IT", "es_ES", "de_DE", "pt_PT"}) {
            QTest::newRow(name) << name << "," << nnbsp;
        }
    }

    void marksOfTheLocales() {
        QFETCH(QString, locale);
        QFETCH(QString, decimal);
        QFETCH(QString, group);
        const NumberMarks marks = NumberMarksOf(QLocale(locale));
        QCOMPARE(QString::fromStdString(marks.Decimal), decimal);
        QCOMPARE(QString::fromStdString(marks.Group), group);
        QLocale c = QLocale::c();
        QCOMPARE(QString::fromStdString(NumberMarksOf(c).Group), QString());
    }

    // A chosen language other than the system's brings its own numbers.
    void numbersFollowTheChosenLanguage() {
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        QCOMPARE(NumbersLocale(QStringLiteral("en")).name(), QStringLiteral("en_US"));
        QCOMPARE(NumbersLocale(QStringLiteral("de")).decimalPoint(), QStringLiteral(","));
        QLocale::setDefault(QLocale(QStringLiteral("de_AT")));
        QCOMPARE(NumbersLocale(QStringLiteral("de")).name(), QStringLiteral("de_AT"));
    }
};

QTEST_MAIN(NumberMarksOfTest)
#include "NumberMarksOfTest.moc"
