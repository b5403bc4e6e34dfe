#include "entry/ui/DataDlg.h"

#include "support/RecordingBoxes.h"
#include "support/TypeInto.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <string>

using namespace zephra;
using zephra::test::RecordingBoxes;
using zephra::test::TypeInto;

namespace {

const char* const DataMessage = "There is an error in the data entry. Please correct it and retry, "
                                "or cancel. (Volume increments must be greater than 0.1 ml.)";

// The start of the message for the box named `box` ("V5", "Min1", "Sec36").
std::string MessageFor(const QString& box) {
    const qsizetype digits = box.indexOf(QRegularExpression("[0-9]"));
    const QString column = box.left(digits);
    const char* word = column == "V" ? "volume" : column == "Min" ? "minutes" : "seconds";
    return "Row " + box.mid(digits).toStdString() + ", " + word + ": ";
}

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
            QCOMPARE(boxes.Texts(), std::vector<std::string>{MessageFor(box) + DataMessage});
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
        QCOMPARE(boxes.Texts(),
                 std::vector<std::string>{"Row 3, volume: " + std::string(DataMessage)});
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

    void ctrlVPastesATableFromTheFocusedRowOn() {
        RecordingBoxes boxes;
        TDataDlg dlg(boxes);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        TypeInto(dlg.V[0], "5");
        TypeInto(dlg.V[3], "99");
        // Three rows copied from a spreadsheet, the last in m:ss form.
        QApplication::clipboard()->setText("10.5\t0\t15\r\n21\t0\t30\r\n30.25\t1:05\r\n");
        dlg.Min[1]->setFocus();
        QTest::keyClick(dlg.Min[1], Qt::Key_V, Qt::ControlModifier);
        QVERIFY(boxes.shown.empty());
        QCOMPARE(dlg.V[0]->text(), QString("5"));
        const QStringList expected[] = {
            {"10.5", "0", "15"}, {"21", "0", "30"}, {"30.25", "1", "05"}};
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(
                (QStringList{dlg.V[1 + k]->text(), dlg.Min[1 + k]->text(), dlg.Sec[1 + k]->text()}),
                expected[k]);
        }
        QVERIFY(dlg.V[4]->text().isEmpty());

