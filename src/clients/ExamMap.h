#pragma once
#include <QList>
#include <QString>
#include <QStringList>

namespace lumivista {

/** Where each exam cell sits. The cells' numbers do not follow the layout, so
 *  this table is the only key: the window's grids, the Enter order, the
 *  accessible names and the exam sheet all come from it. */
class ExamMap
{
public:
    struct Grid
    {
        QString block;       // the heading the window shows over the grid
        QStringList rows;
        QStringList columns;
        QList<QList<int>> cells; // [row][column]: cell number, 0 where there is none
    };

    /** The six grids in Enter order: distances, right eye, left eye, the two
     *  preliminary tests, the autorefractometer. */
    static const QList<Grid> &grids();
    /** Right and left eye, in the window's and the sheet's column order. */
    static const Grid &rightEye() { return grids().at(1); }
    static const Grid &leftEye() { return grids().at(2); }

    /** txtDataEsame, txtOculista, txtEta, then every cell block by block, row by row. */
    static QStringList enterOrder();
    /** The 70 exam edits in field order: date, oculist, age, txtDente01 ... txtDente67. */
    static QStringList fieldOrder();
    /** "txtDente08" */
    static QString cellName(int cell);
    /** "OCCHIO DESTRO LONTANO SFERA": block, row and column in the window's words. */
    static QString accessibleName(int cell);
};

} // namespace lumivista
