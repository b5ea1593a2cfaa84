#pragma once
#include <QObject>

class QAbstractButton;
class QApplication;
class QKeySequence;

namespace lumivista {

/** The keyboard rules every window follows, installed once on the application:
 *  - Enter on a focused push or picture button presses it, whatever its
 *    auto-default setting;
 *  - Alt with a letter never types that letter into a field (Ctrl+Alt, the
 *    AltGr of some keyboards, still types its "@", "#" or "€"). */
class KeyboardRules : public QObject
{
    Q_OBJECT
public:
    /** Installs the rules on app, once; later calls do nothing. */
    static void install(QApplication &app);
    /** Gives button a key that presses it while its window is active, and names
     *  the key at the end of its hint (tooltip), e.g. "Salva la scheda. (Ctrl+S)". */
    static void bind(QAbstractButton *button, const QKeySequence &key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};

} // namespace lumivista
