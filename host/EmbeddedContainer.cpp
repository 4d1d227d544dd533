#include "host/EmbeddedContainer.h"

// The assembler copies the file in at build time (.incbin): an 8 MB array written out as C++
// source would cost far more to compile. host/CMakeLists.txt defines the path and makes this file
// rebuild when the container changes.
#ifndef VALDORN5_CONTAINER_FILE
#error "VALDORN5_CONTAINER_FILE must name the packed container"
#endif

asm(".pushsection .rodata.valdorn5_container, \"a\"\n"
    ".balign 16\n"
    ".globl valdorn5_container_begin\n"
    ".hidden valdorn5_container_begin\n"
    "valdorn5_container_begin:\n"
    ".incbin \"" VALDORN5_CONTAINER_FILE "\"\n"
    ".globl valdorn5_container_end\n"
    ".hidden valdorn5_container_end\n"
    "valdorn5_container_end:\n"
    ".popsection\n");

extern "C" const char valdorn5_container_begin[];
extern "C" const char valdorn5_container_end[];

namespace valdorn {

QByteArrayView embeddedContainer() {
    return QByteArrayView(valdorn5_container_begin, valdorn5_container_end - valdorn5_container_begin);
}

}  // namespace valdorn
