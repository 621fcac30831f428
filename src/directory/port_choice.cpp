#include "directory/port_choice.h"

#include "support/record_file.h"

#include <QRegularExpression>

namespace velkor::directory {

QString portChoiceFileName() {
    return QStringLiteral("comayar.kyt");
}

int loadPortIndex(const QString& path) {
    touchFile(path);
    const Loaded<QList<RecordEntry>> records = readRecordFile(path);
    if (!records.ok() || records.value.isEmpty() || !records.value.front().fields)
        return 0;
    const std::optional<qint64> index = numberAt(*records.value.front().fields, 0);
    return index && *index >= 0 && *index < PortCount ? int(*index) : 0;
}

IoResult savePortIndex(const QString& path, int index) {
    return rewriteRecordFile(path, encodeRecord({qint64(index)}));
}

QString portName(int index) {
    return QStringLiteral("COM%1").arg(index + 1);
}

QString serialDeviceName(const QString& port) {
#ifdef Q_OS_WIN
    return port;
#else
    static const QRegularExpression com(QStringLiteral("^COM([1-9][0-9]{0,2})$"));
    const QRegularExpressionMatch match = com.match(port);
    if (!match.hasMatch())
        return port;
    return QStringLiteral("/dev/ttyS%1").arg(match.captured(1).toInt() - 1);
#endif
}

} // namespace velkor::directory
