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
    LengthValidator(int limit, QLineEdit *edit) : QValidator(edit), m_limit(limit)
    {
        // The edit already holds the new text while validating, so remember the
        // length of the last text it accepted.
        connect(edit, &QLineEdit::textChanged, this, [this](const QString &text) { m_accepted = text.size(); });
        m_accepted = edit->text().size();
    }
    int limit() const { return m_limit; }
    State validate(QString &input, int &) const override
    {
        if (input.size() <= m_limit || input.size() <= m_accepted)
            return Acceptable;
        return Invalid;
    }

private:
    int m_limit;
    qsizetype m_accepted = 0;
};

} // namespace lumivista