        // The pasted texts go through the usual check on OK.
        PressOk(dlg);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.V[3]->text(), QString("  30.3"));
        QCOMPARE(dlg.Sec[1]->text(), QString("15"));
    }

    // Where the locale writes decimals with a comma: a pasted table with a
    // header and decimal commas, and boxes typed with a comma.
    void decimalCommaLocaleTakesCommaTablesAndBoxes() {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        RecordingBoxes boxes;
        TDataDlg dlg(boxes);
        QLocale::setDefault(before);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QApplication::clipboard()->setText("Volumen (ml)\tMin\tSek\r\n302,1\t8\t30\r\n"
                                           "410,75;9;0\r\n");
        dlg.V[0]->setFocus();
        QTest::keyClick(dlg.V[0], Qt::Key_V, Qt::ControlModifier);
        QVERIFY(boxes.shown.empty());
        QCOMPARE((QStringList{dlg.V[0]->text(), dlg.Min[0]->text(), dlg.Sec[0]->text()}),
                 (QStringList{"302.1", "8", "30"}));
        QCOMPARE(dlg.V[1]->text(), QString("410.75"));
        TypeInto(dlg.V[2], "500,5");
        TypeInto(dlg.Min[2], "10");
        PressOk(dlg);
        QVERIFY(boxes.shown.empty());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.V[1]->text(), QString(" 410.8"));
        QCOMPARE(dlg.V[2]->text(), QString(" 500.5"));
    }

    void contextMenuPasteTakesATableToo() {
        RecordingBoxes boxes;
        TDataDlg dlg(boxes);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QApplication::clipboard()->setText("40 2 0\n50 2 15\n");
        bool pasteFound = false;
        QTimer::singleShot(0, [&pasteFound] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) {
                return;
            }
            for (QAction* item : menu->actions()) {
                if (item->text().startsWith("&Paste")) {
                    pasteFound = true;
                    item->trigger();
                }
            }
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                dlg.V[34]->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(dlg.V[34], &event);
        QVERIFY(pasteFound);
        QCOMPARE(dlg.V[34]->text(), QString("40"));
        QCOMPARE(dlg.Sec[35]->text(), QString("15"));
    }

    // Each paste that cannot be taken as a whole changes no box and says why.
    void aPasteThatCannotBeTakenChangesNothing_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("message");
        QTest::newRow("bad line") << 1 << "10 0 15\n20 0 x\n"
                                  << "Nothing was pasted: line 2 (\"20 0 x\") is not a volume and "
                                     "a time. Each line needs a volume and a time as \"volume, "
                                     "minutes, seconds\" or \"volume, m:ss\".";
        QTest::newRow("past row 36") << 35 << "10 0 15\n20 0 30\n30 0 45\n"
                                     << "Nothing was pasted: 3 readings from row 35 on do not "
                                        "fit in the 36 rows.";
        QTest::newRow("too wide") << 2 << "10 0 15\n1234.56 0 30\n"
                                  << "Nothing was pasted: \"1234.56\" on line 2 is longer than "
                                     "its box takes.";
    }
    void aPasteThatCannotBeTakenChangesNothing() {
        QFETCH(int, row);
        QFETCH(QString, table);
        QFETCH(QString, message);
        RecordingBoxes boxes;
        TDataDlg dlg(boxes);
        dlg.show();
        DataForm before;
        before.Volume.fill("7");
        before.Minutes.fill("1");
        before.Seconds.fill("2");
        dlg.SetForm(before);
        dlg.PasteTable(row, table);
        QCOMPARE(boxes.Texts(), std::vector<std::string>{message.toStdString()});
        const DataForm after = dlg.Form();
        QVERIFY(after.Volume == before.Volume);
        QVERIFY(after.Minutes == before.Minutes);
        QVERIFY(after.Seconds == before.Seconds);
    }

    void aWideVolumeFitsTheUnlimitedRows() {
        RecordingBoxes boxes;
        TDataDlg dlg(boxes);
        dlg.PasteTable(4, "1234.56 0 30\n");
        QVERIFY(boxes.shown.empty());
        QCOMPARE(dlg.V[3]->text(), QString("1234.56"));
    }

    // The message names the row and column; that box gets the focus with
    // its text selected.
    void aRejectedBoxIsNamedAndFocused_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<bool>("commaHint");
        QTest::newRow("volume with a comma") << "V" << 5 << "12,5"
                                             << "Row 5, volume: " << true;
        QTest::newRow("minutes") << "Min" << 20 << "1.x"
                                 << "Row 20, minutes: " << false;
        QTest::newRow("seconds") << "Sec" << 36 << "6o"
                                 << "Row 36, seconds: " << false;
    }
    void aRejectedBoxIsNamedAndFocused() {
        QFETCH(QString, column);
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(QString, prefix);
        QFETCH(bool, commaHint);
        RecordingBoxes boxes;
        TDataDlg dlg(boxes);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        auto* box = dlg.findChild<QLineEdit*>(column + QString::number(row));
        QVERIFY(box != nullptr);
        TypeInto(box, typed);
        dlg.V[0]->setFocus();
        PressOk(dlg);
        const std::string expected =
            prefix.toStdString() + DataMessage +
            (commaHint ? " Use a point (.) as the decimal separator." : "");
        QCOMPARE(boxes.Texts(), std::vector<std::string>{expected});
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(box->selectedText(), typed);
    }

    void aLineBreakThatReachesOneBoxIsDropped() {
        RecordingBoxes boxes;
        TDataDlg dlg(boxes);
        // A paste that is not a table (the middle button's selection, for
        // example) lands in the box itself.
        QApplication::clipboard()->setText("12\n5");
        dlg.V[0]->paste();
        QCOMPARE(dlg.V[0]->text(), QString("125"));
        QVERIFY(boxes.shown.empty());
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
