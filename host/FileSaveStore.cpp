#include "host/FileSaveStore.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <cmath>

namespace valdorn {
namespace {

constexpr qint64 kLargestSensibleFile = 64 * 1024;  // bytes; anything bigger is not ours

}  // namespace

FileSaveStore::FileSaveStore(QString folder) : folder_(folder.isEmpty() ? defaultFolder() : std::move(folder)) {}

QString FileSaveStore::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/valdorn5";
}

QString FileSaveStore::filePath() const { return folder_ + "/tornwick_valdorn5.json"; }

void FileSaveStore::load() {
    loaded_ = true;
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestSensibleFile) return;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isObject()) return;
    const QJsonValue stored = document.object().value("counter");
    if (stored.isDouble() && std::isfinite(stored.toDouble())) counter_ = stored.toDouble();
}

std::optional<double> FileSaveStore::counter() {
    if (!loaded_) load();
    return counter_;
}

void FileSaveStore::setCounter(std::optional<double> value) {
    loaded_ = true;
    counter_ = value;
    QJsonObject record;
    if (value) record.insert("counter", *value);
    QDir().mkpath(folder_);
    QSaveFile file(filePath());
    if (!file.open(QIODevice::WriteOnly)) return;  // the value still holds for this run
    file.write(QJsonDocument(record).toJson(QJsonDocument::Compact));
    file.commit();
}

}  // namespace valdorn
