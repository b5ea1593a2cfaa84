#pragma once
#include "archive/CardDefinition.h"
#include "archive/FieldBinder.h"
#include "widgets/HintStrip.h"
#include "widgets/PictureButton.h"
#include "widgets/ValueLabel.h"
#include <QHash>
#include <QLabel>
#include <QSet>
#include <QWidget>
#include <memory>

namespace lumivista {

class ArchiveError;
class CardBuilder;
class WindowRegistry;
struct Services;

/** The behaviour all four cards share: one record on screen, browsed, cleared,
 *  duplicated and stored by its 1-based position in lblPosizione. The whole
 *  screen is built from the card's CardDefinition; a card subclass adds only the
 *  steps that are truly its own. */
class CardWindow : public QWidget
{
    Q_OBJECT
public:
    CardWindow(WindowRegistry &registry, CardDefinition definition, QWidget *parent = nullptr);
    ~CardWindow() override;

    const CardDefinition &definition() const { return m_def; }
    WindowRegistry &registry() const { return m_registry; }
    Services &services() const;

    /** Puts a record read from this card's archive on screen, with its position. */
    void loadRecord(const Record &record, qint64 position);
    /** The record as the controls hold it now (what Save would store). */
    Record currentRecord() const { return m_binder->store(); }
    /** Trimmed text of lblPosizione; empty for a card not stored yet. */
    QString position() const;

    ValueLabel *lblPosizione = nullptr;
    HintStrip *panInfo = nullptr;

    /** A picture button of the card by objectName, toolbar or field area. */
    PictureButton *button(const QString &name) const;
    QWidget *field(const QString &controlName) const;
    template<class T> T *control(const QString &name) const { return findChild<T *>(name); }

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
    void commandExport();

protected:
    enum class Command { New, Duplicate, Save, First, Previous, Next, Last };

    const FieldBinder &binder() const { return *m_binder; }

    /** Writes the hint into panInfo on mouse-over; also the tooltip. */
    void setHint(QWidget *widget, const QString &hint) { panInfo->setHint(widget, hint); }
    /** Mouse over these empties panInfo (background and decorative boxes). */
    void addBackground(QWidget *widget) { panInfo->addBackground(widget); }
    /** Connects a picture button of the layout to a handler of the card. */
    template<class Card> void onClick(const QString &name, void (Card::*handler)())
    {
        connect(button(name), &QToolButton::clicked, static_cast<Card *>(this), handler);
    }

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
    void showAccessFailure(Command command, const ArchiveError &error);

    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    friend class CardBuilder;

    void buildScreen();
    void bindFields();
    void registerButton(PictureButton *button, const QString &hint);
    /** First, Previous, Next and Last: one routine, with what each command reads. */
    void move(Command command);
    QString archivePath() const;

    WindowRegistry &m_registry;
    CardDefinition m_def;
    std::unique_ptr<FieldBinder> m_binder;
    QWidget *m_panel = nullptr;
    QHash<QString, PictureButton *> m_buttons;
    QList<QWidget *> m_cycle;
};

} // namespace lumivista
