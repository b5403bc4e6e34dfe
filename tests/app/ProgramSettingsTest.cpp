#include "app/ProgramSettings.h"
#include "document/IniFile.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

using namespace zephra;

class ProgramSettingsTest : public QObject {
    Q_OBJECT

    static void WriteText(const QString& path, const QByteArray& text) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    static QByteArray ReadText(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void missingFileGivesUsUnits() {
        QTemporaryDir dir;
        const ProgramSettings settings(dir.filePath("zephra/zephra.conf"));
        QCOMPARE(settings.Units(), UsUnits);
        QVERIFY(!QFile::exists(dir.filePath("zephra/zephra.conf")));
    }

    // Each change is written at once, beside the other keys of the file,
    // and read back by the next start.
    void changesAreWrittenAndReadBack() {
        QTemporaryDir dir;
        const QString path = dir.filePath("zephra/zephra.conf");
        QDir().mkpath(dir.filePath("zephra"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Other]\nKept=1\n");
        file.close();

        ProgramSettings settings(path);
        QSignalSpy changed(&settings, &ProgramSettings::UnitsChanged);
        settings.SetUnitSystem(UnitSystem::Metric);
        settings.RememberMetricFlow(MetricFlowUnit::HectolitresPerHour);
        settings.SetUnitSystem(UnitSystem::Metric); // no change, nothing said
        QCOMPARE(changed.count(), 2);
        const DisplayUnits expected{UnitSystem::Metric, MetricFlowUnit::HectolitresPerHour};
        QCOMPARE(ProgramSettings(path).Units(), expected);
        const IniFile written = ReadIniFile(path.toStdString()).file;
        QCOMPARE(written.Value("Other", "Kept"), std::optional<std::string>("1"));
        QCOMPARE(written.Value("Units", "MetricFlow"), std::optional<std::string>("hL/h"));
    }

    // A change of units keeps every other byte of the file.
    void aChangeKeepsCommentsAndLinesThatCannotBeRead() {
        QTemporaryDir dir;
        const QString path = dir.filePath("zephra.conf");
        const QByteArray text = "; our lab\n[bands]\ngood = 40 ; new membranes\nbroken\n";
        WriteText(path, text);
        ProgramSettings settings(path);
        settings.SetUnitSystem(UnitSystem::Metric);
        QCOMPARE(ReadText(path), text + "\n[Units]\nSystem = metric\nMetricFlow = L/h\n");
    }

    // A file that is there but cannot be read is never written over, and
    // the user is told why. A file too long to be settings stands for any
    // file that cannot be read: one of mode 0200 is still read by root.
    void aFileThatCannotBeReadIsNotWrittenOver() {
        QTemporaryDir dir;
        const QString path = dir.filePath("zephra.conf");
        const QByteArray text = "[bands]\ngood = 40\n; " + QByteArray(1 << 20, 'x') + "\n";
        WriteText(path, text);
        ProgramSettings settings(path);
        QCOMPARE(settings.ReadProblems().size(), std::size_t{1});
        QSignalSpy failed(&settings, &ProgramSettings::WriteFailed);
        settings.SetUnitSystem(UnitSystem::Metric);
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.at(0).at(1).toInt(), EFBIG);
        QVERIFY(failed.at(0).at(2).toBool());
        QVERIFY(ReadText(path) == text);
        QVERIFY(settings.Units().Metric());
    }

    // Lines that cannot be read are reported; their sections, and only
    // those, take their defaults. The lab settings come from [lab].
    void linesThatCannotBeReadAreReportedAndTheirSectionsFallBack() {
        QTemporaryDir dir;
        const QString path = dir.filePath("zephra.conf");
        WriteText(path, "[Units]\nSystem = metric\nMetricFlow hL/h\n"
                        "[lab]\nsafety_factor = 2\n");
        const ProgramSettings settings(path);
        QCOMPARE(settings.Units(), UsUnits);
        QCOMPARE(settings.Lab().SafetyFactor, 2.0);
        QCOMPARE(settings.ReadProblems(),
                 std::vector<std::string>{
                     path.toStdString() +
                     ", line 3, is not a \"key = value\" line or a comment; every setting of "
                     "[Units] is taken at its default."});
    }

    void aFileThatCannotBeWrittenIsReportedAndTheChangeHolds() {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("zephra"));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        const QString path = dir.filePath("zephra/zephra.conf");
        ProgramSettings settings(path);
        QSignalSpy failed(&settings, &ProgramSettings::WriteFailed);
        QSignalSpy changed(&settings, &ProgramSettings::UnitsChanged);
        settings.SetUnitSystem(UnitSystem::Metric);
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.at(0).at(0).toString(), path);
        QCOMPARE(changed.count(), 1);
        QVERIFY(settings.Units().Metric());
    }

    void noPathReadsAndWritesNothing() {
        ProgramSettings settings;
        QSignalSpy failed(&settings, &ProgramSettings::WriteFailed);
        settings.SetUnitSystem(UnitSystem::Metric);
        QVERIFY(settings.Units().Metric());
        QCOMPARE(failed.count(), 0);
    }
};

QTEST_MAIN(ProgramSettingsTest)
#include "ProgramSettingsTest.moc"
