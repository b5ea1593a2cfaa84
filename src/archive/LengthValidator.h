#pragma once
#include <QLineEdit>
#include <QValidator>

namespace lumivista {

/** Limits how many characters can be typed into an edit. Unlike maxLength it does
 *  not cut text put in by the program, so a stored value longer than the typing
 *  limit is shown and saved back whole instead of being silently truncated; such
 *  a text can still be shortened, never lengthened. */
class LengthValidator : public QValidator
{
    Q_OBJECT
public:
    LengthValidator(int limit, QLineEdit *edit) : QValidator(edit), m_limit(limit), m_edit(edit) {}
    int limit() const { return m_limit; }
    State validate(QString &input, int &) const override
    {
        if (input.size() <= m_limit || input.size() <= m_edit->text().size())
            return Acceptable;
        return Invalid;
    }

private:
    int m_limit;
    QLineEdit *m_edit;
};

} // namespace lumivista
