#pragma once
#include "archive/ExportMember.h"
#include "archive/WindowRegistry.h"
#include "core/LineFormat.h"
#include "core/ListFind.h"
#include "core/Record.h"
#include <QDate>
#include <QList>
#include <functional>

namespace lumivista {

/** One filter edit of a search window: its edit, its label and the field it looks in. */
struct ListFilter
{
    QString edit;
    QString label;
    QString field;
};

/** One member of the list family: the four searches (with filters) and the six
 *  summary lists (with a listing rule). Everything that tells them apart is here;
 *  RecordListWindow is the one behaviour. */
class RecordListWindow;

struct ListMember
{
    /** Rows of our own making, for lists that gather several archives (a
     *  client's history, the recalls): records of line.layout(), a layout that
     *  is never stored, already in the order to show. */
    struct Rows
    {
        QList<Record> records;
        /** Figures shown above the list and printed under the title. */
        QString heading;
        /** Messages of archives that could not be read to the end. */
        QStringList failures;
    };

    QString windowName;
    QString caption;
    LineFormat line;
    /** Search windows: the filter edits in Enter order, and the first focus. */
    QList<ListFilter> filters;
    QString firstFocus;
    /** Summary lists: which records are listed (today for the date rules). */
    std::function<bool(const RecordView &, const QDate &today)> rule;
    bool sorted = false;
    ListFind::Fold fold = ListFind::Fold::AZ;
    QString emptyMessage = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
    QString printTitle;
    /** The line under the list. */
    QString pickHint = QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda");
    /** What a picked record does for the key in lblMemory; false: nothing at all. */
    std::function<bool(const WindowRegistry &, const QString &key, const Record &, qint64 position)> pick;

    /** Lists of rows of our own; such a list is not sorted by its lines. */
    std::function<Rows(const QDate &today)> rows;
    /** When valid, "Esporta" writes the rows shown through this export. */
    ExportMember exportMember;
    /** "Stampa" opens the preview, from which the user prints or saves a PDF. */
    bool printPreview = false;
    /** A window of its own for a member with controls of its own. */
    std::function<RecordListWindow *(WindowRegistry &, const ListMember &, const QString &key, QWidget *owner)> window;

    bool isSearch() const { return !filters.isEmpty(); }

    /** The pick of a search or list that loads the record onto the card of that key. */
    static std::function<bool(const WindowRegistry &, const QString &, const Record &, qint64)>
    loadInto(WindowId card, const QString &key);
};

} // namespace lumivista
