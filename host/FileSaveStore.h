#pragma once
// The save record "tornwick_valdorn5" as a small JSON file in a folder of the current user's
// (normally the XDG data folder). Every write goes to disk at once and atomically (a new file, then
// a rename), so a crash or power cut never loses the unlocked level nor leaves a broken file. A
// missing, unreadable or corrupt file reads as an empty record; nothing is reported.

#include <QString>

#include "game/Services.h"

namespace valdorn {

class FileSaveStore : public SaveStore {
public:
    // `folder` empty: the user's data folder for this program.
    explicit FileSaveStore(QString folder = {});

    std::optional<double> counter() override;
    void setCounter(std::optional<double> value) override;

    [[nodiscard]] QString filePath() const;
    static QString defaultFolder();

private:
    void load();

    QString folder_;
    bool loaded_ = false;
    std::optional<double> counter_;
};

}  // namespace valdorn
