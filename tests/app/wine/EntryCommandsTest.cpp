#include "app/wine/EntryCommands.h"

#include "app/ProgramSettings.h"

#include "entry/ConditionsRecord.h"
#include "entry/ui/ConditionsDlg.h"
#include "entry/ui/DataDlg.h"

#include "support/ModalDriver.h"
#include "support/RecordingBoxes.h"
#include "support/TypeInto.h"
#include "support/WineWindowOn.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>

#include <cmath>
#include <cstring>

using namespace zephra;
using zephra::test::RecordingBoxes;
using zephra::test::TypeInto;
using zephra::test::WhenDialogOpens;
using zephra::test::WineWindowOn;

namespace {

const char* const InsufficientMessage = "Data is insufficient to calculate fouling constants.";
const char* const DataMessage = "There is an error in the data entry. Please correct it and retry, "
                                "or cancel. (Volume increments must be greater than 0.1 ml.)";

void Click(QAbstractButton* button) {
    // Radio buttons react only on their indicator and caption.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void FillConditions(TConditionsDlg& dlg, const QString& wineName, const QString& filterName) {
    TypeInto(dlg.WineName, wineName);
    TypeInto(dlg.FilterName, filterName);
    TypeInto(dlg.LabPressure, "5");
    TypeInto(dlg.FilterDiameter, "47");
    TypeInto(dlg.MaxPressure, "30");
    TypeInto(dlg.Area, "1.5");
    TypeInto(dlg.Rate, "100");
}

// A 20-point trial as a user types it: a reading every 30 s of a wine whose
// flow slows as the filter fouls.
struct Reading {
    QString volume, minutes, seconds;
};
std::vector<Reading> TwentyPointTrial() {
    std::vector<Reading> trial;
    for (int i = 1; i <= 20; ++i) {
        const int t = 30 * i;
        const double v = 800.0 * (1.0 - std::exp(-t / 1200.0));
        trial.push_back(
            {QString::number(v, 'f', 1), QString::number(t / 60), QString::number(t % 60)});
    }
    return trial;
}

void TypeTrial(TDataDlg& dlg, const std::vector<Reading>& trial) {
    for (std::size_t i = 0; i < trial.size(); ++i) {
        TypeInto(dlg.V[i], trial[i].volume);
        TypeInto(dlg.Min[i], trial[i].minutes);
        TypeInto(dlg.Sec[i], trial[i].seconds);
    }
}

TWineClass NewWine() {
    ConditionsForm form;
    form.WineName = "Merlot";
    form.FilterName = "K250";
    form.LabPressure = " 5.0";
    form.FilterDiameter = "47.0";
    form.MaxPressure = "  30";
    form.Area = "1.50";
    form.Rate = " 100";
    TWineClass wine;
    wine.WineRec = NewWineRecord(form);
    return wine;
}

// A wine holding the trial in its readings, with blank results.
TWineClass WineWithTrial() {
    TWineClass wine = NewWine();
    RecordingBoxes boxes;
    WhenDialogOpens<TDataDlg>([](TDataDlg& dlg) {
        TypeTrial(dlg, TwentyPointTrial());
        QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
    });
    EditData(nullptr, WineWindowOn(boxes, wine).Window());
    TWineClass blank = NewWine();
    blank.WineRec.Data = wine.WineRec.Data;
    return blank;
}

bool SameBytes(const TWineRec& a, const TWineRec& b) {
    return std::memcmp(&a, &b, sizeof(TWineRec)) == 0;
}

std::string Text(const auto& field) {
    return std::string(field.text());
}

// Gives the named control of the dialog the keyboard focus, as Tab would,
// and presses Enter there.
void PressEnterOn(QWidget& dialog, const QString& control) {
    auto* target = dialog.findChild<QWidget*>(control);
    QVERIFY(target != nullptr);
    target->setFocus(Qt::TabFocusReason);
    QTest::keyClick(target, Qt::Key_Return);
}

// Enter on a focused button presses that button; Enter in a box presses
// the default button, OK.
void AddEnterCases(const char* box) {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("Cancel") << "CancelButton" << false;
    QTest::newRow("OK") << "OKButton" << true;
    QTest::newRow("box") << box << true;
}

// Runs `command` on a new wine; once its dialog of type Dialog is open and
// filled, Enter is pressed on the control of the current test row. The wine
// changes exactly when the row expects the dialog confirmed.
template <typename Dialog>
void CheckEnter(bool (*command)(QWidget*, TMDIChild&), std::function<void(Dialog&)> fill) {
    QFETCH(QString, control);
    QFETCH(bool, confirmed);
    RecordingBoxes boxes;
    TWineClass wine = NewWine();
    const TWineRec before = wine.WineRec;
    WhenDialogOpens<Dialog>([control, fill](Dialog& dlg) {
        fill(dlg);
        PressEnterOn(dlg, control);
    });
    QCOMPARE(command(nullptr, WineWindowOn(boxes, wine).Window()), confirmed);
    QCOMPARE(wine.Modified, confirmed);
    QCOMPARE(SameBytes(wine.WineRec, before), !confirmed);
}

} // namespace

class EntryCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void newWineIsFilledFromTheConfirmedDialog() {
        RecordingBoxes boxes;
        WhenDialogOpens<TConditionsDlg>([](TConditionsDlg& dlg) {
            FillConditions(dlg, QString::fromUtf8("Ch\u00e2teau \u03a9"), "K250");
            QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
        });
        TWineRec rec{};
        WineNotes notes;
        QString caption;
        QVERIFY(NewWineFromConditions(nullptr, boxes, rec, notes, caption));
        QCOMPARE(caption, QString::fromUtf8("Ch\u00e2teau \u03a9 K250"));
        QCOMPARE(Text(rec.Conditions.WineName), std::string("Ch\xe2teau ?"));
        QCOMPARE(Text(rec.Conditions.FilterName), std::string("K250"));
        QCOMPARE(rec.Conditions.VolType.get(), 1);
        QCOMPARE(rec.Conditions.WineType.get(), 0);
        QCOMPARE(Text(rec.Conditions.LabP), std::string(" 5.0"));
        QCOMPARE(Text(rec.Conditions.LabFiltDia), std::string("47.0"));
        QCOMPARE(Text(rec.Conditions.ProdP), std::string("  30"));
        QCOMPARE(Text(rec.Conditions.ProdA), std::string("1.50"));
        QCOMPARE(Text(rec.Conditions.ProdRate), std::string(" 100"));
        QCOMPARE(rec.Conditions.ProdRateUnits.get(), 0);
        QCOMPARE(Text(rec.ProdFaceVel), std::string("13.2"));
        QCOMPARE(Text(rec.bE), std::string(5, ' '));
        QCOMPARE(Text(rec.a), std::string(7, ' '));
        QCOMPARE(Text(rec.ExpectedVolP), std::string(6, ' '));
        QCOMPARE(Text(rec.LabA), std::string(" 17.3"));
        QVERIFY(rec.Data.V[0].empty());
        QVERIFY(boxes.shown.empty());
    }

    void newWineTakesTheChoices() {
        RecordingBoxes boxes;
        WhenDialogOpens<TConditionsDlg>([](TConditionsDlg& dlg) {
            FillConditions(dlg, "ABCDEFGHIJKLMNOPQRST", "K");
            TypeInto(dlg.Area, "1");
            TypeInto(dlg.Rate, "200");
            Click(dlg.UnitsGPM);
            Click(dlg.WineTypeDessert);
            QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
        });
        TWineRec rec{};
        WineNotes notes;
        QString caption;
        QVERIFY(NewWineFromConditions(nullptr, boxes, rec, notes, caption));
        QCOMPARE(Text(rec.Conditions.WineName), std::string("ABCDEFGHIJKLMNOP"));
        QCOMPARE(notes.WineName, std::string("ABCDEFGHIJKLMNOPQRST"));
        QCOMPARE(caption, QStringLiteral("ABCDEFGHIJKLMNOPQRST K"));
        QCOMPARE(rec.Conditions.WineType.get(), 1);
        QCOMPARE(rec.Conditions.ProdRateUnits.get(), 1);
        QCOMPARE(Text(rec.ProdFaceVel), std::string(" 200"));
    }

    void namesAreStoredInWindows1252() {
        RecordingBoxes boxes;
        // "Cafe" with a combining acute accent, and a name of 16 characters
        // none of which Windows-1252 holds.
        const QString decomposed = QString::fromUtf8("Cafe\u0301");
        const QString greek = QString(16, QChar(0x03A9));
        WhenDialogOpens<TConditionsDlg>([&](TConditionsDlg& dlg) {
            FillConditions(dlg, decomposed, greek);
            QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
        });
        TWineRec rec{};
        WineNotes notes;
        QString caption;
        QVERIFY(NewWineFromConditions(nullptr, boxes, rec, notes, caption));
        QCOMPARE(Text(rec.Conditions.WineName), std::string("Caf\xe9"));
        QCOMPARE(Text(rec.Conditions.FilterName), std::string(16, '?'));
        QCOMPARE(caption, decomposed + " " + greek);
    }

    void cancelledNewWineMakesNothing() {
        RecordingBoxes boxes;
        WhenDialogOpens<TConditionsDlg>([](TConditionsDlg& dlg) {
            FillConditions(dlg, "Merlot", "K250");
            QTest::mouseClick(dlg.CancelButton, Qt::LeftButton);
        });
        TWineRec rec{};
        const TWineRec before = rec;
        WineNotes notes;
        QString caption = "unchanged";
        QVERIFY(!NewWineFromConditions(nullptr, boxes, rec, notes, caption));
        QVERIFY(SameBytes(rec, before));
        QVERIFY(notes.Empty());
        QCOMPARE(caption, QString("unchanged"));
    }

    void editConditionsStoresLabAAndRecalculates_data() {
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("labA");
        QTest::newRow("47.0") << "47.0"
                              << " 17.3";
        QTest::newRow("1000") << "1000"
                              << " 7854";
    }
    void editConditionsStoresLabAAndRecalculates() {
        QFETCH(QString, diameter);
        QFETCH(QString, labA);
        RecordingBoxes boxes;
        TWineClass wine = NewWine();
        WhenDialogOpens<TConditionsDlg>([diameter](TConditionsDlg& dlg) {
            QCOMPARE(dlg.LabPressure->text(), QString(" 5.0"));
            TypeInto(dlg.FilterDiameter, diameter);
            TypeInto(dlg.WineName, "Syrah");
            QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
        });
        QVERIFY(EditConditions(nullptr, WineWindowOn(boxes, wine).Window()));
        QCOMPARE(Text(wine.WineRec.LabA), labA.toStdString());
        QCOMPARE(Text(wine.WineRec.Conditions.WineName), std::string("Syrah"));
        QCOMPARE(wine.WineRec.Conditions.VolType.get(), 1);
        QVERIFY(wine.Modified);
        // The calculation ran with its message boxes: there are no readings.
        QCOMPARE(boxes.Texts(), std::vector<std::string>{InsufficientMessage});
        QVERIFY(Text(wine.WineRec.MaxProdR) != std::string(6, ' '));
    }

    // The comments and the full names are kept with the wine and shown the
    // next time; the record keeps the first 16 characters of each name.
    void commentsAndFullNamesAreKeptForTheNextTime() {
        RecordingBoxes boxes;
        TWineClass wine = NewWine();
        const QString longName = QStringLiteral("Sauvignon Blanc 25 Reserve Lot");
        WhenDialogOpens<TConditionsDlg>([&longName](TConditionsDlg& dlg) {
            QCOMPARE(dlg.Comments->text(), QString());
            TypeInto(dlg.WineName, longName);
            TypeInto(dlg.Comments, QString(128, QChar('x')));
            QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
        });
        QVERIFY(EditConditions(nullptr, WineWindowOn(boxes, wine).Window()));
        QCOMPARE(Text(wine.WineRec.Conditions.WineName), std::string("Sauvignon Blanc "));
        QCOMPARE(wine.Notes.WineName, longName.toStdString());
        QCOMPARE(wine.Notes.Comments, std::string(128, 'x'));
        QString shownName, shownComments;
        WhenDialogOpens<TConditionsDlg>([&](TConditionsDlg& dlg) {
            shownName = dlg.WineName->text();
            shownComments = dlg.Comments->text();
            QTest::mouseClick(dlg.CancelButton, Qt::LeftButton);
        });
        QVERIFY(!EditConditions(nullptr, WineWindowOn(boxes, wine).Window()));
        QCOMPARE(shownName, longName);
        QCOMPARE(shownComments, QString(128, QChar('x')));
    }

    void cancelledEditConditionsChangesNothing() {
        RecordingBoxes boxes;
        TWineClass wine = NewWine();
        const TWineRec before = wine.WineRec;
        WhenDialogOpens<TConditionsDlg>([](TConditionsDlg& dlg) {
            TypeInto(dlg.LabPressure, "0.01");
            TypeInto(dlg.Comments, "not kept");
            QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
            TypeInto(dlg.LabPressure, "9");
            QTest::mouseClick(dlg.CancelButton, Qt::LeftButton);
        });
        QVERIFY(!EditConditions(nullptr, WineWindowOn(boxes, wine).Window()));
        QVERIFY(SameBytes(wine.WineRec, before));
        QVERIFY(wine.Notes.Empty());
        QVERIFY(!wine.Modified);
        QCOMPARE(boxes.shown.size(), std::size_t(1));
    }

    // A wine typed in metric units is the wine typed in US units with the
    // converted values; a rate typed in hL/h is stored as gpm, and hL/h is
    // remembered as the unit flows show in.
    void newWineInMetricUnitsIsTheUsWineConverted_data() {
        QTest::addColumn<bool>("hectolitres");
        QTest::newRow("bpm") << false;
        QTest::newRow("hL/h") << true;
    }
    void newWineInMetricUnitsIsTheUsWineConverted() {
        QFETCH(bool, hectolitres);
        RecordingBoxes boxes;
        ProgramSettings settings;
        settings.SetUnitSystem(UnitSystem::Metric);
        WhenDialogOpens<TConditionsDlg>([hectolitres](TConditionsDlg& dlg) {
            FillConditions(dlg, "Merlot", "K250");
            TypeInto(dlg.LabPressure, "0.345");
            TypeInto(dlg.MaxPressure, "2.07");
            if (hectolitres) {
                TypeInto(dlg.Rate, "50");
                Click(dlg.UnitsHLPH);
            }
            QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
        });
        TWineRec rec{};
        WineNotes notes;
        QString caption;
        QVERIFY(NewWineFromConditions(nullptr, boxes, rec, notes, caption, settings));
        QVERIFY(boxes.shown.empty());
        TWineClass us = NewWine();
        if (hectolitres) {
            us.WineRec.Conditions.ProdRate.assign("22.0");
            us.WineRec.Conditions.ProdRateUnits.set(1);
            us.WineRec.ProdFaceVel.assign(ProdFaceVelText("22.0", "1.50", 1));
        }
        QVERIFY(SameBytes(rec, us.WineRec));
        QCOMPARE(settings.Units().Flow,
                 hectolitres ? MetricFlowUnit::HectolitresPerHour : MetricFlowUnit::LitresPerHour);
    }

    // Edit Conditions and Edit Data on a window showing metric units: the
    // dialog shows the stored values converted, confirming it keeps them,
    // and the report shows the wine in metric units.
    void metricWindowEditsInMetricUnits() {
        RecordingBoxes boxes;
        ProgramSettings settings;
        settings.SetUnitSystem(UnitSystem::Metric);
        TWineClass wine = WineWithTrial();
        const TConditions before = wine.WineRec.Conditions;
        {
            WineWindowOn on(boxes, wine, settings.Units());
            WhenDialogOpens<TConditionsDlg>([](TConditionsDlg& dlg) {
                QCOMPARE(dlg.LabPressure->text(), QString("0.345"));
                QCOMPARE(dlg.MaxPressure->text(), QString("2.1"));
                QVERIFY(dlg.UnitsBPM->isChecked());
                QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
            });
            QVERIFY(EditConditions(nullptr, on.Window(), settings));
            QVERIFY(std::memcmp(&on.Window().WineClass.WineRec.Conditions, &before,
                                sizeof before) == 0);
            const QString table = on.Window().Memo2->toPlainText();
            QVERIFY2(table.contains("pressure: 0.34 bar         maximum pressure:  2.1 bar"),
                     qPrintable(table));
            QVERIFY(table.contains(QString::fromUtf8(" L/(m²·h)       face velocity:")));
            QVERIFY(on.Window().Memo1->toPlainText().contains(" hL"));
            QVERIFY(!on.Window().Memo1->toPlainText().contains("gallons"));

            WhenDialogOpens<TDataDlg>(
                [](TDataDlg& dlg) { QTest::mouseClick(dlg.OKButton, Qt::LeftButton); });
            QVERIFY(EditData(nullptr, on.Window()));
            QVERIFY(on.Window().Memo2->toPlainText().contains(" bar"));
        }
        QVERIFY(wine.Modified);
    }

    void enterInTheConditionsDialog_data() { AddEnterCases("LabPressure"); }
    void enterInTheConditionsDialog() {
        CheckEnter<TConditionsDlg>(EditConditions,
                                   [](TConditionsDlg& dlg) { TypeInto(dlg.LabPressure, "9"); });
    }

    void enterInTheDataDialog_data() { AddEnterCases("Sec20"); }
    void enterInTheDataDialog() {
        CheckEnter<TDataDlg>(EditData, [](TDataDlg& dlg) { TypeTrial(dlg, TwentyPointTrial()); });
    }

    // An empty volume in row 6 ends the data there: the rows after it are
    // named once, after the calculation's own messages; nothing else changes.
    void rowsTheCalculationDoesNotUseAreNamed() {
        RecordingBoxes boxes;
        TWineClass wine = NewWine();
        WhenDialogOpens<TDataDlg>([](TDataDlg& dlg) {
            TypeTrial(dlg, TwentyPointTrial());
            TypeInto(dlg.V[5], "");
            QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
        });
        QVERIFY(EditData(nullptr, WineWindowOn(boxes, wine).Window()));
        QVERIFY(!boxes.shown.empty());
        QCOMPARE(boxes.shown.back().text,
                 std::string("Rows 7 to 20 are not used: row 6 has no volume."));
        QCOMPARE(boxes.shown.back().kind, BoxKind::Warning);
        QCOMPARE(boxes.Count(boxes.shown.back().text), 1);
        QVERIFY(wine.WineRec.Data.V[5].empty());
        QVERIFY(!wine.WineRec.Data.V[19].empty());
        QVERIFY(wine.WineRec.TableData[6].V.empty());
    }

    void typedTrialIsStoredAndCalculated() {
        RecordingBoxes boxes;
        TWineClass wine = NewWine();
        WhenDialogOpens<TDataDlg>([](TDataDlg& dlg) {
            TypeTrial(dlg, TwentyPointTrial());
            QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
        });
        QVERIFY(EditData(nullptr, WineWindowOn(boxes, wine).Window()));
        QVERIFY(wine.Modified);
        const TData& data = wine.WineRec.Data;
        QCOMPARE(Text(data.V[0]), std::string("  19.8"));
        QCOMPARE(Text(data.T[0].M), std::string("  0"));
        QCOMPARE(Text(data.T[0].Sc), std::string("30"));
        QCOMPARE(Text(data.T[19].M), std::string(" 10"));
        QCOMPARE(Text(data.T[19].Sc), std::string("00"));
        QVERIFY(data.V[20].empty());
        QCOMPARE(Text(wine.WineRec.TableData[19].V), Text(data.V[19]));
        QVERIFY(Text(wine.WineRec.bE) != std::string(5, ' '));
        QVERIFY(boxes.shown.empty());
    }

    void okWithNothingChangedStillRecalculates() {
        RecordingBoxes boxes;
        TWineClass wine = WineWithTrial();
        const TData before = wine.WineRec.Data;
        QCOMPARE(Text(wine.WineRec.bE), std::string(5, ' '));
        WhenDialogOpens<TDataDlg>(
            [](TDataDlg& dlg) { QTest::mouseClick(dlg.OKButton, Qt::LeftButton); });
        QVERIFY(EditData(nullptr, WineWindowOn(boxes, wine).Window()));
        QVERIFY(wine.Modified);
        QVERIFY(std::memcmp(&before, &wine.WineRec.Data, sizeof(TData)) == 0);
        QVERIFY(Text(wine.WineRec.bE) != std::string(5, ' '));
    }

    void correctedEntryIsStoredAfterAFailedCheck() {
        RecordingBoxes boxes;
        TWineClass wine = NewWine();
        WhenDialogOpens<TDataDlg>([](TDataDlg& dlg) {
            TypeInto(dlg.V[0], "10");
            TypeInto(dlg.V[1], "0.05");
            TypeInto(dlg.Sec[0], "7.4");
            QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
            QVERIFY(dlg.isVisible());
            TypeInto(dlg.V[1], "20");
            TypeInto(dlg.V[4], "12345.6");
            QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
        });
        QVERIFY(EditData(nullptr, WineWindowOn(boxes, wine).Window()));
        QCOMPARE(boxes.shown.front().text, "Row 2, volume: " + std::string(DataMessage));
        QCOMPARE(Text(wine.WineRec.Data.V[0]), std::string("  10.0"));
        QCOMPARE(Text(wine.WineRec.Data.V[1]), std::string("  20.0"));
        QCOMPARE(Text(wine.WineRec.Data.V[4]), std::string(" 12345"));
        QCOMPARE(Text(wine.WineRec.Data.T[0].Sc), std::string("07"));
        QVERIFY(wine.Modified);
    }

    void cancelAfterAFailedCheckStoresNothing() {
        RecordingBoxes boxes;
        TWineClass wine = NewWine();
        const TWineRec before = wine.WineRec;
        WhenDialogOpens<TDataDlg>([](TDataDlg& dlg) {
            TypeInto(dlg.V[0], "10");
            TypeInto(dlg.V[1], "abc");
            QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
            QTest::mouseClick(dlg.CancelButton, Qt::LeftButton);
        });
        QVERIFY(!EditData(nullptr, WineWindowOn(boxes, wine).Window()));
        QVERIFY(SameBytes(wine.WineRec, before));
        QVERIFY(!wine.Modified);
        QCOMPARE(boxes.Texts(),
                 std::vector<std::string>{"Row 2, volume: " + std::string(DataMessage)});
    }

    void minSkipIsPreselectedAndStored() {
        RecordingBoxes boxes;
        TWineClass wine = WineWithTrial();
        wine.WineRec.Data.MinSkip.set(5);
        bool fivePreselected = false;
        WhenDialogOpens<TDataDlg>([&fivePreselected](TDataDlg& dlg) {
            fivePreselected = dlg.Skip[5]->isChecked();
            Click(dlg.Skip[0]);
            QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
        });
        QVERIFY(EditData(nullptr, WineWindowOn(boxes, wine).Window()));
        QVERIFY(fivePreselected);
        QCOMPARE(wine.WineRec.Data.MinSkip.get(), 0);
    }

    void minSkipAbove12IsKept() {
        RecordingBoxes boxes;
        TWineClass wine = WineWithTrial();
        wine.WineRec.Data.MinSkip.set(20);
        bool noneSelected = false;
        WhenDialogOpens<TDataDlg>([&noneSelected](TDataDlg& dlg) {
            noneSelected = !dlg.Form().Skip.has_value();
            QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
        });
        QVERIFY(EditData(nullptr, WineWindowOn(boxes, wine).Window()));
        QVERIFY(noneSelected);
        QCOMPARE(wine.WineRec.Data.MinSkip.get(), 20);
    }
};

QTEST_MAIN(EntryCommandsTest)
#include "EntryCommandsTest.moc"
