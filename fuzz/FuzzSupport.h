// What every fuzz target needs: a scratch folder as current directory, message boxes answered, the
// end of the process caught instead of taken.
#pragma once
#include "core/GameState.h"
#include "platform/System.h"
#include "tests/Leaving.h"
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

inline void FuzzSetUp() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    SetMsgBoxHook([](const MsgBoxRequest &r) { return r.defaultButton; });
    SetEndProcessHook([] { throw ProcessEnded{}; });
    G.CrLf = QStringLiteral("\r\n");
}

inline void PutFile(const char *name, const uint8_t *data, size_t size) {
    QFile f(QString::fromLatin1(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
}

inline QByteArray FileBytes(const char *name) {
    QFile f(QString::fromLatin1(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
