#pragma once
// The level-complete screens' plate buttons: an orange rounded plate 195.75 x 52.25 px centred on
// the origin with a handwritten red label. While the pointer is over the button (or presses it)
// the plate shows at half opacity and the label stays opaque. The hit area is the plate together
// with its label.

#include <QString>
#include <memory>

namespace valdorn {

class Button;

std::shared_ptr<Button> makePlateButton(const QString& label);

}  // namespace valdorn
