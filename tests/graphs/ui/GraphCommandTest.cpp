#include "document/WineFile.h"
#include "graphs/ui/GraphImages.h"
#include "support/RecordingBoxes.h"

#include <QGuiApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

namespace zephra {

using test::RecordingBoxes;

// Runs `zephra-cli graph` on the sample wine and compares its pictures with
// the ones the program draws.
class GraphCommandTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    int Run(const QStringList& args, QString* errors = nullptr) {
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM"); // the command chooses offscreen itself
        env.remove("DISPLAY");
        cli.setProcessEnvironment(env);
        cli.start(QStringLiteral(ZEPHRA_CLI), QStringList{"graph"} + args);
        if (!cli.waitForFinished(30000)) {
            return -1;
        }
        if (errors != nullptr) {
            *errors = QString::fromUtf8(cli.readAllStandardError());
        }
        return cli.exitCode();
    }

private slots:
    void drawsTheThreePicturesWithoutADisplay_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QSize>("size");
        QTest::newRow("window") << "window" << QSize(250, 200);
        QTest::newRow("lab") << "lab" << QSize(700, 600);
        QTest::newRow("production") << "production" << QSize(700, 600);
    }

    void drawsTheThreePicturesWithoutADisplay() {
        QFETCH(QString, kind);
        QFETCH(QSize, size);
        const QString out = dir_.filePath(kind + ".png");
        QCOMPARE(Run({"--kind", kind, ZEPHRA_SAMPLE_WINE, "-o", out}), 0);
        const QImage image = QImage(out, "PNG").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.size(), size);

        if (kind != "window") {
            TWineRec rec{};
            RecordingBoxes boxes;
            QVERIFY(ZephraFileOpen(ZEPHRA_SAMPLE_WINE, rec, boxes));
            const GraphScale scale =
                kind == "lab" ? GraphScale::Laboratory : GraphScale::Production;
            QCOMPARE(image, GraphWindowImage(rec, scale, Colour{0, 0, 0}));
        }
    }

    void reportsWrongUsageAndUnreadableFiles() {
        QCOMPARE(Run({"--kind", "pie", ZEPHRA_SAMPLE_WINE, "-o", dir_.filePath("x.png")}), 2);
        QCOMPARE(Run({"--kind", "lab", ZEPHRA_SAMPLE_WINE}), 2);
        QString errors;
        QCOMPARE(Run({"--kind", "lab", dir_.filePath("missing.zph"), "-o", dir_.filePath("x.png")},
                     &errors),
                 1);
        QVERIFY(errors.contains("I/O Error type"));
        QCOMPARE(Run({"--kind", "lab", ZEPHRA_SAMPLE_WINE, "-o", dir_.filePath("no/dir/x.png")}),
                 1);
    }
};

} // namespace zephra

QTEST_MAIN(zephra::GraphCommandTest)
#include "GraphCommandTest.moc"
