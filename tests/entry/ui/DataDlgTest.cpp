#include "entry/ui/DataDlg.h"

#include "TypeInto.h"
#include "support/RecordingBoxes.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <string>

using namespace zephra;
using zephra::test::RecordingBoxes;
using zephra::test::TypeInto;

namespace {

const char* const DataMessage = "There is an error in the data entry. Please correct it and retry, "
                                "or cancel. (Volume increments must be greater than 0.1 ml.)";

void PressOk(TDataDlg& dlg) {
    QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
}

} // namespace

class DataDlgTest : public QObject {
    Q_OBJECT

private slots:
    void startsEmptyWithNothingSelected() {
        RecordingBoxes boxes;
        TDataDlg dlg(boxes);
        QCOMPARE(dlg.windowTitle(), QString("Filtration Data"));
        QCOMPARE(dlg.size(), QSize(521, 474));
        for (int i = 0; i < TDataDlg::Rows; ++i) {
            QVERIFY(dlg.V[i]->text().isEmpty());
            QVERIFY(dlg.Min[i]->text().isEmpty());
            QVERIFY(dlg.Sec[i]->text().isEmpty());
        }
        QVERIFY(!dlg.Form().Skip.has_value());
    }

    void rowsStandInTwoGroupsOf18() {
        RecordingBoxes boxes;
        TDataDlg dlg(boxes);
        for (int i = 0; i < TDataDlg::Rows; ++i) {
            const int row = i + 1;
            const int top = 70 + (i % 18) * 20;
            QCOMPARE(dlg.V[i]->y(), top);
            QCOMPARE(dlg.Min[i]->y(), top);
            QCOMPARE(dlg.Sec[i]->y(), top);
            QCOMPARE(dlg.V[i]->width(), 57);
            QCOMPARE(dlg.Min[i]->width(), 26);
            QCOMPARE(dlg.Sec[i]->width(), 26);
            QCOMPARE(dlg.V[i]->objectName(), QString("V%1").arg(row));
            QCOMPARE(dlg.Min[i]->objectName(), QString("Min%1").arg(row));
            QCOMPARE(dlg.Sec[i]->objectName(), QString("Sec%1").arg(row));
            QVERIFY(dlg.V[i]->alignment() & Qt::AlignRight);
            QVERIFY(dlg.Min[i]->alignment() & Qt::AlignRight);
            QVERIFY(dlg.Sec[i]->alignment() & Qt::AlignRight);
            const bool unlimited = row >= 4 && row <= 9;
            QVERIFY(unlimited ? dlg.V[i]->maxLength() > 100 : dlg.V[i]->maxLength() == 6);
            QCOMPARE(dlg.Min[i]->maxLength(), 3);
            QCOMPARE(dlg.Sec[i]->maxLength(), 2);
        }
        QVERIFY(dlg.V[18]->x() > dlg.Sec[17]->x());
    }

    void tabGoesOkCancelVolumesThenTimesRowByRow() {
        RecordingBoxes boxes;
        TDataDlg dlg(boxes);
        dlg.show();
        QList<QWidget*> expected{dlg.OKButton, dlg.CancelButton};
        for (QLineEdit* box : dlg.V) {
            expected.push_back(box);
        }
        for (int i = 0; i < TDataDlg::Rows; ++i) {
            expected.push_back(dlg.Min[i]);
            expected.push_back(dlg.Sec[i]);
        }
        expected.push_back(dlg.Skip[0]);
        dlg.OKButton->setFocus();
        for (qsizetype i = 1; i < expected.size(); ++i) {
            QTest::keyClick(dlg.focusWidget(), Qt::Key_Tab);
            QCOMPARE(dlg.focusWidget(), expected[i]);
        }
    }

