#include "app/ProgramSettings.h"
#include "app/ProgramSettingsFile.h"
#include "document/IniFile.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace zephra;

class ProgramSettingsTest : public QObject {
    Q_OBJECT

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
        QCOMPARE(ReadDisplayUnits(path), expected);
        const IniFile written = ReadIniFile(path.toStdString()).file;
        QCOMPARE(written.Value("Other", "Kept"), std::optional<std::string>("1"));
        QCOMPARE(written.Value("Units", "MetricFlow"), std::optional<std::string>("hL/h"));
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
