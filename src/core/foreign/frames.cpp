#include "core/foreign/frames.h"

#include <QtEndian>

namespace velkor::foreign {

bool FrameWriter::writeFrame(const QByteArray& payload) {
    const quint32 length = qToBigEndian(quint32(payload.size()));
    return m_out.write(reinterpret_cast<const char*>(&length), sizeof length) == sizeof length &&
           m_out.write(payload) == payload.size();
}

void FrameReader::feed(const QByteArray& bytes) {
    // What was handed out goes only now and then: removing it frame by frame would copy the rest each time.
    if (m_start > 0 && m_start * 2 >= m_buffer.size()) {
        m_buffer.remove(0, m_start);
        m_start = 0;
    }
    m_buffer.append(bytes);
}

std::optional<QByteArray> FrameReader::next() {
    const qsizetype available = m_buffer.size() - m_start;
    if (m_bad || available < qsizetype(sizeof(quint32)))
        return std::nullopt;
    const quint32 length = qFromBigEndian<quint32>(m_buffer.constData() + m_start);
    if (qint64(length) > m_max) {
        m_bad = true;
        m_buffer.clear();
        m_start = 0;
        return std::nullopt;
    }
    if (available < qsizetype(sizeof length + length))
        return std::nullopt;
    QByteArray frame = m_buffer.mid(m_start + qsizetype(sizeof length), length);
    m_start += qsizetype(sizeof length + length);
    return frame;
}

} // namespace velkor::foreign
