#include "ExamMap.h"
#include "core/Utf8.h"

namespace lumivista {

const QList<ExamMap::Grid> &ExamMap::grids()
{
    static const QStringList distances = {s("LONTANO"), s("VICINO"), s("INTERMEDIA")};
    static const QStringList refraction = {s("SFERA"), s("CILINDRO"), s("ASSE"), s("PRISMA"),
                                           s("BASE"),  s("ADDIZ."),   s("VISUS")};
    static const QList<Grid> all = {
        {s("DISTANZA INTERPUPILLARE"), distances, {s("DX"), s("SX"), s("TOTALE")},
         {{19, 29, 33}, {34, 35, 64}, {65, 66, 67}}},
        {s("OCCHIO DESTRO"), distances, refraction,
         {{8, 7, 6, 5, 4, 3, 2}, {15, 16, 32, 31, 30, 0, 28}, {21, 22, 23, 24, 36, 37, 0}}},
        {s("OCCHIO SINISTRO"), distances, refraction,
         {{1, 9, 10, 11, 12, 13, 14}, {27, 26, 25, 17, 18, 0, 20}, {38, 39, 40, 41, 42, 43, 0}}},
        {s("TEST PRELIMINARI"), {s("LONTANO"), s("VICINO")}, {s("DOMINANTE"), s("FORIE NAT."), s("FORIE COR.")},
         {{44, 45, 46}, {47, 48, 49}}},
        {s("TEST PRELIMINARI"), {s("NATURALE"), s("CORRETTO")}, {s("VISUS DX"), s("BINOC."), s("VISUS SX")},
         {{50, 51, 52}, {53, 54, 55}}},
        {s("AUTOREFRATTOMETRO"), {s("DX"), s("SX")}, {s("SFERA"), s("CILINDRO"), s("ASSE"), s("VISUS")},
         {{56, 57, 58, 59}, {60, 61, 62, 63}}},
    };
    return all;
}

QString ExamMap::cellName(int cell)
{
    return QStringLiteral("txtDente%1").arg(cell, 2, 10, QLatin1Char('0'));
}

QStringList ExamMap::enterOrder()
{
    QStringList order = {s("txtDataEsame"), s("txtOculista"), s("txtEta")};
    for (const Grid &grid : grids())
        for (const QList<int> &row : grid.cells)
            for (int cell : row)
                if (cell)
                    order << cellName(cell);
    return order;
}

QStringList ExamMap::fieldOrder()
{
    QStringList order = {s("txtDataEsame"), s("txtOculista"), s("txtEta")};
    for (int cell = 1; cell <= 67; ++cell)
        order << cellName(cell);
    return order;
}

QString ExamMap::accessibleName(int cell)
{
    for (const Grid &grid : grids())
        for (int r = 0; r < grid.cells.size(); ++r)
            for (int c = 0; c < grid.cells.at(r).size(); ++c)
                if (grid.cells.at(r).at(c) == cell)
                    return grid.block + QLatin1Char(' ') + grid.rows.at(r) + QLatin1Char(' ') + grid.columns.at(c);
    return QString();
}

} // namespace lumivista
