#include "graphs/ui/FoulingAnalysisWindow.h"

#include "analysis/FoulingAnalysisText.h"
#include "document/WineFile.h"
#include "graphs/FoulingGraphPicture.h"
#include "graphs/ui/GraphCommands.h"
#include "graphs/ui/GraphImages.h"
#include "support/RecordingBoxes.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace zephra {

using test::RecordingBoxes;

namespace {

class ScriptedFileDialog : public PictureFileDialog {
public:
    explicit ScriptedFileDialog(QString answer, QString* offered = nullptr)
        : answer_(std::move(answer)), offered_(offered) {}
    std::optional<QString> AskSavePath(QWidget*, const QString& suggested) override {
        if (offered_ != nullptr)
            *offered_ = suggested;
        return answer_;
    }

private:
    QString answer_;
    QString* offered_;
};

TWineRec Sample() {
    TWineRec rec{};
    RecordingBoxes boxes;
    if (!ZephraFileOpen(ZEPHRA_SAMPLE_WINE, rec, boxes)) {
        qFatal("the sample wine cannot be read");
    }
    return rec;
}

} // namespace

class FoulingAnalysisWindowTest : public QObject {
    Q_OBJECT

private slots:
    void metricUnitsShowTheVolumesInHectolitres() {
        RecordingBoxes boxes;
        QPointer<QWidget> opened = OpenFoulingAnalysis(
            Sample(), boxes, nullptr, {}, {UnitSystem::Metric, MetricFlowUnit::LitresPerHour});
        QVERIFY(opened);
        const QString summary =
            static_cast<FoulingAnalysisWindow*>(opened.data())->Summary()->text();
        // The best law's production capacity, 2425 gal.
        QVERIFY2(summary.contains(QStringLiteral("91.8 hL")), qPrintable(summary));
        QVERIFY(summary.contains(QStringLiteral("64.7 hL")));
        QVERIFY(summary.contains(QStringLiteral("131 hL")));
        QVERIFY(!summary.contains(QStringLiteral("gal")));
        delete opened.data();
    }

    void showsTheTableTheSummaryAndTheGraphOfASnapshot() {
        RecordingBoxes boxes;
        TWineRec rec = Sample();
        QPointer<QWidget> opened = OpenFoulingAnalysis(rec, boxes);
        QVERIFY(opened);
        QVERIFY(opened->isWindow());
        QVERIFY(opened->isVisible());
        QCOMPARE(opened->windowTitle(), QStringLiteral("Fouling Analysis \u2014 Chardonnay 2024"));
        auto* window = static_cast<FoulingAnalysisWindow*>(opened.data());
        QVERIFY(boxes.shown.empty());

        const QTableWidget* table = window->Table();
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Law"));
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("complete blocking"));
        QCOMPARE(table->item(2, 2)->text().left(7), QStringLiteral("Vmax = "));
        QCOMPARE(table->item(3, 7)->text(), QStringLiteral("best"));
        QVERIFY(table->item(3, 0)->font().bold());
        QVERIFY(!table->item(0, 0)->font().bold());

        const QString summary = window->Summary()->text();
        QVERIFY(summary.contains(QStringLiteral("Chardonnay 2024 - Membrane 0.65")));
        QVERIFY(summary.contains(QStringLiteral("Capacity by Vmax")));
        QVERIFY(summary.contains(QStringLiteral("1,709 gal")));
        QVERIFY(summary.contains(QStringLiteral("3,453 gal")));
        QVERIFY(summary.contains(QStringLiteral("cake filtration")));

        // The graph shown is the analysis' picture, drawn from the snapshot.
        const QImage expected = FoulingGraphImage(AnalyzeFouling(rec), Colour{0, 0, 0});
        rec.Data.V[5].assign("   1.0");
        QCOMPARE(window->Picture(), expected);
        QCOMPARE(window->GraphLabel()->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 expected);
        QCOMPARE(expected.size(), QSize(FoulingGraphWidth, FoulingGraphHeight));

