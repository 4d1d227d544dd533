#pragma once
// The program's four windows for one run: created in their fixed order (gate, completion window,
// game window, briefing) and reachable through the global instances Form_Pass, Form_Text2, Form_Main
// and Form_Text while this object lives. Nothing is shown; the caller shows the gate.

#include <memory>

class TForm_Main;
class TForm_Pass;
class TForm_Text;
class TForm_Text2;

namespace valdorn {
class AssetLibrary;

class HostWindows {
public:
    // Creating the game window creates the game and starts its watch. `assets` must outlive this object.
    explicit HostWindows(const AssetLibrary& assets);
    ~HostWindows();
    HostWindows(const HostWindows&) = delete;
    HostWindows& operator=(const HostWindows&) = delete;

private:
    // Declared so that owned windows go before their owners: an opened window becomes its opener's
    // child, and a parent deletes its children.
    std::unique_ptr<TForm_Pass> pass_;
    std::unique_ptr<TForm_Main> main_;
    std::unique_ptr<TForm_Text> text_;
    std::unique_ptr<TForm_Text2> text2_;
};

}  // namespace valdorn
