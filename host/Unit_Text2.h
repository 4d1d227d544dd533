#pragma once
// The completion window: the stage's last bonus code, shown modally in front of the game window when
// the game reaches its final screen. Its caption and code label are filled by the game window; it
// opens centred over the gate, not over the game window.

#include "host/HostDialog.h"

class QLabel;
class QPushButton;
class ShadowLabel;

namespace valdorn {
class AssetLibrary;
}

class TForm_Text2 : public HostDialog {
    Q_OBJECT
public:
    explicit TForm_Text2(const valdorn::AssetLibrary& assets, QWidget* parent = nullptr);

    QLabel* Image1;
    // Each label's width follows its text; its left edge stays put.
    ShadowLabel* Label1;
    ShadowLabel* Label2;
    ShadowLabel* Label3;
    ShadowLabel* Label4;
    QPushButton* BitBtn1;

protected:
    void placeOnShow() override;
};

extern TForm_Text2* Form_Text2;
