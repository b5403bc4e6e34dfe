#include "app/Application.h"

#include "app/wine/EntryCommands.h"
#include "entry/ui/DataDlg.h"

#include "support/ModalDriver.h"
#include "support/RecordingBoxes.h"
#include "support/TypeInto.h"
#include "support/WineWindowOn.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cstring>
#include <stdexcept>

using namespace zephra;
using zephra::test::RecordingBoxes;
using zephra::test::TypeInto;
using zephra::test::WhenDialogOpens;
using zephra::test::WineWindowOn;

namespace {

// Message boxes that fail as soon as one is to be shown.
class FailingBoxes : public MessageBoxes {
public:
    BoxAnswer Show(BoxKind, const std::string&, BoxButtons, BoxAnswer) override {
        throw std::runtime_error("The message box could not be shown.");
    }
};

TApplication& App() {
    return *static_cast<TApplication*>(QCoreApplication::instance());
}

} // namespace

class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        errors = RecordingBoxes{};
        App().ReportErrorsThrough(errors);
    }

    // The data dialog's OK check fails while it shows its message: the error
    // is shown, the dialog stays open and can still be used, and the wine
    // is as it was.
    void errorInsideADialogLeavesItOpenAndTheWineAsItWas() {
        FailingBoxes failing;
        TWineClass wine;
        const TWineRec before = wine.WineRec;
        bool openAfterTheError = false;
        WhenDialogOpens<TDataDlg>([&openAfterTheError](TDataDlg& dlg) {
            TypeInto(dlg.V[0], "0.05");
            QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
            openAfterTheError = dlg.isVisible();
            QTest::mouseClick(dlg.CancelButton, Qt::LeftButton);
        });
        QVERIFY(!EditData(nullptr, WineWindowOn(failing, wine).Window()));
        QVERIFY(openAfterTheError);
        QCOMPARE(errors.Texts(), std::vector<std::string>{"The message box could not be shown."});
        QCOMPARE(errors.shown.at(0).kind, BoxKind::Error);
        QVERIFY(std::memcmp(&before, &wine.WineRec, sizeof before) == 0);
        QVERIFY(!wine.Modified);
    }

    void errorInATimerHandlerIsShownAndTheProgramGoesOn() {
        bool laterTimerRan = false;
        QTimer::singleShot(0, [] { throw std::runtime_error("The timer failed."); });
        QTimer::singleShot(0, [] { throw 42; });
        QTimer::singleShot(10, [&laterTimerRan] { laterTimerRan = true; });
        QTRY_VERIFY(laterTimerRan);
        QCOMPARE(errors.Texts(),
                 (std::vector<std::string>{"The timer failed.", "An unexpected error occurred."}));
    }

private:
    RecordingBoxes errors;
};

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ApplicationTest.moc"
