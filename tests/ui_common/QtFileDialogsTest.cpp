#include "ui_common/QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace zephra;

namespace {

// Runs `act` on the file dialog once it is up.
void WhenDialogIsUp(std::function<void(QFileDialog&)> act) {
    QTimer::singleShot(0, [act] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
            act(*dialog);
    });
}

} // namespace

class QtFileDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void saveDialogStartsWithTheFilterFolderAndNameAndNeverAsksToOverwrite() {
        QTemporaryDir dir;
        const QString existing = dir.filePath("merlot.zph");
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QStringList filters;
        QString folder;
        bool confirmsOverwrite = true;
        WhenDialogIsUp([&](QFileDialog& dialog) {
            filters = dialog.nameFilters();
            folder = dialog.directory().absolutePath();
            confirmsOverwrite = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
            static_cast<QDialog&>(dialog).accept();
        });
        QtFileDialogs dialogs;
        const auto chosen =
            dialogs.ChooseSave(nullptr, {"ZEPHRA files|*.zph", dir.path(), existing});
        QCOMPARE(filters, QStringList{"ZEPHRA files (*.zph)"});
        QCOMPARE(folder, dir.path());
        QVERIFY(!confirmsOverwrite);
        QCOMPARE(chosen, std::optional<QString>(existing));
    }

    void cancelledDialogChoosesNothing() {
        QTemporaryDir dir;
        WhenDialogIsUp([](QFileDialog& dialog) { dialog.reject(); });
        QtFileDialogs dialogs;
        QCOMPARE(dialogs.ChooseOpen(nullptr, {"ZEPHRA files|*.zph", dir.path(), QString()}),
                 std::optional<QString>());
    }
};

QTEST_MAIN(QtFileDialogsTest)
#include "QtFileDialogsTest.moc"
