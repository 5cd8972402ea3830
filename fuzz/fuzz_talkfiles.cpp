// Any bytes as the three talk files: every lookup returns or stops the game with a message, never
// reads past the end.
#include "FuzzSupport.h"
#include "talk/TalkFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzSetUp();
    // One input feeds all three files: split at the first two zero bytes.
    const QByteArray all(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QList<QByteArray> parts = all.split('\0');
    const char *files[] = {TalkCodeFile, TalkLineFile, ResponseFile};
    for (int i = 0; i < 3; ++i) {
        const QByteArray part = i < parts.size() ? parts[i] : QByteArray();
        PutFile(files[i], reinterpret_cast<const uint8_t *>(part.constData()),
                static_cast<size_t>(part.size()));
    }
    try {
        for (const char *code : {"14A", "52B", "76A"}) {
            for (int talk : ReadCandidates(QString::fromLatin1(code))) {
                (void)ReadReplyText(talk);
                const QString line = ReadResponseLine(QString::fromLatin1(code), talk);
                (void)ResponseText(line);
                (void)ResponseChange(line);
            }
        }
    } catch (const ProcessEnded &) {
    }
    return 0;
}
