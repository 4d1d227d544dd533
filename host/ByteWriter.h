#pragma once
// Little-endian appends for the writers of the container and the movie (the formats' byte order).

#include <QByteArray>
#include <QtGlobal>

namespace valdorn::bytes {

inline void putU8(QByteArray& out, quint8 value) { out.append(char(value)); }

inline void putU16(QByteArray& out, quint16 value) {
    out.append(char(value & 0xff));
    out.append(char(value >> 8));
}

inline void putU32(QByteArray& out, quint32 value) {
    putU16(out, quint16(value & 0xffff));
    putU16(out, quint16(value >> 16));
}

}  // namespace valdorn::bytes
