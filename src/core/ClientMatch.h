#pragma once
#include "RecordView.h"
#include <QByteArray>
#include <QString>

namespace lumivista {

/** Which client a prescription or an appointment belongs to. The archives keep
 *  no link between records, only the client's data copied at the time, so the
 *  match is made on that data, and says which rule made it: two clients of the
 *  same name must never be told apart in silence. */
class ClientMatch
{
public:
    enum class Rule { None, TaxCode, NameAndMobile, Name };

    /** One side of a match: the tax code trimmed and upper-cased, the name
     *  trimmed and folded as the searches fold it (A to Z only), the mobile in
     *  the form the WhatsApp links give it (see phone()). */
    struct Key
    {
        QByteArray taxCode;
        QByteArray name;
        QByteArray mobile;
    };

    /** Where the three fields lie in a layout: the client's own, a
     *  prescription's client lines, an appointment's contact (no tax code). */
    class Fields
    {
    public:
        explicit Fields(const RecordLayout &layout);
        Key key(const RecordView &record) const;
        /** How record matches the client, without copying its fields: a scan
         *  over a whole archive folds and compares in place. */
        Rule match(const Key &client, const RecordView &record) const;
        /** The three fields as stored, trimmed. */
        QByteArrayView taxCode(const RecordView &record) const { return bytes(record, m_tax); }
        QByteArrayView name(const RecordView &record) const { return bytes(record, m_name); }
        QByteArrayView mobile(const RecordView &record) const { return bytes(record, m_mobile); }

    private:
        struct Slot
        {
            int offset = -1;
            int capacity = 0;
        };
        static Slot slot(const RecordLayout &layout, const char *field);
        static QByteArrayView bytes(const RecordView &record, const Slot &slot);
        Slot m_tax, m_name, m_mobile;
    };

    /** By tax code when both carry one; otherwise by name, and by mobile too
     *  when both carry one. */
    static Rule match(const Key &client, const Key &other);
    /** What a line of the history says of its rule. */
    static QString describe(Rule rule);

    static QByteArray foldName(QByteArrayView name);
    /** foldName() into a buffer a scan reuses from record to record. */
    static void foldInto(QByteArrayView text, QByteArray &out);
    static QByteArray foldTaxCode(QByteArrayView code);
    /** A mobile as WhatsAppLink::phone() writes it, made from the stored
     *  bytes without decoding them: separators dropped, a leading "+" or "00"
     *  dropped, "39" before an Italian 10-digit mobile. */
    static QByteArray phone(QByteArrayView typed);
    /** phone() into a buffer a scan reuses from record to record. */
    static void phoneInto(QByteArrayView typed, QByteArray &out);
};

} // namespace lumivista
