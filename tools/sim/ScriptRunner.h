#pragma once
// Runs the headless driver's command script against a simulation. Each line is one command; blank
// lines and lines starting with '#' are skipped. A bad line stops the run with its number and reason.

#include <QString>
#include <QTextStream>
#include <optional>

namespace valdorn {

class Simulation;
class SaveStore;

struct ScriptError {
    int line;
    QString reason;
};

class ScriptRunner {
public:
    ScriptRunner(Simulation& simulation, SaveStore& store, QTextStream& output);

    // Runs until the input ends or `quit`; returns the first bad line, if any.
    std::optional<ScriptError> run(QTextStream& input);

private:
    // Empty when the command was good, else the reason.
    QString execute(const QStringList& words, bool& quit);

    Simulation& simulation_;
    SaveStore& store_;
    QTextStream& output_;
};

}  // namespace valdorn