    // One box typed: what it shows after OK and whether the dialog closed.
    void okNormalisesOrRejectsEachBox_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("accepted");
        const auto row = [](const char* name, const char* box, const char* typed, const char* shown,
                            bool accepted) {
            QTest::newRow(name) << QString(box) << QString(typed) << QString(shown) << accepted;
        };
        row("volume 12.5", "V1", "12.5", "  12.5", true);
        row("volume 12345.6", "V5", "12345.6", " 12345", true);
        row("volume 100000", "V36", "100000", "100000", true);
        row("volume 0.05", "V1", "0.05", "0.05", false);
        row("long volume", "V6", "0000012.5", "  12.5", true);
        // A 6-character box keeps "12345." of what is typed.
        row("volume 12345.6 cut by the box", "V2", "12345.6", " 12345", true);
        row("volume blanks", "V19", "   ", "", true);
        row("minutes 2.5", "Min1", "2.5", "  3", true);
        row("minutes 100", "Min4", "100", "100", true);
        row("minutes x", "Min4", "x", "x", false);
        row("seconds 5", "Sec1", "5", "05", true);
        // The 2-character box keeps "7." of "7.4".
        row("seconds 7.4", "Sec2", "7.4", "07", true);
        row("seconds 60", "Sec3", "60", "60", false);
        row("seconds blanks", "Sec3", "  ", "", true);
        // Texts far beyond the range of a number are out of range, not a fault.
        const std::string huge(400, '9');
        row("volume of 400 digits", "V4", huge.c_str(), huge.c_str(), false);
        const std::string tiny = "0." + std::string(330, '0') + "1";
        row("volume below the smallest number", "V4", tiny.c_str(), tiny.c_str(), false);
    }
    void okNormalisesOrRejectsEachBox() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, accepted);
        RecordingBoxes boxes;
        TDataDlg dlg(boxes);
        dlg.show();
        auto* edit = dlg.findChild<QLineEdit*>(box);
        QVERIFY(edit != nullptr);
        TypeInto(edit, typed);
        PressOk(dlg);
        QCOMPARE(edit->text(), shown);
        if (accepted) {
            QVERIFY(boxes.shown.empty());
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            QVERIFY(!dlg.isVisible());
        } else {
            QCOMPARE(boxes.Texts(), std::vector<std::string>{DataMessage});
            QCOMPARE(boxes.shown[0].kind, BoxKind::Information);
            QVERIFY(dlg.isVisible());
        }
    }

    void severalBadBoxesGiveOneMessageAndStopAtTheFirst() {
        RecordingBoxes boxes;
        TDataDlg dlg(boxes);
        dlg.show();
        TypeInto(dlg.V[0], "12.5");
        TypeInto(dlg.V[1], "20");
        TypeInto(dlg.V[2], "0.05");
        TypeInto(dlg.V[3], "30");
        TypeInto(dlg.V[9], "abc");
        TypeInto(dlg.Min[0], "2.5");
        TypeInto(dlg.Sec[0], "61");
        PressOk(dlg);
        QCOMPARE(boxes.Texts(), std::vector<std::string>{DataMessage});
        QCOMPARE(dlg.V[0]->text(), QString("  12.5"));
        QCOMPARE(dlg.V[1]->text(), QString("  20.0"));
        QCOMPARE(dlg.V[2]->text(), QString("0.05"));
        QCOMPARE(dlg.V[3]->text(), QString("30"));
        QCOMPARE(dlg.V[9]->text(), QString("abc"));
        QCOMPARE(dlg.Min[0]->text(), QString("2.5"));
        QVERIFY(dlg.isVisible());

        TypeInto(dlg.V[2], "25");
        PressOk(dlg);
        QCOMPARE(boxes.shown.size(), std::size_t(2));
        QCOMPARE(dlg.V[3]->text(), QString("  30.0"));
        QCOMPARE(dlg.V[9]->text(), QString("abc"));

        TypeInto(dlg.V[9], "40");
        TypeInto(dlg.Sec[0], "6");
        PressOk(dlg);
        QCOMPARE(boxes.shown.size(), std::size_t(2));
        QCOMPARE(dlg.Min[0]->text(), QString("  3"));
        QCOMPARE(dlg.Sec[0]->text(), QString("06"));
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
    }

    void skipButtonsFollowTheForm_data() {
        QTest::addColumn<int>("skip");
        QTest::addColumn<int>("selected");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("5") << 5 << 5;
        QTest::newRow("12") << 12 << 12;
        QTest::newRow("13 selects none") << 13 << -1;
    }
    void skipButtonsFollowTheForm() {
        QFETCH(int, skip);
        QFETCH(int, selected);
        RecordingBoxes boxes;
        TDataDlg dlg(boxes);
        DataForm form;
        form.Skip = 3;
        dlg.SetForm(form);
        form.Skip = skip <= 12 ? std::optional<int>(skip) : std::nullopt;
        dlg.SetForm(form);
        for (int k = 0; k < TDataDlg::SkipChoices; ++k) {
            QCOMPARE(dlg.Skip[k]->isChecked(), k == selected);
        }
        QCOMPARE(dlg.Form().Skip.value_or(-1), selected);
    }

    void onlyOneSkipButtonIsSelected() {
        RecordingBoxes boxes;
        TDataDlg dlg(boxes);
        dlg.show();
        DataForm form;
        form.Skip = 5;
        dlg.SetForm(form);
        QTest::mouseClick(dlg.Skip[0], Qt::LeftButton, {}, QPoint(6, dlg.Skip[0]->height() / 2));
        QVERIFY(dlg.Skip[0]->isChecked());
        QVERIFY(!dlg.Skip[5]->isChecked());
        QCOMPARE(dlg.Form().Skip.value_or(-1), 0);
    }
};

QTEST_MAIN(DataDlgTest)
#include "DataDlgTest.moc"
