#pragma once
#include "ClientArchive.h"
#include "core/RecordFile.h"
#include <QDate>
#include <QFileInfo>
#include <functional>

/** The four archives of 100,000 records each that the history, recall and
 *  statistics benchmarks measure, in the program folder; kept when already full. */
namespace ShopArchives {

using namespace lumivista;

/** The client the i-th prescription or appointment is for. */
inline qint64 clientOf(qint64 i)
{
    return (i * 7919) % ClientArchive::kRecords;
}

/** The name ClientArchive gave client c. */
inline QString clientName(qint64 c)
{
    static const QStringList surnames = {"Rossi", "Bianchi", "Esposito", "Colombo", "Ricci", "Marino",
                                         "Greco", "Bruno", "Gallo", "Conti", "De Luca", "Mancini"};
    static const QStringList names = {"Mario", "Giulia", "Luca", "Francesca", "Niccolò", "Chiara",
                                      "Andrea", "Sara", "Pietro"};
    return surnames.at(c % surnames.size()) + QLatin1Char(' ') + names.at(c % names.size())
        + QStringLiteral(" %1").arg(c);
}

inline void fillArchive(const RecordLayout &layout, const std::function<void(Record &, qint64)> &fill)
{
    const QString path = RecordFile::pathFor(layout);
    if (QFileInfo(path).size() >= qint64(layout.size()) * ClientArchive::kRecords)
        return;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot create %s", qPrintable(path));
    QByteArray block;
    for (qint64 i = 0; i < ClientArchive::kRecords; ++i) {
        Record r(layout);
        fill(r, i);
        block += r.bytes();
        if (block.size() >= 1000 * layout.size() || i + 1 == ClientArchive::kRecords) {
            if (file.write(block) != block.size())
                qFatal("cannot write %s", qPrintable(path));
            block.clear();
        }
    }
}

inline void prescription(Record &r, qint64 i)
{
    static const QStringList frames = {"Ray-Ban", "Persol", "Oakley", "Silhouette", "Lindberg", "Vogue",
                                       "Prada", "Gucci", "Tom Ford", "Carrera", "Police", "Moscot"};
    static const QStringList lenses = {"Zeiss", "Hoya", "Essilor", "Rodenstock", "Shamir", "Nikon", "Seiko"};
    const qint64 c = clientOf(i);
    r.setValue(QStringLiteral("NumPre"), QString::number(i + 1));
    r.setValue(QStringLiteral("Data"), QDate(2020, 1, 1).addDays(i % 2500).toString(QStringLiteral("dd/MM/yyyy")));
    r.setValue(QStringLiteral("ClienteRigo01"), clientName(c));
    r.setValue(QStringLiteral("ClienteRigo05"), QStringLiteral("33%1").arg(1000000 + c * 37 % 8999999));
    r.setValue(QStringLiteral("TipoOc"), QStringLiteral("Progressivi"));
    r.setValue(QStringLiteral("Montatura01"), frames.at(i % frames.size()));
    r.setValue(QStringLiteral("LenteDX01"), lenses.at(i % lenses.size()));
    r.setValue(QStringLiteral("LenteSX01"), lenses.at(i % lenses.size()));
    r.setValue(QStringLiteral("LenteDX02"), lenses.at((i / 3) % lenses.size()));
    r.setValue(QStringLiteral("Dovuto"), QStringLiteral("%1,50").arg(100 + i % 400));
    r.setValue(QStringLiteral("Finale"), QStringLiteral("%1,00").arg(i % 50));
    r.setValue(QStringLiteral("Totale"), i % 3 ? QStringLiteral("0,00") : QStringLiteral("50,00"));
    r.setValue(QStringLiteral("Saldato"), i % 3 ? QStringLiteral("Sì") : QStringLiteral("No"));
}

/** All four archives in the program folder. */
inline void generate()
{
    const QString clients = RecordFile::pathFor(RecordLayout::clients());
    if (QFileInfo(clients).size() < qint64(RecordLayout::clients().size()) * ClientArchive::kRecords)
        ClientArchive::generate(clients);
    fillArchive(RecordLayout::glasses(), prescription);
    fillArchive(RecordLayout::lenses(), prescription);
    fillArchive(RecordLayout::appointments(), [](Record &r, qint64 i) {
        const qint64 c = clientOf(i);
        r.setValue(QStringLiteral("Data"), QDate(2020, 1, 1).addDays(i % 2600).toString(QStringLiteral("dd/MM/yyyy")));
        r.setValue(QStringLiteral("Ora"), QStringLiteral("10:30"));
        r.setValue(QStringLiteral("Contatto"), clientName(c));
        r.setValue(QStringLiteral("Cel"), QStringLiteral("33%1").arg(1000000 + c * 37 % 8999999));
        r.setValue(QStringLiteral("Causale"), QStringLiteral("Controllo della vista"));
        r.setValue(QStringLiteral("Ottemperata"), i % 2 ? QStringLiteral("Sì") : QStringLiteral("No"));
    });
}

} // namespace ShopArchives
