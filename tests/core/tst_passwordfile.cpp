#include "core/Crypt.h"
#include "core/PasswordFile.h"
#include "core/ProgramFolder.h"
#include "Unprivileged.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace lumivista;

/** The credentials file unins000.dll in a temporary program folder. */
class TestPasswordFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    void writeRaw(const QByteArray &content)
    {
        QFile file(m_dir.filePath(QStringLiteral("unins000.dll")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QFile::remove(m_dir.filePath(QStringLiteral("unins000.dll")));
        QDir(m_dir.filePath(QStringLiteral("unins000.dll"))).removeRecursively();
        ProgramFolder::setOverride(m_dir.path());
    }

    void cleanupTestCase() { ProgramFolder::setOverride(QString()); }

    void missingFileReadsEmptyAndIsNotCreated()
    {
        QCOMPARE(PasswordFile::read().value(), QString());
        QVERIFY(!QFile::exists(PasswordFile::path()));
    }

    void missingKeyReadsEmpty()
    {
        writeRaw("[Accesso]\r\nAltro=39\r\n");
        QCOMPARE(PasswordFile::read().value(), QString());
    }

    void storedValueIsUnscrambledAndTrimmed()
    {
        // " AB " scrambled, so the blanks are inside the stored value.
        writeRaw("[Accesso]\r\nValore=" + Crypt::ScrambleText(QStringLiteral(" AB ")).toLatin1() + "\r\n");
        QCOMPARE(PasswordFile::read().value(), QStringLiteral("AB"));
    }

    void damagedValueIsAReadFailure()
    {
        writeRaw("[Accesso]\r\nValore=39ZZ\r\n");
        QVERIFY(!PasswordFile::read().has_value());
    }

    void unreadableFileIsAReadFailure_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("file without read permission") << false;
        QTest::newRow("folder in its place") << true;
    }

    void unreadableFileIsAReadFailure()
    {
        QFETCH(bool, folder);
        const QString file = m_dir.filePath(QStringLiteral("unins000.dll"));
        if (folder) {
            QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("unins000.dll")));
            QVERIFY(!PasswordFile::read().has_value());
            return;
        }
        writeRaw("[Accesso]\r\nValore=3431A64DF76D4E3540\r\n");
        // The folder can be walked by anyone; the file can only be written by its owner.
        QVERIFY(QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFileDevice::ExeOther));
        QVERIFY(QFile::setPermissions(file, QFileDevice::WriteOwner));
        {
            Unprivileged nobody;
            if (!nobody.ok())
                QSKIP("cannot drop root rights here");
            QVERIFY(!PasswordFile::read().has_value());
        }
        QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    }

    void writeStoresTheNormalisedPasswordScrambled()
    {
        QVERIFY(PasswordFile::write(QStringLiteral("  lumivista ")));
        QFile file(PasswordFile::path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QVERIFY2(content.contains("[Accesso]"), content.constData());
        QVERIFY2(content.contains("Valore=3431A64DF76D4E3540"), content.constData());
        QCOMPARE(PasswordFile::read().value(), QStringLiteral("LUMIVISTA"));
    }

    void normalise_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("normal");
        QTest::newRow("lower case") << "lumivista" << "LUMIVISTA";
        QTest::newRow("blanks around") << "  Lumivista\t" << "LUMIVISTA";
        QTest::newRow("inner blank kept") << "a b" << "A B";
        QTest::newRow("accented letters unchanged") << QStringLiteral("perché") << QStringLiteral("PERCHé");
        QTest::newRow("only blanks") << "   " << QString();
    }

    void normalise()
    {
        QFETCH(QString, typed);
        QFETCH(QString, normal);
        QCOMPARE(PasswordFile::normalise(typed), normal);
    }

    void letterCaseNeverMattersAccentsIncluded_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("opens");
        QTest::newRow("as chosen") << QStringLiteral("Vista Città 2026") << QStringLiteral("Vista Città 2026") << true;
        QTest::newRow("caps lock") << QStringLiteral("Vista Città 2026") << QStringLiteral("VISTA CITTÀ 2026") << true;
        QTest::newRow("chosen in caps, typed small") << QStringLiteral("PERCHÉ NO 1") << QStringLiteral("perché no 1")
                                                      << true;
        QTest::newRow("another accent") << QStringLiteral("Vista Città 2026") << QStringLiteral("VISTA CITTÁ 2026")
                                        << false;
        QTest::newRow("accent left out") << QStringLiteral("Vista Città 2026") << QStringLiteral("VISTA CITTA 2026")
                                         << false;
        QTest::newRow("wrong") << QStringLiteral("Vista Città 2026") << QStringLiteral("Vista Citta 2025") << false;
    }
    void letterCaseNeverMattersAccentsIncluded()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, typed);
        QFETCH(bool, opens);
        QVERIFY(PasswordFile::write(chosen));
        const std::optional<QString> stored = PasswordFile::read();
        QVERIFY(stored);
        QCOMPARE(*stored, PasswordFile::normalise(chosen)); // the stored form is as it always was
        QCOMPARE(PasswordFile::matches(typed, *stored), opens);
        QVERIFY(!PasswordFile::matches(typed, QString())); // no password set: nothing opens
    }
};

QTEST_APPLESS_MAIN(TestPasswordFile)
#include "tst_passwordfile.moc"
