#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

#include <optional>

namespace velkor::foreign {

// A reader hands its records back as frames: a 32-bit length, then that many bytes of QDataStream.
constexpr int StreamVersion = QDataStream::Qt_6_4;

// Writes frames to an output (the reader's standard output).
class FrameWriter {
public:
    explicit FrameWriter(QIODevice& out) : m_out(out) {}
    // A frame of whatever `fill` writes into its stream.
    template <typename Fill> bool write(Fill&& fill) {
        QByteArray payload;
        QDataStream stream(&payload, QIODevice::WriteOnly);
        stream.setVersion(StreamVersion);
        fill(stream);
        return writeFrame(payload);
    }
    bool writeFrame(const QByteArray& payload);

private:
    QIODevice& m_out;
};

// Cuts the bytes of a reader's output into frames as they arrive; holds at most one frame's bytes.
class FrameReader {
public:
    explicit FrameReader(qint64 maxFrameBytes) : m_max(maxFrameBytes) {}
    void feed(const QByteArray& bytes);
    // The next whole frame, or nothing until more bytes come. A frame announced larger than the limit
    // makes the output bad for good.
    std::optional<QByteArray> next();
    bool bad() const { return m_bad; }
    // Bytes of a frame begun but not finished: output cut short.
    bool pending() const { return m_buffer.size() > m_start; }

private:
    QByteArray m_buffer;
    qsizetype m_start = 0; // frames before it are handed out already
    qint64 m_max;
    bool m_bad = false;
};

// A received frame opened for reading, its leading tag read already.
class FrameIn {
public:
    explicit FrameIn(const QByteArray& frame) : m_stream(frame) {
        m_stream.setVersion(StreamVersion);
        m_stream >> m_tag;
    }
    template <typename Tag> Tag tag() const { return Tag(m_tag); }
    QDataStream& stream() { return m_stream; }
    // Every field was there, and nothing follows them.
    bool whole() const { return m_stream.status() == QDataStream::Ok && m_stream.atEnd(); }

private:
    QDataStream m_stream;
    quint8 m_tag = 0;
};

} // namespace velkor::foreign
