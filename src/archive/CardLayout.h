#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <variant>

namespace lumivista {

/** A picture button of a card: toolbar, command column or field. */
struct CommandDef
{
    QString name;     // objectName, e.g. "cmdNew"
    QString caption;  // short caption with the picture; also the accessible name
    QString icon;     // ":/icons/<icon>.svg"
    QString hint;     // shown in panInfo on mouse-over and as tooltip
    bool enabled = true; // false for commands whose window is not part of this build
    QString key = {};    // the keys that press it, e.g. "Ctrl+S"; named at the end of the hint
};

/** A white box of picture buttons. */
struct CommandBox
{
    CommandBox(QList<CommandDef> list = {}) : commands(std::move(list)) {}

    QList<CommandDef> commands;
    /** Down a column, with the caption beside the picture; otherwise across, with
     *  the caption under it. */
    bool column = false;
    /** A picture above the buttons (objectName, icon), e.g. the client's portrait. */
    QString pictureName;
    QString picture;
    /** Keeps to the right end of its place instead of filling it. */
    bool alignRight = false;
};

/** One cell of a field box's grid. */
struct Cell
{
    enum class Kind {
        Edit,    // a line edit bound by name, with its caption above
        Time,    // a drop-down list of two-digit numbers 00 .. items-1
        Check,   // a tick box; text is its caption
        Value,   // a label that shows a value; text is what a screen reader says with it
        Text,    // a caption beside the controls; labels the next control of its row
        Heading, // a section title
        Command, // a picture button from the layout's field commands, caption beside it
    };
    Kind kind = Kind::Edit;
    QString name;        // control or command objectName; empty for a Text or Heading without one
    QString text;        // caption above an Edit or Time; the text of the others
    int column = 0;
    int span = 1;
    int width = 0;       // fixed width; 0 lets the grid size it
    int minWidth = 0;
    QString accessible;  // accessible name where the caption does not say enough
    QString button;      // a field command placed at the right end of the edit
    QString hint;        // hint of a tick box
    int limit = 0;       // typing limit of an Edit (0: the field's capacity); items of a Time
    bool readOnly = false;
    bool alignRight = false; // amounts
    bool centred = false;    // a Text or Heading centred in its cell
    bool strong = false;     // a Text drawn as a row title (small, bold)
    bool wrap = false;       // a Text that wraps onto more lines

    static Cell edit(const QString &name, const QString &caption, int column = 0, int span = 1)
    {
        Cell c;
        c.name = name;
        c.text = caption;
        c.column = column;
        c.span = span;
        return c;
    }
    static Cell of(Kind kind, const QString &name, const QString &text, int column = 0, int span = 1)
    {
        Cell c = edit(name, text, column, span);
        c.kind = kind;
        return c;
    }
    static Cell label(const QString &text, int column = 0, int span = 1)
    {
        return of(Kind::Text, QString(), text, column, span);
    }
    Cell &withButton(const QString &command) { button = command; return *this; }
    Cell &fixedWidth(int w) { width = w; return *this; }
    Cell &atLeast(int w) { minWidth = w; return *this; }
    Cell &named(const QString &a) { accessible = a; return *this; }
    Cell &readOnlyField() { readOnly = true; return *this; }
    Cell &amount() { alignRight = true; return *this; }
    Cell &centre() { centred = true; return *this; }
    Cell &rowTitle() { strong = true; return *this; }
};

/** A row of cells. A row with a caption above any of its controls takes two grid
 *  lines: captions on the first, controls on the second. */
struct Row
{
    QList<Cell> cells;
};

/** A white box of fields laid out on a grid. */
struct FieldBox
{
    QString title;       // heading over the grid; empty for none
    QString titleLabels; // the control the heading also names (a box of one field)
    int width = 0;       // fixed width; 0 sizes to the contents
    QList<Row> rows;
    QList<int> stretch;  // stretch factor of each grid column, from the first
    QList<int> minWidth; // minimum width of each grid column, from the first
    int horizontalSpacing = 8;
};

/** Extra space at this place of a stack. */
struct Spring
{
};

using Box = std::variant<FieldBox, CommandBox, Spring>;

/** Boxes one above the other. */
struct Stack
{
    QList<Box> boxes;
    int stretch = 0;
};

/** Stacks side by side across the card. */
struct Band
{
    QList<Stack> stacks;
    int stretch = 0;
    bool packLeft = false; // keeps the stacks together on the left, the spare width after them
};

/** Where everything of a card sits, as data: the command boxes of the top bar,
 *  then bands of field boxes. The card's fields bind to their controls by name. */
struct CardLayout
{
    QList<CommandBox> topBar;
    QList<Band> bands;
    /** Picture buttons that sit inside the field boxes (at the end of an edit or
     *  in a cell of their own). */
    QList<CommandDef> fieldCommands;
    /** Controls kept with the record but never shown: "txt..." edits and "lbl..." labels. */
    QStringList hidden;
};

} // namespace lumivista
