// The program in the five languages besides English: every translation is
// finished and keeps its placeholders, every dialog's text fits its widget,
// the report panels keep their columns, and a wine entered in French is
// stored as in English.

#include "acquisition/ui/COMDlg.h"
#include "acquisition/ui/DataCollectionDlg.h"
#include "acquisition/ui/NewDataDlg.h"
#include "acquisition/ui/RecoverDataDlg.h"
#include "app/HelpWindow.h"
#include "app/LanguageMenu.h"
#include "app/WelcomeDlg.h"
#include "app/wine/EntryCommands.h"
#include "app/wine/WineWindow.h"
#include "document/Language.h"
#include "document/LanguageSetting.h"
#include "document/Report.h"
#include "entry/ShownQuantities.h"
#include "entry/UnitSystem.h"
#include "entry/ui/ConditionsDlg.h"
#include "entry/ui/DataDlg.h"
#include "ui_common/QtMessageBoxes.h"
#include "ui_common/Translation.h"

#include "support/ModalDriver.h"
#include "support/RecordingBoxes.h"
#include "support/SampleWine.h"
#include "support/TempFolder.h"
#include "support/TypeInto.h"
#include "support/WineWindowOn.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>

#include <cstring>
#include <fstream>
#include <memory>

using namespace zephra;
using zephra::test::RecordingBoxes;
using zephra::test::TypeInto;
using zephra::test::WhenDialogOpens;
using zephra::test::WineWindowOn;

namespace {

// The program in language `code` while the object lives, as main() sets it
// up: its translation for the Qt layers and the core's texts through it.
class InLanguage {
public:
    explicit InLanguage(const QString& code) {
        if (code == QLatin1String("en"))
            return;
        translator_ = std::make_unique<QTranslator>();
        QVERIFY2(translator_->load(TranslationResource(code)), qPrintable(code));
        QCoreApplication::installTranslator(translator_.get());
        UseTextCatalog(&catalog_);
    }
    ~InLanguage() {
        UseTextCatalog(nullptr);
        if (translator_)
            QCoreApplication::removeTranslator(translator_.get());
    }

private:
    std::unique_ptr<QTranslator> translator_;
    QtTextCatalog catalog_;
};

QStringList TranslatedLanguages() {
    QStringList codes;
    for (const Language& language : Languages())
        if (language.Code != "en")
            codes << QString::fromStdString(language.Code);
    return codes;
}

// The placeholders (%1 ...), the mnemonic marks and the "|" separators of
// hints and file filters: a translation must keep them all.
QStringList Markers(const QString& text) {
    QStringList found;
    static const QRegularExpression marker(QStringLiteral("%[1-9]|&(?=[^& ])|\\|"));
    for (auto match = marker.globalMatch(text); match.hasNext();)
        found << match.next().captured().replace(QRegularExpression(QStringLiteral("&.*")),
                                                 QStringLiteral("&"));
    found.sort();
    return found;
}

QString Plain(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("&(?=[^&])")));
}

// What of `dialog` does not show its whole text at the dialog's own size.
QStringList CutTexts(QWidget& dialog) {
    if (dialog.layout() != nullptr)
        dialog.layout()->activate();
    // Values (numbers, times) are not texts of the program.
    static const QRegularExpression letter(QStringLiteral("[A-Za-z]"));
    QStringList cut;
    const auto check = [&cut](const QWidget& widget, const QString& text, int needed) {
        if (widget.isVisibleTo(widget.window()) && needed > widget.width())
            cut << QStringLiteral("\"%1\" needs %2 px, has %3")
                       .arg(text)
                       .arg(needed)
                       .arg(widget.width());
    };
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->wordWrap() || !label->text().contains(letter) ||
            label->textFormat() == Qt::RichText)
            continue;
        for (const QString& line : label->text().split(QLatin1Char('\n')))
            check(*label, line,
                  label->fontMetrics().horizontalAdvance(Plain(line)) + 2 * label->margin());
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (!button->text().contains(letter))
            continue;
        const int text = button->fontMetrics().horizontalAdvance(Plain(button->text()));
        // A push button's frame and padding; a radio button's or check box's
        // indicator and gap, as its size hint counts them.
        const int needed = qobject_cast<const QPushButton*>(button) != nullptr
                               ? text + 6
                               : button->sizeHint().width();
        check(*button, button->text(), needed);
    }
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>())
        check(*group, group->title(),
              group->fontMetrics().horizontalAdvance(Plain(group->title())) + 16);
    return cut;
}

