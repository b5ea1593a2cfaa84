#pragma once
#include "core/Record.h"
#include "core/RecordLayout.h"
#include <QFile>
#include <QStringList>

/** The 100,000-client archive the benchmarks measure. */
namespace ClientArchive {

using namespace lumivista;

constexpr qint64 kRecords = 100000;

/** Writes kRecords clients with the fields a shop fills most. */
inline void generate(const QString &path)
{
    const RecordLayout &layout = RecordLayout::clients();
    const QStringList surnames = {QStringLiteral("Rossi"), QStringLiteral("Bianchi"), QStringLiteral("Esposito"),
                                  QStringLiteral("Colombo"), QStringLiteral("Ricci"), QStringLiteral("Marino"),
                                  QStringLiteral("Greco"), QStringLiteral("Bruno"), QStringLiteral("Gallo"),
                                  QStringLiteral("Conti"), QStringLiteral("De Luca"), QStringLiteral("Mancini")};
    const QStringList names = {QStringLiteral("Mario"), QStringLiteral("Giulia"), QStringLiteral("Luca"),
                               QStringLiteral("Francesca"), QStringLiteral("Niccolò"), QStringLiteral("Chiara"),
                               QStringLiteral("Andrea"), QStringLiteral("Sara"), QStringLiteral("Pietro")};
    const QStringList cities = {QStringLiteral("Roma"), QStringLiteral("Milano"), QStringLiteral("Napoli"),
                                QStringLiteral("Torino"), QStringLiteral("Forlì"), QStringLiteral("Cesena"),
                                QStringLiteral("Bologna"), QStringLiteral("Rimini"), QStringLiteral("Ravenna")};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot create %s", qPrintable(path));
    Record r(layout);
    QByteArray block;
    block.reserve(1000 * layout.size());
    for (qint64 i = 0; i < kRecords; ++i) {
        r.setValue(QStringLiteral("Name"), surnames.at(i % surnames.size()) + QLatin1Char(' ') + names.at(i % names.size())
                                               + QStringLiteral(" %1").arg(i));
        r.setValue(QStringLiteral("Street"), QStringLiteral("Via Garibaldi %1").arg(i % 200));
        r.setValue(QStringLiteral("City"), cities.at((i / 7) % cities.size()));
        r.setValue(QStringLiteral("MobilePhone"), QStringLiteral("33%1").arg(1000000 + i * 37 % 8999999));
        r.setValue(QStringLiteral("Dentist"), QStringLiteral("Dott. ") + surnames.at((i / 3) % surnames.size()));
        r.setValue(QStringLiteral("Notes"), i % 5 ? QString() : QStringLiteral("Preferisce essere contattato la mattina"));
        r.setValue(QStringLiteral("Pathologies"), QStringLiteral("Presbiopia"));
        r.setValue(QStringLiteral("Issues"), i % 11 ? QString() : QStringLiteral("Saldo da versare"));
        block += r.bytes();
        if (block.size() >= 1000 * layout.size() || i + 1 == kRecords) {
            if (file.write(block) != block.size())
                qFatal("cannot write %s", qPrintable(path));
            block.clear();
        }
    }
    if (!file.flush())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace ClientArchive
