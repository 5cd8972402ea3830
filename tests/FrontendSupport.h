// Helpers for the front-end tests: tiny sound files of the test's own, and the mouse passing over.
#pragma once
#include <QDataStream>
#include <QDir>
#include <QFile>

// Replaces the game's file of that name in the scratch folder (or removes it when bytes is empty).
inline void PutGameFile(const QString &name, const QByteArray &bytes) {
    QFile::remove(QDir::current().filePath(name));
    if (bytes.isEmpty()) return;
    QFile f(QDir::current().filePath(name));
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

// A mono 16-bit WAV of a soft tone lasting ms milliseconds.
inline QByteArray TinyWav(int ms) {
    const int rate = 22050, samples = rate * ms / 1000;
    QByteArray b;
    QDataStream s(&b, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("RIFF", 4);
    s << quint32(36 + samples * 2);
    s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(rate * 2) << quint16(2) << quint16(16);
    s.writeRawData("data", 4);
    s << quint32(samples * 2);
    for (int i = 0; i < samples; ++i) s << qint16((i / 50) % 2 ? 2000 : -2000);
    return b;
}

// A one-note standard MIDI file: the note lasts quarters quarter notes at 120 beats per minute.
inline QByteArray TinyMidi(int quarters) {
    const int ticks = 96 * quarters;
    QByteArray track;
    track += QByteArray::fromHex("00c000");  // program 0
    track += QByteArray::fromHex("00903c64");
    // Delta time as a variable-length number.
    QByteArray delta;
    int v = ticks;
    delta.prepend(char(v & 0x7f));
    while (v >>= 7) delta.prepend(char((v & 0x7f) | 0x80));
    track += delta + QByteArray::fromHex("803c00");
    track += QByteArray::fromHex("00ff2f00");
    QByteArray b = QByteArray::fromHex("4d546864000000060000000100604d54726b");
    QDataStream s(&b, QIODevice::Append);
    s.setByteOrder(QDataStream::BigEndian);
    s << quint32(track.size());
    return b + track;
}

#include "Player.h"
#include "TestSupport.h"