// The columns (in characters) where the values of a panel line stand:
// every number, and the wine's and the filter's names.
QList<QPair<qsizetype, QString>> ValueColumns(const QString& line, const QStringList& names) {
    QList<QPair<qsizetype, QString>> columns;
    static const QRegularExpression number(QStringLiteral("[-+]?\\d[\\d.E+-]*"));
    for (auto match = number.globalMatch(line); match.hasNext();) {
        const auto found = match.next();
        columns.append({found.capturedStart(), found.captured()});
    }
    for (const QString& name : names)
        if (const qsizetype at = line.indexOf(name); at >= 0)
            columns.append({at, name});
    return columns;
}

void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Enters a new wine and its readings through the dialogs, and shows its
// panels; `check` looks at the dialogs on the way.
struct EnteredWine {
    TWineClass wine;
    QString summary;
    QString table;
};

EnteredWine EnterWine(const std::function<void(QDialog&)>& check) {
    RecordingBoxes boxes;
    EnteredWine entered;
    WhenDialogOpens<TConditionsDlg>([&](TConditionsDlg& dlg) {
        check(dlg);
        TypeInto(dlg.WineName, QStringLiteral("Chardonnay"));
        TypeInto(dlg.FilterName, QStringLiteral("K250"));
        TypeInto(dlg.LabPressure, QStringLiteral("5"));
        TypeInto(dlg.FilterDiameter, QStringLiteral("47"));
        TypeInto(dlg.MaxPressure, QStringLiteral("30"));
        TypeInto(dlg.Area, QStringLiteral("1.5"));
        TypeInto(dlg.Rate, QStringLiteral("100"));
        Click(dlg.WineTypeDessert);
        QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
    });
    QString caption;
    if (!NewWineFromConditions(nullptr, boxes, entered.wine.WineRec, entered.wine.Notes, caption))
        return entered;
    WhenDialogOpens<TDataDlg>([&](TDataDlg& dlg) {
        check(dlg);
        const char* const readings[][3] = {{"50", "0", "30"},  {"100", "1", "5"},
                                           {"150", "1", "45"}, {"200", "2", "30"},
                                           {"250", "3", "20"}, {"300", "4", "15"}};
        for (int i = 0; i < 6; ++i) {
            TypeInto(dlg.V[i], readings[i][0]);
            TypeInto(dlg.Min[i], readings[i][1]);
            TypeInto(dlg.Sec[i], readings[i][2]);
        }
        QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
    });
    WineWindowOn window(boxes, entered.wine);
    EditData(nullptr, window.Window());
    entered.summary = window.Window().Memo1->toPlainText();
    entered.table = window.Window().Memo2->toPlainText();
    return entered;
}

} // namespace

class TranslatedWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void everyTranslationIsFinished_data() {
        QTest::addColumn<QString>("code");
        for (const QString& code : TranslatedLanguages())
            QTest::newRow(qPrintable(code)) << code;
    }

    void everyTranslationIsFinished() {
        QFETCH(QString, code);
        QFile file(QStringLiteral(ZEPHRA_TRANSLATIONS_DIR "/zephra_%1.ts").arg(code));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QXmlStreamReader ts(&file);
        int messages = 0;
        QString source;
        while (!ts.atEnd()) {
            ts.readNext();
            if (ts.isStartElement() && ts.name() == QLatin1String("source")) {
                source = ts.readElementText();
            } else if (ts.isStartElement() && ts.name() == QLatin1String("translation")) {
                ++messages;
                const QString state = ts.attributes().value(QLatin1String("type")).toString();
                const QString translation = ts.readElementText();
                QVERIFY2(state.isEmpty(), qPrintable(state + ": " + source));
                QVERIFY2(!translation.isEmpty(), qPrintable("empty: " + source));
                QVERIFY2(Markers(translation) == Markers(source),
                         qPrintable(source + " -> " + translation));
            }
        }
        QVERIFY2(!ts.hasError(), qPrintable(ts.errorString()));
        QVERIFY(messages > 200);
        QVERIFY(QTranslator().load(TranslationResource(code)));
    }

    void dialogTextsFitTheirWidgets_data() {
        QTest::addColumn<QString>("code");
        QTest::newRow("en") << QStringLiteral("en");
        for (const QString& code : TranslatedLanguages())
            QTest::newRow(qPrintable(code)) << code;
    }

    void dialogTextsFitTheirWidgets() {
        QFETCH(QString, code);
        const InLanguage language(code);
        RecordingBoxes boxes;
        TConditionsDlg conditions(boxes);
        TDataDlg data(boxes);
        TNewDataDlg newData(nullptr, boxes);
        TCOMDlg scale(nullptr);
        scale.ShowBalanceSection(true);
        TDataCollectionDlg collection(nullptr);
        TWelcomeDlg welcome(nullptr);
        TRecoverDataDlg recover(nullptr, QStringLiteral("Chardonnay"), QString(), 12);
        QWidget* const dialogs[] = {&conditions, &data,    &newData, &scale,
                                    &collection, &welcome, &recover};
        QStringList cut;
        for (QWidget* dialog : dialogs)
            for (const QString& text : CutTexts(*dialog))
                cut << dialog->metaObject()->className() + QStringLiteral(": ") + text;
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    void panelsKeepTheirColumns_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("metric");
        for (const QString& code : TranslatedLanguages()) {
            QTest::newRow(qPrintable(code + QStringLiteral(" US"))) << code << false;
            QTest::newRow(qPrintable(code + QStringLiteral(" metric"))) << code << true;
        }
    }

    void panelsKeepTheirColumns() {
        QFETCH(QString, code);
        QFETCH(bool, metric);
        const DisplayUnits units{metric ? UnitSystem::Metric : UnitSystem::Us};
        const TWineRec rec = test::SampleWine();
        const QStringList names = {
            QString::fromStdString(std::string(rec.Conditions.WineName.text())).trimmed(),
            QString::fromStdString(std::string(rec.Conditions.FilterName.text())).trimmed()};
        const ReportLines english = FillLines(rec, ShownQuantities(rec, units));
        const InLanguage language(code);
        const ReportLines translated = FillLines(rec, ShownQuantities(rec, units));
        const std::pair<const std::vector<std::string>*, const std::vector<std::string>*> panels[] =
            {{&english.Table, &translated.Table}, {&english.Summary, &translated.Summary}};
        int changed = 0;
        for (const auto& [before, after] : panels) {
            QCOMPARE(after->size(), before->size());
            for (std::size_t i = 0; i < before->size(); ++i) {
                const QString was = QString::fromStdString((*before)[i]);
                const QString is = QString::fromStdString((*after)[i]);
                changed += was != is;
                QVERIFY2(ValueColumns(is, names) == ValueColumns(was, names),
                         qPrintable(was + "\n" + is));
            }
        }
        QVERIFY(changed > 10);
    }

    void wineEnteredInFrenchIsStoredAsInEnglish() {
        const EnteredWine english = EnterWine([](QDialog&) {});
        QStringList titles;
        EnteredWine french;
        {
            const InLanguage language(QStringLiteral("fr"));
            french = EnterWine([&titles](QDialog& dialog) { titles << dialog.windowTitle(); });
        }
        QCOMPARE(titles, QStringList({QStringLiteral("Conditions de filtration"),
                                      QStringLiteral("Données de filtration")}));
        QVERIFY(std::memcmp(&french.wine.WineRec, &english.wine.WineRec, sizeof(TWineRec)) == 0);
        QVERIFY(!english.wine.WineRec.ExpectedVolP.text().empty());
        QVERIFY(french.table.contains(QStringLiteral("Conditions de laboratoire")));
        QVERIFY(french.table.contains(QStringLiteral("      pression maximale: ")));
        QVERIFY(french.summary.contains(QStringLiteral(" Vin : Chardonnay")));
        QVERIFY(french.summary.contains(QStringLiteral(" Constantes du modèle puissance\n")));
        QVERIFY(english.summary.contains(QStringLiteral(" Wine: Chardonnay")));
    }

    void languageMenuKeepsTheChoiceForTheNextStart() {
        const test::TempFolder folder;
        const std::string path = folder.file("zephra.conf");
        RecordingBoxes boxes;
        {
            LanguageMenu menu(path, boxes);
            QStringList items;
            for (const QAction* item : menu.actions())
                if (!item->isSeparator())
                    items << item->text() + (item->isChecked() ? QStringLiteral("*") : QString());
            QCOMPARE(items, QStringList({QStringLiteral("System language*"),
                                         QStringLiteral("English"), QStringLiteral("Français"),
                                         QStringLiteral("Italiano"), QStringLiteral("Español"),
                                         QStringLiteral("Deutsch"), QStringLiteral("Português")}));
            menu.actions().at(4)->trigger();
        }
        QCOMPARE(LanguageSettingIn(ProgramConf::Read(path)), std::string("it"));
        QCOMPARE(boxes.Texts(),
                 std::vector<std::string>{"The language changes when ZEPHRA starts again."});
        LanguageMenu again(path, boxes);
        QVERIFY(again.actions().at(4)->isChecked());

        // A folder that cannot hold the file: the choice is refused, said so.
        std::ofstream(folder.file("plain")) << "not a folder";
        LanguageMenu unwritable(folder.file("plain/zephra.conf"), boxes);
        unwritable.actions().at(3)->trigger();
        QVERIFY(boxes.Texts().back().find("could not be kept") != std::string::npos);
    }

    // Last: the language main() installs stays for the rest of the process.
    void installedLanguageShowsItsGuide() {
        {
            const HelpWindow help(nullptr);
            QCOMPARE(help.Browser->source().path(), QStringLiteral("/zephra/help/guide.html"));
        }
        QVERIFY(!InstallLanguage(*qApp, QStringLiteral("sv")));
        QVERIFY(InstallLanguage(*qApp, QStringLiteral("fr")));
        QCOMPARE(ProgramLanguage(), QStringLiteral("fr"));
        const HelpWindow help(nullptr);
        QCOMPARE(help.windowTitle(), QStringLiteral("Aide de ZEPHRA"));
        QCOMPARE(help.Browser->source().path(), QStringLiteral("/zephra/help/guide_fr.html"));
        QVERIFY(help.Browser->toPlainText().contains(QStringLiteral("Conduire un essai")));
        QCOMPARE(CoreText("ReportPanel", "pressure"), std::string("pression"));

        // A fixed message of the core shows in the language; any other text
        // shows as it is.
        QStringList shown;
        const auto readAndClose = [&shown] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            shown << box->windowTitle() + QStringLiteral(": ") + box->text();
            box->accept();
        };
        QtMessageBoxes boxes;
        QTimer::singleShot(0, readAndClose);
        boxes.Warning("Data is insufficient to calculate fouling constants.");
        QTimer::singleShot(0, readAndClose);
        boxes.Information("Chardonnay 2024");
        QCOMPARE(shown, QStringList({QStringLiteral("Avertissement: Les données sont insuffisantes "
                                                    "pour calculer les constantes de colmatage."),
                                     QStringLiteral("Information: Chardonnay 2024")}));
    }
};

QTEST_MAIN(TranslatedWindowsTest)
#include "TranslatedWindowsTest.moc"
