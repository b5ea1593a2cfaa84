#pragma once
#include "TestFolder.h"
#include "app/AppContext.h"
#include "platform/FakeServices.h"
#include <QByteArray>
#include <QObject>
#include <map>
#include <memory>

class QLineEdit;

namespace lumivista {

/** The base of the window tests: a temporary program folder, fake services and
 *  an application context, made fresh before each test function and gone after
 *  it, with the helpers every window test needs. A test class derives from it
 *  and calls startWindowTest() from init() and endWindowTest() from cleanup(),
 *  after destroying its own windows. */
class WindowTest : public QObject
{
    Q_OBJECT
protected:
    std::unique_ptr<TestFolder> folder;
    std::unique_ptr<FakeServices> fakes;
    std::unique_ptr<AppContext> context;

    void startWindowTest();
    /** Also fails the test when a modal window it waited for never appeared. */
    void endWindowTest();

    /** A working window (a card or the agenda) made fresh, registered in the
     *  context as the program registers it, beside a stand-in home screen, and
     *  shown. It replaces the previous one of that id and lives until
     *  endWindowTest(). */
    QWidget *openWorkingWindow(WindowId id);

    /** Shows the window and waits until it is active. */
    static bool showActive(QWidget *window);
    /** Presses the button of window with that objectName; fails the test when
     *  it is missing or disabled. */
    static void click(QWidget *window, const QString &name);
    /** The control a user reaches by its accessible name (an edit's caption);
     *  edits and labels win over buttons of the same name. */
    static QWidget *named(QWidget *window, const QString &accessibleName);
    static QLineEdit *edit(QWidget *window, const QString &objectName);
    /** Whether the edit shows its whole text, with the cursor at the start and
     *  at the end alike: nothing is scrolled out of view either way. */
    static bool showsWhole(QLineEdit *edit);

private:
    std::unique_ptr<QWidget> m_home;
    std::map<WindowId, std::unique_ptr<QWidget>> m_working;

public:
    /** The significant bytes of the field whose length byte is at offset. */
    static QByteArray fieldAt(const QByteArray &record, int offset);
    /** Writes a field by hand, as another program would have. */
    static void putField(QByteArray &record, int offset, const QByteArray &cp1252);
};

} // namespace lumivista
