#pragma once
// The program's own container: the build packs assets/data with valdorn5-container and links the
// result into the executable, so nothing is read from the file system at start-up. The bytes are
// the linked-in copy and live as long as the program.

#include <QByteArrayView>

namespace valdorn {

[[nodiscard]] QByteArrayView embeddedContainer();

}  // namespace valdorn
