#pragma once
#include "core/ExportSnapshot.h"
#include <QAbstractTableModel>

namespace lumivista {

/** The export grid's rows, read from the snapshot as the view asks for them:
 *  no item per cell, so a hundred thousand records stay light. Column 0 is "N.". */
class ExportModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ExportModel(const ExportSnapshot &snapshot, QObject *parent = nullptr);

    /** The snapshot was filled again. */
    void refresh();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const ExportSnapshot &m_snapshot;
};

} // namespace lumivista
