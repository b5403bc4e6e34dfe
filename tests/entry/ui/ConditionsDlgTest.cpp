#include "entry/ui/ConditionsDlg.h"

#include "document/NumberMarks.h"
#include "support/RecordingBoxes.h"
#include "support/TypeInto.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace zephra;
using zephra::test::RecordingBoxes;
using zephra::test::TypeInto;

namespace {

const char* const WineNameMessage = "Wine Name field is blank; please enter a name for this wine.";
const char* const FilterNameMessage =
    "Filter Name field is blank; please enter a name for this filter.";
const char* const PressureMessage =
    "Laboratory Pressure is out of Range. Please enter a value between 1000 and 0.1.";
const char* const DiameterMessage =
    "Laboratory Filter Diameter is out of Range. Please enter a value between 1000 and 1.";
const char* const MaxPressureMessage =
    "Maximum Full-Scale Pressure is out of Range. Please enter a value between 1000 and 1.";
const char* const AreaMessage =
    "Full-Scale Area is out of Range. Please enter a value between 1000 and 0.2.";
const char* const RateMessage =
    "Full-Scale Rate is out of Range. Please enter a value between 1999 and 0.1.";

void FillValid(TConditionsDlg& dlg) {
    TypeInto(dlg.WineName, "Merlot");
    TypeInto(dlg.FilterName, "K250");
    TypeInto(dlg.LabPressure, "5");
    TypeInto(dlg.FilterDiameter, "47");
    TypeInto(dlg.MaxPressure, "30");
    TypeInto(dlg.Area, "1.5");
    TypeInto(dlg.Rate, "100");
}

constexpr DisplayUnits Metric{UnitSystem::Metric, MetricFlowUnit::LitresPerHour};

// The unit labels right of the two pressure boxes.
QStringList UnitLabels(const TConditionsDlg& dlg) {
    QStringList labels;
    for (const QLineEdit* box : {dlg.LabPressure, dlg.MaxPressure}) {
        for (const QLabel* label : dlg.findChildren<QLabel*>()) {
            if (label->x() > box->x() + box->width() && label->x() < box->x() + box->width() + 10 &&
                qAbs(label->geometry().center().y() - box->geometry().center().y()) < 3)
                labels << label->text();
        }
    }
    return labels;
}

void PressOk(TConditionsDlg& dlg) {
    QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
}

} // namespace

class ConditionsDlgTest : public QObject {
    Q_OBJECT

private slots:
    void startsEmptyWithNormalAndBpm() {
        RecordingBoxes boxes;
        TConditionsDlg dlg(boxes);
        for (QLineEdit* box : {dlg.WineName, dlg.FilterName, dlg.LabPressure, dlg.FilterDiameter,
                               dlg.MaxPressure, dlg.Area, dlg.Rate, dlg.Comments}) {
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
        }
        QVERIFY(dlg.WineTypeNormal->isChecked());
        QVERIFY(!dlg.WineTypeDessert->isChecked());
        QVERIFY(dlg.UnitsBPM->isChecked());
        QVERIFY(!dlg.UnitsGPM->isChecked());
        QCOMPARE(dlg.windowTitle(), QString("Filtration Conditions"));
        QCOMPARE(dlg.size(), QSize(512, 413));
        QVERIFY(dlg.OKButton->isDefault());
    }

    void controlsSitWhereTheFormPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<int>("maxLength");
        // The name boxes take the full name (Qt's own limit).
        QTest::newRow("WineName") << "WineName" << QPoint(132, 45) << 32767;
        QTest::newRow("FilterName") << "FilterName" << QPoint(132, 72) << 32767;
        QTest::newRow("LabPressure") << "LabPressure" << QPoint(168, 155) << 4;
        QTest::newRow("FilterDiameter") << "FilterDiameter" << QPoint(168, 182) << 4;
        QTest::newRow("MaxPressure") << "MaxPressure" << QPoint(335, 155) << 4;
        QTest::newRow("Area") << "Area" << QPoint(335, 182) << 4;
        QTest::newRow("Rate") << "Rate" << QPoint(335, 209) << 4;
        QTest::newRow("Comments") << "Comments" << QPoint(69, 280) << 128;
    }
    void controlsSitWhereTheFormPutsThem() {
        QFETCH(QString, name);
        QFETCH(QPoint, position);
        QFETCH(int, maxLength);
        RecordingBoxes boxes;
        TConditionsDlg dlg(boxes);
        auto* box = dlg.findChild<QLineEdit*>(name);
        QVERIFY(box != nullptr);
        QCOMPARE(box->pos(), position);
        QCOMPARE(box->maxLength(), maxLength);
    }

    void tabGoesThroughTheFormInOrder() {
        RecordingBoxes boxes;
        TConditionsDlg dlg(boxes);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        const QList<QWidget*> expected{dlg.OKButton,       dlg.CancelButton,   dlg.WineName,
                                       dlg.FilterName,     dlg.WineTypeNormal, dlg.LabPressure,
                                       dlg.FilterDiameter, dlg.MaxPressure,    dlg.Area,
                                       dlg.Rate,           dlg.UnitsBPM,       dlg.Comments};
        dlg.OKButton->setFocus();
        for (qsizetype i = 1; i < expected.size(); ++i) {
            QTest::keyClick(dlg.focusWidget(), Qt::Key_Tab);
            QCOMPARE(dlg.focusWidget(), expected[i]);
        }
    }

    void untouchedOkAsksForTheWineName() {
        RecordingBoxes boxes;
        TConditionsDlg dlg(boxes);
        dlg.show();
        PressOk(dlg);
        QCOMPARE(boxes.Texts(), std::vector<std::string>{WineNameMessage});
        QCOMPARE(boxes.shown[0].kind, BoxKind::Information);
        QCOMPARE(boxes.shown[0].buttons, BoxButtons::Ok);
        QVERIFY(dlg.isVisible());
    }

    void bothNamesAndNoPressureAsksForThePressure() {
        RecordingBoxes boxes;
        TConditionsDlg dlg(boxes);
        dlg.show();
        TypeInto(dlg.WineName, "Merlot");
        TypeInto(dlg.FilterName, "K250");
        PressOk(dlg);
        QCOMPARE(boxes.Texts(), std::vector<std::string>{PressureMessage});
        QVERIFY(dlg.isVisible());
    }

    // One field typed over a valid form: what the box shows after OK and the
    // message, if any. An accepted form closes as confirmed.
    void okRewritesOrRejectsEachField_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const char* field, const char* typed,
                            const char* shown, const char* message) {
            QTest::newRow(name) << QString(field) << QString(typed) << QString(shown)
                                << QString(message);
        };
        row("blank wine name", "WineName", "   ", "   ", "");
        row("no filter name", "FilterName", "", "", FilterNameMessage);
        row("pressure 0.1", "LabPressure", "0.1", " 0.1", "");
        row("pressure 5", "LabPressure", "5", " 5.0", "");
        row("pressure 1000", "LabPressure", "1000", "1000", "");
        row("pressure 0.05", "LabPressure", "0.05", "0.05", PressureMessage);
        row("pressure abc", "LabPressure", "abc", "abc", PressureMessage);
        row("diameter 47", "FilterDiameter", "47", "47.0", "");
        row("diameter 0", "FilterDiameter", "0", "0", DiameterMessage);
        row("max pressure 12.5", "MaxPressure", "12.5", "  13", "");
        row("max pressure 0.5", "MaxPressure", "0.5", "0.5", MaxPressureMessage);
        row("area 1.5", "Area", "1.5", "1.50", "");
        row("area 0.1", "Area", "0.1", "0.1", AreaMessage);
        row("rate 1999", "Rate", "1999", "1999", "");
        row("rate 2000", "Rate", "2000", "2000", RateMessage);
        row("rate empty", "Rate", "", "", RateMessage);
    }
    void okRewritesOrRejectsEachField() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        RecordingBoxes boxes;
        TConditionsDlg dlg(boxes);
        dlg.show();
        FillValid(dlg);
        auto* box = dlg.findChild<QLineEdit*>(field);
        QVERIFY(box != nullptr);
        TypeInto(box, typed);
        PressOk(dlg);
        QCOMPARE(box->text(), shown);
        if (message.isEmpty()) {
            QVERIFY(boxes.shown.empty());
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            QVERIFY(!dlg.isVisible());
        } else {
            QCOMPARE(boxes.Texts(), std::vector<std::string>{message.toStdString()});
            QVERIFY(dlg.isVisible());
            QCOMPARE(dlg.focusWidget(), box);
            QCOMPARE(box->selectedText(), typed);
        }
    }

    // The first of several bad boxes gets the focus, whatever had it.
    void theRejectedBoxTakesTheFocusWithItsTextSelected() {
        RecordingBoxes boxes;
        TConditionsDlg dlg(boxes);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        FillValid(dlg);
        TypeInto(dlg.FilterDiameter, "abc");
        TypeInto(dlg.Rate, "9999");
        dlg.Comments->setFocus();
        PressOk(dlg);
        QCOMPARE(boxes.Texts(), std::vector<std::string>{DiameterMessage});
        QCOMPARE(QApplication::focusWidget(), dlg.FilterDiameter);
        QCOMPARE(dlg.FilterDiameter->selectedText(), QString("abc"));
    }

    void aDecimalCommaGetsTheHint() {
        RecordingBoxes boxes;
        TConditionsDlg dlg(boxes);
        dlg.show();
        FillValid(dlg);
        TypeInto(dlg.LabPressure, "2,5");
        PressOk(dlg);
        QCOMPARE(boxes.Texts(), std::vector<std::string>{std::string(PressureMessage) +
                                                         " Use a point (.) as the decimal "
                                                         "separator."});
        QCOMPARE(dlg.LabPressure->text(), QString("2,5"));
    }

    void aLineBreakPastedIntoABoxIsDropped() {
        RecordingBoxes boxes;
        TConditionsDlg dlg(boxes);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QApplication::clipboard()->setText("Pinot\r\nNoir\n");
        dlg.WineName->setFocus();
        QTest::keyClick(dlg.WineName, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(dlg.WineName->text(), QString("PinotNoir"));
        QCOMPARE(dlg.WineName->cursorPosition(), 9);

        TypeInto(dlg.Comments, "ab");
        dlg.Comments->setCursorPosition(1);
        QApplication::clipboard()->setText("\nx\n");
        dlg.Comments->paste();
        QCOMPARE(dlg.Comments->text(), QString("axb"));
        QCOMPARE(dlg.Comments->cursorPosition(), 2);
    }

    void aFailureLeavesTheLaterBoxesAsTyped() {
        RecordingBoxes boxes;
        TConditionsDlg dlg(boxes);
        dlg.show();
        FillValid(dlg);
        TypeInto(dlg.Area, "0.1");
        PressOk(dlg);
        QCOMPARE(boxes.Texts(), std::vector<std::string>{AreaMessage});
        QCOMPARE(dlg.LabPressure->text(), QString(" 5.0"));
        QCOMPARE(dlg.FilterDiameter->text(), QString("47.0"));
        QCOMPARE(dlg.MaxPressure->text(), QString("  30"));
        QCOMPARE(dlg.Area->text(), QString("0.1"));
        QCOMPARE(dlg.Rate->text(), QString("100"));

        TypeInto(dlg.Area, "2");
        PressOk(dlg);
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        QCOMPARE(dlg.Area->text(), QString("2.00"));
        QCOMPARE(dlg.Rate->text(), QString(" 100"));
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
    }

    void formattedValuesShowWhileInputIsHeldOff() {
        RecordingBoxes boxes;
        TConditionsDlg dlg(boxes);
        dlg.show();
        FillValid(dlg);
        QString pressureDuringPause;
        bool openAfterLateCancel = false;
        QTimer::singleShot(100, [&] {
            pressureDuringPause = dlg.LabPressure->text();
            // Late input is dropped: it can neither change a checked box nor
            // close the dialog early.
            QTest::keyClick(dlg.LabPressure, Qt::Key_Backspace);
            QTest::mouseClick(dlg.CancelButton, Qt::LeftButton);
        });
        QTimer::singleShot(150, [&] { openAfterLateCancel = dlg.isVisible(); });
        QElapsedTimer clock;
        clock.start();
        PressOk(dlg);
        QVERIFY(clock.elapsed() >= 200);
        QCOMPARE(pressureDuringPause, QString(" 5.0"));
        QVERIFY(openAfterLateCancel);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.LabPressure->text(), QString(" 5.0"));
    }

    void cancelClosesAsCancelledWithoutChecking() {
        RecordingBoxes boxes;
        TConditionsDlg dlg(boxes);
        dlg.show();
        TypeInto(dlg.LabPressure, "5");
        QTest::mouseClick(dlg.CancelButton, Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QVERIFY(boxes.shown.empty());
        QCOMPARE(dlg.LabPressure->text(), QString("5"));
    }

    void commentsTakeAtMost128Characters() {
        RecordingBoxes boxes;
        TConditionsDlg dlg(boxes);
        dlg.show();
        TypeInto(dlg.Comments, QString(130, QChar('c')));
        QCOMPARE(dlg.Comments->text(), QString(128, QChar('c')));
    }

    void storedCommentsLongerThanTheBoxTakesAreShownWhole() {
        RecordingBoxes boxes;
        TConditionsDlg dlg(boxes);
        ConditionsForm form;
        form.Comments = std::string(300, 'c');
        dlg.SetForm(form);
        QCOMPARE(dlg.Comments->text(), QString(300, QChar('c')));
        QCOMPARE(dlg.Form().Comments, form.Comments);
    }

    void namesAndCommentsThatWouldNotFitTheFileAreRefused() {
        RecordingBoxes boxes;
        TConditionsDlg dlg(boxes);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        FillValid(dlg);
        dlg.WineName->setText(QString(1200, QChar('w')));
        dlg.FilterName->setText(QString(900, QChar('f')));
        TypeInto(dlg.Comments, QString(128, QChar('c')));
        PressOk(dlg);
        QCOMPARE(boxes.Texts().size(), std::size_t(1));
        QVERIFY(boxes.Texts().at(0).starts_with(
            "Wine Name, Filter Name and Comments are too long to be kept in the wine file."));
        QVERIFY(dlg.isVisible());
        QCOMPARE(QApplication::focusWidget(), dlg.WineName);
        QCOMPARE(dlg.WineName->text().size(), 1200);
    }

    void formRoundTripsThroughTheBoxes() {
        RecordingBoxes boxes;
        TConditionsDlg dlg(boxes);
        ConditionsForm form;
        form.WineName = "Ch\u00e2teau \u03a9 Grand Cru Reserve 2024";
        form.FilterName = "Membrane 0.45 \u00b5m PES cartridge";
        form.Comments = "Cold stabilised; bentonite 2 g/hL";
        form.WineType = 1;
        form.LabPressure = " 5.0";
        form.FilterDiameter = "47.0";
        form.MaxPressure = "  30";
        form.Area = "1.50";
        form.Rate = " 100";
        form.RateUnits = 1;
        dlg.SetForm(form);
        QVERIFY(dlg.WineTypeDessert->isChecked());
        QVERIFY(dlg.UnitsGPM->isChecked());
        QCOMPARE(dlg.WineName->text(),
                 QString::fromUtf8("Ch\u00e2teau \u03a9 Grand Cru Reserve 2024"));
        const ConditionsForm back = dlg.Form();
        QCOMPARE(back.WineName, form.WineName);
        QCOMPARE(back.FilterName, form.FilterName);
        QCOMPARE(back.WineType, 1);
        QCOMPARE(back.LabPressure, form.LabPressure);
        QCOMPARE(back.FilterDiameter, form.FilterDiameter);
        QCOMPARE(back.MaxPressure, form.MaxPressure);
        QCOMPARE(back.Area, form.Area);
        QCOMPARE(back.Rate, form.Rate);
        QCOMPARE(back.RateUnits, 1);
        QCOMPARE(back.Comments, form.Comments);
    }

    void metricDialogTakesBarAndMetricFlows() {
        RecordingBoxes boxes;
        TConditionsDlg dlg(boxes, nullptr, Metric);
        dlg.show();
        QCOMPARE(UnitLabels(dlg), (QStringList{"bar", "bar"}));
        QVERIFY(dlg.UnitsBPM->isVisible());
        QVERIFY(!dlg.UnitsGPM->isVisible());
        QVERIFY(dlg.UnitsLPH->isVisible());
        QVERIFY(dlg.UnitsHLPH->isVisible());
        QCOMPARE(dlg.UnitsHLPH->pos(), QPoint(390, 243));
        for (QLineEdit* box : {dlg.LabPressure, dlg.MaxPressure, dlg.Rate})
            QCOMPARE(box->maxLength(), 8);

        FillValid(dlg);
        TypeInto(dlg.LabPressure, "2");
        TypeInto(dlg.MaxPressure, "3.50");
        TypeInto(dlg.Rate, "50");
        dlg.UnitsHLPH->click();
        PressOk(dlg);
        QVERIFY(boxes.shown.empty());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.MaxPressure->text(), QString("3.5"));
        const ConditionsForm stored = dlg.Form();
        QCOMPARE(stored.LabPressure, std::string("29.0"));
        QCOMPARE(stored.MaxPressure, std::string("  51"));
        QCOMPARE(stored.Rate, std::string("22.0"));
        QCOMPARE(stored.RateUnits, 1);
        QCOMPARE(dlg.ChosenFlowUnit(), std::optional(MetricFlowUnit::HectolitresPerHour));
    }

    void usDialogOffersBpmAndGpmOnly() {
        RecordingBoxes boxes;
        TConditionsDlg dlg(boxes);
        dlg.show();
        QCOMPARE(UnitLabels(dlg), (QStringList{"psi", "psi"}));
        QVERIFY(dlg.UnitsGPM->isVisible());
        QVERIFY(!dlg.UnitsLPH->isVisible());
        QVERIFY(!dlg.UnitsHLPH->isVisible());
        QCOMPARE(dlg.ChosenFlowUnit(), std::nullopt);
    }

    void metricDialogShowsAWineInItsUnits() {
        RecordingBoxes boxes;
        TConditionsDlg dlg(boxes, nullptr, Metric);
        ConditionsForm form;
        form.WineName = "Merlot";
        form.FilterName = "K250";
        form.LabPressure = "29.0";
        form.FilterDiameter = "47.0";
        form.MaxPressure = "  51";
        form.Area = "1.50";
        form.Rate = "22.0";
        form.RateUnits = 1;
        dlg.SetForm(form);
        QCOMPARE(dlg.LabPressure->text(), QString("2"));
        QCOMPARE(dlg.MaxPressure->text(), QString("3.5"));
        QCOMPARE(dlg.Rate->text(), QString("5000"));
        QVERIFY(dlg.UnitsLPH->isChecked());
        const ConditionsForm back = dlg.Form();
        QCOMPARE(back.LabPressure, form.LabPressure);
        QCOMPARE(back.MaxPressure, form.MaxPressure);
        QCOMPARE(back.Rate, form.Rate);
        QCOMPARE(back.RateUnits, 1);

        dlg.show();
        TypeInto(dlg.LabPressure, "70");
        PressOk(dlg);
        QCOMPARE(boxes.Texts(), std::vector<std::string>{"Laboratory Pressure is out of Range. "
                                                         "Please enter a value between 0.0069 and "
                                                         "68.9 bar."});
        QCOMPARE(dlg.focusWidget(), dlg.LabPressure);
        QCOMPARE(dlg.LabPressure->text(), QString("70"));
        QCOMPARE(dlg.Rate->text(), QString("5000"));
    }

    // Where the locale writes decimals with a comma, either separator goes
    // in, and the box shows the stored point.
    void decimalCommaLocaleTakesEitherSeparator_data() {
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("us comma") << false << "2,5"
                                  << " 2.5";
        QTest::newRow("us point") << false << "2.5"
                                  << " 2.5";
        QTest::newRow("metric comma") << true << "0,5"
                                      << "0.5";
    }
    void decimalCommaLocaleTakesEitherSeparator() {
        QFETCH(bool, metric);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        RecordingBoxes boxes;
        TConditionsDlg dlg(boxes, nullptr, metric ? Metric : UsUnits);
        QLocale::setDefault(before);
        dlg.show();
        FillValid(dlg);
        TypeInto(dlg.LabPressure, typed);
        TypeInto(dlg.Area, "1,5");
        PressOk(dlg);
        QVERIFY(boxes.shown.empty());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.LabPressure->text(), shown);
        QCOMPARE(dlg.Area->text(), QString("1.50"));
    }

    // With the numbers of a decimal-comma locale in use, the boxes show the
    // values with its comma, and the form still holds the stored point.
    void decimalCommaLocaleShowsItsComma() {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        UseNumberMarks(LocaleNumberMarks(",", "\xE2\x80\xAF"));
        RecordingBoxes boxes;
        TConditionsDlg dlg(boxes);
        ConditionsForm form;
        form.WineName = "Merlot";
        form.FilterName = "K250";
        form.LabPressure = "30.0";
        form.FilterDiameter = "47";
        form.MaxPressure = "30";
        form.Area = "1.50";
        form.Rate = "1000";
        dlg.SetForm(form);
        QCOMPARE(dlg.LabPressure->text(), QString("30,0"));
        QCOMPARE(dlg.Area->text(), QString("1,50"));
        QCOMPARE(dlg.Rate->text(), QString("1000")); // never grouped in a box
        dlg.show();
        TypeInto(dlg.LabPressure, "2.5");
        TypeInto(dlg.Area, "1,5");
        PressOk(dlg);
        UseNumberMarks(std::nullopt);
        QLocale::setDefault(before);
        QVERIFY(boxes.shown.empty());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.LabPressure->text(), QString(" 2,5"));
        QCOMPARE(dlg.Area->text(), QString("1,50"));
        QCOMPARE(dlg.Form().LabPressure, " 2.5");
        QCOMPARE(dlg.Form().Area, "1.50");
    }
};

QTEST_MAIN(ConditionsDlgTest)
#include "ConditionsDlgTest.moc"
