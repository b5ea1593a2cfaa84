#pragma once
#include "archive/CardDefinition.h"
#include "archive/FieldBinder.h"
#include <QHash>
#include <QSet>
#include <QLabel>
#include <QWidget>
#include <memory>

class QLineEdit;
class QGridLayout;

namespace lumivista {

class AppContext;
class PictureButton;
struct Services;

/** The behaviour all four cards share: one record on screen, browsed, cleared,
 *  duplicated and stored by its 1-based position in lblPosizione. A card subclass
 *  builds its fields into fieldsArea(), then calls bindFields(); everything else
 *  comes from its CardDefinition and a few overridable steps. */
class CardWindow : public QWidget
{
    Q_OBJECT
public:
    CardWindow(AppContext &context, CardDefinition definition, QWidget *parent = nullptr);
    ~CardWindow() override;

    const CardDefinition &definition() const { return m_def; }
    AppContext &context() const { return m_context; }
    Services &services() const;

    /** Puts a record read from this card's archive on screen, with its position. */
    void loadRecord(const Record &record, qint64 position);
    /** The record as the controls hold it now (what Save would store). */
    Record currentRecord() const { return m_binder->store(); }
    /** Trimmed text of lblPosizione; empty for a card not stored yet. */
    QString position() const;

    QLabel *lblPosizione = nullptr;
    QLabel *panInfo = nullptr;

    /** A picture button of the card by objectName, toolbar or field area. */
    PictureButton *button(const QString &name) const;
    QWidget *field(const QString &controlName) const;

public:
    // The standard commands, also reachable through their buttons.
    void commandNew();
    void commandDuplicate();
    void commandSave();
    void commandFirst();
    void commandPrevious();
    void commandNext();
    void commandLast();
    void commandHelp();

protected:
    enum class Command { New, Duplicate, Save, First, Previous, Next, Last };

    /** Where the card's own fields go, between the toolbar and the hint strip. */
    QWidget *fieldsArea() const { return m_fieldsArea; }
    /** Call once the fields exist: binds them by name and installs the shared
     *  key handling, highlight and hints. */
    void bindFields();
    const FieldBinder &binder() const { return *m_binder; }

    /** Writes the hint into panInfo on mouse-over; also the tooltip. */
    void setHint(QWidget *widget, const QString &hint);
    /** Mouse over these empties panInfo (background and decorative boxes). */
    void addBackground(QWidget *widget);
    /** A caption label above an edit, with the edit as its buddy. */
    QLabel *captionFor(QWidget *edit, const QString &caption, QWidget *parent = nullptr);
    /** A line edit with its objectName and typing limit. */
    QLineEdit *newEdit(QWidget *parent, const QString &name, int limit);
    /** The edit with a small picture button at its right end; returns the cell to lay out. */
    QWidget *withButton(QWidget *edit, const CommandDef &command, QWidget *parent = nullptr);

    // Steps a card may change.
    /** Empties fields and position. */
    virtual void clearCard();
    /** New: by default clears and focuses the first field. */
    virtual void prepareNew();
    /** Every time the card is shown; by default as New. */
    virtual void prepareShow();
    /** Duplicate on a stored card, before anything is emptied; false stops it. */
    virtual bool beforeDuplicate() { return true; }
    /** Save, before the required fields are checked (e.g. finish the field being edited). */
    virtual void prepareSave() {}
    /** After Duplicate emptied its fields, before the notice. */
    virtual void afterDuplicate() {}
    /** After the required fields are present, before the record is built.
     *  False stops the save silently. */
    virtual bool beforeSave() { return true; }
    /** Enter in an edit of the cycle; true when the card handled it itself. */
    virtual bool handleEnter(QWidget *) { return false; }
    /** Key press in a bound edit before the shared rules; true swallows it. */
    virtual bool handleKey(QWidget *, QKeyEvent *) { return false; }
    /** Closing, before the home screen comes back. */
    virtual void beforeClose() {}

    void focusControl(const QString &name);
    void showAccessFailure(Command command);

    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildFrame();
    void loadAt(qint64 index);
    QString archivePath() const;

    AppContext &m_context;
    CardDefinition m_def;
    std::unique_ptr<FieldBinder> m_binder;
    QWidget *m_panel = nullptr;
    QWidget *m_fieldsArea = nullptr;
    QHash<QString, PictureButton *> m_buttons;
    QHash<QObject *, QString> m_hints;
    QSet<QObject *> m_background;
    QList<QWidget *> m_cycle;
    QList<QWidget *> m_digitOnly;
};

} // namespace lumivista
