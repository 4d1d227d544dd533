#include "host/WindowPlacement.h"

#include <cmath>
#include <cstdint>

namespace valdorn::placement {

QPoint centredOnDesktop(const QRect& desktop, QSize outer) {
    const int left = desktop.left() + desktop.width() / 2 - outer.width() / 2;
    const int top = desktop.top() + desktop.height() / 2 - outer.height() / 2;
    return {qMax(left, desktop.left()), qMax(top, desktop.top())};
}

QPoint centredOver(const QRect& area, QSize outer, const QRect& desktop) {
    const int left = area.left() + (area.width() - outer.width()) / 2;
    const int top = area.top() + (area.height() - outer.height()) / 2;
    return {qMax(left, desktop.left()), qMax(top, desktop.top())};
}

quint16 gameClientWidth(quint16 workAreaHeight) {
    const std::uint32_t product = std::uint32_t{workAreaHeight} * 680u;
    return static_cast<quint16>(std::lround(static_cast<double>(product) / 550.0));
}

QSize gameOuterSize(quint16 workAreaHeight, quint16 frameWidth) {
    return {int{gameClientWidth(workAreaHeight)} + int{frameWidth}, int{workAreaHeight}};
}

}  // namespace valdorn::placement
