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
     *  the form the WhatsApp links give it (WhatsAppLink::phone()). */
    struct KeyView
    {
        QByteArrayView taxCode;
        QByteArrayView name;
        QByteArrayView mobile;
    };
    /** A key that keeps its own bytes. */
    struct Key
    {
        QByteArray taxCode;
        QByteArray name;
        QByteArray mobile;
        KeyView view() const { return {taxCode, name, mobile}; }
    };

    /** Where the three fields lie in a layout: the client's own, a
     *  prescription's client lines, an appointment's contact (no tax code). */
    class Fields
    {
    public:
        explicit Fields(const RecordLayout &layout);
        Key key(const RecordView &record) const;
        /** The record's key made into buffers reused from record to record, so
         *  a scan over a whole archive allocates nothing per record. Valid until
         *  the next call. */
        KeyView keyInto(const RecordView &record, Key &buffers) const;
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
     *  when both carry one. The one rule of the history and the recalls. */
    static Rule match(const KeyView &client, const KeyView &other);
    /** What a line of the history says of its rule. */
    static QString describe(Rule rule);

    /** Trimmed text folded A to Z, as names and tax codes are compared. */
    static QByteArray fold(QByteArrayView text);
    /** fold() into a buffer a scan reuses from record to record. */
    static void foldInto(QByteArrayView text, QByteArray &out);
};

} // namespace lumivista
