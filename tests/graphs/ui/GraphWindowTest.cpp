#include "graphs/ui/GraphWindow.h"
#include "WineFixture.h"
#include "graphs/GraphColours.h"
#include "graphs/ui/GraphCommands.h"
#include "graphs/ui/GraphImages.h"
#include "support/RecordingBoxes.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace zephra {

using test::RecordingBoxes;
using test::RisingWine;
using test::WineFixture;

namespace {

// Answers the save dialog with a fixed path, or cancels.
class ScriptedFileDialog : public PictureFileDialog {
public:
    explicit ScriptedFileDialog(std::optional<QString> answer) : answer_(std::move(answer)) {}
    std::optional<QString> AskSavePath(QWidget*, const QString& suggested) override {
        Suggested = suggested;
        return answer_;
    }
    QString Suggested;

private:
    std::optional<QString> answer_;
};

// A power curve that is flat above the top with a zero exponent: its
// crossing with the top needs a division by zero.
TWineRec FaultyWine() {
    WineFixture w = RisingWine();
    w.bP = "0.000";
    w.A = 500;
    return w.Make();
}

} // namespace

class GraphWindowTest : public QObject {
    Q_OBJECT

private slots:
    void labWindowIsAFixedTopLevelWindowShowingTheSnapshot() {
        RecordingBoxes boxes;
        TWineRec rec = RisingWine().Make();
        QPointer<QWidget> window = OpenLabGraph(rec, boxes);
        QVERIFY(window);
        QVERIFY(window->isWindow());
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Lab Scale Graph"));
        QCOMPARE(window->size(), QSize(700, 600));
        QCOMPARE(window->minimumSize(), QSize(700, 600));
        QCOMPARE(window->maximumSize(), QSize(700, 600));
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(boxes.shown.empty());

        // A snapshot: changing the wine afterwards does not reach the window.
        const QImage expected = GraphWindowImage(rec, GraphScale::Laboratory,
                                                 DesktopColoursOf(window->palette()).WindowText);
        rec.TableData[0].R.assign("99.00");
        auto* graph = static_cast<GraphWindow*>(window.data());
        QCOMPARE(graph->Picture(), expected);
        QCOMPARE(window->grab().toImage().convertToFormat(QImage::Format_RGB32), expected);

        window->close();
        QTRY_VERIFY(window.isNull()); // deletes itself
    }

    // The title and the picture's file name name the wine, by its full name
    // where the notes keep one.
    void titleAndPictureNameNameTheWine() {
        RecordingBoxes boxes;
        TWineRec rec = RisingWine().Make();
        rec.Conditions.WineName.assign("Chardonnay 2024");
        TGraphWinLab window(boxes);
        window.FormCreate(rec);
        QCOMPARE(window.windowTitle(), QStringLiteral("Lab Scale Graph \u2014 Chardonnay 2024"));
        auto dialog = std::make_unique<ScriptedFileDialog>(std::nullopt);
        ScriptedFileDialog* asked = dialog.get();
        window.SetPictureFileDialog(std::move(dialog));
        window.SaveAction()->trigger();
        QCOMPARE(asked->Suggested, QStringLiteral("Chardonnay 2024 - Lab Scale Graph.png"));

        WineNotes notes;
        notes.WineName = "Chardonnay 2024 Vieilles Vignes";
        QPointer<QWidget> opened = OpenProductionGraph(rec, boxes, nullptr, notes);
        QCOMPARE(opened->windowTitle(),
                 QStringLiteral("Production Scale Graph \u2014 Chardonnay 2024 Vieilles Vignes"));
        delete opened;
        QVERIFY(boxes.shown.empty());
    }

    void productionWindowHasItsOwnCaptionAndManyCanBeOpen() {
        RecordingBoxes boxes;
        QPointer<QWidget> first = OpenProductionGraph(RisingWine().Make(), boxes);
        QPointer<QWidget> second = OpenProductionGraph(RisingWine().Make(), boxes);
        QVERIFY(first && second && first != second);
        QCOMPARE(first->windowTitle(), QStringLiteral("Production Scale Graph"));
        QVERIFY(first->isVisible() && second->isVisible());
        delete first;
        delete second;
    }

    void aFaultLeavesTheWindowOpenEmptyAndReportsIt() {
        RecordingBoxes boxes;
        QPointer<QWidget> window = OpenProductionGraph(FaultyWine(), boxes);
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Production Scale Graph"));
        auto* graph = static_cast<GraphWindow*>(window.data());
        QVERIFY(graph->Picture().isNull());
        QVERIFY(!graph->CopyAction()->isEnabled());
        QVERIFY(!graph->SaveAction()->isEnabled());
        QCOMPARE(boxes.shown.size(), std::size_t{1});
        QCOMPARE(boxes.shown[0].kind, BoxKind::Error);
        QVERIFY(QString::fromStdString(boxes.shown[0].text).contains("division by zero"));
        delete window;
    }

    void drawGraphKeepsThePreviousPictureOnAFault() {
        QLabel graph;
        graph.resize(250, 200);
        RecordingBoxes boxes;
        DrawGraph(graph, RisingWine().Make(), boxes);
        const QImage before = graph.pixmap().toImage();
        QVERIFY(!before.isNull());
        QVERIFY(boxes.shown.empty());

        DrawGraph(graph, FaultyWine(), boxes);
        QCOMPARE(graph.pixmap().toImage(), before);
        QCOMPARE(boxes.shown.size(), std::size_t{1});
        QCOMPARE(boxes.shown[0].kind, BoxKind::Error);
    }

    void contextMenuCopiesThePicture() {
        RecordingBoxes boxes;
        TGraphWinLab window(boxes);
        window.FormCreate(RisingWine().Make());
        QCOMPARE(window.contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(window.actions().size(), 2);
        QCOMPARE(window.actions()[0]->text(), QStringLiteral("Copy"));
        QCOMPARE(window.actions()[1]->text(), QStringLiteral("Save Picture As..."));

        window.CopyAction()->trigger();
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 window.Picture());
    }

    void savePictureAsWritesAPngAndReportsFailures() {
        QTemporaryDir dir;
        RecordingBoxes boxes;
        TGraphWinProd window(boxes);
        window.FormCreate(RisingWine().Make());

        auto dialog = std::make_unique<ScriptedFileDialog>(dir.filePath("picture"));
        ScriptedFileDialog* asked = dialog.get();
        window.SetPictureFileDialog(std::move(dialog));
        window.SaveAction()->trigger();
        QCOMPARE(asked->Suggested, QStringLiteral("Production Scale Graph.png"));
        QImage saved(dir.filePath("picture.png"), "PNG");
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), window.Picture());
        QVERIFY(boxes.shown.empty());

        window.SetPictureFileDialog(std::make_unique<ScriptedFileDialog>(std::nullopt));
        window.SaveAction()->trigger();
        QVERIFY(boxes.shown.empty());

        window.SetPictureFileDialog(
            std::make_unique<ScriptedFileDialog>(dir.filePath("missing/folder/p.png")));
        window.SaveAction()->trigger();
        QCOMPARE(boxes.shown.size(), std::size_t{1});
        QCOMPARE(boxes.shown[0].kind, BoxKind::Error);
    }
};

} // namespace zephra

QTEST_MAIN(zephra::GraphWindowTest)
#include "GraphWindowTest.moc"
