#pragma once
// The briefing: a fixed text that explains the stage, shown modally after the right password and
// before the game window. It has no logic of its own; however it is closed, the gate goes on.

#include <QStringList>

#include "host/HostDialog.h"

class QFrame;
class QPushButton;
class QTextEdit;
class ShadowLabel;

namespace valdorn {
// The briefing's paragraphs, exactly as shown (inner and trailing spaces are part of the text).
[[nodiscard]] QStringList briefingParagraphs();
}

class TForm_Text : public HostDialog {
    Q_OBJECT
public:
    explicit TForm_Text(QWidget* parent = nullptr);

    ShadowLabel* JvLabel1;
    QFrame* Panel1;
    QTextEdit* RichEdit1;
    QPushButton* BitBtn1;

protected:
    void placeOnShow() override;
};

extern TForm_Text* Form_Text;
