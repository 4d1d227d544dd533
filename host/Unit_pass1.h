#pragma once
// The access gate: the program's main window and the only one shown at start. The player types the
// quest's access password; the right one opens the briefing and then the game window, each modally
// and owned by the gate; a wrong one is refused with the desktop's beep. Closing the gate ends the
// program (whoever created the gate connects its `finished` signal to the application's quit).

#include <QString>
#include <functional>

#include "host/HostDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class ShadowLabel;

namespace valdorn {
class AssetLibrary;

// The access password handed out by the quest.
inline const QString kAccessPassword = QStringLiteral("K7W31MOTR4PX8HF");

// The typed text upper-cased by the user's locale (Latin and Cyrillic alike) equals the password
// exactly: letters match in any case, everything else (spaces included) must be as it is.
[[nodiscard]] bool passwordAccepted(const QString& typed);
}  // namespace valdorn

class TForm_Pass : public HostDialog {
    Q_OBJECT
public:
    explicit TForm_Pass(const valdorn::AssetLibrary& assets, QWidget* parent = nullptr);

    // The OK button's handler: the modal chain on the right password, the refusal otherwise.
    void BitBtn1Click();

    // How a refusal sounds; the desktop's beep unless replaced (tests count calls).
    void setBeep(std::function<void()> beep) { beep_ = std::move(beep); }

    QLabel* Image1;
    ShadowLabel* JvLabel1;
    QLineEdit* Ed_Pass;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

protected:
    void placeOnShow() override;

private:
    std::function<void()> beep_;
};

extern TForm_Pass* Form_Pass;