        opened->close();
        QTRY_VERIFY(opened.isNull());
    }

    void contextMenuCopiesThePictureAndTheTable() {
        RecordingBoxes boxes;
        FoulingAnalysisWindow window(boxes);
        window.FormCreate(Sample());
        QCOMPARE(window.contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(window.actions().size(), 3);
        QCOMPARE(window.actions()[0]->text(), QStringLiteral("Copy"));
        QCOMPARE(window.actions()[1]->text(), QStringLiteral("Save Picture As..."));
        QCOMPARE(window.actions()[2]->text(), QStringLiteral("Copy Table"));

        window.CopyAction()->trigger();
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 window.Picture());

        // Numbers as numbers, one column per quantity with its unit: the
        // laws, then the wine's results with Vmax and the capacities.
        window.CopyTableAction()->trigger();
        const QString text = QApplication::clipboard()->text();
        const QStringList lines = text.split('\n');
        QCOMPARE(lines.size(), 9); // the last line break ends an empty piece
        const QStringList laws = lines[0].split('\t');
        QCOMPARE(laws.mid(0, 6), (QStringList{"law", "J0 (LMH)", "Kb (1/h)", "Ki (m²/L)",
                                              "Vmax (L/m²)", "Kc (h·m⁴/L²)"}));
        QVERIFY(laws.contains(QStringLiteral("capacity lower bound 95 % (L/m²)")));
        for (int row = 1; row <= 4; ++row) {
            const QStringList cells = lines[row].split('\t');
            QCOMPARE(cells.size(), laws.size());
            for (int c = 1; c < cells.size(); ++c) {
                bool number = true;
                if (!cells[c].isEmpty())
                    cells[c].toDouble(&number);
                QVERIFY2(number, qPrintable(cells[c]));
            }
        }
        const QStringList standard = lines[3].split('\t');
        QCOMPARE(standard[0], QStringLiteral("standard"));
        // Nine significant digits.
        const double vmax = window.Analysis().Fit(BlockingLaw::Standard).Params.K;
        QVERIFY(std::abs(standard[4].toDouble() - vmax) < 1e-8 * vmax);
        QCOMPARE(lines[5], QString());
        const QStringList names = lines[6].split('\t');
        const QStringList values = lines[7].split('\t');
        QCOMPARE(names.size(), values.size());
        const auto value = [&](const char* name) { return values[names.indexOf(name)]; };
        QCOMPARE(value("best law"), QStringLiteral("cake"));
        QCOMPARE(value("Vmax (L/m²)"), QString()); // the standard law is not the best
        QCOMPARE(value("exponential model estimate (gal)"), QStringLiteral("1709"));
        QCOMPARE(value("power model estimate (gal)"), QStringLiteral("3453"));
        const double capacity = window.Analysis().BestCapacity->Value;
        QVERIFY(std::abs(value("best law capacity (L/m²)").toDouble() - capacity) <
                1e-8 * capacity);
    }

    // The heading names the wine and the filter in full, as the notes keep
    // them, not the record's 16 characters.
    void headingShowsTheFullNames() {
        RecordingBoxes boxes;
        FoulingAnalysisWindow window(boxes);
        WineNotes notes;
        notes.WineName = "Chardonnay 2024 Reserve Tank 7";
        notes.FilterName = "Membrane 0.65 PES cartridge";
        window.FormCreate(Sample(), notes);
        QVERIFY2(window.Summary()->text().contains(QStringLiteral(
                     "Chardonnay 2024 Reserve Tank 7 - Membrane 0.65 PES cartridge")),
                 qPrintable(window.Summary()->text()));
    }

    void savePictureAsWritesThePictureShown() {
        RecordingBoxes boxes;
        QTemporaryDir dir;
        FoulingAnalysisWindow window(boxes);
        QString offered;
        window.SetPictureFileDialog(
            std::make_unique<ScriptedFileDialog>(dir.filePath("fouling"), &offered));
        WineNotes notes;
        notes.WineName = "Chardonnay 2024 Reserve / Tank 7";
        window.FormCreate(Sample(), notes);
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("Fouling Analysis \u2014 Chardonnay 2024 Reserve / Tank 7"));
        window.SaveAction()->trigger();
        QCOMPARE(offered,
                 QStringLiteral("Chardonnay 2024 Reserve - Tank 7 - Fouling Analysis.png"));
        QVERIFY(boxes.shown.empty());
        const QImage saved(dir.filePath("fouling.png"), "PNG");
        QVERIFY(!saved.isNull());
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), window.Picture());
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32),
                 window.GraphLabel()->pixmap().toImage().convertToFormat(QImage::Format_RGB32));

        window.SetPictureFileDialog(
            std::make_unique<ScriptedFileDialog>(dir.filePath("missing/folder/x.png")));
        window.SaveAction()->trigger();
        QCOMPARE(boxes.shown.size(), std::size_t{1});
        QCOMPARE(boxes.shown[0].kind, BoxKind::Error);

        // A picture never replaces a wine file.
        const QString wine = dir.filePath("wine.zph");
        QVERIFY(QFile::copy(ZEPHRA_SAMPLE_WINE, wine));
        window.SetPictureFileDialog(std::make_unique<ScriptedFileDialog>(wine));
        window.SaveAction()->trigger();
        QCOMPARE(boxes.shown.size(), std::size_t{2});
        QCOMPARE(boxes.shown[1].text, "The picture was not saved to " +
                                          QFile::encodeName(wine).toStdString() +
                                          ": it is a wine file, which an output never replaces.");
        // Nor a wine reached through another hard link of its file.
        const QString hard = dir.filePath("hard.png");
        QVERIFY(::link(QFile::encodeName(wine).constData(), QFile::encodeName(hard).constData()) ==
                0);
        window.SetPictureFileDialog(std::make_unique<ScriptedFileDialog>(hard));
        window.SaveAction()->trigger();
        QCOMPARE(boxes.shown.size(), std::size_t{3});
        QCOMPARE(boxes.shown[2].text, "The picture was not saved to " +
                                          QFile::encodeName(hard).toStdString() +
                                          ": it is a wine file, which an output never replaces.");
        QFile written(wine);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QFile sample(ZEPHRA_SAMPLE_WINE);
        QVERIFY(sample.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), sample.readAll());
    }

    void wineWithoutDataShowsNotEnoughData() {
        RecordingBoxes boxes;
        TWineRec rec = Sample();
        for (auto& v : rec.Data.V) {
            v.clear();
        }
        FoulingAnalysisWindow window(boxes);
        window.FormCreate(rec);
        QVERIFY(boxes.shown.empty());
        QCOMPARE(window.Table()->item(0, 7)->text(), QStringLiteral("not fitted: not enough data"));
        QVERIFY(window.Summary()->text().contains(QStringLiteral("not enough data")));
        QVERIFY(!window.Picture().isNull());
    }
};

} // namespace zephra

QTEST_MAIN(zephra::FoulingAnalysisWindowTest)
#include "FoulingAnalysisWindowTest.moc"
