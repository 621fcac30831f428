// The import of a 10,000-contact vCard file into an empty directory (read, decode, map, one transaction),
// beside a plain line-by-line read of the same file.
#include "bench_context.h"
#include "bench_util.h"
#include "core/interop/contacts_transfer.h"

#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include <memory>

using namespace velkor;
using namespace velkor::bench;

namespace {

constexpr int ContactCount = 10000;
constexpr int Runs = 7;

// Cards as phones and mail programs write them: 3.0 with groups, folds and two numbers; every fourth a
// vCard 2.1 one with a quoted-printable Turkish name in windows-1254.
void writeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    for (int i = 0; i < ContactCount; ++i) {
        const QByteArray n = QByteArray::number(i);
        if (i % 4 == 0) {
            file.write("BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=windows-1254;ENCODING=QUOTED-PRINTABLE:"
                       "Y=FDlmaz;=DE=FCkr=FC " +
                       n +
                       ";;;\r\nFN;CHARSET=windows-1254;ENCODING=QUOTED-"
                       "PRINTABLE:=DE=FCkr=FC Y=FDlmaz " +
                       n + "\r\nTEL;CELL;PREF:0532" + n + "\r\nTEL;HOME:0212" + n + "\r\nEND:VCARD\r\n");
        } else {
            file.write("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ayşe Çelik " + n +
                       "\r\nN:Çelik;Ayşe;;;\r\n"
                       "item1.TEL;TYPE=CELL:+90 532 " +
                       n +
                       "\r\nitem1.X-ABLabel:_$!<Mobile>!$_\r\n"
                       "TEL;TYPE=WORK,VOICE:+90 216 " +
                       n + "\r\nADR;TYPE=HOME:;;Bağdat Caddesi No " + n +
                       "\\nDaire 4;Kadıköy;İstanbul;34710;Tü\r\n rkiye\r\nEMAIL:ayse" + n +
                       "@example.com\r\nNOTE:Bir not\\, iki satır\\nikinci satır\r\nEND:VCARD\r\n");
        }
    }
}

// What any reader of the file must pay: open it and read it line by line.
qint64 plainRead(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    qint64 lines = 0;
    char buffer[4096];
    while (file.readLine(buffer, sizeof buffer) > 0)
        ++lines;
    return lines;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    BenchContext bench;
    const QString path = bench.dir.filePath(QStringLiteral("contacts.vcf"));
    writeFile(path);

    volatile qint64 sink = 0;
    const double plain = medianMs(Runs, [&] { sink = sink + plainRead(path); });
    // Each run into a directory of its own, made before the clock starts.
    std::vector<std::unique_ptr<QTemporaryDir>> folders;
    for (int i = 0; i < Runs; ++i)
        folders.push_back(std::make_unique<QTemporaryDir>());
    int run = 0;
    const double import = medianMs(Runs, [&] {
        bench.ctx.dataDir = QDir(folders[size_t(run++)]->path());
        const interop::TransferResult result = interop::importContacts(path, bench.ctx);
        sink = sink + result.ok;
    });
    report("contacts.import of a 10,000-contact .vcf", import, "ms", "plain line read of the file", plain);
    return sink < 0;
}
