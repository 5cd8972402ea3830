// Any bytes as the saved game: refused, or taken and then written back byte for byte.
#include "FuzzSupport.h"
#include "frontend/SaveFile.h"
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzSetUp();
    PutFile(SaveFileName, data, size);
    ResetGameState();
    G.CrLf = QStringLiteral("\r\n");
    if (!LoadSaveFile()) return 0;
    if (!StoreSaveFile()) std::abort(); // what was read can always be written
    if (FileBytes("DBLDATA.DAT") !=
        QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)))
        std::abort();
    return 0;
}
