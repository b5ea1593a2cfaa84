#include "core/Backup.h"
#include "TestFiles.h"
#include "Unprivileged.h"
#include "FullDisk.h"
#include "core/RecordFile.h"
#include "core/RecordLayout.h"

#include <QtTest>

#include <sys/stat.h>

using namespace lumivista;

namespace {

QDateTime at(int year, int month, int day, int hour = 9)
{
    return QDateTime(QDate(year, month, day), QTime(hour, 0));
}

} // namespace

class TstBackup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_program = m_dir->filePath(QStringLiteral("Lumivista"));
        QVERIFY(QDir().mkpath(m_program));
    }
    void cleanup() { m_dir.reset(); }

    void copiesEqualTheirSources()
    {
        fill();
        const Backup::Outcome outcome = Backup::daily(m_program, at(2026, 12, 10));
        QCOMPARE(outcome.problems, QStringList());
        const QString folder = backupRoot() + QStringLiteral("/2026-12-10_090000");
        QCOMPARE(outcome.made, QStringList{folder});
        for (const QString &name : Backup::fileNames())
            QCOMPARE(fileBytes(folder + '/' + name), fileBytes(m_program + '/' + name));
        QVERIFY(QFileInfo::exists(folder + '/' + Backup::markName()));
        // Nothing half made is left beside it.
        QCOMPARE(QDir(backupRoot()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("2026-12-10_090000")});
    }

    void oneBackupADay()
    {
        fill();
        QCOMPARE(Backup::daily(m_program, at(2026, 12, 10, 8)).made.size(), 1);
        QCOMPARE(Backup::daily(m_program, at(2026, 12, 10, 18)).made.size(), 0);
        QCOMPARE(Backup::daily(m_program, at(2026, 12, 11, 8)).made.size(), 1);
        QCOMPARE(QDir(backupRoot()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 (QStringList{"2026-12-10_080000", "2026-12-11_080000"}));
    }

    void missingFilesAreSkippedAndNothingMeansNoBackup()
    {
        Backup::Outcome outcome = Backup::daily(m_program, at(2026, 12, 10));
        QVERIFY(outcome.made.isEmpty());
        QVERIFY(outcome.problems.isEmpty());
        QVERIFY(!QFileInfo::exists(backupRoot()));
        writeBytes(m_program + QStringLiteral("/Archivio_Clienti.pro"), QByteArray(6065, 'c'));
        outcome = Backup::daily(m_program, at(2026, 12, 10));
        QCOMPARE(outcome.made.size(), 1);
        QCOMPARE(QDir(outcome.made.first()).entryList(QDir::Files),
                 (QStringList{"Archivio_Clienti.pro", Backup::markName()}));
    }

    void retention_data()
    {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QStringList>("gone");
        QStringList december;
        for (int d = 1; d <= 20; ++d)
            december << QStringLiteral("2026-12-%1_090000").arg(d, 2, 10, QLatin1Char('0'));
        // The 14 newest stay; of the six before them only the month's newest would, and that is among the 14.
        QTest::newRow("twenty days of one month") << december << QDate(2026, 12, 20) << december.mid(0, 6);
        QStringList months = {"2025-11-30_090000", "2025-12-31_090000", "2026-01-15_090000", "2026-01-31_090000",
                              "2026-11-30_090000"};
        // Twelve months back from December 2026 reach January 2026: November 2025 and December 2025 go,
        // and of January only the newest stays.
        QTest::newRow("one a month")
            << (months + december.mid(0, 14)) << QDate(2026, 12, 20)
            << QStringList{"2025-11-30_090000", "2025-12-31_090000", "2026-01-15_090000"};
        QTest::newRow("few backups all stay") << QStringList{"2026-12-01_090000", "2026-12-02_090000"}
                                              << QDate(2026, 12, 2) << QStringList{};
        // Several a day: all of today's stay (one may undo a restore); of an earlier day, the newest.
        QTest::newRow("several a day")
            << QStringList{"2026-12-01_090000", "2026-12-01_190000", "2026-12-02_090000", "2026-12-02_120000",
                           "2026-12-02_190000"}
            << QDate(2026, 12, 2) << QStringList{"2026-12-01_090000"};
    }
    void retention()
    {
        QFETCH(QStringList, folders);
        QFETCH(QDate, today);
        QFETCH(QStringList, gone);
        QStringList expired = Backup::expired(folders, today);
        expired.sort();
        gone.sort();
        QCOMPARE(expired, gone);
    }

    void onlyOurFoldersAreEverDeleted()
    {
        fill();
        // Old folders: one of ours, one that only looks like ours, and one of the shop's own.
        for (const char *name : {"2020-01-01_090000", "2020-01-02_090000", "Foto vetrina"})
            QVERIFY(QDir().mkpath(backupRoot() + '/' + QLatin1String(name)));
        writeBytes(backupRoot() + QStringLiteral("/2020-01-01_090000/") + Backup::markName(), "x");
        for (int d = 1; d <= 15; ++d)
            QCOMPARE(Backup::daily(m_program, at(2026, 12, d)).made.size(), 1);
        const QStringList left = QDir(backupRoot()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QVERIFY(!left.contains("2020-01-01_090000"));
        QVERIFY(left.contains("2020-01-02_090000"));
        QVERIFY(left.contains("Foto vetrina"));
        QCOMPARE(left.size(), 14 + 2);
    }

    void cleanUpNeverFollowsALink()
    {
        // A link with an old backup's name, pointing to a folder that holds the
        // mark: the retention removes neither the folder's files nor the link's target.
        fill();
        const QString precious = m_dir->filePath(QStringLiteral("Documenti del negozio"));
        QVERIFY(QDir().mkpath(precious));
        writeBytes(precious + '/' + Backup::markName(), "x");
        writeBytes(precious + QStringLiteral("/fatture.ods"), "the shop's invoices");
        QVERIFY(QDir().mkpath(backupRoot()));
        QVERIFY(QFile::link(precious, backupRoot() + QStringLiteral("/2020-01-01_090000")));
        // And a link that looks like a partial folder left by a run cut short.
        QVERIFY(QFile::link(precious, backupRoot() + QStringLiteral("/.2020-01-03_090000.partial")));
        for (int d = 1; d <= 15; ++d)
            QCOMPARE(Backup::daily(m_program, at(2026, 12, d)).made.size(), 1);
        QCOMPARE(fileBytes(precious + QStringLiteral("/fatture.ods")), QByteArray("the shop's invoices"));
        QVERIFY(QFileInfo::exists(precious + '/' + Backup::markName()));
    }

    void partialFoldersOfRunsCutShortAreRemoved()
    {
        fill();
        QVERIFY(QDir().mkpath(backupRoot()));
        // Cut short days ago, and one begun a moment ago by another station's run.
        for (const char *name : {".2026-12-01_093000.partial", ".2026-12-09_180000.partial", ".2026-12-10_085930.partial",
                                 ".copia.partial"}) {
            QVERIFY(QDir().mkpath(backupRoot() + '/' + QLatin1String(name)));
            writeBytes(backupRoot() + '/' + QLatin1String(name) + QStringLiteral("/Archivio_Clienti.pro"), "half");
        }
        QCOMPARE(Backup::daily(m_program, at(2026, 12, 10)).made.size(), 1);
        QCOMPARE(QDir(backupRoot()).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{".2026-12-10_085930.partial", ".copia.partial", "2026-12-10_090000"}));
    }

    void secondFolder_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("reachable") << "ok";
        QTest::newRow("missing") << "missing";
        QTest::newRow("read-only") << "readonly";
    }
    void secondFolder()
    {
        QFETCH(QString, kind);
        fill();
        const QString second = m_dir->filePath(QStringLiteral("chiavetta"));
        if (kind != QLatin1String("missing"))
            QVERIFY(QDir().mkpath(second));
        writeBytes(m_program + QStringLiteral("/Lumivista.ini"), "[Backup]\r\nCartella=" + second.toUtf8() + "\r\n");
        Backup::Outcome outcome;
        if (kind == QLatin1String("readonly")) {
            if (!Unprivileged().ok())
                QSKIP("Running as root without the right to switch user: permissions cannot bind here");
            for (const QString &path : {m_dir->path(), m_program})
                QVERIFY(::chmod(QFile::encodeName(path).constData(), 0777) == 0);
            for (const QString &name : Backup::fileNames())
                QVERIFY(::chmod(QFile::encodeName(m_program + '/' + name).constData(), 0666) == 0);
            QVERIFY(::chmod(QFile::encodeName(second).constData(), 0555) == 0);
            Unprivileged guard;
            outcome = Backup::daily(m_program, at(2026, 12, 10));
        } else {
            outcome = Backup::daily(m_program, at(2026, 12, 10));
        }
        // The program folder's own backup is made whatever happens to the second one.
        QVERIFY(QFileInfo::exists(backupRoot() + QStringLiteral("/2026-12-10_090000/Archivio_Clienti.pro")));
        if (kind == QLatin1String("ok")) {
            QCOMPARE(outcome.problems, QStringList());
            QCOMPARE(outcome.made.size(), 2);
            QCOMPARE(fileBytes(second + QStringLiteral("/2026-12-10_090000/Lumivista.ini")),
                     fileBytes(m_program + QStringLiteral("/Lumivista.ini")));
        } else {
            QCOMPARE(outcome.made.size(), 1);
            QCOMPARE(outcome.problems.size(), 1);
            QVERIFY(outcome.problems.first().contains(second));
        }
    }

    void everyBackupCanBeChecked()
    {
        fill();
        const Backup::Outcome outcome = Backup::daily(m_program, at(2026, 12, 10));
        QCOMPARE(outcome.made.size(), 1);
        const QString made = outcome.made.first();
        QCOMPARE(Backup::check(made).state, Backup::State::Good);
        // Asked for, a backup is made even though today's exists; two in one second get two names.
        QCOMPARE(Backup::daily(m_program, at(2026, 12, 10), Backup::When::Now).made.size(), 1);
        QCOMPARE(Backup::daily(m_program, at(2026, 12, 10), Backup::When::Now).made.size(), 1);
        const QList<Backup::Entry> entries = Backup::list(backupRoot());
        QCOMPARE(entries.size(), 3);
        QCOMPARE(QFileInfo(entries.first().path).fileName(), QStringLiteral("2026-12-10_090002"));
        qint64 size = 0;
        for (const QString &name : Backup::fileNames())
            size += QFileInfo(m_program + '/' + name).size();
        QCOMPARE(entries.first().size, size);

        // One byte changed, a file gone: damaged, and the check says which.
        QFile file(made + QStringLiteral("/Prescrizioni_Occhiali.pro"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(100) && file.write("x") == 1);
        file.close();
        QVERIFY(QFile::remove(made + QStringLiteral("/unins000.dll")));
        const Backup::Verdict verdict = Backup::check(made);
        QCOMPARE(verdict.state, Backup::State::Damaged);
        QCOMPARE(verdict.damaged, (QStringList{"Prescrizioni_Occhiali.pro", "unins000.dll"}));
        // A damaged backup is never restored, and nothing is touched.
        writeBytes(m_program + QStringLiteral("/Prescrizioni_Occhiali.pro"), "changed");
        const Backup::Outcome refused = Backup::restore(m_program, made, at(2026, 12, 10, 10));
        QCOMPARE(refused.problems.size(), 1);
        QVERIFY(refused.problems.first().contains(QStringLiteral("danneggiata")));
        QCOMPARE(fileBytes(m_program + QStringLiteral("/Prescrizioni_Occhiali.pro")), QByteArray("changed"));

        // A mark that records no files (an older backup) cannot be checked.
        writeBytes(made + '/' + Backup::markName(), "Copia di sicurezza di Lumivista del 2026-12-10T09:00:00\n");
        QCOMPARE(Backup::check(made).state, Backup::State::Unverifiable);
    }

    void restoreThenUndoGivesBackTheBytes()
    {
        fill();
        const QString made = Backup::daily(m_program, at(2026, 12, 10)).made.first();
        QVERIFY(!Backup::changedSinceToday(m_program, backupRoot(), QDate(2026, 12, 10)));
        // The day's work: a client appended, the settings changed, a lens archive appears.
        writeBytes(m_program + QStringLiteral("/Archivio_Clienti.pro"), QByteArray(3 * 6065, 'C'));
        writeBytes(m_program + QStringLiteral("/Lumivista.ini"), "[Centro Ottico]\r\nRigo 1=Ottica Nuova\r\n");
        QVERIFY(Backup::changedSinceToday(m_program, backupRoot(), QDate(2026, 12, 10)));
        QMap<QString, QByteArray> start;
        for (const QString &name : Backup::fileNames())
            start.insert(name, fileBytes(m_program + '/' + name));

        const Backup::Outcome restored = Backup::restore(m_program, made, at(2026, 12, 10, 12));
        QCOMPARE(restored.problems, QStringList());
        QCOMPARE(restored.made.size(), 1); // the way back
        for (const QString &name : Backup::fileNames())
            QCOMPARE(fileBytes(m_program + '/' + name), fileBytes(made + '/' + name));

        const Backup::Outcome undone = Backup::restore(m_program, restored.made.first(), at(2026, 12, 10, 13));
        QCOMPARE(undone.problems, QStringList());
        for (const QString &name : Backup::fileNames())
            QCOMPARE(fileBytes(m_program + '/' + name), start.value(name));
        // No temporary file is left beside the archives.
        QCOMPARE(QDir(m_program).entryList(QDir::Files).size(), Backup::fileNames().size());
    }

    void restoreRefusedLeavesEverything_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("archive in use") << "busy";
        QTest::newRow("full disk") << "full";
    }
    void restoreRefusedLeavesEverything()
    {
        QFETCH(QString, fault);
        fill();
        const QString made = Backup::daily(m_program, at(2026, 12, 10)).made.first();
        writeBytes(m_program + QStringLiteral("/Archivio_Appuntamenti.pro"), QByteArray(4 * 1265, 'A'));
        QMap<QString, QByteArray> start;
        for (const QString &name : Backup::fileNames())
            start.insert(name, fileBytes(m_program + '/' + name));
        Backup::Outcome outcome;
        if (fault == QLatin1String("busy")) {
            // Another station holds the appointments: nothing is restored.
            RecordFile::setLockWaitForTests(100);
            RecordFile other(m_program + QStringLiteral("/Archivio_Appuntamenti.pro"), RecordLayout::appointments());
            outcome = Backup::restore(m_program, made, at(2026, 12, 10, 12));
            RecordFile::setLockWaitForTests(0);
            QVERIFY(outcome.problems.value(0).contains(QStringLiteral("in uso su un'altra postazione")));
        } else {
            FullDisk full(64);
            outcome = Backup::restore(m_program, made, at(2026, 12, 10, 12));
            QCOMPARE(outcome.problems.size(), 1);
        }
        for (const QString &name : Backup::fileNames())
            QCOMPARE(fileBytes(m_program + '/' + name), start.value(name));
    }

private:
    QString backupRoot() const { return m_program + QStringLiteral("/Backup"); }
    void fill()
    {
        const QList<std::pair<QString, QByteArray>> files = {
            {"Archivio_Clienti.pro", QByteArray(2 * 6065, 'c')},
            {"Prescrizioni_Occhiali.pro", QByteArray(5436, 'o')},
            {"Prescrizioni_Lenti.pro", QByteArray()},
            {"Archivio_Appuntamenti.pro", QByteArray(3 * 1265, 'a')},
            {"Lumivista.ini", "[Centro Ottico]\r\nRigo 1=Ottica Centrale\r\n"},
            {"unins000.dll", "[Accesso]\r\nValore=3431A64DF76D4E3540\r\n"},
        };
        for (const auto &[name, bytes] : files)
            writeBytes(m_program + '/' + name, bytes);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_program;
};

QTEST_GUILESS_MAIN(TstBackup)
#include "tst_backup.moc"
