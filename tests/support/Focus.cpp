#include "Focus.h"
#include <QApplication>
#include <QTest>
#include <QWidget>

namespace lumivista {

QString Focus::name()
{
    QWidget *w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("(no focus)");
}

bool Focus::press(int key, int modifiers)
{
    QWidget *w = QApplication::focusWidget();
    if (!w)
        return false;
    QTest::keyClick(w, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    return true;
}

} // namespace lumivista
