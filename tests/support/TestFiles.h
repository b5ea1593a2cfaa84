#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

/** The whole file as the test sees it, or "<unreadable>" when it cannot be read. */
inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

/** Writes a file by hand, as another program would; fails the test when it cannot. */
inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}
